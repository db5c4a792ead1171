#include "oruRibbonCategoryPanels.h"

#include "oruRibbonApplication.h"
#include "oruRibbonCategoriesPanelAction.h"
#include "oruRibbonCategoryPanel.h"
#include "oruRibbonMenuBar.h"
#include "oruRibbonStyle.h"

#include <QActionEvent>
#include <QPainter>

namespace oru {

RibbonCategoryPanels::RibbonCategoryPanels(RibbonMenuBar& bar)
    : QStackedWidget(nullptr)
    , m_menuBar(bar)
{
    setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
    setFixedHeight(92);
    setContentsMargins(4, 3, 4, 4);
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
    skin->drawPixmap(painter, QRect(0, 0, 5, 92), back, QRect(0, 0, 5, 92));
    skin->drawPixmap(painter, QRect(5, 0, w - 10, 92), back, QRect(5, 0, 70, 92));
    skin->drawPixmap(painter, QRect(w - 5, 0, 5, 92), back, QRect(75, 0, 5, 92));
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
                m_pages.insert(action, page);
                addWidget(page);
                if (tab->isChecked())
                    setCurrentWidget(page);
            }
        }
        break;
    case QEvent::ActionChanged:
        if (RibbonCategoryPanel* page = m_pages.value(action, nullptr)) {
            if (action->isChecked() && currentWidget() != page)
                setCurrentWidget(page);
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
