#include "oruRibbonCatFontFamilyAction.h"

#include "oruRibbonCatFontFamilyComboBox.h"

#include <QToolBar>

namespace oru {

RibbonCatFontFamilyAction::RibbonCatFontFamilyAction(const QFont& font, QObject* parent)
    : RibbonAction(parent), m_fontFamily(font)
{
}

RibbonCatFontFamilyAction::~RibbonCatFontFamilyAction() = default;

void RibbonCatFontFamilyAction::setFontFamily(const QFont& ff)
{
    if (m_fontFamily == ff)
        return;
    m_fontFamily = ff;
    sendActionChangedEvt();
    emit fontFamilyChanged(m_fontFamily);
    emit changed();
    emit activated();
}

QWidget* RibbonCatFontFamilyAction::createWidget(QWidget* parent)
{
    if (!qobject_cast<QToolBar*>(parent))
        return nullptr;
    return new RibbonCatFontFamilyComboBox(*this, parent);
}

} // namespace oru
