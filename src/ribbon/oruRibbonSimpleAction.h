#pragma once

#include "oruRibbonAction.h"

namespace oru {

/// A ribbon action whose activated() fires on every trigger; the base of the
/// simple and colour buttons.
class VAZAVE_EXPORT RibbonSimpleAction : public RibbonAction
{
    Q_OBJECT

public:
    /// An action without text or alias, owned by @p parent.
    explicit RibbonSimpleAction(QObject* parent);
    /// An action with @p text.
    RibbonSimpleAction(const QString& text, QObject* parent);
    /// An action with @p icon and @p text.
    RibbonSimpleAction(const QIcon& icon, const QString& text, QObject* parent);
    /// Stands for @p alias, copying its text, icon, tool tip and separator flag (see RibbonAction).
    RibbonSimpleAction(QPointer<QAction> alias, QObject* parent);
    /// Stands for @p alias with an icon and text of its own.
    RibbonSimpleAction(QPointer<QAction> alias, const QIcon& icon, const QString& text,
                       QObject* parent);
    /// Stands for the ribbon action @p alias.
    RibbonSimpleAction(QPointer<RibbonAction> alias, QObject* parent);
    /// Stands for the ribbon action @p alias with a text of its own.
    RibbonSimpleAction(QPointer<RibbonAction> alias, const QString& text, QObject* parent);
    ~RibbonSimpleAction() override;

private:
    void connectActivated();
};

} // namespace oru
