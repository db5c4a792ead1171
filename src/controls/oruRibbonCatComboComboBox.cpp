#include "oruRibbonCatComboComboBox.h"

#include "oruRibbonAccessibleEvents_p.h"
#include "oruRibbonCatComboAction.h"

#include <QActionEvent>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLineEdit>

namespace oru {

RibbonCatComboComboBox::RibbonCatComboComboBox(RibbonCatComboAction& action, QWidget* parent)
    : QComboBox(parent), m_action(&action)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setFixedWidth(action.width());
    setFixedHeight(22);

    setEditable(action.isEditable());
    if (action.isEditable()) {
        if (!action.comboInputMask().isEmpty())
            lineEdit()->setInputMask(action.comboInputMask());
        else
            setValidator(new QIntValidator(8, 128, lineEdit()));
    }

    addItems(action.items());

    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (RibbonCatComboAction* own = this->action())
            own->setSelectionText(itemText(index));
    });
    // QComboBox says activated only for the user's choices.
    connect(this, &QComboBox::textActivated, this, [this](const QString& text) {
        if (RibbonCatComboAction* own = this->action()) {
            own->setSelectionText(text);
            emit own->selectionTextActivated(text);
        }
    });
    connect(&action, &RibbonCatComboAction::itemAdded, this, &RibbonCatComboComboBox::onItemAdded);
    connect(&action, &RibbonCatComboAction::editableChanged, this,
            &RibbonCatComboComboBox::onEditableChanged);

    addAction(&action);
}

RibbonCatComboComboBox::~RibbonCatComboComboBox() = default;

RibbonCatComboAction* RibbonCatComboComboBox::action() const
{
    return qobject_cast<RibbonCatComboAction*>(m_action.data());
}

void RibbonCatComboComboBox::updateActionSelection(const QString& item)
{
    const int index = findText(item, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
        setCurrentIndex(index);
    else
        setEditText(item);
}

void RibbonCatComboComboBox::onItemAdded(const QString& item)
{
    addItem(item);
}

void RibbonCatComboComboBox::onEditableChanged()
{
    if (RibbonCatComboAction* own = action())
        setEditable(own->isEditable());
    nameComboEditor(this);
}

void RibbonCatComboComboBox::keyPressEvent(QKeyEvent* event)
{
    QComboBox::keyPressEvent(event);
    RibbonCatComboAction* own = action();
    if (!own)
        return;
    own->emitKeyPressed(event->key());
    if (own->isSearchable() && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        // A search box stays ready for the next search: keep the focus and
        // select what was typed, so typing replaces it.
        setFocus(Qt::OtherFocusReason);
        if (QLineEdit* edit = lineEdit())
            edit->selectAll();
    }
}

void RibbonCatComboComboBox::actionEvent(QActionEvent* event)
{
    QComboBox::actionEvent(event);
    if (!m_action || event->action() != m_action.data())
        return;
    // While the action is destroyed (ActionRemoved) it is only a QAction.
    if (event->type() == QEvent::ActionRemoved)
        return;
    RibbonCatComboAction* own = action();
    if (!own)
        return;
    nameComboEditor(this);
    // A box built after a choice was made (a collapsed group's popup, say)
    // shows that choice too; without one it keeps its first item.
    if (event->type() == QEvent::ActionChanged ||
        (event->type() == QEvent::ActionAdded && !own->selectionText().isEmpty()))
        updateActionSelection(own->selectionText());
    setEnabled(own->isEnabled());
}

} // namespace oru
