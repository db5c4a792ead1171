#pragma once

#include "oruGlobal.h"

#include <QPointer>
#include <QWidget>

class QTimer;

namespace oru {

class RibbonPercAction;

/// The zoom slider of the status bar: the value as text, a minus button, a
/// track whose left half spans minimum…100 % and right half 100 %…maximum,
/// a thumb and a plus button. Held buttons repeat after 200 ms, then every
/// 50 ms.
class VAZAVE_EXPORT RibbonPercWidget : public QWidget
{
    Q_OBJECT

public:
    /// The zoom slider of @p action, owned by @p parent (the status bar builds it for the action),
    /// showing the action's range and value.
    RibbonPercWidget(RibbonPercAction& action, QWidget* parent);
    ~RibbonPercWidget() override;

    QSize sizeHint() const override;

    /// The action shown; null once it was destroyed.
    RibbonPercAction* action() const;
    /// The value the widget shows and edits.
    int percentage() const { return m_percentage; }
    /// The value as shown: the number followed by " %".
    const QString& text() const { return m_text; }
    /// The x of the thumb's centre for @p percentage, counted from the left
    /// edge left to right and from the right edge right to left.
    int thumbCenter(int percentage) const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void actionEvent(QActionEvent* event) override;
    // The slot below shares the name; the event handler stays reachable.
    using QWidget::timerEvent;

private slots:
    /// One auto-repeat step of the held button (the repeat timer's timeout).
    void timerEvent();
    void displayPercentage(int perc);

private:
    enum ePressed
    {
        MinusPressed = 0x1,
        PlusPressed = 0x2,
        ThumbDragged = 0x4
    };

    QRect minusRect() const;
    QRect plusRect() const;
    QRect thumbRect() const;
    int valueAt(int x) const;
    // The slider is laid out left to right (minus, track, plus) and mirrored
    // right to left: a point of the widget in those left-to-right coordinates.
    QPoint logical(const QPoint& pos) const;
    void applyPercentage(int value);

    // Held by its QAction face, as the action may be mid-destruction when
    // Qt reports its removal.
    QPointer<QAction> m_action;
    QTimer* m_repeatTimer;
    int m_percentage;
    int m_pressed = 0;
    QString m_text;
    // The range, kept so that geometry never needs the action.
    int m_minimum;
    int m_maximum;
};

} // namespace oru
