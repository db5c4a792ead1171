#pragma once

#include "oruGlobal.h"

#include <QIcon>
#include <QPointer>
#include <QWidget>

namespace oru {

class RibbonSimpleAction;

/// A small icon toggle of the status bar: shows its action's icon on the
/// skin's small button frame and triggers the action when released.
class VAZAVE_EXPORT RibbonStatusBarWidget : public QWidget
{
    Q_OBJECT

public:
    /// The toggle of @p action, owned by @p parent (the status bar builds it), with the action's
    /// icon and tool tip.
    RibbonStatusBarWidget(RibbonSimpleAction& action, QWidget* parent);
    ~RibbonStatusBarWidget() override;

    /// The action shown; null once it was destroyed.
    QAction* action() const { return m_action.data(); }
    /// Pressed state between press and release.
    bool isDown() const { return m_down; }

    QSize sizeHint() const override;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void actionEvent(QActionEvent* event) override;

private:
    // A guarded QAction face: the widget may outlive its action briefly while
    // the action's destructor walks its widgets.
    QPointer<QAction> m_action;
    bool m_down = false;
    // The checked state assistive technology last heard of.
    bool m_reportedChecked = false;
    QIcon m_icon;
};

} // namespace oru
