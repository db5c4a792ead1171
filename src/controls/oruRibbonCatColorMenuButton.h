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
    /// The button of @p action, owned by @p parent; the picker popup is made when first needed
    /// and goes with the button. When the action is taken off the button or destroyed, the button
    /// closes the picker and stays empty.
    RibbonCatColorMenuButton(RibbonCatColorMenuAction& action, QWidget* parent);
    ~RibbonCatColorMenuButton() override;

    QSize sizeHint() const override;
    /// A mouse press opens the colour picker, as a press on the button does.
    void processEvents(QEvent* event) override;

    /// The button's colour picker, made at the first call (the first opening) with the action's
    /// colour selected; its choices go to the action's setColor(), setAutomatic() and setNone().
    RibbonColorPickerPopup& popup();
    /// Whether the picker is open; never makes it.
    bool isPopupVisible() const;
    /// The action shown; null once it was taken off the button or destroyed.
    RibbonCatColorMenuAction* action() const { return m_action; }

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
    // Cleared when the action leaves the button: a destroyed action reports
    // its removal while its own destructor runs.
    RibbonCatColorMenuAction* m_action;
    // The same object seen as a QAction, for recognising its events without
    // a cast while it is half destroyed.
    QAction* m_actionFace;
    // Shows the action's state (automatic, none or a colour) in the picker.
    void syncPopup();

    RibbonColorPickerPopup* m_popup = nullptr; // made by popup(), deleted by the destructor
    int m_lineCount = 2;
};

} // namespace oru
