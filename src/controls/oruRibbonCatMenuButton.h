#pragma once

#include "oruIRibbonGroupWidget.h"
#include "oruRibbonCatMenuAction.h"

#include <QWidget>

namespace oru {

class RibbonCatMenuAction;
class RibbonCatMenuButtonPriv;

/// The panel widget of a RibbonCatMenuAction: a (split) menu button or an
/// in-ribbon palette, by the action's menu type. Everything is done by a
/// presenter chosen on each action event.
class VAZAVE_EXPORT RibbonCatMenuButton : public QWidget, public IRibbonGroupWidget
{
    Q_OBJECT

public:
    /// The button of @p action, owned by @p parent; it takes the action at once.
    RibbonCatMenuButton(RibbonCatMenuAction& action, QWidget* parent);
    ~RibbonCatMenuButton() override;

    QSize sizeHint() const override;
    /// A mouse press goes to the presenter, as a press on the button does (it opens the popup).
    void processEvents(QEvent* event) override;

    /// The action shown; null once it was taken off the button or destroyed
    /// (the button then has no presenter and stays empty).
    RibbonCatMenuAction* action() const { return m_action; }
    /// The size the button is drawn at: the action's own size unless set. The simplified ribbon
    /// shows large buttons at medium size (icon and text in one row), drops the text (small size)
    /// when room runs short, and shows an in-ribbon palette as a drop-down button that opens
    /// the palette's gallery: a palette shown at another size than its own is such a button.
    RibbonCatMenuAction::eMenuSize shownSize() const { return m_shownSize; }
    /// Draws the button at @p size from now on (see shownSize()); out-of-range values are ignored.
    void setShownSize(RibbonCatMenuAction::eMenuSize size);

    /// The current presenter (for the presenters' own tests).
    RibbonCatMenuButtonPriv* priv() const { return m_priv; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void actionEvent(QActionEvent* event) override;

private:
    // Cleared when the action leaves the button: a destroyed action reports
    // its removal while its own destructor runs.
    RibbonCatMenuAction* m_action;
    // The same object seen as a QAction, for recognising its events without
    // a cast while it is half destroyed.
    QAction* m_actionFace;
    // A QObject child of the button; replaced only when the menu type changes.
    RibbonCatMenuButtonPriv* m_priv = nullptr;
    RibbonCatMenuAction::eMenuSize m_shownSize;

    // Makes the presenter that the menu type and the shown size ask for.
    void choosePresenter();
};

} // namespace oru
