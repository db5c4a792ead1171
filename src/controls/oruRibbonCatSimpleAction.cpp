#include "oruRibbonCatSimpleAction.h"

#include "oruRibbonCatSimpleButton.h"

#include <QToolBar>

namespace oru {

RibbonCatSimpleAction::RibbonCatSimpleAction(QPointer<QAction> alias, eSize size,
                                             QObject* parent)
    : RibbonSimpleAction(alias, parent)
    , m_size(size)
{
}

RibbonCatSimpleAction::RibbonCatSimpleAction(QPointer<QAction> alias, const QIcon& icon,
                                             const QString& text, eSize size, QObject* parent)
    : RibbonSimpleAction(alias, icon, text, parent)
    , m_size(size)
{
}

RibbonCatSimpleAction::RibbonCatSimpleAction(const QIcon& icon, const QString& text, eSize size,
                                             QObject* parent)
    : RibbonSimpleAction(icon, text, parent)
    , m_size(size)
{
}

RibbonCatSimpleAction::RibbonCatSimpleAction(const QString& text, eSize size, QObject* parent)
    : RibbonSimpleAction(text, parent)
    , m_size(size)
{
}

RibbonCatSimpleAction::RibbonCatSimpleAction(eSize size, QObject* parent)
    : RibbonSimpleAction(parent)
    , m_size(size)
{
}

RibbonCatSimpleAction::~RibbonCatSimpleAction() = default;

QWidget* RibbonCatSimpleAction::createWidget(QWidget* parent)
{
    if (!qobject_cast<QToolBar*>(parent))
        return nullptr;
    return new RibbonCatSimpleButton(*this, parent);
}

} // namespace oru
