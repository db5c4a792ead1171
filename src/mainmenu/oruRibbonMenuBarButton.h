#pragma once

#include "oruGlobal.h"

#include <QAbstractButton>

namespace oru {

class RibbonMenuBar;

/// The tab button of the ribbon bar, one per RibbonCategoriesPanelAction.
/// Its checked state follows its action; clicking an unchecked tab triggers
/// the action, clicking the checked one does nothing.
class VAZAVE_EXPORT RibbonMenuBarButton : public QAbstractButton
{
    Q_OBJECT

public:
    /// A 24-pixel-high tab button, a child of @p menuBar; the bar adds the tab action to it.
    explicit RibbonMenuBarButton(RibbonMenuBar& menuBar);
    ~RibbonMenuBarButton() override;

    /// The ribbon bar the button belongs to.
    RibbonMenuBar& menuBar() const { return m_menuBar; }

    QSize sizeHint() const override;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void actionEvent(QActionEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    // Repaints the button, and the page's top edge that joins a selected tab.
    void updateLook();

    RibbonMenuBar& m_menuBar;
    // Whether assistive technology last heard of this tab as selected; the
    // button's own checked state runs ahead of the action's on a click.
    bool m_reportedSelected = false;
};

} // namespace oru
