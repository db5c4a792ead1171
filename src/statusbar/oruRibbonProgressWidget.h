#pragma once

#include "oruGlobal.h"

#include <QPointer>
#include <QWidget>

class QHBoxLayout;
class QLabel;
class QProgressBar;

namespace oru {

class RibbonProgressAction;

/// The progress indicator of the status bar: a caption, a bar without text
/// and a terminate button at the right end that triggers the action. While
/// shown it can grab mouse and keyboard, so that the window rests during the
/// operation.
class VAZAVE_EXPORT RibbonProgressWidget : public QWidget
{
    Q_OBJECT

public:
    /// The indicator of @p action, owned by @p parent (the status bar builds it), following the
    /// action's value, range and caption.
    RibbonProgressWidget(RibbonProgressAction& action, QWidget* parent);
    ~RibbonProgressWidget() override;

    bool event(QEvent* event) override;
    QSize sizeHint() const override;

    /// The action shown; null once it was destroyed.
    RibbonProgressAction* action() const;
    /// The caption label; a child of the widget.
    QLabel* label() const { return m_label; }
    /// The progress bar; a child of the widget.
    QProgressBar* progressBar() const { return m_progressBar; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void actionEvent(QActionEvent* event) override;

private slots:
    void setProgressValue(int value);
    void setProgressText(const QString& text);
    void onProgressRangeChanged();

private:
    QRect buttonHitRect() const;
    void releaseGrab();

    // Held by its QAction face, as the action may be mid-destruction when
    // Qt reports its removal.
    QPointer<QAction> m_action;
    QHBoxLayout* m_layout;
    QLabel* m_label;
    QProgressBar* m_progressBar;
    bool m_buttonPressed = false;
};

} // namespace oru
