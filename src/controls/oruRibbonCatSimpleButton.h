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

    /// The size class the button is drawn at: the action's own size unless set. The simplified
    /// ribbon shows large buttons at medium size (icon and text in one row) and drops the text
    /// (small size) when room runs short.
    RibbonCatSimpleAction::eSize shownSize() const { return m_shownSize; }
    /// Draws the button at @p size from now on (see shownSize()); out-of-range values are ignored.
    void setShownSize(RibbonCatSimpleAction::eSize size);

protected:
    void paintEvent(QPaintEvent* event) override;
    void actionEvent(QActionEvent* event) override;

private:
    // Held by its QAction face: while the action is being destroyed it is no
    // RibbonCatSimpleAction any more, but still has to be recognised.
    QPointer<QAction> m_action;
    // Kept here, not read from the action, so that it outlives the action.
    RibbonCatSimpleAction::eSize m_shownSize;
};

} // namespace oru
