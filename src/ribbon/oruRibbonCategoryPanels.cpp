#include "oruRibbonCategoryPanels.h"

#include "oruRibbonApplication.h"
#include "oruRibbonCategoriesPanelAction.h"
#include "oruRibbonCategoryPanel.h"
#include "oruRibbonMenuBar.h"
#include "oruRibbonMenuBarButton.h"
#include "oruRibbonMenuBarButton_p.h"
#include "oruRibbonSimplifiedRow_p.h"
#include "oruRibbonStyle.h"

#include <QActionEvent>
#include <QActionGroup>
#include <QApplication>
#include <QPainter>
#include <QStyle>

namespace oru {

namespace {

// Shows @p page in @p stack. When the keyboard focus is on the page being
// left, Qt hands it on by walking the window's focus chain, past every
// widget of every other page, when it hides that page and again when it
// looks for a widget of the new one. The focus goes straight to the widget
// Qt would end on instead: the one that last had it on the new page, else
// the page's first widget that takes focus by Tab, else the page.
void showPage(QStackedWidget& stack, RibbonCategoryPanel* page)
{
    QWidget* const old = stack.currentWidget();
    QWidget* const focus = QApplication::focusWidget();
    if (!old || !focus || !old->isAncestorOf(focus)) {
        stack.setCurrentWidget(page);
        return;
    }
    // Off the old page before it hides; the page keeps it as its focus
    // widget for when it shows again.
    stack.setFocus(Qt::OtherFocusReason);
    stack.setCurrentWidget(page);
    QWidget* next = page->focusWidget();
    if (!next || !page->isAncestorOf(next)) {
        next = page;
        const QList<QWidget*> widgets = page->findChildren<QWidget*>();
        for (QWidget* w : widgets) {
            if ((w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !w->focusProxy() &&
                w->isVisibleTo(page) && w->isEnabled()) {
                next = w;
                break;
            }
        }
    }
    next->setFocus(Qt::OtherFocusReason);
}

} // namespace

RibbonCategoryPanels::RibbonCategoryPanels(RibbonMenuBar& bar)
    : QStackedWidget(nullptr), m_menuBar(bar)
{
    setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
    setFixedHeight(92);
    setContentsMargins(4, 3, 4, 4);
    // Qt turns updates off and on again for the whole stack at every change
    // of page, a walk over the widgets of every page. Pages not shown keep
    // their updates off, which ends the walk at each of them: a tab switch
    // then costs what the two pages hold, not what all of them hold.
    connect(this, &QStackedWidget::currentChanged, this, [this] {
        for (RibbonCategoryPanel* page : std::as_const(m_pages))
            if (page != currentWidget() && page->updatesEnabled())
                page->setUpdatesEnabled(false);
        if (QWidget* shown = currentWidget())
            shown->setUpdatesEnabled(true);
    });
}

RibbonCategoryPanels::~RibbonCategoryPanels() = default;

RibbonCategoryPanel* RibbonCategoryPanels::page(RibbonCategoriesPanelAction* action) const
{
    return m_pages.value(action, nullptr);
}

void RibbonCategoryPanels::paintEvent(QPaintEvent*)
{
    const RibbonStyle* skin = RibbonApplication::theApp()->ribbonStyle();
    const QPixmap& back = skin->categories();
    const int w = width();
    QPainter painter(this);
    const auto slices = [&](int sourceY, int y, int h) {
        skin->drawPixmap(painter, QRect(0, y, 5, h), back, QRect(0, sourceY, 5, h));
        skin->drawPixmap(painter, QRect(5, y, w - 10, h), back, QRect(5, sourceY, 70, h));
        skin->drawPixmap(painter, QRect(w - 5, y, 5, h), back, QRect(75, sourceY, 5, h));
    };
    const int h = height();
    if (h >= 92) {
        slices(0, 0, 92);
    } else {
        // A lower stack (the simplified ribbon) keeps the image's top and its
        // bottom edge, and leaves out the middle.
        constexpr int bottomEdge = 6;
        slices(0, 0, h - bottomEdge);
        slices(92 - bottomEdge, h - bottomEdge, bottomEdge);
    }
    paintTabJoin(painter);
}

void RibbonCategoryPanels::paintTabJoin(QPainter& painter) const
{
    QAction* tab = m_menuBar.categoryGroup()->checkedAction();
    const RibbonMenuBarButton* button = tab ? m_menuBar.m_tabButtons.value(tab) : nullptr;
    if (!button || !button->isVisible())
        return;
    const int f = tablook::frameRow(*button);
    // Only a tab that looks selected and stands right on the page opens into it.
    const QPoint at = mapFromGlobal(button->mapToGlobal(QPoint(0, 0)));
    if (f < 72 || at.y() + button->height() != 0)
        return;
    const RibbonStyle* skin = RibbonApplication::theApp()->ribbonStyle();
    const QPixmap& back = skin->menuBarButton();
    const int x = at.x();
    const int w = button->width();
    const int row = f + tablook::FrameHeight - 1;
    // The page's outline row takes the tab's last row, whose side outlines
    // meet the outline on either side; its highlight row takes the inside of
    // that row, so the tab's fill runs on into the page's.
    skin->drawPixmap(painter, QRect(x, 0, 5, 1), back, QRect(0, row, 5, 1));
    skin->drawPixmap(painter, QRect(x + 5, 0, w - 10, 1), back, QRect(5, row, 47, 1));
    skin->drawPixmap(painter, QRect(x + w - 5, 0, 5, 1), back, QRect(52, row, 5, 1));
    skin->drawPixmap(painter, QRect(x + 2, 1, 3, 1), back, QRect(2, row, 3, 1));
    skin->drawPixmap(painter, QRect(x + 5, 1, w - 10, 1), back, QRect(5, row, 47, 1));
    skin->drawPixmap(painter, QRect(x + w - 5, 1, 3, 1), back, QRect(52, row, 3, 1));
}

void RibbonCategoryPanels::setSimplified(bool simplified)
{
    if (simplified == m_simplified)
        return;
    m_simplified = simplified;
    setFixedHeight(simplified ? SimplifiedHeight : 92);
    for (RibbonCategoryPanel* page : std::as_const(m_pages))
        page->setSimplified(simplified);
    if (m_toggle)
        m_toggle->setSimplifiedLook(simplified);
    placeToggle();
    updateGeometry();
    update();
}

bool RibbonCategoryPanels::isSimplifiedToggleVisible() const
{
    return m_toggle && !m_toggle->isHidden();
}

QAbstractButton* RibbonCategoryPanels::simplifiedToggle() const
{
    return m_toggle;
}

void RibbonCategoryPanels::setSimplifiedToggleVisible(bool visible)
{
    if (visible == isSimplifiedToggleVisible())
        return;
    if (visible && !m_toggle) {
        m_toggle = new RibbonSimplifiedToggle(this);
        m_toggle->setSimplifiedLook(m_simplified);
        connect(m_toggle, &QAbstractButton::clicked, this,
                [this] { m_menuBar.setSimplified(!m_simplified); });
    }
    m_toggle->setVisible(visible);
    // The pages end where the switch begins.
    setContentsMargins(4, 3, visible ? 4 + ToggleRoom : 4, 4);
    placeToggle();
}

void RibbonCategoryPanels::placeToggle()
{
    if (!m_toggle)
        return;
    const QSize size = m_toggle->sizeHint();
    // Bottom right under the groups' right end; in the middle of the row
    // when simplified.
    const int x = width() - 4 - size.width() - (ToggleRoom - size.width()) / 2;
    const int y = m_simplified ? (height() - size.height()) / 2 : height() - 4 - size.height() - 2;
    m_toggle->setGeometry(QStyle::visualRect(layoutDirection(), rect(), QRect(QPoint(x, y), size)));
}

void RibbonCategoryPanels::resizeEvent(QResizeEvent* event)
{
    QStackedWidget::resizeEvent(event);
    placeToggle();
}

void RibbonCategoryPanels::changeEvent(QEvent* event)
{
    QStackedWidget::changeEvent(event);
    if (event->type() == QEvent::LayoutDirectionChange)
        placeToggle();
}

void RibbonCategoryPanels::actionEvent(QActionEvent* event)
{
    QWidget::actionEvent(event);
    QAction* action = event->action();
    switch (event->type()) {
    case QEvent::ActionAdded:
        if (auto* tab = qobject_cast<RibbonCategoriesPanelAction*>(action)) {
            if (!m_pages.contains(action)) {
                auto* page = new RibbonCategoryPanel(*this, *tab);
                page->setSimplified(m_simplified);
                m_pages.insert(action, page);
                // Off until shown (see the constructor); the first page is
                // made current by addWidget(), which turns its updates on.
                page->setUpdatesEnabled(false);
                addWidget(page);
                if (tab->isChecked())
                    setCurrentWidget(page);
            }
        }
        break;
    case QEvent::ActionChanged:
        if (RibbonCategoryPanel* page = m_pages.value(action, nullptr)) {
            if (action->isChecked() && currentWidget() != page) {
                showPage(*this, page);
                // The top edge opens under the newly selected tab.
                update(0, 0, width(), tablook::JoinRows);
            }
        }
        break;
    case QEvent::ActionRemoved:
        if (RibbonCategoryPanel* page = m_pages.take(action)) {
            removeWidget(page);
            delete page;
        }
        break;
    default:
        break;
    }
    updateGeometry();
}

} // namespace oru
