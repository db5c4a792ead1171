#include "oruMainMenuPaint_p.h"

#include "oruMirror_p.h"
#include "oruRibbonApplication.h"
#include "oruRibbonStyle.h"

#include <QIcon>
#include <QPainter>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace oru::mainmenu {

void drawItemHighlight(QPainter& painter, int w, int h, bool rtl)
{
    // The caption edge stands on the side the item's text starts.
    const mirror::Flip flip(painter, w, rtl);
    const RibbonStyle* skin = RibbonApplication::theApp()->ribbonStyle();
    const QPixmap& caption = skin->horizontalMenuButtonCaption();
    const QPixmap& menu = skin->horizontalMenuButtonMenu();
    skin->drawPixmap(painter, QRect(0, 0, 2, 2), caption, QRect(0, 0, 2, 2));
    skin->drawPixmap(painter, QRect(0, 2, 2, h - 4), caption, QRect(0, 2, 2, 18));
    skin->drawPixmap(painter, QRect(0, h - 2, 2, 2), caption, QRect(0, 20, 2, 2));
    skin->drawPixmap(painter, QRect(2, 0, w - 4, 2), menu, QRect(0, 0, 9, 2));
    skin->drawPixmap(painter, QRect(2, 2, w - 4, h - 4), menu, QRect(0, 2, 9, 18));
    skin->drawPixmap(painter, QRect(2, h - 2, w - 4, 2), menu, QRect(0, 20, 9, 2));
    skin->drawPixmap(painter, QRect(w - 2, 0, 2, 2), menu, QRect(9, 0, 2, 2));
    skin->drawPixmap(painter, QRect(w - 2, 2, 2, h - 4), menu, QRect(9, 2, 2, 18));
    skin->drawPixmap(painter, QRect(w - 2, h - 2, 2, 2), menu, QRect(9, 20, 2, 2));
}

void drawPopupBorder(QPainter& painter, const QPixmap& pixmap, int w, int h)
{
    const RibbonStyle* skin = RibbonApplication::theApp()->ribbonStyle();
    skin->drawPixmap(painter, QRect(0, 0, 3, 3), pixmap, QRect(0, 0, 3, 3));
    skin->drawPixmap(painter, QRect(3, 0, w - 6, 3), pixmap, QRect(3, 0, 1, 3));
    skin->drawPixmap(painter, QRect(w - 3, 0, 3, 3), pixmap, QRect(4, 0, 3, 3));
    skin->drawPixmap(painter, QRect(0, 3, 3, h - 6), pixmap, QRect(0, 3, 3, 1));
    skin->drawPixmap(painter, QRect(3, 3, w - 6, h - 6), pixmap, QRect(3, 3, 1, 1));
    skin->drawPixmap(painter, QRect(w - 3, 3, 3, h - 6), pixmap, QRect(4, 3, 3, 1));
    skin->drawPixmap(painter, QRect(0, h - 3, 3, 3), pixmap, QRect(0, 4, 3, 3));
    skin->drawPixmap(painter, QRect(3, h - 3, w - 6, 3), pixmap, QRect(3, 4, 1, 3));
    skin->drawPixmap(painter, QRect(w - 3, h - 3, 3, 3), pixmap, QRect(4, 4, 3, 3));
}

void drawItemIcon(QPainter& painter, const QIcon& icon, bool enabled, int h, int w, bool rtl)
{
    if (icon.isNull())
        return;
    const QPixmap pixmap = icon.pixmap(QSize(32, 32), RibbonStyle::devicePixelRatio(painter),
                                       enabled ? QIcon::Normal : QIcon::Disabled);
    const QSize size = pixmap.deviceIndependentSize().toSize();
    const QRect target(21 - (size.width() - 1) / 2, (h - 1) / 2 - (size.height() - 1) / 2,
                       size.width(), size.height());
    painter.drawPixmap(
        QStyle::visualRect(rtl ? Qt::RightToLeft : Qt::LeftToRight, QRect(0, 0, w, h), target),
        pixmap);
}

void drawMainButtonIcon(QPainter& painter, const QIcon& icon, const QRect& button)
{
    const int w = button.width();
    const int h = button.height();
    const int s = static_cast<int>(std::lround(w * 0.707));
    const QSize actual = icon.actualSize(QSize(w, h));
    const int aw = actual.width();
    const int ah = actual.height();
    const QRect target(button.x() + std::max((w - s) / 2, (w - aw) / 2),
                       button.y() + std::max((h - s) / 2, (h - ah) / 2), std::min(s, aw),
                       std::min(s, ah));
    // At the density of the device painted on, as every other picture.
    const QPixmap pixmap = icon.pixmap(target.size(), RibbonStyle::devicePixelRatio(painter),
                                       QIcon::Normal, QIcon::Off);
    QRect placed(QPoint(0, 0), pixmap.deviceIndependentSize().toSize());
    placed.moveCenter(target.center());
    painter.drawPixmap(placed, pixmap);
}

int screenRoom(const QWidget& anchor)
{
    QScreen* screen = anchor.screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().height() : 16384;
}

} // namespace oru::mainmenu
