#include "oruRibbonStatusBar.h"

#include "oruRibbonCatMenuAction.h"
#include "oruRibbonCatMenuButton.h"
#include "oruRibbonMainWindow.h"
#include "oruRibbonPercAction.h"
#include "oruRibbonPercWidget.h"
#include "oruRibbonProgressAction.h"
#include "oruRibbonProgressWidget.h"
#include "oruRibbonSimpleAction.h"
#include "oruRibbonStatusBarWidget.h"

#include <QActionEvent>
#include <QHBoxLayout>

namespace oru {

RibbonStatusBar::RibbonStatusBar(RibbonMainWindow& mainWindow)
    : QWidget(&mainWindow), m_mainWindow(mainWindow)
{
    setSizePolicy(QSizePolicy::MinimumExpanding, QSizePolicy::Fixed);
    setFixedHeight(20);

    m_loginLayout = new QHBoxLayout;
    m_loginLayout->setContentsMargins(0, 2, 0, 0);
    m_popupLayout = new QHBoxLayout;
    m_popupLayout->setContentsMargins(5, 0, 5, 3);
    m_mainLayout = new QHBoxLayout;
    m_mainLayout->setContentsMargins(0, 0, 0, 0);
    m_middleLayout = new QHBoxLayout;
    m_middleLayout->setContentsMargins(0, 0, 0, 0);
    m_extensionsLayout = new QHBoxLayout;
    m_extensionsLayout->setContentsMargins(5, 3, 5, 0);

    m_mainLayout->addLayout(m_loginLayout);
    m_mainLayout->addLayout(m_popupLayout);
    m_mainLayout->addLayout(m_middleLayout);
    m_mainLayout->addItem(new QSpacerItem(0, 20, QSizePolicy::Expanding, QSizePolicy::Fixed));
    m_mainLayout->addLayout(m_extensionsLayout);
    setLayout(m_mainLayout);
}

RibbonStatusBar::~RibbonStatusBar() = default;

int RibbonStatusBar::extensionsWidth() const
{
    return m_extensionsLayout->geometry().width();
}

int RibbonStatusBar::loginLayoutWidth() const
{
    return m_loginLayout->geometry().width();
}

int RibbonStatusBar::popupLayoutWidth() const
{
    return m_popupLayout->geometry().width() + 5 + loginLayoutWidth();
}

void RibbonStatusBar::addLoginStatusIcon(QWidget* widget)
{
    if (widget)
        m_loginLayout->addWidget(widget, 0);
}

void RibbonStatusBar::removeLoginStatusIcon(QWidget* widget)
{
    if (!widget)
        return;
    m_loginLayout->removeWidget(widget);
    delete widget;
}

void RibbonStatusBar::paintEvent(QPaintEvent*)
{
    // The main window paints the status bar's background around it.
}

void RibbonStatusBar::actionEvent(QActionEvent* event)
{
    QWidget::actionEvent(event);
    QAction* action = event->action();
    switch (event->type()) {
    case QEvent::ActionAdded:
        if (auto* simple = qobject_cast<RibbonSimpleAction*>(action)) {
            auto* widget = new RibbonStatusBarWidget(*simple, this);
            m_widgets.insert(action, widget);
            m_extensionsLayout->insertWidget(0, widget, 0, Qt::AlignVCenter);
        }
        if (auto* progress = qobject_cast<RibbonProgressAction*>(action)) {
            auto* widget = new RibbonProgressWidget(*progress, this);
            m_widgets.insert(action, widget);
            m_extensionsLayout->insertWidget(0, widget, 0, Qt::AlignVCenter);
        }
        // The zoom control is appended, so it always stays rightmost.
        if (auto* perc = qobject_cast<RibbonPercAction*>(action)) {
            auto* widget = new RibbonPercWidget(*perc, this);
            m_widgets.insert(action, widget);
            m_extensionsLayout->addWidget(widget, 0, Qt::AlignCenter);
        }
        if (auto* menu = qobject_cast<RibbonCatMenuAction*>(action)) {
            auto* button = new RibbonCatMenuButton(*menu, this);
            m_widgets.insert(action, button);
            m_popupLayout->insertWidget(0, button, 0, Qt::AlignCenter);
        }
        // The new widget is placed before the change is announced; no
        // events run from inside the host's addAction().
        if (layout())
            layout()->activate();
        emit statusBarChanged();
        update();
        break;
    case QEvent::ActionRemoved:
        if (m_widgets.contains(action)) {
            QPointer<QWidget> widget = m_widgets.take(action);
            if (widget) {
                m_extensionsLayout->removeWidget(widget);
                m_popupLayout->removeWidget(widget);
                delete widget.data();
            }
            if (layout())
                layout()->activate();
            emit statusBarChanged();
        }
        update();
        break;
    default:
        update();
        break;
    }
}

} // namespace oru
