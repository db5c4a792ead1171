#include "oruRibbonPercAction.h"

#include <algorithm>

namespace oru {

RibbonPercAction::RibbonPercAction(int minimum, int maximum, int percentage, QObject* parent)
    : RibbonAction(parent), m_minimum(minimum), m_maximum(maximum), m_percentage(percentage)
{
}

RibbonPercAction::~RibbonPercAction() = default;

void RibbonPercAction::setPercentage(int perc)
{
    const int old = m_percentage;
    // Raised to the minimum first, then lowered to the maximum.
    m_percentage = std::min(std::max(perc, m_minimum), m_maximum);
    if (m_percentage != old)
        sendActionChangedEvt();
    if (perc != old) {
        emit percentageChanged(m_percentage);
        emit changed();
    }
}

} // namespace oru
