#pragma once

#include "oruGlobal.h"

#include <QFont>
#include <QList>
#include <QPointer>
#include <QSize>
#include <QWidget>

class QTimer;

namespace oru {

class RibbonMenuAction;

/// A 16-pixel-high strip of tabs over the children of one RibbonMenuAction:
/// one tab per child, the menu's checked child drawn as the selected tab.
/// Four navigation buttons at the left end scroll the tabs. Pressing a tab,
/// asking for its context menu or holding a drag over it for 400 ms triggers
/// the tab's action.
class VAZAVE_EXPORT RibbonTabBar : public QWidget
{
    Q_OBJECT

public:
    /// A tab strip over the children of @p menuAction, owned by @p parent. The menu action is not
    /// owned; when it is destroyed the strip is left empty.
    RibbonTabBar(RibbonMenuAction& menuAction, QWidget* parent);
    ~RibbonTabBar() override;

    QSize sizeHint() const override;

    /// Width measured for the last tab by updateTabSizes(); 112 before.
    int tabWidth() const { return m_tabWidth; }
    /// Index of the leftmost visible tab.
    int firstVisible() const { return m_firstVisible; }
    /// The sizes of all tabs as last measured by updateTabSizes().
    const QList<QSize>& tabSizes() const { return m_tabSizes; }

    /// The visible tab containing @p p, or an empty rectangle.
    QRect tabRect(const QPoint& p) const;
    /// The rectangle of tab @p index (the last one shown may be cut off at
    /// the right edge); empty for tabs scrolled out of view on either side
    /// and for indexes out of range.
    QRect tabRect(int index) const;
    /// One action per tab, in tab order; empty once the menu action is gone.
    QList<QAction*> tabActions() const;
    /// The action of the visible tab containing @p p, or null.
    QAction* actionByPoint(const QPoint& p) const;
    /// Triggers the tab under @p p unless it is the selected one.
    void activateTab(const QPoint& p);
    /// Measures every tab: the width of its text in bold plus 20 pixels.
    void updateTabSizes();

public slots:
    /// Scrolls to the first tab when @p isLast is true, else one tab further to the right.
    void ensureVisible(bool isLast);
    /// Scrolls one tab further to the right, as ensureVisible(false).
    void ensureVisible();

private slots:
    void navFirst();
    void navLast();
    void navNext();
    void navPrev();
    void toggleTab();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void actionEvent(QActionEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    /// Places the arrows again: right to left they stand at the right edge.
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    /// Index of the hit tab (or -1) and its rectangle.
    int hitTab(const QPoint& p, QRect* rect) const;
    /// The smallest first index that still fills the room right of the arrows.
    int maxFirst() const;
    /// Chooses the font the tab texts are painted in and their baseline.
    void fitTextFont();

    // Guarded: the host owns the menu action and may delete it first.
    QPointer<RibbonMenuAction> m_menuAction;
    // Identity of the menu action for its action events; never dereferenced.
    const QObject* m_menuObject = nullptr;
    QList<QSize> m_tabSizes;
    int m_firstVisible = 0;
    int m_tabWidth = 112;
    QPointer<QTimer> m_dragTimer;
    // The tab last reported selected to assistive technology.
    QPointer<QAction> m_selectedTab;
    QPoint m_dragPos;
    // The bar's font at normal weight, made smaller when its letters would
    // not fit between the tab's edges; the baseline that centres them.
    QFont m_textFont;
    int m_textBaseline = 12;
};

} // namespace oru
