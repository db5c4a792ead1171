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
    /// The name drawn above the group's tabs, such as "Table Tools".
    Q_PROPERTY(QString title READ title WRITE setTitle NOTIFY changed)
    /// The colour of the band and the title above the tabs.
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY changed)
    /// Whether the group's tabs are on the bar; false at first.
    Q_PROPERTY(bool visible READ isVisible WRITE setVisible NOTIFY visibleChanged)

public:
    /// A hidden group without tabs, titled @p title in @p color.
    RibbonContextualTabGroup(const QString& title, const QColor& color, QObject* parent = nullptr);
    ~RibbonContextualTabGroup() override;

    /// The title drawn above the tabs.
    QString title() const { return m_title; }
    /// Sets the title; emits changed() when it differs.
    void setTitle(const QString& title);
    /// The colour of the group's band.
    QColor color() const { return m_color; }
    /// Sets the colour; emits changed() when it differs.
    void setColor(const QColor& color);

    /// Appends @p tab (null and doubles are ignored). The tab is not owned.
    void addTab(RibbonCategoriesPanelAction* tab);
    /// Takes @p tab out of the group; a tab that is not in it is ignored.
    void removeTab(RibbonCategoriesPanelAction* tab);
    /// The group's tabs in the order they were added.
    QList<RibbonCategoriesPanelAction*> tabs() const;
    /// Whether @p tab is one of the group's tabs.
    bool contains(const QAction* tab) const;

    /// Whether the group's tabs are shown.
    bool isVisible() const { return m_visible; }

public slots:
    /// Shows or hides the group's tabs together; emits visibleChanged()
    /// when the state changes.
    void setVisible(bool visible);
    /// Same as setVisible(true).
    void show() { setVisible(true); }
    /// Same as setVisible(false).
    void hide() { setVisible(false); }

signals:
    /// Title, colour or the list of tabs changed.
    void changed();
    /// The group was shown or hidden.
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
