#pragma once

#include "oruRibbonCatSimpleAction.h"

#include <QAbstractButton>
#include <QPointer>

namespace oru {

/// The skinned, fixed-size button that shows a RibbonCatSimpleAction.
class VAZAVE_EXPORT RibbonCatSimpleButton : public QAbstractButton
{
    Q_OBJECT

public:
    /// The button of @p action, owned by @p parent; a click triggers the action. The button
    /// takes the action's text, icon, enabled and checked state on every change of it.
    RibbonCatSimpleButton(RibbonCatSimpleAction& action, QWidget* parent);
    ~RibbonCatSimpleButton() override;

    /// The action shown; null once the action was destroyed.
    RibbonCatSimpleAction* action() const
    {
        return qobject_cast<RibbonCatSimpleAction*>(m_action.data());
    }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void actionEvent(QActionEvent* event) override;

private:
    // Held by its QAction face: while the action is being destroyed it is no
    // RibbonCatSimpleAction any more, but still has to be recognised.
    QPointer<QAction> m_action;
    // The size class never changes, so it outlives the action.
    const RibbonCatSimpleAction::eSize m_size;
};

} // namespace oru
