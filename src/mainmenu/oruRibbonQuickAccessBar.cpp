#include "oruRibbonQuickAccessBar.h"

#include "oruRibbonButtonNormal.h"
#include "oruRibbonMenuBar.h"
#include "oruRibbonSimpleAction.h"

#include <QActionEvent>
#include <QCoreApplication>
#include <QHBoxLayout>

namespace oru {

RibbonQuickAccessBar::RibbonQuickAccessBar(RibbonMenuBar& menuBar)
    : QWidget(&menuBar), m_menuBar(menuBar),
      m_endSpacer(15, 0, QSizePolicy::Fixed, QSizePolicy::Ignored)
{
    setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
    setFixedHeight(26);
    m_outerLayout = new QHBoxLayout;
    m_outerLayout->setContentsMargins(10, 3, 3, 3);
    m_outerLayout->setSpacing(0);
    m_buttonsLayout = new QHBoxLayout;
    m_buttonsLayout->setContentsMargins(0, 0, 0, 0);
    m_buttonsLayout->setSpacing(3);
    m_outerLayout->addLayout(m_buttonsLayout);
    m_outerLayout->addItem(&m_endSpacer);
    setLayout(m_outerLayout);

    m_customizeAction = new RibbonSimpleAction(
        QIcon(), QCoreApplication::translate("QObject", "Customize Quick Access Toolbar"), this);
    addAction(m_customizeAction);
}

RibbonQuickAccessBar::~RibbonQuickAccessBar()
{
    // The spacer is a member; the layout must not delete it.
    m_outerLayout->removeItem(&m_endSpacer);
}

QRect RibbonQuickAccessBar::qabGeometry() const
{
    return m_buttonsLayout->geometry();
}

void RibbonQuickAccessBar::actionEvent(QActionEvent* event)
{
    QWidget::actionEvent(event);
    if (event->type() != QEvent::ActionAdded)
        return;
    QAction* action = event->action();
    if (action == m_customizeAction) {
        auto* button = new RibbonButtonNormal(this);
        button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Ignored);
        button->setFixedWidth(10);
        button->addAction(action);
        m_outerLayout->addWidget(button);
        // A press opens the customisation drop-down while the bar is
        // customizable.
        m_customizeButton = button;
        button->installEventFilter(this);
    } else if (auto* simple = qobject_cast<RibbonSimpleAction*>(action)) {
        auto* button = new RibbonButtonNormal(this);
        button->setFixedSize(20, 20);
        button->addAction(simple);
        m_buttonsLayout->addWidget(button);
        event->accept();
    }
}

} // namespace oru
