#pragma once

#include "oruIRibbonGroupWidget.h"
#include "oruRibbonColorPickerPopup.h"

#include <QWidget>

namespace oru {

class RibbonCatColorMenuAction;

/// The panel widget of a RibbonCatColorMenuAction: the action's icon with
/// its colour bar and a drop-down arrow; a press opens the colour picker.
class VAZAVE_EXPORT RibbonCatColorMenuButton : public QWidget, public IRibbonGroupWidget
{
    Q_OBJECT

public:
    /// The button of @p action, owned by @p parent. The action must outlive the button (the
    /// containers delete the button when the action leaves or dies); the picker popup is a member
    /// and goes with the button.
    RibbonCatColorMenuButton(RibbonCatColorMenuAction& action, QWidget* parent);
    ~RibbonCatColorMenuButton() override;

    QSize sizeHint() const override;
    /// A mouse press opens the colour picker, as a press on the button does.
    void processEvents(QEvent* event) override;

    /// The button's colour picker; its choices go to the action's setColor(), setAutomatic() and
    /// setNone().
    RibbonColorPickerPopup& popup() { return m_popup; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void actionEvent(QActionEvent* event) override;

private slots:
    void popupClosed();

private:
    RibbonCatColorMenuAction& m_action;
    RibbonColorPickerPopup m_popup;
    int m_lineCount = 2;
};

} // namespace oru
