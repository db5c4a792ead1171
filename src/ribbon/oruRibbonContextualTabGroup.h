#pragma once

#include "oruGlobal.h"

#include <QColor>
#include <QList>
#include <QObject>
#include <QString>

class QAction;

namespace oru {

class RibbonCategoriesPanelAction;

/// A set of tabs that belong to one context, such as "Table Tools" while the
/// cursor stands in a table: the tabs are shown and hidden together, and the
/// ribbon bar draws the set's title in its colour above them.
///
/// Give the group to RibbonMenuBar::addContextualTabGroup(); it starts
/// hidden. When the group hides while one of its tabs is selected, the
/// ribbon goes back to the tab selected before the group's tabs were
/// entered (or the nearest tab before the group).
class VAZAVE_EXPORT RibbonContextualTabGroup : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString title READ title WRITE setTitle NOTIFY changed)
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY changed)
    Q_PROPERTY(bool visible READ isVisible WRITE setVisible NOTIFY visibleChanged)

public:
    RibbonContextualTabGroup(const QString& title, const QColor& color, QObject* parent = nullptr);
    ~RibbonContextualTabGroup() override;

    QString title() const { return m_title; }
    void setTitle(const QString& title);
    QColor color() const { return m_color; }
    void setColor(const QColor& color);

    /// Appends @p tab (null and doubles are ignored). The tab is not owned.
    void addTab(RibbonCategoriesPanelAction* tab);
    void removeTab(RibbonCategoriesPanelAction* tab);
    QList<RibbonCategoriesPanelAction*> tabs() const;
    bool contains(const QAction* tab) const;

    bool isVisible() const { return m_visible; }

public slots:
    void setVisible(bool visible);
    void show() { setVisible(true); }
    void hide() { setVisible(false); }

signals:
    /// Title, colour or the list of tabs changed.
    void changed();
    void visibleChanged(bool visible);

private:
    void tabDestroyed(QObject* tab);

    QString m_title;
    QColor m_color;
    // The QObject faces, so that a tab in its destructor is found.
    QList<QObject*> m_tabs;
    bool m_visible = false;
};

} // namespace oru
