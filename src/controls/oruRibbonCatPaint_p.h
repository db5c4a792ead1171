#pragma once

#include "oruRibbonApplication.h"
#include "oruRibbonStyle.h"

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

/// The height of two lines of @p fm's font as the text layout stacks them.
/// The layout rounds each line up, so this can exceed twice the font height.
inline int twoLineHeight(const QFontMetrics& fm)
{
    return fm
        .boundingRect(QRect(0, 0, 1 << 16, 0), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                      QStringLiteral("X\nX"))
        .height();
}

/// The narrowest width at which @p text wraps into at most two lines (the
/// halving search shared by the large buttons). @p lines receives the line
/// count of the last fitting measurement.
inline int twoLineWidth(const QFontMetrics& fm, const QString& text, int* lines = nullptr)
{
    const int full = fm.horizontalAdvance(text);
    int candidate = full;
    int best = full;
    int step = full;
    const int h = fm.height();
    const int limit = twoLineHeight(fm);
    do {
        step /= 2;
        const QRect r = fm.boundingRect(QRect(0, 0, candidate, 0),
                                        Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, text);
        if (r.height() <= limit) {
            best = r.width();
            if (lines)
                *lines = qRound(double(r.height()) / h);
            candidate -= step;
        } else {
            candidate += step;
        }
    } while (step != 0);
    return best;
}

} // namespace oru::catpaint
