#pragma once

#include "oruRibbonAction.h"

namespace oru {

/// An action that only carries a text; no container builds a widget for it.
class VAZAVE_EXPORT RibbonStringAction : public RibbonAction
{
    Q_OBJECT

public:
    explicit RibbonStringAction(QObject* parent);
    RibbonStringAction(const QString& text, QObject* parent);
    ~RibbonStringAction() override;
};

} // namespace oru
