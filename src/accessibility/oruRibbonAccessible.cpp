#include "oruRibbonAccessible.h"

#include "oruMnemonic_p.h"

#include "oruRibbonAccessibleItems_p.h"

#include "oruRibbonButtonMain.h"
#include "oruRibbonButtonNormal.h"
#include "oruRibbonCatActionGroup.h"
#include "oruRibbonCatActionGroupWidget.h"
#include "oruRibbonCatColorMenuButton.h"
#include "oruRibbonCatComboComboBox.h"
#include "oruRibbonCatFontFamilyComboBox.h"
#include "oruRibbonCatMenuAction.h"
#include "oruRibbonCatMenuButton.h"
#include "oruRibbonCatMenuButton_p.h"
#include "oruRibbonCatMenuPalettePopup.h"
#include "oruRibbonCatSimpleButton.h"
#include "oruRibbonCategoryAction.h"
#include "oruRibbonCategoryPanels.h"
#include "oruRibbonCategoryWrapper.h"
#include "oruRibbonChildWindow.h"
#include "oruRibbonColorPickerPopup.h"
#include "oruRibbonMainMenuButton.h"
#include "oruRibbonMainMenuMenuButton.h"
#include "oruRibbonMainPanelButton.h"
#include "oruRibbonMainWindow.h"
#include "oruRibbonMenuBar.h"
#include "oruRibbonMenuBarButton.h"
#include "oruRibbonPanelMain.h"
#include "oruRibbonPercAction.h"
#include "oruRibbonPercWidget.h"
#include "oruRibbonProgressWidget.h"
#include "oruRibbonRecentFiles.h"
#include "oruRibbonSmallSysBtnClose.h"
#include "oruRibbonStatusBarWidget.h"
#include "oruRibbonSymbolButton.h"
#include "oruRibbonSysButton.h"
#include "oruRibbonTabBar.h"
#include "oruRibbonWindow.h"

#include <QAbstractItemView>
#include <QAccessibleValueInterface>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QProgressBar>

#include <array>

namespace oru {

QString accessibleText(const QString& text)
{
    return mnemonic::plainText(text);
}

namespace {

QString translated(const char* text)
{
    return QCoreApplication::translate("RibbonAccessible", text);
}

/// A left click at @p pos, for controls whose only way in is the mouse.
void clickAt(QWidget* widget, const QPoint& pos)
{
    const QPointF local(pos);
    const QPointF global(widget->mapToGlobal(pos));
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &release);
}

/// How a widget that shows one action looks to assistive technology.
struct Kind
{
    QAccessible::Role role;
    QAction* (*action)(QWidget*) = nullptr;
    /// The name when the widget has no action or the action no text.
    QString (*name)(QWidget*) = nullptr;
    /// Non-null for widgets that open a popup: whether it is showing.
    bool (*popupOpen)(QWidget*) = nullptr;
    void (*showMenu)(QWidget*) = nullptr;
    /// Null: the widget is a QAbstractButton and press clicks it.
    void (*press)(QWidget*) = nullptr;
    /// The popup window that is showing, if it is one of ours: then it is
    /// the last child.
    QWidget* (*popup)(QWidget*) = nullptr;
};

bool isButtonMenu(const QWidget* menu);

QAction* firstAction(QWidget* widget)
{
    return widget->actions().value(0);
}

class ActionWidgetAccessible : public QAccessibleWidget
{
public:
    ActionWidgetAccessible(QWidget* widget, const Kind& kind)
        : QAccessibleWidget(widget, kind.role), m_kind(kind)
    {
    }

    QAction* boundAction() const { return m_kind.action ? m_kind.action(widget()) : nullptr; }

    /// A command that toggles: Qt's own checkable buttons are check boxes
    /// to assistive technology, and so are ours.
    bool isToggle() const
    {
        if (m_kind.role != QAccessible::PushButton)
            return false;
        if (QAction* action = boundAction())
            return action->isCheckable();
        const auto* button = qobject_cast<const QAbstractButton*>(widget());
        return button && button->isCheckable();
    }
    QAccessible::Role role() const override
    {
        return isToggle() ? QAccessible::CheckBox : m_kind.role;
    }

    QString text(QAccessible::Text t) const override
    {
        QAction* action = boundAction();
        switch (t) {
        case QAccessible::Name: {
            // A name the host gave the widget wins; then the command's text,
            // and for icon-only commands their tool tip.
            QString name = widget()->accessibleName();
            if (name.isEmpty() && action)
                name = accessibleText(action->text());
            if (name.isEmpty() && m_kind.name)
                name = m_kind.name(widget());
            if (name.isEmpty() && action)
                name = action->toolTip();
            if (name.isEmpty())
                name = QAccessibleWidget::text(t);
            return name;
        }
        case QAccessible::Description: {
            // A tool tip that only repeats the text is Qt's default, no screen tip.
            const QString tip = action ? action->toolTip() : widget()->toolTip();
            return tip == text(QAccessible::Name) ? QString() : tip;
        }
        case QAccessible::Accelerator:
            if (action && !action->shortcut().isEmpty())
                return action->shortcut().toString(QKeySequence::NativeText);
            return {};
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        const auto* button = qobject_cast<const QAbstractButton*>(widget());
        // A button that opens a popup checks itself while the popup shows:
        // that is its expanded state, not a checked one.
        bool checkable = button && button->isCheckable() && !m_kind.popupOpen;
        bool checked = checkable && button->isChecked();
        if (QAction* action = boundAction()) {
            s.disabled = s.disabled || !action->isEnabled();
            // A clicked button toggles itself, and tells assistive technology
            // so, before its action follows: then its own state is the new one.
            if (!checkable)
                checked = action->isChecked();
            checkable = action->isCheckable();
        }
        if (role() == QAccessible::PageTab) {
            s.selectable = true;
            s.selected = checked;
        } else if (checkable) {
            s.checkable = true;
            s.checked = checked;
        }
        if (m_kind.popupOpen) {
            s.hasPopup = true;
            s.expandable = true;
            s.expanded = m_kind.popupOpen(widget());
            s.collapsed = !s.expanded;
        }
        if (button && button->isDown())
            s.pressed = true;
        return s;
    }

    QWidget* openPopup() const { return m_kind.popup ? m_kind.popup(widget()) : nullptr; }

    int childCount() const override
    {
        return QAccessibleWidget::childCount() + (openPopup() ? 1 : 0);
    }
    QAccessibleInterface* child(int index) const override
    {
        const int own = QAccessibleWidget::childCount();
        if (index == own && openPopup())
            return QAccessible::queryAccessibleInterface(openPopup());
        return QAccessibleWidget::child(index);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (child && openPopup() && child->object() == openPopup())
            return QAccessibleWidget::childCount();
        return QAccessibleWidget::indexOfChild(child);
    }

    QStringList actionNames() const override
    {
        if (state().disabled)
            return {};
        QStringList names{pressAction()};
        if (isToggle())
            names.append(toggleAction());
        if (m_kind.showMenu)
            names.append(showMenuAction());
        return names;
    }

    void doAction(const QString& actionName) override
    {
        if (!actionNames().contains(actionName))
            return;
        if (actionName == showMenuAction())
            m_kind.showMenu(widget());
        else if (m_kind.press)
            m_kind.press(widget());
        else if (auto* button = qobject_cast<QAbstractButton*>(widget()))
            button->click();
    }

    QStringList keyBindingsForAction(const QString& actionName) const override
    {
        const QString shortcut = text(QAccessible::Accelerator);
        if (actionName == pressAction() && !shortcut.isEmpty())
            return {shortcut};
        return {};
    }

private:
    const Kind& m_kind;
};

// ------------------------------------------------------------ split and drop-down buttons

RibbonCatMenuButtonBPriv* buttonPriv(QWidget* widget)
{
    return qobject_cast<RibbonCatMenuButtonBPriv*>(
        static_cast<RibbonCatMenuButton*>(widget)->priv());
}

void openMenuButton(QWidget* widget)
{
    auto* button = static_cast<RibbonCatMenuButton*>(widget);
    // The menu part: the bottom of a large button, the right edge of the others.
    if (!button->action())
        return;
    const QPoint at = button->action()->menuSize() == RibbonCatMenuAction::Large
                          ? QPoint(button->width() / 2, button->height() - 4)
                          : QPoint(button->width() - 4, button->height() / 2);
    clickAt(button, at);
}

const Kind menuButtonKind{
    QAccessible::ButtonMenu,
    [](QWidget* w) -> QAction* { return static_cast<RibbonCatMenuButton*>(w)->action(); },
    [](QWidget* w) {
        const RibbonCatMenuAction* action = static_cast<RibbonCatMenuButton*>(w)->action();
        const RibbonAction* def = action ? action->defaultAction() : nullptr;
        return def ? accessibleText(def->text()) : QString();
    },
    [](QWidget* w) { return buttonPriv(w) && buttonPriv(w)->m_popupOpen; },
    openMenuButton,
    [](QWidget* w) {
        RibbonCatMenuAction* action = static_cast<RibbonCatMenuButton*>(w)->action();
        if (!action)
            return;
        if (RibbonAction* def = action->defaultAction()) {
            if (def->isEnabled())
                def->activate(QAction::Trigger);
        } else {
            openMenuButton(w);
        }
    },
    [](QWidget* w) -> QWidget* {
        RibbonCatMenuButtonBPriv* priv = buttonPriv(w);
        QWidget* popup = priv ? priv->m_popup.data() : nullptr;
        const bool ours = qobject_cast<RibbonCatMenuPalettePopup*>(popup) ||
                          (popup && popup->parentWidget() == w && isButtonMenu(popup));
        return ours && popup->isVisible() ? popup : nullptr;
    },
};

const Kind colorButtonKind{
    QAccessible::ButtonMenu,
    firstAction,
    nullptr,
    [](QWidget* w) { return static_cast<RibbonCatColorMenuButton*>(w)->isPopupVisible(); },
    [](QWidget* w) {
        if (!static_cast<RibbonCatColorMenuButton*>(w)->isPopupVisible())
            clickAt(w, w->rect().center());
    },
    [](QWidget* w) {
        if (!static_cast<RibbonCatColorMenuButton*>(w)->isPopupVisible())
            clickAt(w, w->rect().center());
    },
    [](QWidget* w) -> QWidget* {
        auto* button = static_cast<RibbonCatColorMenuButton*>(w);
        return button->isPopupVisible() ? &button->popup() : nullptr;
    },
};

/// A popup window of a ribbon control hangs under the control that opened
/// it (its parent widget) and carries that control's name.
class PopupAccessible : public QAccessibleWidget
{
public:
    PopupAccessible(QWidget* popup, QAccessible::Role role) : QAccessibleWidget(popup, role) {}

    QAccessibleInterface* parent() const override
    {
        QWidget* opener = widget()->parentWidget();
        return opener ? QAccessible::queryAccessibleInterface(opener) : QAccessibleWidget::parent();
    }
    QString text(QAccessible::Text t) const override
    {
        QAccessibleInterface* opener = parent();
        if (t == QAccessible::Name && opener && widget()->parentWidget())
            return opener->text(QAccessible::Name);
        return QAccessibleWidget::text(t);
    }
};

/// The in-ribbon gallery: its visible cells are the items.
class GalleryAccessible : public ItemViewAccessible
{
public:
    explicit GalleryAccessible(RibbonCatMenuButton* button)
        : ItemViewAccessible(button, QAccessible::List, QAccessible::ListItem)
    {
    }

    RibbonCatMenuButton* button() const { return static_cast<RibbonCatMenuButton*>(widget()); }
    RibbonCatMenuButtonPPriv* priv() const
    {
        return qobject_cast<RibbonCatMenuButtonPPriv*>(button()->priv());
    }
    QList<std::pair<QAction*, QRect>> cells() const
    {
        return priv() ? priv()->itemCells() : QList<std::pair<QAction*, QRect>>();
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return button()->action() ? accessibleText(button()->action()->text()) : QString();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.disabled = s.disabled || !button()->action() || !button()->action()->isEnabled();
        s.hasPopup = true;
        s.expanded = priv() && priv()->m_popupOpen;
        return s;
    }

    int itemCount() const override { return int(cells().size()); }
    QString itemName(int index) const override
    {
        return accessibleText(cells().value(index).first->text());
    }
    QRect itemRect(int index) const override { return cells().value(index).second; }
    QAccessible::State itemState(int index) const override
    {
        QAccessible::State s;
        QAction* item = cells().value(index).first;
        s.selectable = true;
        s.selected = item->isChecked();
        s.disabled = !item->isEnabled();
        return s;
    }
    void pressItem(int index) override
    {
        QAction* item = cells().value(index).first;
        if (item && item->isEnabled())
            item->activate(QAction::Trigger);
    }

    QStringList actionNames() const override
    {
        return state().disabled ? QStringList() : QStringList{showMenuAction()};
    }
    QWidget* openPopup() const override
    {
        QWidget* popup = priv() ? priv()->m_popup.data() : nullptr;
        return popup && popup->isVisible() ? popup : nullptr;
    }

    void doAction(const QString& actionName) override
    {
        // The "more" arrow below the scroll arrows opens the whole palette.
        if (actionName == showMenuAction() && !state().disabled)
            clickAt(button(), QPoint(button()->width() - 8, button()->height() - 6));
    }
};

/// A palette popup: its scroll bar and grip, then one list item per menu
/// action, those scrolled away off screen. Hangs under its opener, like the
/// other popups.
class PalettePopupAccessible : public ItemViewAccessible
{
public:
    explicit PalettePopupAccessible(RibbonCatMenuPalettePopup* popup)
        : ItemViewAccessible(popup, QAccessible::List, QAccessible::ListItem, true)
    {
    }

    RibbonCatMenuPalettePopup* popup() const
    {
        return static_cast<RibbonCatMenuPalettePopup*>(widget());
    }
    RibbonCatMenuAction* menu() const
    {
        auto* button = qobject_cast<RibbonCatMenuButton*>(widget()->parentWidget());
        return button ? button->action() : nullptr;
    }
    RibbonAction* item(int index) const
    {
        RibbonCatMenuAction* action = menu();
        return action ? action->menuActions().value(index) : nullptr;
    }

    QAccessibleInterface* parent() const override
    {
        QWidget* opener = widget()->parentWidget();
        return opener ? QAccessible::queryAccessibleInterface(opener) : QAccessibleWidget::parent();
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && menu())
            return accessibleText(menu()->text());
        return QAccessibleWidget::text(t);
    }

    int itemCount() const override
    {
        RibbonCatMenuAction* action = menu();
        return action ? int(action->menuActions().size()) : 0;
    }
    QString itemName(int index) const override
    {
        RibbonAction* action = item(index);
        return action ? accessibleText(action->text()) : QString();
    }
    QRect itemRect(int index) const override { return popup()->itemRect(index); }
    QAccessible::State itemState(int index) const override
    {
        QAccessible::State s;
        RibbonAction* action = item(index);
        if (!action)
            return s;
        s.selectable = true;
        s.selected = action->isChecked();
        s.disabled = !action->isEnabled();
        s.offscreen = itemRect(index).isEmpty();
        return s;
    }
    void pressItem(int index) override
    {
        // As a click on the cell; the popup closes through the activation.
        RibbonAction* action = item(index);
        if (action && action->isEnabled())
            action->activate(QAction::Trigger);
    }
};

// ------------------------------------------------------------ colour cells

const std::array<const char*, 40> colorNames = {
    QT_TRANSLATE_NOOP("RibbonAccessible", "Black"),
    QT_TRANSLATE_NOOP("RibbonAccessible", "Dark Red"),
    QT_TRANSLATE_NOOP("RibbonAccessible", "Red"),
    QT_TRANSLATE_NOOP("RibbonAccessible", "Pink"),
    QT_TRANSLATE_NOOP("RibbonAccessible", "Rose"),
    QT_TRANSLATE_NOOP("RibbonAccessible", "Brown"),
    QT_TRANSLATE_NOOP("RibbonAccessible", "Orange"),
    QT_TRANSLATE_NOOP("RibbonAccessible", "Light Orange"),
    QT_TRANSLATE_NOOP("RibbonAccessible", "Gold"),
    QT_TRANSLATE_NOOP("RibbonAccessible", "Tan"),
    QT_TRANSLATE_NOOP("RibbonAccessible", "Olive Green"),
    QT_TRANSLATE_NOOP("RibbonAccessible", "Dark Yellow"),
    QT_TRANSLATE_NOOP("RibbonAccessible", "Lime"),
    QT_TRANSLATE_NOOP("RibbonAccessible", "Yellow"),
    QT_TRANSLATE_NOOP("RibbonAccessible", "Light Yellow"),
    QT_TRANSLATE_NOOP("RibbonAccessible", "Dark Green"),
    QT_TRANSLATE_NOOP("RibbonAccessible", "Green"),
    QT_TRANSLATE_NOOP("RibbonAccessible", "Sea Green"),
    QT_TRANSLATE_NOOP("RibbonAccessible", "Bright Green"),
    QT_TRANSLATE_NOOP("RibbonAccessible", "Light Green"),
    QT_TRANSLATE_NOOP("RibbonAccessible", "Dark Teal"),
    QT_TRANSLATE_NOOP("RibbonAccessible", "Teal"),
    QT_TRANSLATE_NOOP("RibbonAccessible", "Aqua"),
    QT_TRANSLATE_NOOP("RibbonAccessible", "Turquoise"),
    QT_TRANSLATE_NOOP("RibbonAccessible", "Light Turquoise"),
    QT_TRANSLATE_NOOP("RibbonAccessible", "Dark Blue"),
    QT_TRANSLATE_NOOP("RibbonAccessible", "Blue"),
    QT_TRANSLATE_NOOP("RibbonAccessible", "Light Blue"),
    QT_TRANSLATE_NOOP("RibbonAccessible", "Sky Blue"),
    QT_TRANSLATE_NOOP("RibbonAccessible", "Pale Blue"),
    QT_TRANSLATE_NOOP("RibbonAccessible", "Indigo"),
    QT_TRANSLATE_NOOP("RibbonAccessible", "Blue-Gray"),
    QT_TRANSLATE_NOOP("RibbonAccessible", "Violet"),
    QT_TRANSLATE_NOOP("RibbonAccessible", "Plum"),
    QT_TRANSLATE_NOOP("RibbonAccessible", "Lavender"),
    QT_TRANSLATE_NOOP("RibbonAccessible", "Gray-80%"),
    QT_TRANSLATE_NOOP("RibbonAccessible", "Gray-50%"),
    QT_TRANSLATE_NOOP("RibbonAccessible", "Gray-40%"),
    QT_TRANSLATE_NOOP("RibbonAccessible", "Gray-25%"),
    QT_TRANSLATE_NOOP("RibbonAccessible", "White"),
};

/// The 40-colour grid, eight columns of five; s_Colors runs down the columns.
class ColorGridAccessible : public ItemViewAccessible
{
public:
    explicit ColorGridAccessible(RibbonColorPickerPopupColorItems* grid)
        : ItemViewAccessible(grid, QAccessible::Table, QAccessible::Cell)
    {
    }

    RibbonColorPickerPopupColorItems* grid() const
    {
        return static_cast<RibbonColorPickerPopupColorItems*>(widget());
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return QCoreApplication::translate("RibbonAccessible", "Colors");
        return QAccessibleWidget::text(t);
    }

    int itemCount() const override { return int(colorNames.size()); }
    QString itemName(int index) const override { return translated(colorNames.at(index)); }
    QRect itemRect(int index) const override
    {
        return QRect(index / 5 * 20, index % 5 * 16, 20, 16);
    }
    QAccessible::State itemState(int index) const override
    {
        QAccessible::State s;
        s.selectable = true;
        s.selected = grid()->selectedCell() == QPoint(index / 5, index % 5);
        return s;
    }
    void pressItem(int index) override
    {
        RibbonColorPickerPopupColorItems* items = grid();
        items->m_selectedColumn = index / 5;
        items->m_selectedRow = index % 5;
        items->update();
        emit items->colorSelected(RibbonColorPickerPopupColorItems::s_Colors[index]);
    }
};

// ------------------------------------------------------------ tab strip

/// The tab strip of a RibbonTabBar: its scroll buttons, then one page tab
/// per tab action. Tabs scrolled out of view stay in the list, off screen.
class TabBarAccessible : public ItemViewAccessible
{
public:
    explicit TabBarAccessible(RibbonTabBar* bar)
        : ItemViewAccessible(bar, QAccessible::PageTabList, QAccessible::PageTab, true)
    {
    }

    RibbonTabBar* bar() const { return static_cast<RibbonTabBar*>(widget()); }
    QAction* tab(int index) const { return bar()->tabActions().value(index); }

    int itemCount() const override { return int(bar()->tabActions().size()); }
    QString itemName(int index) const override
    {
        QAction* action = tab(index);
        return action ? accessibleText(action->text()) : QString();
    }
    QRect itemRect(int index) const override { return bar()->tabRect(index); }
    QAccessible::State itemState(int index) const override
    {
        QAccessible::State s;
        QAction* action = tab(index);
        if (!action)
            return s;
        s.selectable = true;
        s.selected = action->isChecked();
        s.disabled = !action->isEnabled();
        s.offscreen = bar()->tabRect(index).isEmpty();
        return s;
    }
    void pressItem(int index) override
    {
        // As a click on the tab: the selected one stays as it is.
        QAction* action = tab(index);
        if (action && action->isEnabled() && !action->isChecked())
            action->activate(QAction::Trigger);
    }
};

QString symbolName(QWidget* widget)
{
    switch (static_cast<RibbonSymbolButton*>(widget)->symbol()) {
    case ArrowUp:
        return translated(QT_TRANSLATE_NOOP("RibbonAccessible", "Scroll Up"));
    case ArrowDown:
        return translated(QT_TRANSLATE_NOOP("RibbonAccessible", "Scroll Down"));
    case ArrowLeft:
        return translated(QT_TRANSLATE_NOOP("RibbonAccessible", "Scroll Left"));
    case ArrowRight:
        return translated(QT_TRANSLATE_NOOP("RibbonAccessible", "Scroll Right"));
    case MoreDown:
        return translated(QT_TRANSLATE_NOOP("RibbonAccessible", "More"));
    case NavFirst:
        return translated(QT_TRANSLATE_NOOP("RibbonAccessible", "First Tab"));
    case NavPrev:
        return translated(QT_TRANSLATE_NOOP("RibbonAccessible", "Previous Tab"));
    case NavNext:
        return translated(QT_TRANSLATE_NOOP("RibbonAccessible", "Next Tab"));
    case NavLast:
        return translated(QT_TRANSLATE_NOOP("RibbonAccessible", "Last Tab"));
    case SymbolNone:
        break;
    }
    return {};
}

// ------------------------------------------------------------ groups

QString categoryName(const RibbonCategoryWrapper* wrapper)
{
    const RibbonCategoryAction* action = wrapper->categoryAction();
    return action ? accessibleText(action->text()) : QString();
}

/// A group of the ribbon: a named grouping while it shows its controls, a
/// drop-down button when the page is too narrow; then its popup, while open,
/// is the only child.
class CategoryWrapperAccessible : public QAccessibleWidget
{
public:
    explicit CategoryWrapperAccessible(RibbonCategoryWrapper* wrapper)
        : QAccessibleWidget(wrapper, QAccessible::Grouping)
    {
    }

    RibbonCategoryWrapper* wrapper() const { return static_cast<RibbonCategoryWrapper*>(widget()); }
    QWidget* openPopup() const
    {
        QWidget* popup = wrapper()->popup();
        return popup && popup->isVisible() ? popup : nullptr;
    }

    QAccessible::Role role() const override
    {
        return wrapper()->isColapsed() ? QAccessible::ButtonDropDown : QAccessible::Grouping;
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return categoryName(wrapper());
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (wrapper()->isColapsed()) {
            s.hasPopup = true;
            s.expandable = true;
            s.expanded = openPopup() != nullptr;
            s.collapsed = !s.expanded;
        }
        return s;
    }

    int childCount() const override
    {
        if (wrapper()->isColapsed())
            return openPopup() ? 1 : 0;
        return QAccessibleWidget::childCount();
    }
    QAccessibleInterface* child(int index) const override
    {
        if (wrapper()->isColapsed())
            return index == 0 && openPopup() ? QAccessible::queryAccessibleInterface(openPopup())
                                             : nullptr;
        return QAccessibleWidget::child(index);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (wrapper()->isColapsed())
            return child && openPopup() && child->object() == openPopup() ? 0 : -1;
        return QAccessibleWidget::indexOfChild(child);
    }

    QStringList actionNames() const override
    {
        if (!wrapper()->isColapsed() || state().disabled)
            return QAccessibleWidget::actionNames();
        return {pressAction(), showMenuAction()};
    }
    void doAction(const QString& actionName) override
    {
        if (wrapper()->isColapsed() && !wrapper()->popup() &&
            (actionName == pressAction() || actionName == showMenuAction()))
            wrapper()->setMyChecked(true);
        else
            QAccessibleWidget::doAction(actionName);
    }
};

/// The popup of a collapsed group hangs under the group's button.
class CategoryPopupAccessible : public QAccessibleWidget
{
public:
    explicit CategoryPopupAccessible(RibbonCategoryWrapperPopup* popup)
        : QAccessibleWidget(popup, QAccessible::Grouping)
    {
    }

    RibbonCategoryWrapperPopup* popup() const
    {
        return static_cast<RibbonCategoryWrapperPopup*>(widget());
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return categoryName(&popup()->wrapper());
        return QAccessibleWidget::text(t);
    }
    QAccessibleInterface* parent() const override
    {
        return QAccessible::queryAccessibleInterface(&popup()->wrapper());
    }
};

/// The stack of pages: only the page of the current tab is on screen.
class CategoryPanelsAccessible : public QAccessibleWidget
{
public:
    explicit CategoryPanelsAccessible(RibbonCategoryPanels* panels)
        : QAccessibleWidget(panels, QAccessible::LayeredPane)
    {
    }

    QWidget* current() const
    {
        QWidget* page = static_cast<QStackedWidget*>(widget())->currentWidget();
        return page && page->isVisibleTo(widget()) ? page : nullptr;
    }
    int childCount() const override { return current() ? 1 : 0; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 && current() ? QAccessible::queryAccessibleInterface(current()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child && current() && child->object() == current() ? 0 : -1;
    }
};

// ------------------------------------------------------------ status bar

class ZoomAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit ZoomAccessible(RibbonPercWidget* zoom) : QAccessibleWidget(zoom, QAccessible::Slider)
    {
    }

    RibbonPercWidget* zoom() const { return static_cast<RibbonPercWidget*>(widget()); }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name: {
            const RibbonPercAction* action = zoom()->action();
            const QString name = action ? accessibleText(action->text()) : QString();
            return name.isEmpty() ? QCoreApplication::translate("RibbonAccessible", "Zoom") : name;
        }
        case QAccessible::Value:
            return zoom()->text();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QVariant currentValue() const override
    {
        return zoom()->action() ? zoom()->action()->percentage() : zoom()->percentage();
    }
    void setCurrentValue(const QVariant& value) override
    {
        QPointer<RibbonPercAction> action = zoom()->action();
        if (!action)
            return;
        action->setPercentage(qBound(action->minimum(), value.toInt(), action->maximum()));
        if (action)
            emit action->percentageActivated(action->percentage());
    }
    QVariant maximumValue() const override
    {
        return zoom()->action() ? zoom()->action()->maximum() : 0;
    }
    QVariant minimumValue() const override
    {
        return zoom()->action() ? zoom()->action()->minimum() : 0;
    }
    QVariant minimumStepSize() const override { return 1; }
};

/// The progress indicator reads as one progress bar named by its label.
class ProgressAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit ProgressAccessible(RibbonProgressWidget* progress)
        : QAccessibleWidget(progress, QAccessible::ProgressBar)
    {
    }

    RibbonProgressWidget* progress() const { return static_cast<RibbonProgressWidget*>(widget()); }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name: {
            const QString label = progress()->label()->text();
            return label.isEmpty() ? QCoreApplication::translate("RibbonAccessible", "Progress")
                                   : label;
        }
        case QAccessible::Value:
            return progress()->progressBar()->text();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QVariant currentValue() const override { return progress()->progressBar()->value(); }
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return progress()->progressBar()->maximum(); }
    QVariant minimumValue() const override { return progress()->progressBar()->minimum(); }
    QVariant minimumStepSize() const override { return 0; }
};

// ------------------------------------------------------------ button-group strips

RibbonCatActionGroup* stripGroup(const QWidget* strip)
{
    return qobject_cast<RibbonCatActionGroup*>(strip->actions().value(0));
}

/// The member index of a menu or colour button that a wide strip hosts, or -1.
int hostedIndex(const QWidget* widget)
{
    const auto* strip = qobject_cast<const RibbonCatActionGroupWidget*>(widget->parentWidget());
    RibbonCatActionGroup* group = strip ? stripGroup(strip) : nullptr;
    if (!group)
        return -1;
    const QList<RibbonAction*>& members = group->actions();
    for (int i = 0; i < members.size(); ++i) {
        if (strip->hostedWidget(members.at(i)) == widget)
            return i;
    }
    return -1;
}

/// A menu or colour member of a wide strip. The strip paints it and hands it
/// the presses on its cell; the widget itself stays hidden over that cell,
/// so its place and visibility are the strip's.
class HostedMemberAccessible : public ActionWidgetAccessible
{
public:
    using ActionWidgetAccessible::ActionWidgetAccessible;

    QWidget* strip() const { return widget()->parentWidget(); }

    QRect rect() const override
    {
        const int index = hostedIndex(widget());
        const QRect cell = index >= 0
                               ? static_cast<RibbonCatActionGroupWidget*>(strip())->cellRect(index)
                               : QRect();
        if (cell.isEmpty() || !strip()->isVisible())
            return ActionWidgetAccessible::rect();
        return QRect(strip()->mapToGlobal(cell.topLeft()), cell.size());
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = ActionWidgetAccessible::state();
        s.invisible = !strip()->isVisible();
        s.disabled = s.disabled || !strip()->isEnabled();
        return s;
    }
};

/// A strip of joined buttons: a named group whose painted cells are its
/// buttons, toggles where checkable. The menu and colour members of a wide
/// strip are their hosted widgets, so that their popups hang under them.
class StripAccessible : public ItemViewAccessible
{
public:
    explicit StripAccessible(RibbonCatActionGroupWidget* strip)
        : ItemViewAccessible(strip, QAccessible::Grouping, QAccessible::Button)
    {
    }

    RibbonCatActionGroupWidget* strip() const
    {
        return static_cast<RibbonCatActionGroupWidget*>(widget());
    }
    RibbonCatActionGroup* group() const { return stripGroup(widget()); }
    RibbonAction* member(int index) const
    {
        RibbonCatActionGroup* g = group();
        return g ? g->actions().value(index) : nullptr;
    }
    QWidget* hosted(int index) const
    {
        RibbonAction* m = member(index);
        return m ? strip()->hostedWidget(m) : nullptr;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && group())
            return accessibleText(group()->text());
        return QAccessibleWidget::text(t);
    }

    int itemCount() const override { return group() ? int(group()->actions().size()) : 0; }
    QString itemName(int index) const override
    {
        RibbonAction* m = member(index);
        if (!m)
            return {};
        const QString name = accessibleText(m->text());
        return name.isEmpty() ? m->toolTip() : name;
    }
    QString itemDescription(int index) const override
    {
        RibbonAction* m = member(index);
        return m && m->toolTip() != itemName(index) ? m->toolTip() : QString();
    }
    QAccessible::Role itemRole(int index) const override
    {
        RibbonAction* m = member(index);
        return m && m->isCheckable() ? QAccessible::CheckBox : QAccessible::Button;
    }
    QRect itemRect(int index) const override { return strip()->cellRect(index); }
    QAccessible::State itemState(int index) const override
    {
        QAccessible::State s;
        RibbonAction* m = member(index);
        if (!m)
            return s;
        s.disabled = !m->isEnabled() || !group()->isEnabled();
        s.checkable = m->isCheckable();
        s.checked = m->isCheckable() && m->isChecked();
        s.pressed = strip()->pressedIndex() == index;
        return s;
    }
    QStringList itemActionNames(int index) const override
    {
        RibbonAction* m = member(index);
        if (m && m->isCheckable())
            return {pressAction(), toggleAction()};
        return {pressAction()};
    }
    void doItemAction(int index, const QString&) override { pressItem(index); }
    void pressItem(int index) override
    {
        // As a click on the cell.
        QPointer<RibbonAction> m = member(index);
        RibbonCatActionGroup* g = group();
        if (!m || !m->isEnabled() || !g->isEnabled())
            return;
        if (g->isExclusive() && m == g->checkedAction() && m->isChecked())
            emit m->triggered(true);
        else
            m->activate(QAction::Trigger);
    }

    QAccessibleInterface* child(int index) const override
    {
        if (QWidget* widget = hosted(index))
            return QAccessible::queryAccessibleInterface(widget);
        return ItemViewAccessible::child(index);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (child && child->object()) {
            for (int i = 0; i < itemCount(); ++i) {
                if (hosted(i) == child->object())
                    return i;
            }
            return -1;
        }
        return ItemViewAccessible::indexOfChild(child);
    }
};

const Kind statusToggleKind{
    QAccessible::PushButton,
    [](QWidget* w) { return static_cast<RibbonStatusBarWidget*>(w)->action(); },
    nullptr,
    nullptr,
    nullptr,
    [](QWidget* w) {
        // As a click: the action decides what a use means.
        if (QAction* action = static_cast<RibbonStatusBarWidget*>(w)->action())
            action->activate(QAction::Trigger);
    },
};

// ------------------------------------------------------------ combo boxes

/// A combo box of the ribbon: named by what it chooses (its action's text or
/// tool tip, or a name the host set), valued by the current entry. Qt's own
/// combo box interface takes the name from a label beside it, which a
/// ribbon's combo boxes do not have.
QString comboName(const QComboBox* box)
{
    QString name = box->accessibleName();
    const QAction* action = box->actions().value(0);
    if (name.isEmpty() && action)
        name = accessibleText(action->text());
    if (name.isEmpty() && action)
        name = action->toolTip();
    return name.isEmpty() ? box->toolTip() : name;
}

class ComboAccessible : public QAccessibleWidget
{
public:
    explicit ComboAccessible(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox)
    {
        addControllingSignal(QStringLiteral("activated(int)"));
    }

    QComboBox* box() const { return static_cast<QComboBox*>(widget()); }
    QAction* boundAction() const { return widget()->actions().value(0); }

    QString text(QAccessible::Text t) const override
    {
        QAction* action = boundAction();
        switch (t) {
        case QAccessible::Name:
            return comboName(box());
        case QAccessible::Description: {
            const QString tip = action ? action->toolTip() : widget()->toolTip();
            return tip == text(QAccessible::Name) ? QString() : tip;
        }
        case QAccessible::Value:
            return box()->isEditable() && box()->lineEdit() ? box()->lineEdit()->text()
                                                            : box()->currentText();
        default:
            return QAccessibleWidget::text(t);
        }
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.hasPopup = true;
        s.expanded = box()->view() && box()->view()->isVisible();
        s.collapsed = !s.expanded;
        s.editable = box()->isEditable();
        return s;
    }

    // The edit field (when editable), then the list of entries while it
    // shows, as the ribbon's other popups.
    QAbstractItemView* list() const
    {
        QAbstractItemView* view = box()->view();
        return view && view->isVisible() ? view : nullptr;
    }
    int childCount() const override { return QAccessibleWidget::childCount() + (list() ? 1 : 0); }
    QAccessibleInterface* child(int index) const override
    {
        if (list() && index == QAccessibleWidget::childCount())
            return QAccessible::queryAccessibleInterface(list());
        return QAccessibleWidget::child(index);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (child && list() && child->object() == list())
            return QAccessibleWidget::childCount();
        return QAccessibleWidget::indexOfChild(child);
    }

    QStringList actionNames() const override
    {
        return state().disabled ? QStringList() : QStringList{showMenuAction(), pressAction()};
    }
    void doAction(const QString& actionName) override
    {
        if (!actionNames().contains(actionName))
            return;
        if (box()->view() && box()->view()->isVisible())
            box()->hidePopup();
        else
            box()->showPopup();
    }
};

// ------------------------------------------------------------ menus of ribbon buttons

/// The QMenu that a ribbon button opens (a split button's menu, the quick
/// access bar's overflow): Qt's own menu interface is a window of the
/// application, this one hangs under its button as the ribbon's own popups
/// do. Items are numbered as the menu numbers its actions, so that the
/// menu's own focus events name the right item.
class ButtonMenuAccessible : public ItemViewAccessible
{
public:
    explicit ButtonMenuAccessible(QMenu* menu)
        : ItemViewAccessible(menu, QAccessible::PopupMenu, QAccessible::MenuItem)
    {
    }

    QMenu* menu() const { return static_cast<QMenu*>(widget()); }
    QAction* item(int index) const { return menu()->actions().value(index); }

    QAccessibleInterface* parent() const override
    {
        return QAccessible::queryAccessibleInterface(widget()->parentWidget());
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && parent())
            return parent()->text(QAccessible::Name);
        return QAccessibleWidget::text(t);
    }

    int itemCount() const override { return int(menu()->actions().size()); }
    QString itemName(int index) const override
    {
        QAction* action = item(index);
        return action ? accessibleText(action->text()) : QString();
    }
    QAccessible::Role itemRole(int index) const override
    {
        QAction* action = item(index);
        return action && action->isSeparator() ? QAccessible::Separator : QAccessible::MenuItem;
    }
    QRect itemRect(int index) const override
    {
        QAction* action = item(index);
        return action ? menu()->actionGeometry(action) : QRect();
    }
    QAccessible::State itemState(int index) const override
    {
        QAccessible::State s;
        QAction* action = item(index);
        if (!action)
            return s;
        s.invisible = !action->isVisible();
        s.disabled = !action->isEnabled();
        s.checkable = action->isCheckable();
        s.checked = action->isChecked();
        s.focusable = !action->isSeparator();
        s.focused = menu()->activeAction() == action;
        return s;
    }
    QStringList itemActionNames(int index) const override
    {
        QAction* action = item(index);
        if (!action || action->isSeparator())
            return {};
        return {pressAction()};
    }
    void pressItem(int index) override
    {
        // As a click on the item: the menu closes, then the command runs.
        QPointer<QAction> action = item(index);
        if (!action || action->isSeparator() || !action->isEnabled())
            return;
        menu()->close();
        if (action)
            action->activate(QAction::Trigger);
    }
};

/// True for the QMenus that ribbon buttons open for themselves.
bool isButtonMenu(const QWidget* menu)
{
    // Plain menus only: the view popup is a menu of tiles.
    if (menu->metaObject() != &QMenu::staticMetaObject)
        return false;
    return qobject_cast<RibbonCatMenuButton*>(menu->parentWidget()) ||
           menu->objectName() == QLatin1String("vazave_qab_overflow_menu");
}

/// An entry of the recent files: under an open sub-menu of the application
/// menu it is not on screen, whatever its widget says.
bool coveredBySubMenu(QWidget* entry)
{
    const QRect place(entry->mapToGlobal(QPoint(0, 0)), entry->size());
    for (auto* item : entry->window()->findChildren<RibbonMainMenuMenuButton*>()) {
        const RibbonMainPopupMenu* popup = item->popupMenu();
        if (popup && popup->isVisible() &&
            QRect(popup->mapToGlobal(QPoint(0, 0)), popup->size()).intersects(place))
            return true;
    }
    return false;
}

class RecentFileAccessible : public ActionWidgetAccessible
{
public:
    using ActionWidgetAccessible::ActionWidgetAccessible;

    QAccessible::State state() const override
    {
        QAccessible::State s = ActionWidgetAccessible::state();
        if (!s.invisible && coveredBySubMenu(widget())) {
            s.offscreen = true;
            s.invisible = true;
        }
        return s;
    }
};

// ------------------------------------------------------------ the table

const Kind simpleButtonKind{
    QAccessible::PushButton,
    [](QWidget* w) -> QAction* { return static_cast<RibbonCatSimpleButton*>(w)->action(); },
};
const Kind normalButtonKind{QAccessible::PushButton, firstAction};
// The quick access bar's chevron: a button with the menu of the commands
// that do not fit, its child while it shows.
QMenu* overflowMenu(QWidget* chevron)
{
    // A closed menu waits for its deferred deletion beside the open one.
    for (QMenu* menu : chevron->findChildren<QMenu*>(QStringLiteral("vazave_qab_overflow_menu"),
                                                     Qt::FindDirectChildrenOnly))
        if (menu->isVisible())
            return menu;
    return nullptr;
}
const Kind overflowButtonKind{
    QAccessible::ButtonMenu,
    firstAction,
    nullptr,
    [](QWidget* w) { return overflowMenu(w) != nullptr; },
    nullptr,
    nullptr,
    [](QWidget* w) -> QWidget* { return overflowMenu(w); },
};
const Kind symbolButtonKind{QAccessible::PushButton, nullptr, symbolName};
/// The page of a minimised ribbon, while it shows, for its selected tab.
QWidget* pagePopup(QWidget* tab)
{
    const auto* bar = qobject_cast<const RibbonMenuBar*>(tab->parentWidget());
    QWidget* popup = bar ? bar->minimizedPopup() : nullptr;
    return popup && popup->isVisible() && static_cast<const QAbstractButton*>(tab)->isChecked()
               ? popup
               : nullptr;
}

const Kind tabKind{
    QAccessible::PageTab,
    firstAction,
    nullptr,
    nullptr,
    nullptr,
    // As a click: a minimised ribbon then also opens the tab's page.
    [](QWidget* w) { clickAt(w, w->rect().center()); },
    pagePopup,
};

/// The page popup of a minimised ribbon hangs under its tab.
class PagePopupAccessible : public QAccessibleWidget
{
public:
    explicit PagePopupAccessible(QWidget* popup) : QAccessibleWidget(popup, QAccessible::Grouping)
    {
    }

    QWidget* tab() const
    {
        QWidget* bar = widget()->parentWidget();
        if (!bar)
            return nullptr;
        for (auto* tab : bar->findChildren<RibbonMenuBarButton*>()) {
            if (pagePopup(tab) == widget())
                return tab;
        }
        return nullptr;
    }
    QAccessibleInterface* parent() const override
    {
        QWidget* opener = tab();
        return opener ? QAccessible::queryAccessibleInterface(opener) : QAccessibleWidget::parent();
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && tab())
            return parent()->text(t);
        return QAccessibleWidget::text(t);
    }
};
const Kind mainMenuItemKind{
    QAccessible::MenuItem,
    [](QWidget* w) { return static_cast<RibbonMainMenuButton*>(w)->action(); },
};
const Kind subMenuItemKind{
    QAccessible::MenuItem,
    [](QWidget* w) -> QAction* { return static_cast<RibbonMainMenuMenuButton*>(w)->action(); },
    nullptr,
    [](QWidget* w) {
        const RibbonMainPopupMenu* popup = static_cast<RibbonMainMenuMenuButton*>(w)->popupMenu();
        return popup && popup->isVisible();
    },
    [](QWidget* w) { static_cast<RibbonMainMenuMenuButton*>(w)->showPopup(); },
    nullptr,
    [](QWidget* w) -> QWidget* {
        RibbonMainPopupMenu* popup = static_cast<RibbonMainMenuMenuButton*>(w)->popupMenu();
        return popup && popup->isVisible() ? popup : nullptr;
    },
};
const Kind recentFileKind{
    QAccessible::MenuItem,
    [](QWidget* w) { return static_cast<RibbonRecentFiles::RecentFile*>(w)->action(); },
};
const Kind panelButtonKind{QAccessible::PushButton, firstAction};
const Kind mainButtonKind{
    QAccessible::ButtonMenu,
    nullptr,
    [](QWidget*) { return QCoreApplication::translate("RibbonAccessible", "Application Menu"); },
    [](QWidget* w) { return static_cast<QAbstractButton*>(w)->isChecked(); },
    nullptr,
    nullptr,
    [](QWidget* w) -> QWidget* {
        auto* panel = w->findChild<RibbonPanelMain*>(QString(), Qt::FindDirectChildrenOnly);
        return panel && panel->isVisible() ? panel : nullptr;
    },
};
const Kind sysButtonKind{
    QAccessible::PushButton,
    nullptr,
    [](QWidget* w) {
        switch (static_cast<RibbonSysButton*>(w)->type()) {
        case RibbonSysButton::BtnMinimize:
            return QCoreApplication::translate("RibbonAccessible", "Minimize");
        case RibbonSysButton::BtnMaximizeRestore:
            return w->window()->isMaximized()
                       ? QCoreApplication::translate("RibbonAccessible", "Restore")
                       : QCoreApplication::translate("RibbonAccessible", "Maximize");
        case RibbonSysButton::BtnClose:
            break;
        }
        return QCoreApplication::translate("RibbonAccessible", "Close");
    },
};
const Kind closeButtonKind{QAccessible::PushButton, nullptr, [](QWidget*) {
                               return QCoreApplication::translate("RibbonAccessible", "Close");
                           }};

template <class T> bool is(const QString& className)
{
    return className == QLatin1String(T::staticMetaObject.className());
}

} // namespace

void nameComboEditor(QComboBox* box)
{
    // The edit field has the keyboard focus for its combo box: a screen
    // reader announces it, by the combo box's name.
    QLineEdit* edit = box ? box->lineEdit() : nullptr;
    if (edit && edit->accessibleName() != comboName(box))
        edit->setAccessibleName(comboName(box));
}

QAccessibleInterface* ribbonAccessibleFactory(const QString& className, QObject* object)
{
    // Only the exact class: a host's subclass reaches here again with our
    // class name while Qt walks up its meta-object chain.
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (is<RibbonCatSimpleButton>(className))
        return new ActionWidgetAccessible(widget, simpleButtonKind);
    if (is<RibbonCatMenuButton>(className)) {
        auto* button = static_cast<RibbonCatMenuButton*>(widget);
        if (qobject_cast<RibbonCatMenuButtonPPriv*>(button->priv()))
            return new GalleryAccessible(button);
        if (hostedIndex(widget) >= 0)
            return new HostedMemberAccessible(widget, menuButtonKind);
        return new ActionWidgetAccessible(widget, menuButtonKind);
    }
    if (is<RibbonMenuBarButton>(className))
        return new ActionWidgetAccessible(widget, tabKind);
    if (is<RibbonCatColorMenuButton>(className)) {
        if (hostedIndex(widget) >= 0)
            return new HostedMemberAccessible(widget, colorButtonKind);
        return new ActionWidgetAccessible(widget, colorButtonKind);
    }
    if (className == QLatin1String("oru::RibbonPagePopup"))
        return new PagePopupAccessible(widget);
    if (is<RibbonCatActionGroupWidget>(className))
        return new StripAccessible(static_cast<RibbonCatActionGroupWidget*>(widget));
    if (is<RibbonStatusBarWidget>(className))
        return new ActionWidgetAccessible(widget, statusToggleKind);
    if (is<RibbonCatComboComboBox>(className) || is<RibbonCatFontFamilyComboBox>(className))
        return new ComboAccessible(static_cast<QComboBox*>(widget));
    if (is<RibbonColorPickerPopup>(className))
        return new PopupAccessible(widget, QAccessible::Grouping);
    if (is<RibbonCatMenuPalettePopup>(className))
        return new PalettePopupAccessible(static_cast<RibbonCatMenuPalettePopup*>(widget));
    if (is<RibbonPanelMain>(className) || is<RibbonMainPopupMenu>(className))
        return new PopupAccessible(widget, QAccessible::PopupMenu);
    if (is<RibbonCategoryWrapper>(className))
        return new CategoryWrapperAccessible(static_cast<RibbonCategoryWrapper*>(widget));
    if (is<RibbonCategoryWrapperPopup>(className))
        return new CategoryPopupAccessible(static_cast<RibbonCategoryWrapperPopup*>(widget));
    if (is<RibbonCategoryPanels>(className))
        return new CategoryPanelsAccessible(static_cast<RibbonCategoryPanels*>(widget));
    if (is<RibbonColorPickerPopupColorItems>(className))
        return new ColorGridAccessible(static_cast<RibbonColorPickerPopupColorItems*>(widget));
    if (is<RibbonPercWidget>(className))
        return new ZoomAccessible(static_cast<RibbonPercWidget*>(widget));
    if (is<RibbonProgressWidget>(className))
        return new ProgressAccessible(static_cast<RibbonProgressWidget*>(widget));
    if (is<RibbonMainMenuButton>(className))
        return new ActionWidgetAccessible(widget, mainMenuItemKind);
    if (is<RibbonMainMenuMenuButton>(className))
        return new ActionWidgetAccessible(widget, subMenuItemKind);
    if (className == QLatin1String("QAbstractButton") &&
        dynamic_cast<RibbonRecentFiles::RecentFile*>(widget))
        return new RecentFileAccessible(widget, recentFileKind);
    if (className == QLatin1String("QMenu") && isButtonMenu(widget))
        return new ButtonMenuAccessible(static_cast<QMenu*>(widget));
    if (is<RibbonMainPanelButton>(className))
        return new ActionWidgetAccessible(widget, panelButtonKind);
    if (is<RibbonButtonNormal>(className))
        return new ActionWidgetAccessible(widget, widget->objectName() ==
                                                          QLatin1String("vazave_qab_overflow")
                                                      ? overflowButtonKind
                                                      : normalButtonKind);
    if (is<RibbonButtonMain>(className))
        return new ActionWidgetAccessible(widget, mainButtonKind);
    if (is<RibbonTabBar>(className))
        return new TabBarAccessible(static_cast<RibbonTabBar*>(widget));
    if (is<RibbonSymbolButton>(className))
        return new ActionWidgetAccessible(widget, symbolButtonKind);
    if (is<RibbonSysButton>(className))
        return new ActionWidgetAccessible(widget, sysButtonKind);
    if (is<RibbonSmallSysBtnClose>(className))
        return new ActionWidgetAccessible(widget, closeButtonKind);
    // The frameless windows are windows to a screen reader (a frame, named
    // by the title), not the filler of a plain top-level widget.
    if ((is<RibbonMainWindow>(className) || is<RibbonWindow>(className) ||
         is<RibbonChildWindow>(className)) &&
        widget->isWindow())
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

} // namespace oru

void oru::installRibbonAccessibility()
{
    // Factories installed last are asked first: moving ours behind Qt's own
    // lets it also serve ribbon widgets whose class Qt knows (the recent file
    // entries have no meta-object of their own).
    QAccessible::removeFactory(ribbonAccessibleFactory);
    QAccessible::installFactory(ribbonAccessibleFactory);
}

// Installed when the library is loaded, so that a plain QApplication host
// gets it as well; RibbonApplication installs it again in front of Qt's.
static void installOnLoad()
{
    oru::installRibbonAccessibility();
}
Q_CONSTRUCTOR_FUNCTION(installOnLoad)
