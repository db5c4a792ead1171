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
    RibbonProgressAction(int minimum, int maximum, int value, const QString& text, QObject* parent);
    /// Value 0 in the range 0…1.
    RibbonProgressAction(const QString& text, QObject* parent);
    ~RibbonProgressAction() override;

    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    int value() const { return m_value; }
    const QString& progressText() const { return m_progressText; }
    /// Whether the widget grabs mouse and keyboard while it is shown.
    bool isGrabEnabled() const { return m_grabEnabled; }

public slots:
    /// @p done of @p total: the range becomes 0…total first unless it is.
    void setProgress(int done, int total);
    void setRange(int min, int max);
    void setProgressValue(int value);
    void setProgressText(const QString& text);
    void enableGrab(bool isEnabled);

signals:
    void progressValueChanged(int value);
    void progressTextChanged(const QString& text);
    void progressRangeChanged();

private:
    QString m_progressText;
    int m_value;
    int m_minimum;
    int m_maximum;
    bool m_grabEnabled = true;
};

} // namespace oru
