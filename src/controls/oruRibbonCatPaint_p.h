#pragma once

#include "oruRibbonApplication.h"
#include "oruRibbonStyle.h"
#include "oruTextLines_p.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPixmap>
#include <QRect>

namespace oru::catpaint {

/// Draws frame @p f of a stacked skin image whose frames are @p cw x @p ch
/// as a nine-slice with 2-pixel corners and edges over @p target.
inline void drawNineSlice(QPainter& painter, const QPixmap& pixmap, int cw, int ch, int f,
                          const QRect& target)
{
    const RibbonStyle* skin = RibbonApplication::theApp()->ribbonStyle();
    const int cy = ch * f;
    const int x = target.x();
    const int y = target.y();
    const int w = target.width();
    const int h = target.height();
    const int mw = cw - 4;
    const int mh = ch - 4;
    skin->drawPixmap(painter, QRect(x, y, 2, 2), pixmap, QRect(0, cy, 2, 2));
    skin->drawPixmap(painter, QRect(x + w - 2, y, 2, 2), pixmap, QRect(cw - 2, cy, 2, 2));
    skin->drawPixmap(painter, QRect(x, y + h - 2, 2, 2), pixmap, QRect(0, cy + ch - 2, 2, 2));
    skin->drawPixmap(painter, QRect(x + w - 2, y + h - 2, 2, 2), pixmap,
                     QRect(cw - 2, cy + ch - 2, 2, 2));
    skin->drawPixmap(painter, QRect(x + 2, y, w - 4, 2), pixmap, QRect(2, cy, mw, 2));
    skin->drawPixmap(painter, QRect(x + 2, y + h - 2, w - 4, 2), pixmap,
                     QRect(2, cy + ch - 2, mw, 2));
    skin->drawPixmap(painter, QRect(x, y + 2, 2, h - 4), pixmap, QRect(0, cy + 2, 2, mh));
    skin->drawPixmap(painter, QRect(x + w - 2, y + 2, 2, h - 4), pixmap,
                     QRect(cw - 2, cy + 2, 2, mh));
    skin->drawPixmap(painter, QRect(x + 2, y + 2, w - 4, h - 4), pixmap, QRect(2, cy + 2, mw, mh));
}

// The two-line wrap search of the large buttons.
using textlines::twoLineHeight;
using textlines::twoLineWidth;

} // namespace oru::catpaint
