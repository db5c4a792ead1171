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
    RibbonCatColorMenuButton(RibbonCatColorMenuAction& action, QWidget* parent);
    ~RibbonCatColorMenuButton() override;

    QSize sizeHint() const override;
    void processEvents(QEvent* event) override;

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
