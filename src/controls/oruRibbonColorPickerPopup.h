#pragma once

#include "oruGlobal.h"

#include <QColor>
#include <QFrame>
#include <memory>

class QVBoxLayout;

namespace oru {

class RibbonCatSimpleAction;
class RibbonCatSimpleButton;

/// The 8 x 5 grid of colour cells; one hue per column, dark to light.
class VAZAVE_EXPORT RibbonColorPickerPopupColorItems : public QWidget
{
    Q_OBJECT

public:
    explicit RibbonColorPickerPopupColorItems(QWidget* parent);
    ~RibbonColorPickerPopupColorItems() override;

    QSize sizeHint() const override;
    static const QColor s_Colors[40];

    /// Selects the cell of @p color when it is a table colour; false if not.
    bool selectColor(const QColor& color);
    void clearSelection();
    QPoint selectedCell() const { return QPoint(m_selectedColumn, m_selectedRow); }

    int m_pressedColumn = -1;
    int m_pressedRow = -1;
    int m_selectedColumn = 2;
    int m_selectedRow = 2;
    bool m_keepSelection = true;

signals:
    void colorSelected(QColor color);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

/// The popup of a colour button: optional "None" and "Automatic" entries,
/// a grid of 40 colours and "More colors..." (the standard colour dialog).
/// Lives as long as its button and is only shown and hidden.
class VAZAVE_EXPORT RibbonColorPickerPopup : public QFrame
{
    Q_OBJECT

public:
    // moc cannot handle nested QObject classes: the grid is declared at
    // namespace level and known here under its nested name.
    using ColorItems = RibbonColorPickerPopupColorItems;

    explicit RibbonColorPickerPopup(QWidget* parent);
    ~RibbonColorPickerPopup() override;

    const QColor& automaticColor() const { return m_automaticColor; }
    const QColor& selectedColor() const { return m_selectedColor; }

    void setNoneColorEnabled(bool enabled);
    void setAutomaticColorEnabled(bool enabled);
    void setAutomaticColor(const QColor& color);
    void setKeepSelection(bool keep);
    bool isNoneColor() const;
    bool isAutomaticColor() const;
    void setNoneColor();
    void setAutomaticColor();
    void selectColor(const QColor& color);

    ColorItems* colorItems() const { return m_colorItems; }
    RibbonCatSimpleAction* noneAction() const { return m_noneAction.get(); }
    RibbonCatSimpleAction* automaticAction() const { return m_automaticAction.get(); }
    RibbonCatSimpleAction* moreColorsAction() const { return m_moreColorsAction.get(); }

signals:
    void automaticColorSelected();
    void noneColorSelected();
    void colorSelected(QColor color);
    void hidden();

protected:
    void hideEvent(QHideEvent* event) override;

private slots:
    void automaticClicked(bool triggered);
    void noneClicked(bool triggered);
    void colorClicked(const QColor& color);
    void moreColorsClicked();

private:
    QIcon swatch(const QColor& color, bool fill) const;

    QVBoxLayout* m_layout;
    ColorItems* m_colorItems;
    QColor m_automaticColor;
    QColor m_selectedColor;
    std::unique_ptr<RibbonCatSimpleAction> m_moreColorsAction;
    RibbonCatSimpleButton* m_moreColorsButton;
    std::unique_ptr<RibbonCatSimpleAction> m_automaticAction;
    std::unique_ptr<RibbonCatSimpleButton> m_automaticButton;
    std::unique_ptr<RibbonCatSimpleAction> m_noneAction;
    std::unique_ptr<RibbonCatSimpleButton> m_noneButton;
};

} // namespace oru
