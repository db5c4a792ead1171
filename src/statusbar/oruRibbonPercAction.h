#pragma once

#include "oruRibbonAction.h"

namespace oru {

/// A zoom percentage between a minimum below 100 and a maximum above 100,
/// shown by RibbonPercWidget in the status bar.
class VAZAVE_EXPORT RibbonPercAction : public RibbonAction
{
    Q_OBJECT

public:
    /// The start value is stored as given, not clamped.
    RibbonPercAction(int minimum, int maximum, int percentage, QObject* parent);
    ~RibbonPercAction() override;

    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    int percentage() const { return m_percentage; }

public slots:
    /// Stores @p perc clamped to the range. Any request that differs from
    /// the old value is announced with the clamped value, so a request past
    /// a bound the value already sits on announces that bound again.
    void setPercentage(int perc);

signals:
    void percentageChanged(int perc);

private:
    int m_minimum;
    int m_maximum;
    int m_percentage;
};

} // namespace oru
