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
    /// A 160x80 grid owned by @p parent, with the middle cell of the third column selected.
    explicit RibbonColorPickerPopupColorItems(QWidget* parent);
    ~RibbonColorPickerPopupColorItems() override;

    QSize sizeHint() const override;
    /// The 40 table colours, column by column: index column * 5 + row.
    static const QColor s_Colors[40];

    /// Selects the cell of @p color when it is a table colour; false if not.
    bool selectColor(const QColor& color);
    /// Marks no cell as selected.
    void clearSelection();
    /// Column (x) and row (y) of the selected cell; (-1, -1) without selection.
    QPoint selectedCell() const { return QPoint(m_selectedColumn, m_selectedRow); }

    /// Column of the cell under a pressed mouse button, or -1. The cell state is public for
    /// the paint code and the colour picker.
    int m_pressedColumn = -1;
    /// Row of the cell under a pressed mouse button, or -1.
    int m_pressedRow = -1;
    /// Column of the selected cell, or -1.
    int m_selectedColumn = 2;
    /// Row of the selected cell, or -1.
    int m_selectedRow = 2;
    /// Whether selectColor() marks a table colour (set by
    /// RibbonColorPickerPopup::setKeepSelection()).
    bool m_keepSelection = true;

signals:
    /// Emitted on a click (press and release on the same cell) with that cell's colour, after
    /// the cell became the selected one.
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
    /// The colour grid's class under the popup's name for it.
    using ColorItems = RibbonColorPickerPopupColorItems;

    /// A hidden popup (a Qt::Popup window) of @p parent, with the colour grid and "More colors..."
    /// only. Its entries' actions and buttons are owned by the popup.
    explicit RibbonColorPickerPopup(QWidget* parent);
    ~RibbonColorPickerPopup() override;

    /// The colour of the "Automatic" entry's swatch.
    const QColor& automaticColor() const { return m_automaticColor; }
    /// The colour last picked or given to selectColor(); the colour dialog starts from it.
    const QColor& selectedColor() const { return m_selectedColor; }

    /// Adds the "None" entry at the top (true) or removes it (false).
    void setNoneColorEnabled(bool enabled);
    /// Adds the "Automatic" entry above the colour grid (true) or removes it (false).
    void setAutomaticColorEnabled(bool enabled);
    /// The colour the "Automatic" entry's swatch shows (an invalid one: an empty swatch).
    void setAutomaticColor(const QColor& color);
    /// Whether selectColor() marks a table colour in the grid.
    void setKeepSelection(bool keep);
    /// True while the "None" entry is checked.
    bool isNoneColor() const;
    /// True while the "Automatic" entry is checked.
    bool isAutomaticColor() const;
    /// Checks "None" (when present), unchecks "Automatic" and clears the grid's selection. Emits
    /// nothing.
    void setNoneColor();
    /// Checks "Automatic" (when present), unchecks "None" and clears the grid's selection. Emits
    /// nothing.
    void setAutomaticColor();
    /// Shows @p color as the current one without emitting: its grid cell is marked (with
    /// keepSelection), otherwise the "More colors..." entry shows a swatch of it.
    void selectColor(const QColor& color);

    /// The colour grid; a child of the popup.
    ColorItems* colorItems() const { return m_colorItems; }
    /// The checkable action of the "None" entry, or null while it is not offered.
    RibbonCatSimpleAction* noneAction() const { return m_noneAction.get(); }
    /// The checkable action of the "Automatic" entry, or null while it is not offered.
    RibbonCatSimpleAction* automaticAction() const { return m_automaticAction.get(); }
    /// The action of the "More colors..." entry, which opens the standard colour dialog.
    RibbonCatSimpleAction* moreColorsAction() const { return m_moreColorsAction.get(); }

signals:
    /// Emitted when the user chooses "Automatic" (not when it already was checked), then the popup
    /// hides.
    void automaticColorSelected();
    /// Emitted when the user chooses "None" (not when it already was checked), then the popup
    /// hides.
    void noneColorSelected();
    /// Emitted with the colour the user clicked in the grid (then the popup hides, emitting
    /// hidden()) or chose in the colour dialog (made opaque; the popup was hidden before the
    /// dialog opened).
    void colorSelected(QColor color);
    /// Emitted whenever the popup hides, before Qt's own hide handling.
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
