#include "oruRibbonSimpleAction.h"

namespace oru {

RibbonSimpleAction::RibbonSimpleAction(QObject* parent)
    : RibbonAction(parent)
{
    connectActivated();
}

RibbonSimpleAction::RibbonSimpleAction(const QString& text, QObject* parent)
    : RibbonAction(text, parent)
{
    connectActivated();
}

RibbonSimpleAction::RibbonSimpleAction(const QIcon& icon, const QString& text, QObject* parent)
    : RibbonAction(icon, text, parent)
{
    connectActivated();
}

RibbonSimpleAction::RibbonSimpleAction(QPointer<QAction> alias, QObject* parent)
    : RibbonAction(alias, parent)
{
    connectActivated();
}

RibbonSimpleAction::RibbonSimpleAction(QPointer<QAction> alias, const QIcon& icon,
                                       const QString& text, QObject* parent)
    : RibbonAction(alias, icon, text, parent)
{
    connectActivated();
}

RibbonSimpleAction::RibbonSimpleAction(QPointer<RibbonAction> alias, QObject* parent)
    : RibbonAction(alias, parent)
{
    connectActivated();
}

RibbonSimpleAction::RibbonSimpleAction(QPointer<RibbonAction> alias, const QString& text,
                                       QObject* parent)
    : RibbonAction(alias, text, parent)
{
    connectActivated();
}

RibbonSimpleAction::~RibbonSimpleAction() = default;

void RibbonSimpleAction::connectActivated()
{
    connect(this, &QAction::triggered, this, &RibbonAction::activated);
}

} // namespace oru
