#include "oruRibbonCatFontFamilyComboBox.h"

#include "oruRibbonAccessibleEvents_p.h"
#include "oruRibbonCatFontFamilyAction.h"

#include <QAbstractItemView>
#include <QActionEvent>
#include <QScreen>
#include <QSignalBlocker>

#include <algorithm>

namespace oru {

RibbonCatFontFamilyComboBox::RibbonCatFontFamilyComboBox(RibbonCatFontFamilyAction& action,
                                                         QWidget* parent)
    : QFontComboBox(parent), m_action(&action)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setFixedSize(140, 22);
    connect(this, &QFontComboBox::currentFontChanged, &action,
            &RibbonCatFontFamilyAction::setFontFamily);
    // QComboBox says activated only for the user's choices.
    connect(this, &QComboBox::activated, this, [this] {
        if (RibbonCatFontFamilyAction* own = this->action()) {
            own->setFontFamily(currentFont());
            emit own->fontFamilyActivated(own->fontFamily());
        }
    });
    addAction(&action);
    // A click in the editable part puts the focus there, so typing goes to
    // the box and not into the document.
    setFocusPolicy(Qt::ClickFocus);
}

RibbonCatFontFamilyComboBox::~RibbonCatFontFamilyComboBox() = default;

void RibbonCatFontFamilyComboBox::showPopup()
{
    // QFontComboBox fixes its list's width at 5/3 of the box whenever the box
    // resizes; the list is widened again each time it opens.
    int wanted = std::max(width() * 5 / 3, popupWidth);
    if (const QScreen* where = screen())
        wanted = std::min(wanted, where->availableGeometry().width());
    view()->window()->setFixedWidth(wanted);
    QFontComboBox::showPopup();
}

RibbonCatFontFamilyAction* RibbonCatFontFamilyComboBox::action() const
{
    return qobject_cast<RibbonCatFontFamilyAction*>(m_action.data());
}

void RibbonCatFontFamilyComboBox::actionEvent(QActionEvent* event)
{
    QFontComboBox::actionEvent(event);
    if (!m_action || event->action() != m_action.data())
        return;
    if (event->type() != QEvent::ActionAdded && event->type() != QEvent::ActionChanged)
        return;
    RibbonCatFontFamilyAction* own = action();
    if (!own)
        return;
    // Showing the action's font must not travel back into the action.
    const QSignalBlocker blocker(this);
    setEnabled(own->isEnabled());
    setCurrentFont(own->fontFamily());
    nameComboEditor(this);
}

} // namespace oru
