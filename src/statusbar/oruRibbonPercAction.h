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

    /// The smallest percentage (below 100).
    int minimum() const { return m_minimum; }
    /// The largest percentage (above 100).
    int maximum() const { return m_maximum; }
    /// The current percentage.
    int percentage() const { return m_percentage; }

public slots:
    /// Stores @p perc clamped to the range. Any request that differs from
    /// the old value is announced with the clamped value, so a request past
    /// a bound the value already sits on announces that bound again.
    void setPercentage(int perc);

signals:
    /// Emitted by setPercentage() with the stored (clamped) value after the zoom widgets were
    /// refreshed, then changed() follows. The zoom widget calls setPercentage() for the user's
    /// changes, so this is the signal a host follows.
    void percentageChanged(int perc);
    /// Emitted only for the user's changes in a zoom widget (or through an assistive technology),
    /// after percentageChanged(), with the stored value; never by setPercentage().
    void percentageActivated(int perc);

private:
    int m_minimum;
    int m_maximum;
    int m_percentage;
};

} // namespace oru
