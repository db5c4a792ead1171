#pragma once

#include "oruRibbonAction.h"

namespace oru {

/// A ribbon action whose activated() fires on every trigger; the base of the
/// simple and colour buttons.
class VAZAVE_EXPORT RibbonSimpleAction : public RibbonAction
{
    Q_OBJECT

public:
    explicit RibbonSimpleAction(QObject* parent);
    RibbonSimpleAction(const QString& text, QObject* parent);
    RibbonSimpleAction(const QIcon& icon, const QString& text, QObject* parent);
    RibbonSimpleAction(QPointer<QAction> alias, QObject* parent);
    RibbonSimpleAction(QPointer<QAction> alias, const QIcon& icon, const QString& text,
                       QObject* parent);
    RibbonSimpleAction(QPointer<RibbonAction> alias, QObject* parent);
    RibbonSimpleAction(QPointer<RibbonAction> alias, const QString& text, QObject* parent);
    ~RibbonSimpleAction() override;

private:
    void connectActivated();
};

} // namespace oru
