#include "oruRibbonStringAction.h"

namespace oru {

RibbonStringAction::RibbonStringAction(QObject* parent)
    : RibbonAction(parent)
{
}

RibbonStringAction::RibbonStringAction(const QString& text, QObject* parent)
    : RibbonAction(text, parent)
{
}

RibbonStringAction::~RibbonStringAction() = default;

} // namespace oru
