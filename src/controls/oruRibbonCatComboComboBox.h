#pragma once

#include "oruGlobal.h"

#include <QComboBox>
#include <QPointer>

namespace oru {

class RibbonCatComboAction;

/// The combo box of a RibbonCatComboAction: shows the action's items and
/// selection text and hands the user's choices and key presses to the action.
class VAZAVE_EXPORT RibbonCatComboComboBox : public QComboBox
{
    Q_OBJECT

public:
    /// A combo box for @p action, owned by @p parent, filled with the action's items and showing
    /// its selection; it follows the action's later items and flags.
    RibbonCatComboComboBox(RibbonCatComboAction& action, QWidget* parent);
    ~RibbonCatComboComboBox() override;

    /// The action shown; null once the action was destroyed.
    RibbonCatComboAction* action() const;

public slots:
    /// Shows @p item: an item found after the first becomes current; any
    /// other text goes into the edit field (shown only when editable).
    void updateActionSelection(const QString& item);
    /// Appends @p item; connected to the action's itemAdded().
    void onItemAdded(const QString& item);
    /// Takes the action's editable flag; connected to the action's editableChanged().
    void onEditableChanged();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void actionEvent(QActionEvent* event) override;

private:
    // Held by its QAction face: while the action is being destroyed it is no
    // RibbonCatComboAction any more, but still has to be recognised.
    QPointer<QAction> m_action;
};

} // namespace oru
