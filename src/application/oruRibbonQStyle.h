#pragma once

#include "oruGlobal.h"

#include <QProxyStyle>

#include <memory>

class QStyleOptionSlider;

namespace oru {

class RibbonStyle;

/// The widget styles the application can tell apart.
enum Style : int
{
    RibbonSkinnedStyle = 2, ///< RibbonQStyle, standard widgets painted from the skin
    OtherStyle = 3          ///< any other style
};

/// The widget style that paints standard Qt widgets in the look of the
/// current skin: pop-up menus, tool tips, tool boxes, tool bars, progress
/// bars, scroll bars and the ribbon's own combo boxes. Everything else is drawn by Fusion,
/// which this style wraps.
class VAZAVE_EXPORT RibbonQStyle : public QProxyStyle
{
    Q_OBJECT

public:
    RibbonQStyle();
    ~RibbonQStyle() override;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;
    /// The depth of the skin's popup border for PM_MenuPanelWidth of a QMenu, the tool tip
    /// padding for PM_ToolTipLabelFrameWidth; the base style's value otherwise.
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
    /// Gives the ribbon's combo boxes the colours of the skin's field: its
    /// background and a text colour that reads on it (a dark skin has dark
    /// fields), and tool tips a text colour that reads on the skin's tip. They
    /// follow skin switches while this style is in use.
    void polish(QWidget* widget) override;
    using QProxyStyle::polish;
    /// A disabled icon faded instead of lightened: its picture in grey at part opacity, so that
    /// it reads as unavailable on a light skin and a dark one alike and never stands out more
    /// than an available icon beside it. Other modes as the base style makes them.
    QPixmap generatedIconPixmap(QIcon::Mode mode, const QPixmap& pixmap,
                                const QStyleOption* option) const override;

    /// The box behind the check mark or icon of a checked menu item.
    void drawCheckableBack(QPainter* painter, const QRect& rect, bool enabled) const;

    /// The frame around a pop-up menu of @p rect: the skin's popup border.
    void drawMenuFrame(QPainter* painter, const QRect& rect) const;

private:
    static constexpr int menuFrameWidth = 3;
    // The colours a scroll bar is painted in under a skin (RGB).
    struct ScrollBarColors
    {
        QRgb track = 0;    // the groove and the step buttons
        QRgb slider = 0;   // the slider at rest
        QRgb hover = 0;    // the slider under the pointer
        QRgb pressed = 0;  // the slider or a step button held down
        QRgb outline = 0;  // the slider's outline
        QRgb arrow = 0;    // the step buttons' arrows
        QRgb disabled = 0; // the arrows of a disabled scroll bar
    };
    static ScrollBarColors scrollBarColors(const RibbonStyle& ribbon);
    void drawScrollBar(const QStyleOptionSlider* bar, QPainter* painter,
                       const QWidget* widget) const;
    void polishRibbonCombo(QWidget* combo) const;
    void polishToolTip(QWidget* tip) const;
    void drawMenuItem(const QStyleOption* option, QPainter* painter, const QWidget* widget) const;
    void drawRibbonComboBox(const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const;
    void drawProgressChunk(const QStyleOption* option, QPainter* painter,
                           const QWidget* widget) const;

    // Splitter handles keep the undecorated look of a style of their own.
    std::unique_ptr<QStyle> m_plainStyle;
};

/// A new widget style owned by the caller: a RibbonQStyle for
/// RibbonSkinnedStyle, null for every other value.
VAZAVE_EXPORT QStyle* createStyle(Style kind);

/// RibbonSkinnedStyle while the application's style is a RibbonQStyle, else
/// OtherStyle (also without application or style).
VAZAVE_EXPORT Style currentStyle();

} // namespace oru
