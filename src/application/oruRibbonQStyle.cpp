#include "oruRibbonQStyle.h"

#include "oruContrast_p.h"
#include "oruMirror_p.h"
#include "oruPointer_p.h"
#include "oruRibbonApplication.h"
#include "oruRibbonCatComboComboBox.h"
#include "oruRibbonCatFontFamilyComboBox.h"
#include "oruRibbonStyle.h"

#include <QApplication>
#include <QLinearGradient>
#include <QMenu>
#include <QPainter>
#include <QProgressBar>
#include <QRadialGradient>
#include <QStyleFactory>
#include <QStyleOption>

#include <algorithm>
#include <cmath>
#include <optional>

namespace oru {

namespace {

QStyle* fusion()
{
    return QStyleFactory::create(QStringLiteral("Fusion"));
}

const RibbonStyle* skin()
{
    RibbonApplication* app = RibbonApplication::theApp();
    return app ? app->ribbonStyle() : nullptr;
}

bool isRibbonCombo(const QWidget* widget)
{
    return qobject_cast<const RibbonCatFontFamilyComboBox*>(widget) ||
           qobject_cast<const RibbonCatComboComboBox*>(widget);
}

// Large enough to ask an icon for the largest size it has.
constexpr int unboundedIconSize = 16777215;

} // namespace

RibbonQStyle::RibbonQStyle() : QProxyStyle(fusion()), m_plainStyle(fusion())
{
    if (RibbonApplication* app = RibbonApplication::theApp())
        connect(app, &RibbonApplication::ribbonStyleChanged, this, [this] {
            if (QApplication::style() != this)
                return;
            for (QWidget* widget : QApplication::allWidgets()) {
                if (isRibbonCombo(widget))
                    polishRibbonCombo(widget);
                else if (widget->inherits("QTipLabel"))
                    polishToolTip(widget);
            }
        });
}

RibbonQStyle::~RibbonQStyle() = default;

void RibbonQStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const
{
    const RibbonStyle* ribbon = skin();
    if (element == PE_PanelTipLabel && ribbon && option) {
        ribbon->drawTooltipBack(*painter, option->rect);
        return;
    }
    if (element == PE_FrameMenu && ribbon && option && qobject_cast<const QMenu*>(widget)) {
        drawMenuFrame(painter, option->rect);
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void RibbonQStyle::drawControl(ControlElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const
{
    const RibbonStyle* ribbon = skin();
    if (!ribbon || !option) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    switch (element) {
    case CE_ToolBoxTab:
        if (const auto* tab = qstyleoption_cast<const QStyleOptionToolBox*>(option)) {
            painter->save();
            // Selection wins over press, press over hover.
            int y = 0;
            if (tab->state & State_Selected)
                y = 68;
            else if (tab->state & State_Sunken)
                y = 46;
            else if (tab->state & State_MouseOver)
                y = 23;
            skin()->drawPixmap(*painter, tab->rect, ribbon->toolBoxTabBack(), QRect(0, y, 9, 23));
            const QRect textRect(10, tab->rect.top(), tab->rect.right() - 9, tab->rect.height());
            // The tab text is shown as it is: tool box pages have no mnemonics here.
            painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, tab->text);
            painter->restore();
            return;
        }
        break;
    case CE_ProgressBarContents:
        if (qobject_cast<const QProgressBar*>(widget)) {
            const auto* bar = qstyleoption_cast<const QStyleOptionProgressBar*>(option);
            // A bar without range is a busy indicator, which Fusion animates.
            if (bar && bar->minimum != bar->maximum) {
                drawProgressChunk(option, painter, widget);
                return;
            }
        }
        break;
    case CE_ToolBar:
        if (const auto* bar = qstyleoption_cast<const QStyleOptionToolBar*>(option)) {
            painter->save();
            const QColor& fill = ribbon->frameNormalFillColor();
            const QRect& r = bar->rect;
            QLinearGradient gradient = (bar->state & State_Horizontal)
                                           ? QLinearGradient(r.bottomLeft(), r.topLeft())
                                           : QLinearGradient(r.topLeft(), r.topRight());
            gradient.setColorAt(0, fill.darker(110));
            gradient.setColorAt(1, fill.lighter(110));
            painter->setPen(Qt::NoPen);
            painter->setBrush(gradient);
            painter->drawRoundedRect(r, 2, 2);
            painter->restore();
            return;
        }
        break;
    case CE_MenuItem:
        if (qstyleoption_cast<const QStyleOptionMenuItem*>(option) &&
            (qobject_cast<const QMenu*>(widget) || isRibbonCombo(widget))) {
            drawMenuItem(option, painter, widget);
            return;
        }
        break;
    case CE_Splitter:
        m_plainStyle->drawControl(element, option, painter, widget);
        return;
    default:
        break;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void RibbonQStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                      QPainter* painter, const QWidget* widget) const
{
    if (control == CC_ComboBox && skin() && isRibbonCombo(widget) &&
        qstyleoption_cast<const QStyleOptionComboBox*>(option)) {
        drawRibbonComboBox(option, painter, widget);
        return;
    }
    if (control == CC_ScrollBar && skin()) {
        if (const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option)) {
            drawScrollBar(bar, painter, widget);
            return;
        }
    }
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}

RibbonQStyle::ScrollBarColors RibbonQStyle::scrollBarColors(const RibbonStyle& ribbon)
{
    // The track a shade between the ribbon's background and its page; the
    // slider in the fill and outline of the skin's frames.
    const QColor base = ribbon.mainClientColor();
    const QColor page = ribbon.mainMenuBgColor();
    const auto mix = [](const QColor& a, const QColor& b, qreal t) {
        return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t,
                                a.greenF() + (b.greenF() - a.greenF()) * t,
                                a.blueF() + (b.blueF() - a.blueF()) * t);
    };
    ScrollBarColors colors;
    colors.track = mix(base, page, 0.6).rgb();
    colors.slider = ribbon.frameNormalFillColor().rgb();
    colors.hover = ribbon.frameHighlightedFillColor().rgb();
    colors.pressed = mix(ribbon.frameNormalFillColor(), ribbon.frameOutlineColor(), 0.6).rgb();
    colors.outline = mix(ribbon.frameOutlineColor(), ribbon.normalCategoryTextColor(), 0.3).rgb();
    colors.arrow = ribbon.normalCategoryTextColor().rgb();
    colors.disabled = ribbon.disabledCategoryTextColor().rgb();
    return colors;
}

void RibbonQStyle::drawScrollBar(const QStyleOptionSlider* bar, QPainter* painter,
                                 const QWidget* widget) const
{
    const ScrollBarColors colors = scrollBarColors(*skin());
    const bool enabled = bar->state & State_Enabled;
    const bool horizontal = bar->orientation == Qt::Horizontal;
    const auto rect = [&](SubControl sub) {
        return QProxyStyle::subControlRect(CC_ScrollBar, bar, sub, widget);
    };
    painter->save();
    painter->fillRect(bar->rect, QColor(colors.track));

    // The slider: a rounded bar across the track, one pixel in from its edges.
    const QRect slider = rect(SC_ScrollBarSlider);
    if (enabled && slider.isValid() && bar->minimum != bar->maximum) {
        QColor fill(colors.slider);
        if ((bar->activeSubControls & SC_ScrollBarSlider) && (bar->state & State_Sunken))
            fill = QColor(colors.pressed);
        else if ((bar->activeSubControls & SC_ScrollBarSlider) && (bar->state & State_MouseOver))
            fill = QColor(colors.hover);
        const QRectF body =
            QRectF(slider).adjusted(horizontal ? 0.5 : 1.5, horizontal ? 1.5 : 0.5,
                                    horizontal ? -0.5 : -1.5, horizontal ? -1.5 : -0.5);
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(QPen(QColor(colors.outline), 1));
        painter->setBrush(fill);
        painter->drawRoundedRect(body, 2, 2);
        painter->setRenderHint(QPainter::Antialiasing, false);
    }

    // The step buttons: the track with an arrow, darker while pressed.
    const QColor arrow(enabled ? colors.arrow : colors.disabled);
    const auto button = [&](SubControl sub, eSymbolType symbol) {
        const QRect area = rect(sub);
        if (!area.isValid())
            return;
        if ((bar->activeSubControls & sub) && (bar->state & State_Sunken))
            painter->fillRect(area, QColor(colors.pressed));
        QRect glyph(0, 0, horizontal ? 3 : 5, horizontal ? 5 : 3);
        glyph.moveCenter(area.center());
        painter->setPen(arrow);
        painter->setBrush(arrow);
        RibbonStyle::drawSymbol(*painter, glyph, symbol);
    };
    const bool rtl = horizontal && bar->direction == Qt::RightToLeft;
    button(SC_ScrollBarSubLine, horizontal ? (rtl ? ArrowRight : ArrowLeft) : ArrowUp);
    button(SC_ScrollBarAddLine, horizontal ? (rtl ? ArrowLeft : ArrowRight) : ArrowDown);
    painter->restore();
}

int RibbonQStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                              const QWidget* widget) const
{
    // A menu's frame is the skin's popup border, three pixels deep.
    if (metric == PM_MenuPanelWidth && skin() && qobject_cast<const QMenu*>(widget))
        return menuFrameWidth;
    // Qt pads a tool tip's text by one pixel more than this: four pixels
    // inside the skin's tip border.
    if (metric == PM_ToolTipLabelFrameWidth)
        return 3;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

QPixmap RibbonQStyle::generatedIconPixmap(QIcon::Mode mode, const QPixmap& pixmap,
                                          const QStyleOption* option) const
{
    if (mode != QIcon::Disabled || pixmap.isNull())
        return QProxyStyle::generatedIconPixmap(mode, pixmap, option);
    // The base style blends a disabled icon towards the palette's window
    // colour, which is light: on the black skin's dark bars that made
    // unavailable icons brighter than available ones.
    QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grey = qGray(line[x]);
            line[x] = qRgba(grey, grey, grey, qAlpha(line[x]) * 2 / 5);
        }
    }
    QPixmap faded = QPixmap::fromImage(image);
    faded.setDevicePixelRatio(pixmap.devicePixelRatio());
    return faded;
}

QSize RibbonQStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                     const QSize& size, const QWidget* widget) const
{
    if (type == CT_MenuItem && qobject_cast<const QMenu*>(widget)) {
        if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option)) {
            if (item->menuItemType == QStyleOptionMenuItem::Separator && !item->text.isEmpty()) {
                // A titled separator takes the room of an item with its text.
                QStyleOptionMenuItem normal(*item);
                normal.menuItemType = QStyleOptionMenuItem::Normal;
                return QProxyStyle::sizeFromContents(type, &normal, size, widget);
            }
            if (item->menuItemType == QStyleOptionMenuItem::Normal && item->text.isEmpty() &&
                !item->icon.isNull()) {
                const QSize icon = item->icon.actualSize(
                    QSize(unboundedIconSize, unboundedIconSize), QIcon::Normal, QIcon::Off);
                const QSize base = QProxyStyle::sizeFromContents(type, option, size, widget);
                return QSize(
                    std::max(std::max(item->maxIconWidth, 20) + icon.width() + 4, base.width()),
                    std::max(icon.height() + 4, base.height()));
            }
        }
    }
    return QProxyStyle::sizeFromContents(type, option, size, widget);
}

void RibbonQStyle::polish(QWidget* widget)
{
    QProxyStyle::polish(widget);
    if (isRibbonCombo(widget))
        polishRibbonCombo(widget);
    else if (widget && widget->inherits("QTipLabel"))
        polishToolTip(widget);
}

void RibbonQStyle::polishToolTip(QWidget* tip) const
{
    const RibbonStyle* ribbon = skin();
    if (!ribbon || ribbon->tooltipBack().isNull())
        return;
    // The text in a colour that reads on the skin's tip background.
    const QColor back = ribbon->tooltipBack().toImage().pixelColor(7, 7);
    QPalette palette = tip->palette();
    palette.setColor(
        QPalette::ToolTipText,
        contrast::readableOn(QApplication::palette().color(QPalette::ToolTipText), {back}));
    tip->setPalette(palette);
}

void RibbonQStyle::polishRibbonCombo(QWidget* combo) const
{
    const RibbonStyle* ribbon = skin();
    if (!ribbon || ribbon->comboBox().isNull())
        return;
    // The field's colour as the skin paints it (the middle of its stretched
    // rows), for the editor inside the box and the text of the box itself.
    const QColor field = ribbon->comboBox().toImage().pixelColor(5, 10);
    QPalette palette = combo->palette();
    const QColor text =
        contrast::readableOn(QApplication::palette(combo).color(QPalette::Text), {field});
    palette.setColor(QPalette::Base, field);
    // The drop-down list marks its current entry in the colour of a menu
    // item under the pointer, not in the desktop's selection colour.
    const QPixmap& hover = ribbon->paletteItemSmall();
    const QColor mark =
        hover.isNull() ? palette.color(QPalette::Highlight) : hover.toImage().pixelColor(11, 11);
    palette.setColor(QPalette::Highlight, mark);
    palette.setColor(QPalette::HighlightedText, contrast::readableOn(text, {mark}));
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText}) {
        palette.setColor(QPalette::Active, role, text);
        palette.setColor(QPalette::Inactive, role, text);
    }
    combo->setPalette(palette);
}

void RibbonQStyle::drawCheckableBack(QPainter* painter, const QRect& rect, bool enabled) const
{
    const RibbonStyle* ribbon = skin();
    if (!ribbon || !painter)
        return;
    skin()->drawNinePiece(*painter, rect, ribbon->checkableMenuItemBack(),
                          QRect(0, enabled ? 0 : 20, 20, 20), 2);
}

void RibbonQStyle::drawMenuFrame(QPainter* painter, const QRect& rect) const
{
    const RibbonStyle* ribbon = skin();
    if (!ribbon || !painter)
        return;
    // The border pieces of the popup frame: a dark skin-coloured outline with
    // a light inner line, so a menu stands apart from a white document. The
    // centre is left alone, the items are painted there.
    const QPixmap& border = ribbon->popupBorder();
    const int b = menuFrameWidth;
    const int L = rect.left(), T = rect.top(), W = rect.width(), H = rect.height();
    const int R = L + W - b, B = T + H - b;
    const auto piece = [&](const QRect& to, const QRect& from) {
        if (to.width() > 0 && to.height() > 0)
            ribbon->drawPixmap(*painter, to, border, from);
    };
    piece(QRect(L, T, b, b), QRect(0, 0, b, b));
    piece(QRect(L + b, T, W - 2 * b, b), QRect(b, 0, 1, b));
    piece(QRect(R, T, b, b), QRect(b + 1, 0, b, b));
    piece(QRect(L, T + b, b, H - 2 * b), QRect(0, b, b, 1));
    piece(QRect(R, T + b, b, H - 2 * b), QRect(b + 1, b, b, 1));
    piece(QRect(L, B, b, b), QRect(0, b + 1, b, b));
    piece(QRect(L + b, B, W - 2 * b, b), QRect(b, b + 1, 1, b));
    piece(QRect(R, B, b, b), QRect(b + 1, b + 1, b, b));
}

void RibbonQStyle::drawMenuItem(const QStyleOption* option, QPainter* painter,
                                const QWidget* widget) const
{
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    const RibbonStyle* ribbon = skin();
    const bool isMenu = qobject_cast<const QMenu*>(widget) != nullptr;

    const QRect& r = item->rect;
    const int L = r.left(), T = r.top(), R = r.right(), B = r.bottom();
    const int H = B - T + 1;
    const int cw = std::max(item->maxIconWidth, 20) + (isMenu ? 6 : 3);
    const int K = L + cw - 1;
    const bool enabled = item->state & State_Enabled;
    const bool selected = item->state & State_Selected;
    const bool separator = item->menuItemType == QStyleOptionMenuItem::Separator;
    const bool iconOnly = item->menuItemType == QStyleOptionMenuItem::Normal &&
                          item->text.isEmpty() && !item->icon.isNull();
    // The menu's own colours, unless the skin's text would not read on them:
    // a dark skin paints its menus in its own dark colours.
    QColor window = item->palette.color(QPalette::Window);
    QColor light = window.lighter(150);
    if (contrast::ratio(ribbon->highlightedCategoryTextColor(), light) < 4.5) {
        window = ribbon->mainClientColor();
        light = ribbon->mainMenuBgColor();
    }
    const QPen linePen(window.darker(120));
    const int cy = r.center().y();

    painter->save();
    // Right to left the columns, marks and arrows are drawn mirrored within
    // the item; icons and text go to their mirrored places.
    const bool rtl = item->direction == Qt::RightToLeft;
    const auto visual = [&](const QRect& logical) {
        return QStyle::visualRect(item->direction, r, logical);
    };
    std::optional<mirror::Flip> flip;
    flip.emplace(*painter, 2 * L + r.width(), rtl);

    // Background.
    if (selected && enabled) {
        skin()->drawNinePiece(*painter, r, ribbon->paletteItemSmall(), QRect(0, 0, 22, 22), 2);
    } else if (!isMenu) {
        painter->fillRect(r, light);
        // A list has no check column of its own, but its separator line
        // starts where a menu's would, clear of the icons.
        if (separator && item->text.isEmpty()) {
            painter->setPen(linePen);
            painter->drawLine(K, cy, R, cy);
        }
    } else if (separator && !item->text.isEmpty()) {
        painter->fillRect(r, window);
        painter->setPen(linePen);
        painter->drawLine(K, T, R, T);
        painter->drawLine(K, B, R, B);
    } else {
        painter->fillRect(QRect(QPoint(L, T), QPoint(K, B)), window);
        painter->fillRect(QRect(QPoint(K + 1, T), QPoint(R, B)), light);
        painter->setPen(linePen);
        painter->drawLine(K, B, K, T);
        if (separator)
            painter->drawLine(K, cy, R, cy);
    }
    if (separator && item->text.isEmpty()) {
        flip.reset();
        painter->restore();
        return;
    }

    // The box that marks a checked item, behind its icon.
    if (isMenu && item->checkType != QStyleOptionMenuItem::NotCheckable && item->checked) {
        const QRect box = iconOnly ? QRect(QPoint(L + K, T), QPoint(R, B - 1))
                                   : QRect(QPoint(L + 1, T), QPoint(K - 3, B - 1));
        drawCheckableBack(painter, box, enabled);
        // Without an icon the box holds the skin's check or radio mark.
        if (!iconOnly && item->icon.isNull()) {
            const QPixmap& mark = item->checkType == QStyleOptionMenuItem::Exclusive
                                      ? ribbon->checkableMenuItemRadio()
                                      : ribbon->checkableMenuItemCheck();
            QRect markRect(0, 0, 10, 14);
            markRect.moveCenter(box.center());
            ribbon->drawPixmap(*painter, markRect, mark, QRect(0, enabled ? 0 : 14, 10, 14));
        }
    }

    flip.reset();

    const QIcon::Mode mode = enabled ? QIcon::Normal : QIcon::Disabled;
    // The density of the device painted on: a menu rendered into an image of
    // another ratio than its screen's takes the image's.
    const qreal dpr = RibbonStyle::devicePixelRatio(*painter);
    if (iconOnly) {
        const QSize size = item->icon.actualSize(QSize(unboundedIconSize, unboundedIconSize),
                                                 QIcon::Normal, QIcon::Off);
        const QPixmap pixmap = item->icon.pixmap(size, dpr, mode, QIcon::Off);
        QRect iconRect(QPoint(0, 0), size);
        iconRect.moveCenter(QRect(QPoint(L + K, T), QPoint(R, B)).center());
        iconRect.moveLeft(K + 2);
        painter->drawPixmap(visual(iconRect), pixmap);
    } else if (!item->icon.isNull()) {
        const int extent = QProxyStyle::pixelMetric(PM_SmallIconSize, option, widget);
        const QPixmap pixmap = item->icon.pixmap(QSize(extent, extent), dpr, mode, QIcon::Off);
        QRect iconRect(0, 0, extent, extent);
        iconRect.moveCenter(QRect(QPoint(L, T), QPoint(K - 3, B - 1)).center());
        painter->drawPixmap(visual(iconRect).topLeft(), pixmap);
    }

    const QColor& textColor =
        enabled ? ribbon->highlightedCategoryTextColor() : ribbon->disabledCategoryTextColor();
    if (!item->text.isEmpty()) {
        painter->save();
        painter->setPen(textColor);
        QFont font = item->font;
        if (item->menuItemType == QStyleOptionMenuItem::DefaultItem)
            font.setWeight(QFont::Bold);
        painter->setFont(font);
        const int flags = Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip |
                          Qt::TextShowMnemonic |
                          int(QStyle::visualAlignment(item->direction, Qt::AlignLeft));
        QRect textRect(QPoint(L + cw, T), QPoint(R - item->reservedShortcutWidth - 6, B));
        const QRect shortcutRect(QPoint(R - item->reservedShortcutWidth - 5, T), QPoint(R - 6, B));
        const qsizetype tab = item->text.indexOf(QLatin1Char('\t'));
        if (tab >= 0)
            painter->drawText(visual(shortcutRect), flags, item->text.mid(tab + 1));
        textRect.adjust(3, 3, -3, -3);
        painter->drawText(visual(textRect), flags, tab >= 0 ? item->text.left(tab) : item->text);
        painter->restore();
    }

    if (item->menuItemType == QStyleOptionMenuItem::SubMenu) {
        const int d = (H - 4) / 3;
        const QRect arrow(R - 2 - d, T + H / 2 - d / 2, static_cast<int>(0.6 * d + 0.5), d);
        painter->setPen(textColor);
        painter->setBrush(textColor);
        const mirror::Flip arrowFlip(*painter, 2 * L + r.width(), rtl);
        RibbonStyle::drawSymbol(*painter, arrow, ArrowRight);
    }
    painter->restore();
}

void RibbonQStyle::drawRibbonComboBox(const QStyleOptionComplex* option, QPainter* painter,
                                      const QWidget* widget) const
{
    const auto* combo = qstyleoption_cast<const QStyleOptionComboBox*>(option);
    const RibbonStyle* ribbon = skin();
    const QPixmap& pixmap = ribbon->comboBox();
    const int W = combo->rect.width();
    const int H = combo->rect.height();
    const int R = W - 1;
    const QRect arrowRect =
        QProxyStyle::subControlRect(CC_ComboBox, combo, SC_ComboBoxArrow, widget);
    const int A = arrowRect.left();
    const int AH = arrowRect.height();

    painter->save();
    // The field: rows stretched over the width, the border column at both ends.
    skin()->drawPixmap(*painter, QRect(0, 0, W - 1, 1), pixmap, QRect(0, 0, 11, 1));
    skin()->drawPixmap(*painter, QRect(0, 1, W - 1, H - 2), pixmap, QRect(0, 1, 11, 20));
    skin()->drawPixmap(*painter, QRect(0, H - 1, W - 1, 1), pixmap, QRect(0, 21, 11, 1));
    skin()->drawPixmap(*painter, QRect(0, 0, 1, H), pixmap, QRect(11, 0, 1, 22));
    skin()->drawPixmap(*painter, QRect(R, 0, 1, H), pixmap, QRect(11, 0, 1, 22));

    const bool enabled = combo->state & State_Enabled;
    if (enabled) {
        int column = -1;
        if (combo->state & State_On) {
            column = 24;
        } else if (widget) {
            const QPoint cursor = pointerPos(*widget);
            if (combo->rect.contains(cursor))
                column = arrowRect.contains(cursor) ? 12 : 48;
        }
        if (column >= 0)
            skin()->drawNinePiece(*painter, QRect(A, 0, R - A + 1, AH), pixmap,
                                  QRect(column, 0, 12, 22), 2);
    }

    const QColor& color =
        enabled ? ribbon->highlightedCategoryTextColor() : ribbon->disabledCategoryTextColor();
    painter->setPen(color);
    painter->setBrush(color);
    const QPoint centre = arrowRect.center();
    RibbonStyle::drawSymbol(*painter, QRect(centre.x() - 2, centre.y() - 1, 5, 3), ArrowDown);
    painter->restore();
}

void RibbonQStyle::drawProgressChunk(const QStyleOption* option, QPainter* painter,
                                     const QWidget* widget) const
{
    Q_UNUSED(widget);
    const auto* bar = qstyleoption_cast<const QStyleOptionProgressBar*>(option);
    const QRect& r = bar->rect;
    const bool horizontal = bar->state & State_Horizontal;
    const qint64 range = qint64(bar->maximum) - bar->minimum;
    const qint64 done = std::clamp<qint64>(qint64(bar->progress) - bar->minimum, 0, range);
    const int length = horizontal ? r.width() : r.height();
    const int filled = static_cast<int>(done * length / range);
    if (filled <= 0)
        return;

    // The chunk grows from the start edge: left (right in right-to-left or
    // inverted bars), bottom for vertical bars (top when inverted).
    QRect chunk;
    QPoint lead;
    if (horizontal) {
        const bool reverse = (bar->direction == Qt::RightToLeft) != bar->invertedAppearance;
        chunk = reverse ? QRect(r.right() - filled + 1, r.top(), filled, r.height())
                        : QRect(r.left(), r.top(), filled, r.height());
        lead = QPoint(reverse ? chunk.left() : chunk.right(), chunk.center().y());
    } else {
        const bool fromTop = bar->invertedAppearance;
        chunk = fromTop ? QRect(r.left(), r.top(), r.width(), filled)
                        : QRect(r.left(), r.bottom() - filled + 1, r.width(), filled);
        lead = QPoint(chunk.center().x(), fromTop ? chunk.bottom() : chunk.top());
    }

    painter->save();
    QLinearGradient gradient = horizontal ? QLinearGradient(chunk.topLeft(), chunk.bottomLeft())
                                          : QLinearGradient(chunk.topLeft(), chunk.topRight());
    gradient.setColorAt(0, QColor(45, 107, 135));
    gradient.setColorAt(0.3, QColor(44, 103, 130));
    // Two colours meet at the middle: a hard step between the darker upper
    // and the brighter lower half. QGradient keeps one colour per position, so
    // the second stop sits at the next representable position after 0.5.
    gradient.setColorAt(0.5, QColor(50, 125, 158));
    gradient.setColorAt(std::nextafter(0.5, 1.0), QColor(65, 152, 191));
    gradient.setColorAt(1, Qt::white);
    painter->setPen(Qt::darkGray);
    painter->setBrush(gradient);
    painter->drawRect(chunk.adjusted(0, 0, -1, -1));

    // A glow over the leading end, as thick as the bar.
    const int thickness = horizontal ? chunk.height() : chunk.width();
    QRadialGradient glow(lead, thickness / 2.0);
    glow.setColorAt(0, Qt::white);
    glow.setColorAt(0.2, Qt::transparent);
    glow.setColorAt(0.9, QColor(45, 107, 135));
    QRect glowRect(0, 0, thickness, thickness);
    glowRect.moveCenter(lead);
    painter->setClipRect(chunk.adjusted(1, 1, -1, -1));
    painter->setPen(Qt::NoPen);
    painter->setBrush(glow);
    painter->drawEllipse(glowRect);
    painter->restore();
}

QStyle* createStyle(Style kind)
{
    if (kind == RibbonSkinnedStyle)
        return new RibbonQStyle;
    return nullptr;
}

Style currentStyle()
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return OtherStyle;
    return qobject_cast<RibbonQStyle*>(QApplication::style()) ? RibbonSkinnedStyle : OtherStyle;
}

} // namespace oru
