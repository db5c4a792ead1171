#pragma once

#include "oruRibbonMenuItem.h"

#include <QList>
#include <QPointer>
#include <QWidget>

namespace oru {

/// Base of the application menu's popups (the main panel and the sub-menu
/// popup): keeps the navigable items in order and moves the keyboard focus
/// among them.
class VAZAVE_EXPORT RibbonManuContainer : public QWidget
{
    Q_OBJECT

public:
    /// A container window of @p parent (the button or item that opens it) with @p flags.
    RibbonManuContainer(QWidget* parent, Qt::WindowFlags flags);
    ~RibbonManuContainer() override;

    /// Appends @p item to the navigation order (null is ignored) and takes its navigation keys. The
    /// item is not owned by the list; it is a child widget of the container.
    void AddButton(RibbonMainMenuItem* item);
    /// The items in navigation order.
    const QList<RibbonMainMenuItem*>& buttons() const { return m_buttons; }
    /// The item the keyboard highlight is on, or null.
    RibbonMainMenuItem* currentSelection() const { return m_currentSelection.data(); }
    /// Index of that item in buttons(); -1 before the first key move and after closing.
    int currentIndex() const { return m_currentIndex; }

    /// Forgets the keyboard position and closes the container.
    void closeContainer();
    /// Moves the keyboard highlight to the first enabled item; done when the container is shown.
    void focusFirstButton();
    /// Moves the highlight one item down, from the last to the first.
    void focusNextButton();
    /// Moves the highlight one item up, from the first to the last.
    void focusPrevButton();
    /// Gives the focus back to the opening sub-menu item and closes the container.
    void focusLeft();
    /// Does nothing: nothing right of the main panel takes the focus.
    void focusRight();

public slots:
    /// Handles a navigation key: Down and Up move the highlight, Left closes a sub-menu popup,
    /// Right is for the main panel, Escape and Alt close the container.
    void processKeyEvent(Qt::Key key);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    /// Follows the focus onto an item, however it got there (Tab, key tips):
    /// the focused item and the keyboard highlight are the same.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void select(int index);

    // Items are children of this container (or of its content widget) and
    // die with it.
    QList<RibbonMainMenuItem*> m_buttons;
    QPointer<RibbonMainMenuItem> m_currentSelection;
    QPointer<QWidget> m_owner;
    int m_currentIndex = -1;
};

} // namespace oru
