#pragma once

#include "oruRibbonAction.h"

namespace oru {

/// Progress of a long operation, shown by RibbonProgressWidget in the status
/// bar. Triggering the action (the widget's terminate button) asks the host
/// to cancel.
class VAZAVE_EXPORT RibbonProgressAction : public RibbonAction
{
    Q_OBJECT

public:
    /// Progress @p value in @p minimum … @p maximum with the caption @p text (taken as given),
    /// owned by @p parent.
    RibbonProgressAction(int minimum, int maximum, int value, const QString& text, QObject* parent);
    /// Value 0 in the range 0…1.
    RibbonProgressAction(const QString& text, QObject* parent);
    ~RibbonProgressAction() override;

    /// The start of the range.
    int minimum() const { return m_minimum; }
    /// The end of the range.
    int maximum() const { return m_maximum; }
    /// The current progress value.
    int value() const { return m_value; }
    /// The caption shown left of the bar.
    const QString& progressText() const { return m_progressText; }
    /// Whether the widget grabs mouse and keyboard while it is shown.
    bool isGrabEnabled() const { return m_grabEnabled; }

public slots:
    /// @p done of @p total: the range becomes 0…total first unless it is.
    void setProgress(int done, int total);
    /// Stores the range (as given) and emits progressRangeChanged().
    void setRange(int min, int max);
    /// Stores @p value (as given) and emits progressValueChanged(), also when unchanged.
    void setProgressValue(int value);
    /// Stores the caption and emits progressTextChanged(), also when unchanged.
    void setProgressText(const QString& text);
    /// See isGrabEnabled(); takes effect the next time a widget is shown.
    void enableGrab(bool isEnabled);

signals:
    /// Emitted by setProgressValue() (and setProgress()) after the value was stored.
    void progressValueChanged(int value);
    /// Emitted by setProgressText() after the caption was stored.
    void progressTextChanged(const QString& text);
    /// Emitted by setRange() (and by setProgress() when the range changes, before the value signal)
    /// after the range was stored.
    void progressRangeChanged();

private:
    QString m_progressText;
    int m_value;
    int m_minimum;
    int m_maximum;
    bool m_grabEnabled = true;
};

} // namespace oru
