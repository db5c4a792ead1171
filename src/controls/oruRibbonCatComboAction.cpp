#include "oruRibbonCatComboAction.h"

#include "oruRibbonCatComboComboBox.h"

#include <QToolBar>

namespace oru {

RibbonCatComboAction::RibbonCatComboAction(QObject* parent) : RibbonAction(parent) {}

RibbonCatComboAction::~RibbonCatComboAction() = default;

void RibbonCatComboAction::addItem(const QString& item)
{
    m_items.append(item);
    emit itemAdded(item);
    // Like a combo box, the first item becomes the selection: the same
    // whether or not a combo shows the action yet.
    if (m_items.size() == 1 && m_selectionText.isEmpty())
        setSelectionText(item);
}

void RibbonCatComboAction::setEditable(bool editable)
{
    if (m_editable == editable)
        return;
    m_editable = editable;
    emit editableChanged();
}

void RibbonCatComboAction::setWidth(int width)
{
    m_width = width;
}

void RibbonCatComboAction::setSearchable(bool searchable)
{
    m_searchable = searchable;
}

void RibbonCatComboAction::setComboInputMask(const QString& mask)
{
    m_comboInputMask = mask;
}

void RibbonCatComboAction::emitKeyPressed(int key)
{
    emit keyPressed(key);
}

void RibbonCatComboAction::setSelectionText(const QString& text)
{
    if (m_selectionText == text)
        return;
    m_selectionText = text;
    emit selectionTextChanged();
    sendActionChangedEvt();
}

QWidget* RibbonCatComboAction::createWidget(QWidget* parent)
{
    if (!qobject_cast<QToolBar*>(parent))
        return nullptr;
    return new RibbonCatComboComboBox(*this, parent);
}

} // namespace oru
