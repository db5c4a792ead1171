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
    RibbonManuContainer(QWidget* parent, Qt::WindowFlags flags);
    ~RibbonManuContainer() override;

    void AddButton(RibbonMainMenuItem* item);
    const QList<RibbonMainMenuItem*>& buttons() const { return m_buttons; }
    RibbonMainMenuItem* currentSelection() const { return m_currentSelection.data(); }
    int currentIndex() const { return m_currentIndex; }

    void closeContainer();
    void focusFirstButton();
    void focusNextButton();
    void focusPrevButton();
    void focusLeft();
    void focusRight();

public slots:
    void processKeyEvent(Qt::Key key);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

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
