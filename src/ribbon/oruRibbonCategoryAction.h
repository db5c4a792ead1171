#pragma once

#include "oruRibbonAction.h"

#include <QList>
#include <QMap>

namespace oru {

/// The model of one captioned group on a ribbon page: its caption is the
/// action's text, and it holds the group's actions in order, each with the
/// row the layout should put its control in (-1: automatic placement).
class VAZAVE_EXPORT RibbonCategoryAction : public RibbonAction
{
    Q_OBJECT

public:
    RibbonCategoryAction(const QIcon& icon, const QString& text, QObject* parent);
    RibbonCategoryAction(const QString& text, QObject* parent);
    explicit RibbonCategoryAction(QObject* parent);
    ~RibbonCategoryAction() override;

    const QList<RibbonAction*>& actions() const { return m_actions; }

    /// -1 while no action has a row entry at all; 0 for an action without an
    /// entry; otherwise the row given to addAction.
    int actionRow(RibbonAction* action) const;

    /// Appends @p action (null and duplicates are ignored). The action is not
    /// owned; when it is destroyed it leaves the group by itself.
    void addAction(RibbonAction* action, int row = -1);
    void removeAction(RibbonAction* action);

signals:
    void actionAdded(oru::RibbonAction* action);
    void actionRemoved(oru::RibbonAction* action);

private slots:
    void actionChanged();
    void actionActivated();

private:
    void actionDestroyed(RibbonAction* action);

    QList<RibbonAction*> m_actions;
    QMap<RibbonAction*, int> m_rows;
};

} // namespace oru
