#pragma once

#include "oruGlobal.h"

#include <QFontComboBox>
#include <QPointer>

namespace oru {

class RibbonCatFontFamilyAction;

/// The font combo box of a RibbonCatFontFamilyAction. It shows the action's
/// font without echoing it back and hands the user's choice to the action.
class VAZAVE_EXPORT RibbonCatFontFamilyComboBox : public QFontComboBox
{
    Q_OBJECT

public:
    /// A font combo box for @p action, owned by @p parent, showing the action's font.
    RibbonCatFontFamilyComboBox(RibbonCatFontFamilyAction& action, QWidget* parent);
    ~RibbonCatFontFamilyComboBox() override;

    /// The action shown; null once the action was destroyed.
    RibbonCatFontFamilyAction* action() const;

    /// Opens the drop-down list popupWidth wide (never wider than the screen).
    void showPopup() override;

    /// The width of the drop-down list: room for long family names in their own fonts
    /// (Qt's font box makes it 5/3 of the box, 233 pixels for the ribbon's box).
    static constexpr int popupWidth = 320;

protected:
    void actionEvent(QActionEvent* event) override;

private:
    // Held by its QAction face, as the action may be mid-destruction when
    // Qt reports its removal.
    QPointer<QAction> m_action;
};

} // namespace oru
