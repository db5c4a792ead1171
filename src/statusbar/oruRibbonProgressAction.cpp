#include "oruRibbonProgressAction.h"

namespace oru {

RibbonProgressAction::RibbonProgressAction(int minimum, int maximum, int value, const QString& text,
                                           QObject* parent)
    : RibbonAction(parent), m_progressText(text), m_value(value), m_minimum(minimum),
      m_maximum(maximum)
{
}

RibbonProgressAction::RibbonProgressAction(const QString& text, QObject* parent)
    : RibbonProgressAction(0, 1, 0, text, parent)
{
}

RibbonProgressAction::~RibbonProgressAction() = default;

void RibbonProgressAction::setProgress(int done, int total)
{
    if (m_maximum != total || m_minimum != 0)
        setRange(0, total);
    setProgressValue(done);
}

void RibbonProgressAction::setRange(int min, int max)
{
    m_minimum = min;
    m_maximum = max;
    emit progressRangeChanged();
}

void RibbonProgressAction::setProgressValue(int value)
{
    m_value = value;
    emit progressValueChanged(value);
}

void RibbonProgressAction::setProgressText(const QString& text)
{
    m_progressText = text;
    emit progressTextChanged(text);
}

void RibbonProgressAction::enableGrab(bool isEnabled)
{
    m_grabEnabled = isEnabled;
}

} // namespace oru
