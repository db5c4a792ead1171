#pragma once

#include "oruGlobal.h"

#include <QPointer>
#include <QWidget>

class QScrollBar;

namespace oru {

class RibbonCatMenuAction;
class RibbonCatMenuPalettePopup;

/// The 9x8 resize grip of a palette popup, at its bottom-right corner or,
/// when the popup opened upwards, at its top-right corner.
class VAZAVE_EXPORT RibbonCatMenuPalettePopupSizer : public QWidget
{
    Q_OBJECT

public:
    /// The grip of @p popup, a child of it.
    explicit RibbonCatMenuPalettePopupSizer(RibbonCatMenuPalettePopup& popup);
    ~RibbonCatMenuPalettePopupSizer() override;

    /// The corner the grip sits at; dragging it resizes the popup away from the opposite edge.
    Qt::Corner corner() const { return m_corner; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    RibbonCatMenuPalettePopup& m_popup;
    bool m_dragging = false;
    Qt::Corner m_corner = Qt::BottomRightCorner;
    QPoint m_pressPos;
    QRect m_startGeometry;
};

/// The gallery window of a palette-popup menu action: every menu action as
/// an icon cell, a scroll bar and a resize grip. Shows itself at once next
/// to its opener, and deletes itself when it closes.
class VAZAVE_EXPORT RibbonCatMenuPalettePopup : public QWidget
{
    Q_OBJECT

public:
    /// Opens the gallery of @p action at once. The popup deletes itself (deleteLater()) when it
    /// closes: when a cell is used, when the action is activated or destroyed, or when the user
    /// clicks outside. @p parent is the opener.
    RibbonCatMenuPalettePopup(RibbonCatMenuAction& action, QWidget* parent);
    ~RibbonCatMenuPalettePopup() override;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    /// The number of cell rows that fit into the current height.
    int numRows() const;
    /// The number of cell columns that fit into the current width, left of the scroll bar.
    int numColumns() const;
    /// Sets the scroll bar's range for the current size and number of cells, disabled when all rows
    /// fit, and keeps the first visible row where it was.
    void updateScrollBar();
    /// The corner of the resize grip (see RibbonCatMenuPalettePopupSizer::corner()).
    Qt::Corner gripSizerCorner() const;

    /// Index of the first visible cell (the scroll position times the columns).
    int firstIndex() const { return m_firstIndex; }
    /// The vertical scroll bar; a child of the popup.
    QScrollBar* scrollBar() const { return m_scrollBar; }
    /// The resize grip; a child of the popup.
    RibbonCatMenuPalettePopupSizer* sizer() const { return m_sizer; }
    /// The rectangle the cells are laid out and clipped in.
    QRect contentArea() const;
    /// The cell of menu action @p index; empty while it is scrolled out of
    /// the content area, and for indexes out of range.
    QRect itemRect(int index) const;

signals:
    /// Emitted when the popup closes, after its deletion was scheduled.
    void closed();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private slots:
    void scrolled(int value);

private:
    QSize cellSize() const;
    QAction* itemAt(const QPoint& pos) const;

    QPointer<RibbonCatMenuAction> m_action;
    RibbonCatMenuPalettePopupSizer* m_sizer = nullptr;
    QScrollBar* m_scrollBar = nullptr;
    int m_firstIndex = 0;
    QPointer<QAction> m_pressedItem;
    bool m_below = true;
};

} // namespace oru
