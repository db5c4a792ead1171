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

#include "oruRibbonApplication.h"
#include "oruRibbonHostCommand_p.h"
#include "oruRibbonStyle.h"

#include <QActionEvent>
#include <QHBoxLayout>
#include <QPainter>

namespace oru {

RibbonStatusBar::RibbonStatusBar(RibbonMainWindow& mainWindow)
    : QWidget(&mainWindow), m_mainWindow(mainWindow)
{
    setSizePolicy(QSizePolicy::MinimumExpanding, QSizePolicy::Fixed);
    setFixedHeight(20);

    m_loginLayout = new QHBoxLayout;
    m_loginLayout->setContentsMargins(0, 2, 0, 0);
    m_popupLayout = new QHBoxLayout;
    // The whole height for the view buttons: a 22-pixel button squeezed
    // into less would lose the bottom of its icon.
    m_popupLayout->setContentsMargins(5, 0, 5, 0);
    m_mainLayout = new QHBoxLayout;
    m_mainLayout->setContentsMargins(0, 0, 0, 0);
    m_middleLayout = new QHBoxLayout;
    m_middleLayout->setContentsMargins(0, 0, 0, 0);
    m_extensionsLayout = new QHBoxLayout;
    // The whole height: a toggle's box holds a 16-pixel icon in 20 rows.
    m_extensionsLayout->setContentsMargins(5, 0, 5, 0);

    m_mainLayout->addLayout(m_loginLayout);
    m_mainLayout->addLayout(m_popupLayout);
    m_mainLayout->addLayout(m_middleLayout);
    m_mainLayout->addItem(new QSpacerItem(0, 20, QSizePolicy::Expanding, QSizePolicy::Fixed));
    m_mainLayout->addLayout(m_extensionsLayout);
    setLayout(m_mainLayout);

    m_messageTimer.setSingleShot(true);
    connect(&m_messageTimer, &QTimer::timeout, this, &RibbonStatusBar::clearMessage);
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

void RibbonStatusBar::showMessage(const QString& text, int timeout)
{
    if (timeout > 0)
        m_messageTimer.start(timeout);
    else
        m_messageTimer.stop();
    if (text == m_message)
        return;
    m_message = text;
    update();
    emit messageChanged(m_message);
}

void RibbonStatusBar::clearMessage()
{
    m_messageTimer.stop();
    if (m_message.isEmpty())
        return;
    m_message.clear();
    update();
    emit messageChanged(m_message);
}

void RibbonStatusBar::paintEvent(QPaintEvent*)
{
    // The main window paints the status bar's background around it; the
    // message takes the free space between the left areas and the extensions.
    if (m_message.isEmpty())
        return;
    const int left = m_middleLayout->geometry().right() + 1 + 6;
    const int right = width() - extensionsWidth() - 6;
    if (right <= left)
        return;
    QPainter painter(this);
    painter.setPen(RibbonApplication::theApp()->ribbonStyle()->normalCategoryTextColor());
    const QRect box(left, 0, right - left, height());
    const QString shown = fontMetrics().elidedText(m_message, Qt::ElideRight, box.width());
    painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
}

void RibbonStatusBar::actionEvent(QActionEvent* event)
{
    QWidget::actionEvent(event);
    QAction* action = event->action();
    switch (event->type()) {
    case QEvent::ActionAdded: {
        // A host's plain QAction shows through a command that mirrors it; the
        // widget stays filed under the host's action.
        QAction* shown = action;
        if (!qobject_cast<RibbonAction*>(action) && !m_hostCommands.contains(action)) {
            shown = hostcommand::forGroup(action, RibbonCatSimpleAction::Small, this);
            m_hostCommands.insert(action, shown);
        }
        if (auto* simple = qobject_cast<RibbonSimpleAction*>(shown)) {
            auto* widget = new RibbonStatusBarWidget(*simple, this);
            m_widgets.insert(action, widget);
            m_extensionsLayout->insertWidget(0, widget, 0, Qt::AlignVCenter);
        }
        if (auto* progress = qobject_cast<RibbonProgressAction*>(shown)) {
            auto* widget = new RibbonProgressWidget(*progress, this);
            m_widgets.insert(action, widget);
            m_extensionsLayout->insertWidget(0, widget, 0, Qt::AlignVCenter);
        }
        // The zoom control is appended, so it always stays rightmost.
        if (auto* perc = qobject_cast<RibbonPercAction*>(shown)) {
            auto* widget = new RibbonPercWidget(*perc, this);
            m_widgets.insert(action, widget);
            m_extensionsLayout->addWidget(widget, 0, Qt::AlignCenter);
        }
        if (auto* menu = qobject_cast<RibbonCatMenuAction*>(shown)) {
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
    }
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
        // Later: the host may remove its action from inside the toggle's click.
        if (QPointer<QAction> command = m_hostCommands.take(action))
            command->deleteLater();
        update();
        break;
    default:
        update();
        break;
    }
}

} // namespace oru
