#include <oruRibbonButtonMain.h>
#include <oruRibbonButtonNormal.h>
#include <oruRibbonCatActionGroup.h>
#include <oruRibbonCatColorMenuAction.h>
#include <oruRibbonCatColorMenuButton.h>
#include <oruRibbonCatComboAction.h>
#include <oruRibbonCatFontFamilyAction.h>
#include <oruRibbonCatMenuAction.h>
#include <oruRibbonCatMenuButton.h>
#include <oruRibbonCatSimpleAction.h>
#include <oruRibbonCategoriesPanelAction.h>
#include <oruRibbonCategory.h>
#include <oruRibbonCategoryAction.h>
#include <oruRibbonCategoryPanel.h>
#include <oruRibbonCategoryPanels.h>
#include <oruRibbonCategoryWrapper.h>
#include <oruRibbonMainMenuMenuButton.h>
#include <oruRibbonMainWindow.h>
#include <oruRibbonMenuAction.h>
#include <oruRibbonMenuBar.h>
#include <oruRibbonPanelMain.h>
#include <oruRibbonPercAction.h>
#include <oruRibbonProgressAction.h>
#include <oruRibbonQuickAccessBar.h>
#include <oruRibbonSimpleAction.h>
#include <oruRibbonStatusBar.h>

#include "oruTestApp.h"

#include <QActionGroup>
#include <QElapsedTimer>
#include <QHash>
#include <QMouseEvent>
#include <QPointer>

#include <functional>
#include <random>

using namespace oru;

namespace {

int envInt(const char* name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

QIcon icon(int seed)
{
    return test::solidIcon(16, QColor::fromHsv((seed * 47) % 360, 200, 200));
}

void pressAt(QWidget* widget, const QPoint& pos)
{
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(pos), QPointF(widget->mapToGlobal(pos)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    if (auto* group = dynamic_cast<IRibbonGroupWidget*>(widget))
        group->processEvents(&press);
    else
        QCoreApplication::sendEvent(widget, &press);
}

// Open popups that are not shown from another open popup (a sub-menu counts
// with the menu it belongs to).
QList<QWidget*> rootPopups()
{
    QList<QWidget*> roots;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!w->isVisible() || w->windowType() != Qt::Popup)
            continue;
        QWidget* up = w->parentWidget();
        bool nested = false;
        for (; up; up = up->parentWidget())
            if (up->window()->isVisible() && up->window()->windowType() == Qt::Popup) {
                nested = true;
                break;
            }
        if (!nested)
            roots << w;
    }
    return roots;
}

template <class T> void prune(QList<QPointer<T>>& list)
{
    list.removeIf([](const QPointer<T>& p) { return p.isNull(); });
}

// A main window with every container, changed by random operations; every
// step ends with a check of the invariants that must hold whatever happened.
class Stress
{
public:
    explicit Stress(quint32 seed) : m_rng(seed)
    {
        m_window.resize(1400, 600);
        m_window.show();
        for (int i = 0; i < 3; ++i)
            addTab();
    }

    ~Stress()
    {
        closePopups();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // One random operation; its name goes into the trail of the run.
    void step()
    {
        struct Op
        {
            const char* name;
            int weight;
            void (Stress::*run)();
        };
        static const Op ops[] = {
            {"addTab", 3, &Stress::addTab},
            {"removeTab", 3, &Stress::removeTab},
            {"addCategory", 5, &Stress::addCategory},
            {"removeCategory", 4, &Stress::removeCategory},
            {"addControl", 12, &Stress::addControl},
            {"removeControl", 8, &Stress::removeControl},
            {"aliasControl", 3, &Stress::aliasControl},
            {"destroyAlias", 2, &Stress::destroyAlias},
            {"changeAction", 12, &Stress::changeAction},
            {"trigger", 5, &Stress::trigger},
            {"selectTab", 5, &Stress::selectTab},
            {"openPopup", 10, &Stress::openPopup},
            {"closePopup", 5, &Stress::closePopups},
            {"deleteBehindPopup", 4, &Stress::deleteBehindPopup},
            {"resize", 8, &Stress::resize},
            {"skin", 2, &Stress::switchSkin},
            {"widgetStyle", 1, &Stress::switchWidgetStyle},
            {"statusBar", 3, &Stress::statusBar},
            {"quickAccess", 2, &Stress::quickAccess},
            {"appMenu", 3, &Stress::appMenu},
            {"repaint", 2, &Stress::repaint},
        };
        int total = 0;
        for (const Op& op : ops)
            total += op.weight;
        int pick = below(total);
        const Op* chosen = ops;
        while (pick >= chosen->weight)
            pick -= (chosen++)->weight;
        m_trail << QString::fromLatin1(chosen->name);
        if (m_trail.size() > 12)
            m_trail.removeFirst();
        (this->*chosen->run)();
        trim();
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (QWidget* popup = QApplication::activePopupWidget())
            m_popupKinds[QString::fromLatin1(popup->metaObject()->className())]++;
    }

    // How often each kind of popup was open at the end of a step.
    QString popupFigures() const
    {
        QStringList figures;
        for (auto it = m_popupKinds.cbegin(); it != m_popupKinds.cend(); ++it)
            figures << QStringLiteral("%1 %2").arg(it.key()).arg(it.value());
        return figures.join(QStringLiteral(", "));
    }

    QString trail() const { return m_trail.join(QStringLiteral(" ")); }

    // What the window holds now: a long run must not grow without bound.
    QString population()
    {
        prune(m_tabs);
        prune(m_categories);
        prune(m_controls);
        return QStringLiteral("%1 tabs (%2 in all), %3 groups, %4 controls, %5 quick access "
                              "buttons, minimum width %6")
            .arg(bar().categoryGroup()->actions().size())
            .arg(m_tabs.size())
            .arg(m_categories.size())
            .arg(m_controls.size())
            .arg(bar().quickAccessBar()->findChildren<RibbonButtonNormal*>().size())
            .arg(m_window.minimumSizeHint().width());
    }

    // Empty when every invariant holds, else what broke.
    QString checkInvariants()
    {
        QString error;
        const auto fail = [&](const QString& what) {
            if (error.isEmpty())
                error = what;
        };
        RibbonMenuBar& bar = *m_window.ribbonMenuBar();
        RibbonCategoryPanels& stack = *bar.panels();

        // The tab rule: at most one tab is selected, and it is the page shown.
        const QList<QAction*> tabs = bar.categoryGroup()->actions();
        int checked = 0;
        for (QAction* tab : tabs) {
            auto* panelAction = qobject_cast<RibbonCategoriesPanelAction*>(tab);
            if (!panelAction || !stack.page(panelAction))
                fail(QStringLiteral("tab %1 has no page").arg(tab->text()));
            if (tab->isChecked()) {
                ++checked;
                if (panelAction && stack.currentWidget() != stack.page(panelAction))
                    fail(QStringLiteral("selected tab %1 is not the page shown").arg(tab->text()));
            }
        }
        if (checked > 1)
            fail(QStringLiteral("%1 tabs selected").arg(checked));
        if (stack.count() != tabs.size())
            fail(QStringLiteral("%1 pages for %2 tabs").arg(stack.count()).arg(tabs.size()));

        for (QAction* tab : tabs) {
            auto* panelAction = qobject_cast<RibbonCategoriesPanelAction*>(tab);
            RibbonCategoryPanel* page = panelAction ? stack.page(panelAction) : nullptr;
            if (!page)
                continue;
            const QList<RibbonCategoryWrapper*>& wrappers = page->pageLayout()->wrappers();
            if (wrappers.size() != panelAction->categories().size())
                fail(QStringLiteral("%1 wrappers for %2 categories")
                         .arg(wrappers.size())
                         .arg(panelAction->categories().size()));
            for (RibbonCategoryWrapper* wrapper : wrappers) {
                if (!panelAction->categories().contains(wrapper->categoryAction()))
                    fail(QStringLiteral("a wrapper outlives its category"));
                checkCategory(wrapper->category(), fail);
                if (wrapper->popup())
                    checkCategory(wrapper->popup()->popupCategory(), fail);
            }
            if (page->isVisible())
                checkPageGeometry(*page, wrappers, fail);
        }

        const QList<QWidget*> popups = rootPopups();
        if (popups.size() > 1)
            fail(QStringLiteral("%1 popups open").arg(popups.size()));

        // Status bar: one widget per handled action, none without its action.
        RibbonStatusBar& status = *m_window.ribbonStatusBar();
        for (QAction* action : status.actions()) {
            const bool handled = qobject_cast<RibbonSimpleAction*>(action) ||
                                 qobject_cast<RibbonPercAction*>(action) ||
                                 qobject_cast<RibbonProgressAction*>(action);
            if (handled && !status.widgetFor(action))
                fail(QStringLiteral("status bar action %1 has no widget").arg(action->text()));
        }
        int statusWidgets = 0;
        for (QWidget* child : status.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (child->isWindow() || child->actions().isEmpty())
                continue;
            QAction* own = child->actions().constFirst();
            if (status.widgetFor(own) == child) {
                ++statusWidgets;
                if (!status.actions().contains(own))
                    fail(QStringLiteral("a status bar widget outlives its action"));
            }
        }
        int statusHandled = 0;
        for (QAction* action : status.actions())
            statusHandled += status.widgetFor(action) ? 1 : 0;
        if (statusWidgets != statusHandled)
            fail(QStringLiteral("%1 status widgets for %2 actions")
                     .arg(statusWidgets)
                     .arg(statusHandled));

        // Quick access bar: exactly one button per command.
        RibbonQuickAccessBar& qab = *bar.quickAccessBar();
        // Counted in one pass over the buttons: the bar may hold a command
        // for each of a few hundred controls, and a search of every button
        // per command made each step quadratic in their number.
        QHash<QAction*, int> buttonsOf;
        for (RibbonButtonNormal* button :
             qab.findChildren<RibbonButtonNormal*>(Qt::FindDirectChildrenOnly))
            for (QAction* shown : button->actions())
                ++buttonsOf[shown];
        for (QAction* action : qab.actions()) {
            if (!qobject_cast<RibbonSimpleAction*>(action))
                continue;
            const int count = buttonsOf.value(action);
            if (count != 1)
                fail(QStringLiteral("quick access command has %1 buttons").arg(count));
        }
        // What shows of the bar fits in it, left of the customize button;
        // the chevron shows exactly while some commands do not.
        if (qab.isVisible()) {
            QWidget* customize = nullptr;
            QWidget* chevron = nullptr;
            QList<QWidget*> shown;
            for (RibbonButtonNormal* button :
                 qab.findChildren<RibbonButtonNormal*>(Qt::FindDirectChildrenOnly)) {
                QAction* own = button->actions().value(0);
                if (own == qab.customizeAction())
                    customize = button;
                else if (own == qab.overflowAction())
                    chevron = button;
                else if (button->isVisible())
                    shown << button;
            }
            if (!customize || !chevron)
                fail(QStringLiteral("the quick access bar lost its customize button or chevron"));
            else if (chevron->isVisible() == qab.overflowActions().isEmpty())
                fail(QStringLiteral("the chevron shows %1 with %2 commands hidden")
                         .arg(chevron->isVisible())
                         .arg(qab.overflowActions().size()));
            else {
                if (chevron->isVisible())
                    shown << chevron;
                for (QWidget* button : std::as_const(shown))
                    if (button->x() < 0 || button->geometry().right() >= customize->x())
                        fail(QStringLiteral("a quick access button at %1 past the customize "
                                            "button at %2")
                                 .arg(button->x())
                                 .arg(customize->x()));
                if (customize->geometry().right() >= qab.width())
                    fail(QStringLiteral("the customize button outside its bar"));
            }
        }
        return error;
    }

private:
    using Fail = std::function<void(const QString&)>;

    static bool isHandledControl(RibbonAction* action)
    {
        return qobject_cast<RibbonCatMenuAction*>(action) ||
               qobject_cast<RibbonCatSimpleAction*>(action) ||
               qobject_cast<RibbonCatColorMenuAction*>(action) ||
               qobject_cast<RibbonCatActionGroup*>(action) ||
               qobject_cast<RibbonCatFontFamilyAction*>(action) ||
               qobject_cast<RibbonCatComboAction*>(action);
    }

    static void checkCategory(RibbonCategory* category, const Fail& fail)
    {
        if (!category)
            return fail(QStringLiteral("a wrapper without its category widget"));
        RibbonCategoryAction* action = category->categoryAction();
        if (!action)
            return fail(QStringLiteral("a category widget outlives its action"));
        QSet<QWidget*> built;
        for (RibbonAction* control : action->actions()) {
            QWidget* widget = category->widget(control);
            // A group on a page never shown has no control widgets yet.
            if (isHandledControl(control) && !widget && category->isBuilt())
                fail(QStringLiteral("control %1 has no widget").arg(control->text()));
            if (widget && built.contains(widget))
                fail(QStringLiteral("one widget for two controls"));
            if (widget)
                built.insert(widget);
        }
        const bool laidOut = category->isVisible();
        for (QWidget* child : category->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (child->isWindow())
                continue;
            if (!built.contains(child))
                fail(QStringLiteral("a control widget outlives its action (%1)")
                         .arg(QString::fromLatin1(child->metaObject()->className())));
            else if (laidOut && !child->isHidden() &&
                     (child->geometry().isEmpty() || !category->rect().contains(child->geometry())))
                fail(QStringLiteral("control %1 at %2,%3 %4x%5 outside its group of %6x%7")
                         .arg(category->action(child)->text())
                         .arg(child->x())
                         .arg(child->y())
                         .arg(child->width())
                         .arg(child->height())
                         .arg(category->width())
                         .arg(category->height()));
        }
    }

    static void checkPageGeometry(const RibbonCategoryPanel& page,
                                  const QList<RibbonCategoryWrapper*>& wrappers, const Fail& fail)
    {
        // The collapse pass leaves the 2-pixel gaps between groups out of its
        // sum, so the last group may reach past the page by that much; and
        // when every group is collapsed there is nothing left to give.
        int shown = 0;
        bool allCollapsed = true;
        for (RibbonCategoryWrapper* wrapper : wrappers) {
            shown += wrapper->isHidden() ? 0 : 1;
            allCollapsed = allCollapsed && wrapper->isColapsed();
        }
        const QRect room = page.rect().adjusted(0, 0, allCollapsed ? 1 << 20 : 2 * shown, 0);
        QList<QRect> placed;
        for (RibbonCategoryWrapper* wrapper : wrappers) {
            if (wrapper->isHidden())
                continue;
            const QRect r = wrapper->geometry();
            if (r.isEmpty() || !room.contains(r))
                fail(QStringLiteral("group %1 at %2,%3 %4x%5 outside its page of %6x%7")
                         .arg(wrapper->categoryAction() ? wrapper->categoryAction()->text()
                                                        : QString())
                         .arg(r.x())
                         .arg(r.y())
                         .arg(r.width())
                         .arg(r.height())
                         .arg(page.width())
                         .arg(page.height()));
            if (!placed.isEmpty() && r.left() <= placed.constLast().right())
                fail(QStringLiteral("two groups overlap or leave the page order"));
            placed << r;
        }
    }

    int below(int n) { return n <= 0 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(m_rng); }
    bool chance(int percent) { return below(100) < percent; }
    template <class T> T* pick(QList<QPointer<T>>& list)
    {
        prune(list);
        return list.isEmpty() ? nullptr : list.at(below(int(list.size()))).data();
    }
    QString name(const char* kind)
    {
        return QStringLiteral("%1 %2").arg(QLatin1String(kind)).arg(++m_serial);
    }

    RibbonMenuBar& bar() { return *m_window.ribbonMenuBar(); }

    RibbonCategoriesPanelAction* checkedTab()
    {
        return qobject_cast<RibbonCategoriesPanelAction*>(bar().categoryGroup()->checkedAction());
    }

    RibbonCategoryAction* newCategory()
    {
        auto* category = new RibbonCategoryAction(icon(m_serial), name("Group"), &m_host);
        m_categories << category;
        const int controls = below(4);
        for (int i = 0; i < controls; ++i)
            category->addAction(newControl(), below(4) - 1);
        return category;
    }

    RibbonAction* newControl()
    {
        RibbonAction* action = nullptr;
        switch (below(10)) {
        case 0:
        case 1:
        case 2:
            action = new RibbonCatSimpleAction(icon(m_serial), name("Button"),
                                               RibbonCatSimpleAction::eSize(below(3)), &m_host);
            break;
        case 3: {
            const bool palette = chance(40);
            auto* menu = new RibbonCatMenuAction(
                icon(m_serial), name("Menu"),
                palette ? RibbonCatMenuAction::Palette : RibbonCatMenuAction::Button,
                RibbonCatMenuAction::eMenuSize(below(3)),
                palette ? RibbonCatMenuAction::PalettePopup
                        : RibbonCatMenuAction::ePopupType(chance(70) ? 0 : 2),
                &m_host);
            const int entries = 1 + below(6);
            for (int i = 0; i < entries; ++i)
                menu->addAction(new RibbonSimpleAction(icon(i), name("Entry"), menu),
                                i == 0 && chance(50));
            if (menu->popupType() == RibbonCatMenuAction::ViewPopup) {
                auto* group = new QActionGroup(menu);
                for (int i = 0; i < 3; ++i)
                    group->addAction(new RibbonSimpleAction(icon(i), name("View"), menu));
                menu->addIconActionGroup(group);
                menu->addTopAction(new RibbonSimpleAction(icon(1), name("Top"), menu));
                menu->addBottomAction(new RibbonSimpleAction(icon(2), name("Bottom"), menu));
            }
            action = menu;
            break;
        }
        case 4: {
            auto* group = new RibbonCatActionGroup(name("Set"), &m_host);
            group->setExclusive(chance(50));
            const int members = 2 + below(3);
            for (int i = 0; i < members; ++i) {
                auto* member = new RibbonCatSimpleAction(icon(i), name("Member"),
                                                         RibbonCatSimpleAction::Small, group);
                member->setCheckable(true);
                group->addAction(member);
            }
            if (chance(40))
                group->addAction(new RibbonCatColorMenuAction(
                                     icon(3), name("Ink"), RibbonCatColorMenuAction::Small, group),
                                 true);
            action = group;
            break;
        }
        case 5:
        case 6: {
            auto* colour = new RibbonCatColorMenuAction(
                icon(m_serial), name("Colour"), RibbonCatColorMenuAction::eSize(below(3)), &m_host);
            colour->setHasAutomaticColor(chance(50));
            colour->setHasNoneColor(chance(50));
            colour->setColor(QColor::fromHsv(below(360), 255, 255));
            action = colour;
            break;
        }
        case 7: {
            auto* combo = new RibbonCatComboAction(&m_host);
            for (int i = 0; i < 4; ++i)
                combo->addItem(name("Item"));
            combo->setEditable(chance(50));
            combo->setWidth(40 + below(100));
            action = combo;
            break;
        }
        case 8:
            action = new RibbonCatFontFamilyAction(QFont(QStringLiteral("DejaVu Sans")), &m_host);
            break;
        default:
            action = new RibbonCatSimpleAction(name("Wide button with a long caption"),
                                               RibbonCatSimpleAction::Large, &m_host);
            break;
        }
        m_controls << action;
        return action;
    }

    void addTab()
    {
        if (bar().categoryGroup()->actions().size() >= 6)
            return removeTab();
        RibbonCategoriesPanelAction* tab = nullptr;
        prune(m_spareTabs);
        if (!m_spareTabs.isEmpty() && chance(50)) {
            tab = m_spareTabs.takeAt(below(int(m_spareTabs.size()))).data();
        } else {
            tab = new RibbonCategoriesPanelAction(name("Tab"), &m_host);
            tab->setCheckable(true);
            const int groups = 1 + below(4);
            for (int i = 0; i < groups; ++i)
                tab->addCategory(newCategory());
        }
        RibbonCategoriesPanelAction* before = checkedTab();
        tab->setChecked(chance(40));
        const bool selects = tab->isChecked();
        bar().addAction(tab);
        if (!m_tabs.contains(tab))
            m_tabs << tab;
        RibbonCategoriesPanelAction* after = checkedTab();
        if (after != (selects ? tab : before))
            m_ruleBroken = QStringLiteral("adding a tab changed the selection wrongly");
    }

    void removeTab()
    {
        const QList<QAction*> tabs = bar().categoryGroup()->actions();
        if (tabs.isEmpty())
            return addTab();
        const int index = below(int(tabs.size()));
        auto* tab = qobject_cast<RibbonCategoriesPanelAction*>(tabs.at(index));
        if (!tab)
            return;
        RibbonCategoriesPanelAction* before = checkedTab();
        if (chance(25)) {
            destroyTab(tab);
            return;
        }
        bar().removeAction(tab);
        m_spareTabs << tab;
        const QList<QAction*> left = bar().categoryGroup()->actions();
        QAction* expected = before;
        if (before == tab)
            expected = left.isEmpty() ? nullptr : left.at(qMin(index, int(left.size()) - 1));
        if (checkedTab() != expected)
            m_ruleBroken = QStringLiteral("removing tab %1 of %2 selected the wrong tab")
                               .arg(index)
                               .arg(tabs.size());
    }

    void destroyTab(RibbonCategoriesPanelAction* tab) { delete tab; }

    // The host forgets what it no longer shows, oldest first, so that the
    // pools stay the size of a real program's and the random picks keep
    // landing on what the window shows; else after a few ten thousand steps
    // they would mostly pick among thousands of loose objects.
    void trim()
    {
        forgetOldest(m_spareTabs, 3);
        prune(m_tabs);
        prune(m_categories);
        if (m_categories.size() > 80) {
            QSet<QAction*> used;
            for (const QPointer<RibbonCategoriesPanelAction>& tab : std::as_const(m_tabs))
                for (RibbonCategoryAction* category : tab->categories())
                    used.insert(category);
            forgetOldest(m_categories, 80, used);
        }
        prune(m_controls);
        if (m_controls.size() > 400) {
            QSet<QAction*> used;
            for (const QPointer<RibbonCategoryAction>& category : std::as_const(m_categories))
                for (RibbonAction* control : category->actions())
                    used.insert(control);
            forgetOldest(m_controls, 400, used);
        }
        forgetOldest(m_aliases, 100);
    }

    // Deletes the oldest of @p pool that are not in @p used until at most
    // @p most are left.
    template <class T>
    static void forgetOldest(QList<QPointer<T>>& pool, qsizetype most,
                             const QSet<QAction*>& used = {})
    {
        prune(pool);
        for (qsizetype i = 0; i < pool.size() && pool.size() > most;)
            if (used.contains(pool.at(i).data()))
                ++i;
            else
                delete pool.takeAt(i).data();
    }

    void selectTab()
    {
        const QList<QAction*> tabs = bar().categoryGroup()->actions();
        if (!tabs.isEmpty())
            tabs.at(below(int(tabs.size())))->trigger();
    }

    void addCategory()
    {
        RibbonCategoriesPanelAction* tab = pick(m_tabs);
        if (!tab)
            return addTab();
        if (tab->categories().size() >= 7)
            return removeCategory();
        tab->addCategory(newCategory());
    }

    void removeCategory()
    {
        RibbonCategoryAction* category = pick(m_categories);
        if (!category)
            return;
        if (chance(40))
            return destroyCategory(category);
        prune(m_tabs);
        for (const QPointer<RibbonCategoriesPanelAction>& tab : m_tabs)
            if (tab->categories().contains(category))
                tab->removeCategory(category);
        // Loose groups stay around to be added again, but not without end.
        if (m_categories.size() > 60)
            delete category;
    }

    void destroyCategory(RibbonCategoryAction* category) { delete category; }

    void addControl()
    {
        RibbonCategoryAction* category = pick(m_categories);
        if (!category)
            return;
        if (category->actions().size() >= 8)
            return removeControl();
        category->addAction(newControl(), below(4) - 1);
    }

    void removeControl()
    {
        RibbonAction* control = pick(m_controls);
        if (!control)
            return;
        if (chance(50)) {
            delete control;
            return;
        }
        prune(m_categories);
        for (const QPointer<RibbonCategoryAction>& category : m_categories)
            if (category->actions().contains(control))
                category->removeAction(control);
        // Keep the pool of loose actions small, as a host would.
        if (m_controls.size() > 200)
            delete control;
    }

    void aliasControl()
    {
        RibbonCategoryAction* category = pick(m_categories);
        if (!category)
            return;
        auto* alias = new QAction(icon(m_serial), name("Host command"), &m_host);
        alias->setCheckable(chance(50));
        m_aliases << alias;
        auto* control = new RibbonCatSimpleAction(QPointer<QAction>(alias),
                                                  RibbonCatSimpleAction::eSize(below(3)), &m_host);
        m_controls << control;
        category->addAction(control);
        if (!chance(30))
            return;
        // A host keeps its quick access bar to a handful of commands; without
        // a bound, a long run would pile up hundreds of buttons there and
        // each step would repaint a window as wide as all of them.
        RibbonQuickAccessBar* qab = bar().quickAccessBar();
        prune(m_quickControls);
        if (m_quickControls.size() >= 12) {
            RibbonCatSimpleAction* dropped = m_quickControls.takeAt(below(12)).data();
            qab->removeAction(dropped);
            m_controls.removeAll(dropped);
            delete dropped;
        }
        m_quickControls << control;
        qab->addAction(control);
    }

    void destroyAlias()
    {
        if (QAction* alias = pick(m_aliases)) {
            if (chance(50))
                alias->setText(name("Renamed"));
            else
                delete alias;
        }
    }

    void changeAction()
    {
        QAction* action = nullptr;
        if (chance(20))
            action = pick(m_aliases);
        if (!action)
            action = pick(m_controls);
        if (!action && chance(50))
            action = pick(m_categories);
        if (!action)
            return;
        switch (below(6)) {
        case 0:
            action->setEnabled(!action->isEnabled());
            break;
        case 1:
            action->setCheckable(true);
            action->setChecked(!action->isChecked());
            break;
        case 2:
            action->setText(chance(20) ? QString() : name("Text"));
            break;
        case 3:
            action->setIcon(chance(20) ? QIcon() : icon(m_serial++));
            break;
        case 4:
            if (auto* colour = qobject_cast<RibbonCatColorMenuAction*>(action)) {
                if (chance(30))
                    colour->setAutomatic();
                else if (chance(30))
                    colour->setNone();
                else
                    colour->setColor(QColor::fromHsv(below(360), 200, 200));
            } else if (auto* combo = qobject_cast<RibbonCatComboAction*>(action)) {
                combo->addItem(name("More"));
                combo->setSelectionText(combo->items().value(below(int(combo->items().size()))));
            }
            break;
        default:
            if (auto* ribbon = qobject_cast<RibbonAction*>(action))
                ribbon->sendActionChangedEvt();
            break;
        }
    }

    void trigger()
    {
        if (RibbonAction* action = pick(m_controls))
            action->activate(QAction::Trigger);
    }

    template <class W> QList<W*> visible()
    {
        QList<W*> found;
        for (W* widget : m_window.findChildren<W*>())
            if (widget->isVisible())
                found << widget;
        return found;
    }

    void openPopup()
    {
        closePopups();
        switch (below(6)) {
        case 0: { // a collapsed group
            RibbonCategoriesPanelAction* tab = checkedTab();
            RibbonCategoryPanel* page = tab ? bar().panels()->page(tab) : nullptr;
            if (!page)
                return;
            for (RibbonCategoryWrapper* wrapper : page->pageLayout()->wrappers())
                if (wrapper->isColapsed() && wrapper->isVisible()) {
                    wrapper->setMyChecked(true);
                    m_popupAction = wrapper->categoryAction();
                    return;
                }
            return;
        }
        case 1:
        case 2: { // drop-down, palette or view popup of a menu button, status bar included
            const QList<RibbonCatMenuButton*> buttons = visible<RibbonCatMenuButton>();
            if (buttons.isEmpty())
                return;
            RibbonCatMenuButton* button = buttons.at(below(int(buttons.size())));
            m_popupAction = button->action();
            pressAt(button, QPoint(button->width() - 3, button->height() - 3));
            return;
        }
        case 3: { // colour picker
            const QList<RibbonCatColorMenuButton*> buttons = visible<RibbonCatColorMenuButton>();
            if (buttons.isEmpty())
                return;
            RibbonCatColorMenuButton* button = buttons.at(below(int(buttons.size())));
            m_popupAction = button->actions().value(0);
            pressAt(button, QPoint(button->width() - 3, button->height() - 3));
            return;
        }
        default: { // application menu, perhaps with a sub-menu
            bar().mainButton()->click();
            m_popupAction = &bar().mainMenuActions();
            if (chance(50))
                return;
            auto* panel = bar().mainButton()->findChild<RibbonPanelMain*>();
            const QList<RibbonMainMenuMenuButton*> subMenus =
                panel ? panel->findChildren<RibbonMainMenuMenuButton*>()
                      : QList<RibbonMainMenuMenuButton*>();
            if (!subMenus.isEmpty())
                subMenus.at(below(int(subMenus.size())))->showPopup();
            return;
        }
        }
    }

    void closePopups()
    {
        for (int guard = 0; guard < 8; ++guard) {
            QWidget* popup = QApplication::activePopupWidget();
            if (!popup)
                break;
            popup->close();
            QCoreApplication::processEvents();
        }
    }

    // The host changes what an open popup shows: deletes its action, one of
    // its entries, or the tab it is on.
    void deleteBehindPopup()
    {
        if (!QApplication::activePopupWidget() || !m_popupAction)
            return openPopup();
        QAction* action = m_popupAction.data();
        if (auto* menu = qobject_cast<RibbonMenuAction*>(action); menu && chance(50)) {
            if (!menu->menuActions().isEmpty())
                delete menu->menuActions().at(below(int(menu->menuActions().size())));
            return;
        }
        if (action == &bar().mainMenuActions())
            return;
        if (auto* category = qobject_cast<RibbonCategoryAction*>(action)) {
            if (chance(50) && !category->actions().isEmpty()) {
                delete category->actions().at(below(int(category->actions().size())));
                return;
            }
            if (chance(50)) {
                if (RibbonCategoriesPanelAction* tab = checkedTab())
                    destroyTab(tab);
                return;
            }
            destroyCategory(category);
            return;
        }
        delete action;
    }

    void resize()
    {
        // Mostly a drag in small steps, sometimes a jump across the range.
        int width = m_window.width();
        if (chance(20))
            width = 500 + below(1500);
        else
            width += below(121) - 60;
        width = qBound(480, width, 2000);
        m_window.resize(width, 400 + below(400));
    }

    void switchSkin()
    {
        RibbonApplication::theApp()->setRibbonStyle(RibbonApplication::eRibbonStyle(below(3)));
    }

    void switchWidgetStyle()
    {
        RibbonApplication::theApp()->setApplicationStyle(RibbonApplication::eAppStyle(below(4)));
    }

    void statusBar()
    {
        RibbonStatusBar& status = *m_window.ribbonStatusBar();
        if (status.actions().size() >= 6 || chance(40)) {
            const QList<QAction*> actions = status.actions();
            if (actions.isEmpty())
                return;
            QAction* action = actions.at(below(int(actions.size())));
            if (chance(50))
                delete action;
            else
                status.removeAction(action);
            return;
        }
        RibbonAction* action = nullptr;
        switch (below(4)) {
        case 0:
            action = new RibbonSimpleAction(icon(m_serial), name("Toggle"), &m_host);
            action->setCheckable(true);
            break;
        case 1:
            action = new RibbonPercAction(10, 400, 100, &m_host);
            break;
        case 2:
            action = new RibbonProgressAction(0, 100, below(100), name("Busy"), &m_host);
            break;
        default: {
            auto* menu = new RibbonCatMenuAction(
                icon(m_serial), QString(), RibbonCatMenuAction::Button, RibbonCatMenuAction::Small,
                RibbonCatMenuAction::ViewPopup, &m_host);
            auto* group = new QActionGroup(menu);
            for (int i = 0; i < 3; ++i)
                group->addAction(new RibbonSimpleAction(icon(i), name("View"), menu));
            menu->addIconActionGroup(group);
            menu->addTopAction(new RibbonSimpleAction(icon(1), name("Top"), menu));
            action = menu;
            break;
        }
        }
        status.addAction(action);
    }

    void quickAccess()
    {
        prune(m_quickAccess);
        if (m_quickAccess.size() >= 6 || chance(30)) {
            if (RibbonSimpleAction* action = pick(m_quickAccess))
                delete action;
            return;
        }
        auto* action = new RibbonSimpleAction(icon(m_serial), name("Quick"), &m_host);
        m_quickAccess << action;
        bar().quickAccessBar()->addAction(action);
    }

    void appMenu()
    {
        RibbonMenuAction& menu = chance(70) ? bar().mainMenuActions() : bar().recentFilesActions();
        if (menu.menuActions().size() >= 6 || chance(35)) {
            if (menu.menuActions().isEmpty())
                return;
            RibbonAction* entry = menu.menuActions().at(below(int(menu.menuActions().size())));
            if (chance(50))
                delete entry;
            else
                menu.removeAction(entry);
            return;
        }
        if (&menu == &bar().recentFilesActions() || chance(50)) {
            menu.addAction(new RibbonSimpleAction(icon(m_serial), name("Entry"), &m_host));
            return;
        }
        auto* sub = new RibbonMenuAction(icon(m_serial), name("Sub-menu"), &m_host);
        const int entries = 1 + below(4);
        for (int i = 0; i < entries; ++i)
            sub->addAction(new RibbonSimpleAction(icon(i), name("Choice"), sub));
        menu.addAction(sub);
    }

    void repaint() { m_window.repaint(); }

public:
    QString takeRuleBroken() { return std::exchange(m_ruleBroken, QString()); }

private:
    std::mt19937 m_rng;
    QObject m_host; // owns every action the "host program" makes; outlives the window
    RibbonMainWindow m_window;
    QList<QPointer<RibbonCategoriesPanelAction>> m_tabs;
    QList<QPointer<RibbonCategoriesPanelAction>> m_spareTabs;
    QList<QPointer<RibbonCategoryAction>> m_categories;
    QList<QPointer<RibbonAction>> m_controls;
    QList<QPointer<QAction>> m_aliases;
    QList<QPointer<RibbonSimpleAction>> m_quickAccess;
    QList<QPointer<RibbonCatSimpleAction>> m_quickControls;
    QPointer<QAction> m_popupAction;
    QStringList m_trail;
    QString m_ruleBroken;
    QMap<QString, int> m_popupKinds;
    int m_serial = 0;
};

} // namespace

class TestStress : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The offscreen platform says on every popup that it cannot grab
        // input or mask windows; thousands of those would hide the figures.
        static QtMessageHandler previous = nullptr;
        previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
                if (!message.startsWith(QLatin1String("This plugin does not support")))
                    previous(type, context, message);
            });
    }

    void randomOperations()
    {
        const int steps = envInt("STRESS_STEPS", 20000);
        // STRESS_PROGRESS=N reports the time and the population every N steps.
        const int progress = envInt("STRESS_PROGRESS", 0);
        const quint32 seed =
            quint32(envInt("STRESS_SEED", int(QRandomGenerator::global()->bounded(1 << 30))));
        qInfo("stress: seed %u, %d steps (STRESS_SEED=%u replays)", seed, steps, seed);
        QElapsedTimer clock;
        clock.start();
        {
            Stress stress(seed);
            QString error = stress.checkInvariants();
            for (int i = 0; i < steps && error.isEmpty(); ++i) {
                stress.step();
                if (progress > 0 && (i + 1) % progress == 0)
                    qInfo("stress: step %d at %lld ms: %s", i + 1, clock.elapsed(),
                          qPrintable(stress.population()));
                error = stress.takeRuleBroken();
                if (error.isEmpty())
                    error = stress.checkInvariants();
                if (!error.isEmpty())
                    error = QStringLiteral("seed %1, step %2 (after: %3): %4")
                                .arg(seed)
                                .arg(i + 1)
                                .arg(stress.trail(), error);
            }
            if (!error.isEmpty())
                QFAIL(qPrintable(error));
            qInfo("stress: popups open after a step: %s", qPrintable(stress.popupFigures()));
        }
        qInfo("stress: %d steps in %lld ms", steps, clock.elapsed());
    }
};

ORU_TEST_MAIN(TestStress)
#include "tst_stress.moc"
