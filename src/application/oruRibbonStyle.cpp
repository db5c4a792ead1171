#include "oruRibbonStyle.h"

#include <QHash>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPoint>
#include <QRect>

#include <array>

namespace oru {

namespace {

// The densities the skin images exist in besides 1x, and their file suffixes.
constexpr int kFinerCount = 2;
constexpr qreal kFinerRatios[kFinerCount] = {1.5, 2.0};
const char* const kFinerSuffixes[kFinerCount] = {"@1.5x.png", "@2x.png"};

// The finer image a device ratio paints with: the smallest one at least as
// fine as the device, the finest one beyond that; -1 for 1x.
int finerIndex(qreal ratio)
{
    if (ratio <= 1.0)
        return -1;
    for (int i = 0; i < kFinerCount; ++i)
        if (ratio <= kFinerRatios[i])
            return i;
    return kFinerCount - 1;
}

} // namespace

struct RibbonStyle::Variants
{
    QString folder;
    // Resource file name (without ".png") of every loaded skin image, by the
    // address of the member that holds its 1x image.
    QHash<const QPixmap*, QString> files;
    // Loaded finer images; a null one marks a variant that does not exist.
    std::array<QHash<const QPixmap*, QPixmap>, kFinerCount> images;
    // Paints the images of a skin made at run time; empty for one loaded
    // from resources.
    std::function<QImage(const QString&, qreal)> paint;
};

RibbonStyle::RibbonStyle() : m_variants(new Variants) {}

RibbonStyle::~RibbonStyle() = default;

void RibbonStyle::setColors(const QRgb (&colors)[16])
{
    QColor* const members[16] = {
        &m_mainClientColor,
        &m_mainMenuBgColor,
        &m_activeTextColor,
        &m_inactiveTextColor,
        &m_activeTitleTextColor,
        &m_inactiveTitleTextColor,
        &m_normalCategoryTextColor,
        &m_highlightedCategoryTextColor,
        &m_disabledCategoryTextColor,
        &m_categoryCaptionTextColor,
        &m_categoryWrapperCaptionTextColor,
        &m_frameOutlineColor,
        &m_frameNormalFillColor,
        &m_frameHighlightedFillColor,
        &m_frameSunkenColor,
        &m_frameRaiseColor,
    };
    for (int i = 0; i < 16; ++i)
        *members[i] = QColor::fromRgb(colors[i]);
}

void RibbonStyle::loadPixmaps(const QString& folder)
{
    const QString base = QStringLiteral(":/oru/ribbon/") + folder + QLatin1Char('/');
    m_variants->folder = base;
    m_variants->paint = nullptr;
    forEachImage([&](QPixmap& member, const QString& file) {
        member = QPixmap(base + file);
        QString name = file;
        name.chop(4);
        m_variants->files.insert(&member, name);
    });
}

void RibbonStyle::paintPixmaps(const std::function<QImage(const QString& file, qreal ratio)>& paint)
{
    m_variants->folder.clear();
    m_variants->paint = paint;
    for (auto& images : m_variants->images)
        images.clear();
    forEachImage([&](QPixmap& member, const QString& file) {
        member = paint ? QPixmap::fromImage(paint(file, 1.0)) : QPixmap();
        QString name = file;
        name.chop(4);
        m_variants->files.insert(&member, name);
    });
}

void RibbonStyle::forEachImage(
    const std::function<void(QPixmap& member, const QString& file)>& visit)
{
    struct Image
    {
        QPixmap RibbonStyle::*member;
        const char* file;
    };
    // The frame and caption pieces first, then the system-button glyphs, then
    // everything else as declared.
    static const Image images[] = {
        {&RibbonStyle::m_mainBorder, "MainBorder.png"},
        {&RibbonStyle::m_mainBorderCaption, "MainBorderCaption.png"},
        {&RibbonStyle::m_mainButton, "ButtonMain.png"},
        {&RibbonStyle::m_quickAccessBar, "QuickAccessBar.png"},
        {&RibbonStyle::m_statusBar, "StatusBar.png"},
        {&RibbonStyle::m_statusBarExt, "StatusBarExt.png"},
        {&RibbonStyle::m_sysBtnClose, "SysBtnClose.png"},
        {&RibbonStyle::m_sysBtnCloseSmall, "SysBtnCloseSmall.png"},
        {&RibbonStyle::m_sysBtnMaximize, "SysBtnMaximize.png"},
        {&RibbonStyle::m_sysBtnMaximizeSmall, "SysBtnMaximizeSmall.png"},
        {&RibbonStyle::m_sysBtnMinimize, "SysBtnMinimize.png"},
        {&RibbonStyle::m_sysBtnMinimizeSmall, "SysBtnMinimizeSmall.png"},
        {&RibbonStyle::m_sysBtnRestore, "SysBtnRestore.png"},
        {&RibbonStyle::m_sysBtnRestoreSmall, "SysBtnRestoreSmall.png"},
        {&RibbonStyle::m_sysBtnBack, "SysBtnBack.png"},
        {&RibbonStyle::m_normalButtonSmall, "NormalButtonSmall.png"},
        {&RibbonStyle::m_menuBarButton, "MenuBarButton.png"},
        {&RibbonStyle::m_categories, "Categories.png"},
        {&RibbonStyle::m_categoryTop, "CategoryTop.png"},
        {&RibbonStyle::m_categoryBottom, "CategoryBottom.png"},
        {&RibbonStyle::m_categoryWrapperBack, "CategoryWrapperBack.png"},
        {&RibbonStyle::m_categoryWrapperIcon, "CategoryWrapperIcon.png"},
        {&RibbonStyle::m_mainPanelBack, "MainPanelBack.png"},
        {&RibbonStyle::m_horizontalMenuButtonCaption, "HMenuButtonCaption.png"},
        {&RibbonStyle::m_horizontalMenuButtonMenu, "HMenuButtonMenu.png"},
        {&RibbonStyle::m_verticalMenuButtonCaption, "VMenuButtonCaption.png"},
        {&RibbonStyle::m_verticalMenuButtonMenu, "VMenuButtonMenu.png"},
        {&RibbonStyle::m_mainPanelBorder, "MainPanelBorder.png"},
        {&RibbonStyle::m_mainPanelSeparator, "MainPanelSeparator.png"},
        {&RibbonStyle::m_mainPanelButton, "MainPanelButton.png"},
        {&RibbonStyle::m_paletteBtnTop, "PaletteButtonTop.png"},
        {&RibbonStyle::m_paletteBtnMiddle, "PaletteButtonMiddle.png"},
        {&RibbonStyle::m_paletteBtnBottom, "PaletteButtonBottom.png"},
        {&RibbonStyle::m_paletteItemLarge, "PaletteItemLarge.png"},
        {&RibbonStyle::m_paletteItemSmall, "PaletteItemSmall.png"},
        {&RibbonStyle::m_popupBorder, "PopupBorder.png"},
        {&RibbonStyle::m_popupResizeBarBack, "PopupResizeBarBack.png"},
        {&RibbonStyle::m_popupResizeBarIconB, "PopupResizeBarIconB.png"},
        {&RibbonStyle::m_popupResizeBarIconBR, "PopupResizeBarIconBR.png"},
        {&RibbonStyle::m_popupResizeBarIconTR, "PopupResizeBarIconTR.png"},
        {&RibbonStyle::m_checkableMenuItemBack, "CheckableMenuItemBack.png"},
        {&RibbonStyle::m_checkableMenuItemCheck, "CheckableMenuItemCheck.png"},
        {&RibbonStyle::m_checkableMenuItemRadio, "CheckableMenuItemRadio.png"},
        {&RibbonStyle::m_tabBarTabs, "TabBarTabs.png"},
        {&RibbonStyle::m_sliderMinus, "SliderMinus.png"},
        {&RibbonStyle::m_sliderPlus, "SliderPlus.png"},
        {&RibbonStyle::m_sliderThumb, "SliderThumb.png"},
        {&RibbonStyle::m_btnGroupFirst, "BtnGroupFirst.png"},
        {&RibbonStyle::m_btnGroupMidle, "BtnGroupMidle.png"},
        {&RibbonStyle::m_btnGroupLast, "BtnGroupLast.png"},
        {&RibbonStyle::m_comboBox, "ComboBox.png"},
        {&RibbonStyle::m_tooltipBack, "TooltipBack.png"},
        {&RibbonStyle::m_toolBoxTabBack, "ToolBoxBack.png"},
        {&RibbonStyle::m_terminateProgressButton, "TerminateButton.png"},
    };
    static_assert(sizeof(images) / sizeof(images[0]) == 54, "every skin image is loaded once");
    for (const Image& image : images)
        visit(this->*image.member, QLatin1String(image.file));
}

const QPixmap& RibbonStyle::pixmapForRatio(const QPixmap& pixmap, qreal devicePixelRatio) const
{
    const int index = finerIndex(devicePixelRatio);
    if (index < 0 || pixmap.isNull())
        return pixmap;
    const auto file = m_variants->files.constFind(&pixmap);
    if (file == m_variants->files.constEnd())
        return pixmap;
    QHash<const QPixmap*, QPixmap>& cache = m_variants->images[size_t(index)];
    auto found = cache.find(&pixmap);
    if (found == cache.end()) {
        QPixmap finer =
            m_variants->paint
                ? QPixmap::fromImage(
                      m_variants->paint(*file + QLatin1String(".png"), kFinerRatios[index]))
                : QPixmap(m_variants->folder + *file + QLatin1String(kFinerSuffixes[index]));
        if (!finer.isNull())
            finer.setDevicePixelRatio(kFinerRatios[index]);
        found = cache.insert(&pixmap, finer);
    }
    return found->isNull() ? pixmap : *found;
}

void RibbonStyle::preloadRatio(qreal devicePixelRatio) const
{
    // A painted skin paints a finer image when a paint first needs it: a
    // window uses about half of the images, and painting them all at start
    // would cost more than the first paint saves.
    if (finerIndex(devicePixelRatio) < 0 || m_variants->paint)
        return;
    for (auto it = m_variants->files.cbegin(); it != m_variants->files.cend(); ++it)
        pixmapForRatio(*it.key(), devicePixelRatio);
}

qreal RibbonStyle::devicePixelRatio(const QPainter& painter)
{
    // The engine's device is where the pixels go: a widget's backing store, or
    // the image or pixmap a widget is rendered into.
    const QPaintEngine* engine = painter.isActive() ? painter.paintEngine() : nullptr;
    const QPaintDevice* device = engine ? engine->paintDevice() : nullptr;
    return device ? device->devicePixelRatio() : 1.0;
}

void RibbonStyle::drawPixmap(QPainter& painter, const QRect& target, const QPixmap& pixmap,
                             const QRect& source) const
{
    const QPixmap& image = pixmapForRatio(pixmap, devicePixelRatio(painter));
    if (&image == &pixmap) {
        painter.drawPixmap(target, pixmap, source);
        return;
    }
    const qreal scale = image.devicePixelRatio();
    // Source rectangles are written in 1x pixels; the finer image holds the
    // same picture with every pixel edge at its 1x position times the ratio.
    painter.drawPixmap(QRectF(target), image,
                       QRectF(source.x() * scale, source.y() * scale, source.width() * scale,
                              source.height() * scale));
}

void RibbonStyle::drawPixmap(QPainter& painter, const QRect& target, const QPixmap& pixmap) const
{
    drawPixmap(painter, target, pixmap, pixmap.rect());
}

void RibbonStyle::drawNinePiece(QPainter& painter, const QRect& target, const QPixmap& pixmap,
                                const QRect& source, int border) const
{
    const int b = border;
    const int sx = source.x(), sy = source.y(), sw = source.width(), sh = source.height();
    const int tx = target.x(), ty = target.y(), tw = target.width(), th = target.height();
    const auto piece = [&](const QRect& to, const QRect& from) {
        if (to.width() > 0 && to.height() > 0)
            drawPixmap(painter, to, pixmap, from);
    };
    piece(QRect(tx, ty, b, b), QRect(sx, sy, b, b));
    piece(QRect(tx + tw - b, ty, b, b), QRect(sx + sw - b, sy, b, b));
    piece(QRect(tx, ty + th - b, b, b), QRect(sx, sy + sh - b, b, b));
    piece(QRect(tx + tw - b, ty + th - b, b, b), QRect(sx + sw - b, sy + sh - b, b, b));
    piece(QRect(tx + b, ty, tw - 2 * b, b), QRect(sx + b, sy, sw - 2 * b, b));
    piece(QRect(tx + b, ty + th - b, tw - 2 * b, b), QRect(sx + b, sy + sh - b, sw - 2 * b, b));
    piece(QRect(tx, ty + b, b, th - 2 * b), QRect(sx, sy + b, b, sh - 2 * b));
    piece(QRect(tx + tw - b, ty + b, b, th - 2 * b), QRect(sx + sw - b, sy + b, b, sh - 2 * b));
    piece(QRect(tx + b, ty + b, tw - 2 * b, th - 2 * b),
          QRect(sx + b, sy + b, sw - 2 * b, sh - 2 * b));
}

void RibbonStyle::drawTooltipBack(QPainter& painter, const QRect& target) const
{
    drawNinePiece(painter, target, m_tooltipBack, QRect(0, 0, 15, 15), 2);
}

namespace {

// Inclusive-corner rectangle, as the symbol geometry is written.
QRect corners(int left, int top, int right, int bottom)
{
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

void drawTriangle(QPainter& painter, const QPoint& a, const QPoint& b, const QPoint& c)
{
    const QPoint points[3] = {a, b, c};
    painter.drawPolygon(points, 3, Qt::OddEvenFill);
}

void drawBar(QPainter& painter, const QRect& bar)
{
    painter.drawRects(&bar, 1);
}

// A rectangle of the given size centred on the centre of @p on.
QRect centred(int width, int height, const QRect& on)
{
    QRect r(0, 0, width, height);
    r.moveCenter(on.center());
    return r;
}

} // namespace

void RibbonStyle::drawSymbol(QPainter& painter, const QRect& rect, eSymbolType type)
{
    const int L = rect.left();
    const int T = rect.top();
    const int R = rect.right();
    const int B = rect.bottom();
    const int W = rect.width();
    const int H = rect.height();
    const int cx = (L + R) / 2;
    const int cy = (T + B) / 2;
    const int s = qMin(W, H);

    switch (type) {
    case ArrowUp:
        drawTriangle(painter, QPoint(R, B), QPoint(L, B), QPoint(cx, T));
        break;
    case ArrowDown:
        drawTriangle(painter, QPoint(L, T), QPoint(R, T), QPoint(cx, B));
        break;
    case ArrowLeft:
        drawTriangle(painter, QPoint(R, T), QPoint(R, B), QPoint(L, cy));
        break;
    case ArrowRight:
        drawTriangle(painter, QPoint(L, T), QPoint(R, cy), QPoint(L, B));
        break;
    case MoreDown: {
        drawBar(painter, corners(L, T, R - 1, T + H / 4 - 1));
        const int M = T + H / 2;
        drawTriangle(painter, QPoint(L, M), QPoint(R, M), QPoint(cx, B));
        break;
    }
    case NavFirst: {
        const QRect S = centred(s, s, rect);
        const QRect Q = corners(S.left() + s / 2, S.top(), S.right(), S.bottom());
        drawSymbol(painter, Q, ArrowLeft);
        drawBar(painter, corners(Q.left() - s / 8, Q.top(), Q.left() - 1, Q.bottom() - 1));
        break;
    }
    case NavPrev:
        drawSymbol(painter, centred(s / 2, s, rect), ArrowLeft);
        break;
    case NavNext:
        drawSymbol(painter, centred(s / 2, s, rect), ArrowRight);
        break;
    case NavLast: {
        const QRect S = centred(s, s, rect);
        const QRect Q = corners(S.left(), S.top(), S.right() - s / 2, S.bottom());
        drawSymbol(painter, Q, ArrowRight);
        drawBar(painter, corners(Q.right(), Q.top(), Q.right() + s / 8 - 1, Q.bottom() - 1));
        break;
    }
    case SymbolNone:
    default:
        break;
    }
}

} // namespace oru
