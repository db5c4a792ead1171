#pragma once

#include <QAccessibleWidget>
#include <QHash>

namespace oru {

/// A widget that paints several items itself (gallery cells, colour cells):
/// each item is a child interface of its own, created on demand and owned by
/// this interface, so that a screen reader can walk and press the items.
/// With @p widgetChildren, the widget's own child widgets (scroll buttons,
/// say) come first, then the items.
class ItemViewAccessible : public QAccessibleWidget
{
public:
    ItemViewAccessible(QWidget* widget, QAccessible::Role role, QAccessible::Role itemRole,
                       bool widgetChildren = false);
    ~ItemViewAccessible() override;

    virtual int itemCount() const = 0;
    virtual QString itemName(int index) const = 0;
    /// In the widget's coordinates.
    virtual QRect itemRect(int index) const = 0;
    virtual QAccessible::State itemState(int index) const;
    /// The item's role; the view's item role unless a view mixes kinds.
    virtual QAccessible::Role itemRole(int) const { return m_itemRole; }
    virtual QString itemDescription(int) const { return {}; }
    /// The actions of an enabled item: press by default.
    virtual QStringList itemActionNames(int index) const;
    virtual void doItemAction(int index, const QString& actionName);
    virtual void pressItem(int index) = 0;
    /// A popup of the widget that is showing: the child after the items.
    virtual QWidget* openPopup() const { return nullptr; }

    QWidget* viewWidget() const { return widget(); }

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

    /// The child index of item @p index.
    int childIndexOfItem(int index) const { return leadingCount() + index; }

private:
    int leadingCount() const;

    const QAccessible::Role m_itemRole;
    const bool m_widgetChildren;
    mutable QHash<int, QAccessible::Id> m_items;
};

/// One painted item of an ItemViewAccessible.
class ItemAccessible : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    ItemAccessible(const ItemViewAccessible& view, int index);

    int index() const { return m_index; }

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_view.window(); }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return m_view.itemRole(m_index); }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    const ItemViewAccessible& m_view;
    const int m_index;
};

} // namespace oru
