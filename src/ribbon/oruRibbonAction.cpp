#include "oruRibbonAction.h"

#include <QActionEvent>
#include <QCoreApplication>
#include <QWidget>

namespace oru {

RibbonAction::RibbonAction(QObject* parent) : QWidgetAction(parent) {}

RibbonAction::RibbonAction(const QString& text, QObject* parent) : QWidgetAction(parent)
{
    setText(text);
}

RibbonAction::RibbonAction(const QIcon& icon, const QString& text, QObject* parent)
    : QWidgetAction(parent)
{
    setText(text);
    setIcon(icon);
}

RibbonAction::RibbonAction(QPointer<QAction> alias, QObject* parent)
    : QWidgetAction(parent), m_alias(alias)
{
    if (m_alias) {
        setText(m_alias->text());
        setIcon(m_alias->icon());
        setToolTip(m_alias->toolTip());
        setSeparator(m_alias->isSeparator());
    }
    connectWithAlieas();
}

RibbonAction::RibbonAction(QPointer<QAction> alias, const QIcon& icon, const QString& text,
                           QObject* parent)
    : QWidgetAction(parent), m_alias(alias), m_keepOwnText(true), m_keepOwnIcon(true)
{
    setText(text);
    setIcon(icon);
    connectWithAlieas();
}

RibbonAction::RibbonAction(QPointer<RibbonAction> alias, QObject* parent)
    : QWidgetAction(parent), m_alias(alias.data())
{
    connectWithAlieas();
}

RibbonAction::RibbonAction(QPointer<RibbonAction> alias, const QString& text, QObject* parent)
    : QWidgetAction(parent), m_alias(alias.data()), m_keepOwnText(true)
{
    setText(text);
    connectWithAlieas();
}

RibbonAction::~RibbonAction() = default;

void RibbonAction::connectWithAlieas()
{
    QAction* alias = m_alias.data();
    if (!alias)
        return;
    connect(this, &QAction::changed, alias, &QAction::changed);
    connect(this, &QAction::hovered, alias, &QAction::hovered);
    connect(this, &QAction::toggled, alias, &QAction::toggled);
    connect(this, &QAction::triggered, alias, &QAction::triggered);
    // Only a ribbon alias has activated(); a plain QAction has nothing to
    // receive it.
    if (auto* ribbonAlias = qobject_cast<RibbonAction*>(alias))
        connect(this, &RibbonAction::activated, ribbonAlias, &RibbonAction::activated);
    connect(alias, &QAction::changed, this, &RibbonAction::aliasChanged);
}

void RibbonAction::aliasChanged()
{
    QAction* alias = m_alias.data();
    if (!alias)
        return;
    if (m_inAliasUpdate) {
        if (alias->isEnabled() != m_requestedEnabled)
            setEnabled(alias->isEnabled());
        return;
    }
    m_inAliasUpdate = true;
    if (m_mirror) {
        setText(alias->text());
        setIcon(alias->icon());
        setIconText(alias->iconText());
        setToolTip(alias->toolTip());
        setStatusTip(alias->statusTip());
        setWhatsThis(alias->whatsThis());
        setFont(alias->font());
        setEnabled(alias->isEnabled());
        setVisible(alias->isVisible());
        setCheckable(alias->isCheckable());
        setChecked(alias->isChecked());
        m_inAliasUpdate = false;
        return;
    }
    if (!m_keepOwnIcon)
        setIcon(alias->icon());
    if (!m_keepOwnText)
        setText(alias->text());
    setEnabled(alias->isEnabled());
    // Checkability is the ribbon action's own; only the state is followed,
    // and only between actions of the same kind.
    if (isCheckable() == alias->isCheckable())
        setChecked(alias->isChecked());
    m_inAliasUpdate = false;
}

void RibbonAction::mirrorAlias()
{
    QAction* alias = m_alias.data();
    if (!alias || m_mirror)
        return;
    m_mirror = true;
    // Nothing of this action is written back: the alias is the one truth.
    disconnect(this, nullptr, alias, nullptr);
    connect(this, &QAction::hovered, alias, &QAction::hovered);
    // A simple action announces its use once the alias has been used, as it
    // does when it forwards to an alias.
    m_mirrorActivates = disconnect(this, &QAction::triggered, this, &RibbonAction::activated);
    connect(this, &QAction::triggered, this, &RibbonAction::useAlias);
    aliasChanged();
}

void RibbonAction::useAlias()
{
    QPointer<RibbonAction> self(this);
    if (QPointer<QAction> alias = m_alias)
        alias->trigger();
    if (!self)
        return;
    // QAction::activate() toggled this copy before the alias had its say; an
    // exclusive group of the host may have kept its action checked.
    aliasChanged();
    if (m_mirrorActivates)
        emit activated();
}

void RibbonAction::removeFromWidgets()
{
    QList<QPointer<QWidget>> widgets;
    for (QObject* object : associatedObjects())
        if (auto* widget = qobject_cast<QWidget*>(object))
            widgets.append(widget);
    for (const QPointer<QWidget>& widget : std::as_const(widgets))
        if (widget)
            widget->removeAction(this);
}

void RibbonAction::setKeyTip(const QString& keyTip)
{
    QString tip;
    for (const QChar c : keyTip) {
        if (tip.size() == 3)
            break;
        if (c.isLetterOrNumber())
            tip.append(c.toUpper());
    }
    m_keyTip = tip;
}

void RibbonAction::enableAction(bool enable)
{
    m_requestedEnabled = enable;
    m_inAliasUpdate = true;
    QAction::setEnabled(enable);
    m_inAliasUpdate = false;
}

void RibbonAction::sendActionChangedEvt()
{
    QActionEvent event(QEvent::ActionChanged, this, nullptr);
    // Widgets may react by deleting others, so guard every one of them.
    QList<QPointer<QWidget>> widgets;
    const QList<QObject*> objects = associatedObjects();
    for (QObject* object : objects) {
        if (auto* widget = qobject_cast<QWidget*>(object))
            widgets.append(widget);
    }
    for (const QPointer<QWidget>& widget : std::as_const(widgets)) {
        if (widget)
            QCoreApplication::sendEvent(widget.data(), &event);
    }
    // Qt's own handler would hand the event to every widget a second time.
    m_sendingChangedEvt = true;
    QCoreApplication::sendEvent(this, &event);
    m_sendingChangedEvt = false;
}

bool RibbonAction::event(QEvent* event)
{
    if (m_sendingChangedEvt && event->type() == QEvent::ActionChanged) {
        // What QWidgetAction does for its own widgets, without the
        // forwarding to the associated widgets, which already had it.
        if (QWidget* widget = defaultWidget())
            widget->setEnabled(isEnabled());
        const QList<QWidget*> created = createdWidgets();
        for (QWidget* widget : created)
            widget->setEnabled(isEnabled());
        return QObject::event(event);
    }
    return QWidgetAction::event(event);
}

} // namespace oru
