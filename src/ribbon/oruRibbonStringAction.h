#pragma once

#include "oruRibbonAction.h"

namespace oru {

/// An action that only carries a text; no container builds a widget for it.
class VAZAVE_EXPORT RibbonStringAction : public RibbonAction
{
    Q_OBJECT

public:
    /// An empty text, owned by @p parent.
    explicit RibbonStringAction(QObject* parent);
    /// The text @p text, owned by @p parent.
    RibbonStringAction(const QString& text, QObject* parent);
    ~RibbonStringAction() override;
};

} // namespace oru
