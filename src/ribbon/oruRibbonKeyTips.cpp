#include "oruRibbonKeyTips_p.h"

#include "oruRibbonAction.h"
#include "oruRibbonApplication.h"
#include "oruRibbonButtonMain.h"
#include "oruRibbonButtonNormal.h"
#include "oruRibbonCatActionGroup.h"
#include "oruRibbonCatActionGroupWidget.h"
#include "oruRibbonCatMenuAction.h"
#include "oruRibbonCatMenuButton.h"
#include "oruRibbonCategory.h"
#include "oruRibbonCategoryPanel.h"
#include "oruRibbonCategoryPanels.h"
#include "oruRibbonCategoryWrapper.h"
#include "oruRibbonMainMenuButton.h"
#include "oruRibbonMainMenuMenuButton.h"
#include "oruRibbonMainPanelButton.h"
#include "oruRibbonMainWindow.h"
#include "oruRibbonMenuBar.h"
#include "oruRibbonMenuBarButton.h"
#include "oruRibbonMenuItem.h"
#include "oruRibbonPanelMain.h"
#include "oruRibbonQuickAccessBar.h"
#include "oruRibbonRecentFiles.h"
#include "oruRibbonSimpleAction.h"
#include "oruRibbonSimplifiedRow_p.h"
#include "oruRibbonStyle.h"
#include "oruRibbonViewPopup.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>

#include <algorithm>
#include <climits>

namespace oru {

namespace keytips {

namespace {

const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");

bool conflicts(const QString& tip, const QStringList& taken)
{
    for (const QString& other : taken)
        if (other.startsWith(tip) || tip.startsWith(other))
            return true;
    return false;
}

// The upper-case letters and digits of a text, without the mnemonic marker,
// each once, word-initial ones first.
QString candidates(const QString& text)
{
    QString initials;
    QString rest;
    bool wordStart = true;
    for (const QChar c : text) {
        if (c == QLatin1Char('&'))
            continue;
        if (!c.isLetterOrNumber()) {
            wordStart = true;
            continue;
        }
        const QChar u = c.toUpper();
        // Only letters a keyboard types without a compose key.
        if (u.unicode() < 128) {
            QString& into = wordStart ? initials : rest;
            if (!initials.contains(u) && !rest.contains(u))
                into.append(u);
        }
        wordStart = false;
    }
    return initials + rest;
}

} // namespace

QString mnemonic(const QString& text)
{
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('&'))
            continue;
        const QChar next = text.at(i + 1);
        if (next == QLatin1Char('&')) {
            ++i;
            continue;
        }
        const QChar u = next.toUpper();
        return u.isLetterOrNumber() && u.unicode() < 128 ? QString(u) : QString();
    }
    return {};
}

QStringList assign(const QList<Request>& requests)
{
    const int count = int(requests.size());
    QStringList result(count);
    QStringList taken;
    auto take = [&](int i, const QString& tip) {
        if (tip.isEmpty() || !result.at(i).isEmpty() || conflicts(tip, taken))
            return false;
        result[i] = tip;
        taken.append(tip);
        return true;
    };

    for (int i = 0; i < count; ++i)
        take(i, requests.at(i).explicitTip);
    for (int i = 0; i < count; ++i)
        take(i, mnemonic(requests.at(i).text));
    // Single letters, as long as enough first letters stay free for the two-
    // letter tips of the rest: s singles leave (free - s) first letters of
    // 36 tips each for the other (n - s) controls.
    int freeLetters = 0;
    for (const QChar c : alphabet)
        freeLetters += conflicts(QString(c), taken) ? 0 : 1;
    const int unassigned = int(std::count(result.cbegin(), result.cend(), QString()));
    int singles = unassigned <= freeLetters
                      ? unassigned
                      : qMax(0, qMin(freeLetters - 1, (36 * freeLetters - unassigned) / 35));
    for (int i = 0; i < count && singles > 0; ++i) {
        for (const QChar c : candidates(requests.at(i).text)) {
            if (take(i, QString(c))) {
                --singles;
                break;
            }
        }
    }
    for (int i = 0; i < count; ++i) {
        if (!result.at(i).isEmpty())
            continue;
        const QString own = candidates(requests.at(i).text);
        const QString firsts = own + alphabet;
        bool done = false;
        for (int f = 0; f < firsts.size() && !done; ++f) {
            // A first letter that is a whole tip already cannot begin another.
            if (taken.contains(QString(firsts.at(f))))
                continue;
            const QString seconds = own.mid(own.indexOf(firsts.at(f)) + 1) + alphabet;
            for (const QChar s : seconds)
                if ((done = take(i, QString(firsts.at(f)) + s)))
                    break;
        }
    }
    return result;
}

int menuIconCentre(const QWidget& widget)
{
    // Application menu items (and those that open a sub-menu) centre their
    // icon on x = 21, their text at 50.
    if (qobject_cast<const RibbonMainMenuItem*>(&widget))
        return 21;
    // The bottom buttons hold their icon in the square at their left end.
    if (const auto* button = qobject_cast<const RibbonMainPanelButton*>(&widget))
        return button->icon().isNull() ? kTextFirst : qMin(button->width(), button->height()) / 2;
    // A menu's icon column is 26 pixels wide for the usual small icons.
    if (qobject_cast<const QMenu*>(&widget))
        return 13;
    if (dynamic_cast<const RibbonRecentFiles::RecentFile*>(&widget))
        return kTextFirst;
    return kNotAnEntry;
}

QList<QRect> place(const QList<QRect>& wanted, const QRect& bounds)
{
    QList<QRect> placed;
    placed.reserve(wanted.size());
    auto fits = [&](const QRect& r) {
        if (!bounds.contains(r))
            return false;
        return std::none_of(placed.cbegin(), placed.cend(),
                            [&](const QRect& other) { return other.intersects(r); });
    };
    auto clamped = [&](QRect r) {
        r.moveLeft(qBound(bounds.left(), r.left(), bounds.right() - r.width() + 1));
        r.moveTop(qBound(bounds.top(), r.top(), bounds.bottom() - r.height() + 1));
        return r;
    };
    constexpr int step = 2;
    constexpr int rings = 60;
    for (const QRect& want : wanted) {
        QRect best = clamped(want);
        if (!fits(best)) {
            // Rings of growing distance around the wanted place; the nearest
            // free spot of the first ring that has one wins.
            bool found = false;
            for (int k = 1; k <= rings && !found; ++k) {
                int bestDistance = INT_MAX;
                for (int i = -k; i <= k; ++i) {
                    for (int j = -k; j <= k; ++j) {
                        if (qMax(qAbs(i), qAbs(j)) != k)
                            continue;
                        const QRect r = want.translated(i * step, j * step);
                        const int distance = i * i + j * j;
                        if (distance < bestDistance && fits(r)) {
                            bestDistance = distance;
                            best = r;
                            found = true;
                        }
                    }
                }
            }
        }
        placed.append(best);
    }
    return placed;
}

} // namespace keytips

namespace {

// What the host gave the action: its own key tip, else that of the host
// action it stands for when that is a ribbon action too.
QString explicitTipOf(const QAction* action)
{
    auto* ribbon = qobject_cast<const RibbonAction*>(action);
    if (!ribbon)
        return {};
    if (!ribbon->keyTip().isEmpty())
        return ribbon->keyTip();
    if (auto* alias = qobject_cast<const RibbonAction*>(ribbon->alias()))
        return alias->keyTip();
    return {};
}

// The words the letters are chosen from: the text, or for controls without
// one (combo boxes) the tool tip the host gave them.
QString labelOf(const QAction* action)
{
    if (!action)
        return {};
    return action->text().isEmpty() ? action->toolTip() : action->text();
}

RibbonKeyTip tipFor(QWidget* widget, QAction* action)
{
    RibbonKeyTip tip;
    tip.widget = widget;
    tip.action = action;
    tip.area = widget->rect();
    tip.clickPos = tip.area.center();
    tip.enabled = widget->isEnabled() && (!action || action->isEnabled());
    return tip;
}

void sendClick(QWidget* widget, const QPoint& pos)
{
    QPointer<QWidget> guard(widget);
    const QPoint global = widget->mapToGlobal(pos);
    QMouseEvent press(QEvent::MouseButtonPress, pos, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
    if (!guard)
        return;
    QMouseEvent release(QEvent::MouseButtonRelease, pos, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &release);
}

} // namespace

RibbonKeyTips::RibbonKeyTips(RibbonMenuBar& bar) : QObject(&bar), m_bar(bar)
{
    qApp->installEventFilter(this);
}

RibbonKeyTips::~RibbonKeyTips()
{
    delete m_overlay.data();
}

QWidget* RibbonKeyTips::overlay() const
{
    return m_overlay.data();
}

void RibbonKeyTips::setMainButtonTip(const QString& tip)
{
    QString normalised;
    for (const QChar c : tip)
        if (c.isLetterOrNumber() && normalised.size() < 3)
            normalised.append(c.toUpper());
    m_mainButtonTip = normalised;
}

void RibbonKeyTips::show()
{
    if (isShown() || !m_bar.isVisible())
        return;
    enterLevel(Top);
}

void RibbonKeyTips::hide()
{
    if (!isShown())
        return;
    m_level = Hidden;
    m_tips.clear();
    m_typed.clear();
    m_current = -1;
    m_popupWrapper = nullptr;
    m_menu = nullptr;
    m_subMenu = nullptr;
    m_dropDowns.clear();
    delete m_overlay.data();
    emit shownChanged(false);
}

bool RibbonKeyTips::ownsWindow(const QWidget* window) const
{
    if (!window)
        return false;
    if (window == m_bar.window())
        return true;
    return m_overlay && m_overlay->parentWidget() == window;
}

bool RibbonKeyTips::eventFilter(QObject* watched, QEvent* event)
{
    if (!watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (!ownsWindow(widget->window()))
            return false;
        // Alt on its own: the press may or may not carry its own modifier.
        const bool altAlone = key->key() == Qt::Key_Alt &&
                              !(key->modifiers() & ~(Qt::AltModifier | Qt::KeypadModifier));
        if (altAlone) {
            m_altArmed = true;
            return isShown();
        }
        m_altArmed = false;
        if (isShown())
            return handleKey(key);
        if (key->key() == Qt::Key_F10 && key->modifiers() == Qt::NoModifier &&
            widget->window() == m_bar.window() && m_bar.isVisible()) {
            show();
            return isShown();
        }
        return false;
    }
    case QEvent::KeyRelease: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Alt || !m_altArmed || !ownsWindow(widget->window()))
            return isShown() && ownsWindow(widget->window());
        m_altArmed = false;
        if (isShown())
            hide();
        else if (widget->window() == m_bar.window() && m_bar.isVisible())
            show();
        return true;
    }
    case QEvent::ShortcutOverride:
        // Letters typed for the badges must not fire the host's shortcuts.
        if (isShown() && ownsWindow(widget->window())) {
            event->accept();
            return true;
        }
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::Wheel:
        m_altArmed = false;
        if (isShown() && !m_synthesizing)
            hide();
        return false;
    case QEvent::Resize:
    case QEvent::Move:
        // The badges stand where the controls were; a window that changes
        // under them ends the key tips, as a click does.
        if (isShown() && widget == m_bar.window())
            hide();
        return false;
    case QEvent::WindowDeactivate:
        if (isShown() && widget == m_bar.window() && !m_synthesizing) {
            // Opening a group's popup deactivates the main window too; only
            // a window outside the ribbon ends the key tips.
            QPointer<RibbonKeyTips> self(this);
            QMetaObject::invokeMethod(
                this,
                [self] {
                    QWidget* active = QApplication::activeWindow();
                    if (self && self->isShown() && active && !self->ownsWindow(active))
                        self->hide();
                },
                Qt::QueuedConnection);
        }
        return false;
    case QEvent::Hide:
        // A popup closed by other means takes its level with it.
        if (m_level >= Popup && m_overlay && widget == m_overlay->parentWidget() && !m_synthesizing)
            hide();
        return false;
    default:
        return false;
    }
}

bool RibbonKeyTips::handleKey(QKeyEvent* event)
{
    if ((m_level == Menu || m_level == SubMenu) &&
        (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)) {
        moveInMenu(event->key() == Qt::Key_Down);
        return true;
    }
    switch (event->key()) {
    case Qt::Key_Escape:
        back();
        return true;
    case Qt::Key_F10:
        hide();
        return true;
    case Qt::Key_Backspace:
        m_typed.chop(1);
        refilter();
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        moveCurrent(event->key() == Qt::Key_Tab && (event->modifiers() & Qt::ShiftModifier)
                        ? int(Qt::Key_Backtab)
                        : event->key());
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (m_current >= 0)
            use(m_current);
        return true;
    default:
        break;
    }
    const QString text = event->text();
    if (text.size() != 1 || !text.at(0).isLetterOrNumber())
        return true; // every other key is swallowed while the badges show
    const QString typed = m_typed + text.at(0).toUpper();
    int exact = -1;
    bool prefix = false;
    for (int i = 0; i < m_tips.size(); ++i) {
        if (m_tips.at(i).tip == typed)
            exact = i;
        else if (m_tips.at(i).tip.startsWith(typed))
            prefix = true;
    }
    if (exact >= 0) {
        use(exact);
    } else if (prefix) {
        m_typed = typed;
        refilter();
    }
    return true;
}

void RibbonKeyTips::collectTop(QList<RibbonKeyTip>& tips, QList<keytips::Request>& requests)
{
    if (RibbonButtonMain* main = m_bar.mainButton(); main && main->isVisible()) {
        RibbonKeyTip tip = tipFor(main, nullptr);
        tips.append(tip);
        requests.append({m_mainButtonTip, QString()});
    }

    // Quick access commands are numbered, as every ribbon numbers them.
    if (RibbonQuickAccessBar* qab = m_bar.quickAccessBar(); qab && qab->isVisible()) {
        QList<RibbonButtonNormal*> buttons =
            qab->findChildren<RibbonButtonNormal*>(Qt::FindDirectChildrenOnly);
        std::sort(buttons.begin(), buttons.end(),
                  [](const QWidget* a, const QWidget* b) { return a->x() < b->x(); });
        int number = 0;
        for (RibbonButtonNormal* button : std::as_const(buttons)) {
            QAction* action = button->actions().value(0);
            if (!button->isVisible() || !action || action == qab->customizeAction())
                continue;
            if (action == qab->overflowAction()) {
                // The chevron's tip stays the same however many buttons show.
                tips.append(tipFor(button, action));
                requests.append({QStringLiteral("00"), labelOf(action)});
                continue;
            }
            ++number;
            const QString numbered = number <= 9    ? QString::number(number)
                                     : number <= 18 ? QStringLiteral("0%1").arg(number - 9)
                                                    : QString();
            tips.append(tipFor(button, action));
            requests.append({numbered, labelOf(action)});
        }
    }

    for (QAction* tab : std::as_const(m_bar.m_tabs)) {
        RibbonMenuBarButton* button = m_bar.m_tabButtons.value(tab);
        if (!button || !button->isVisible())
            continue;
        tips.append(tipFor(button, tab));
        requests.append({explicitTipOf(tab), labelOf(tab)});
    }

    for (auto it = m_bar.m_extraWidgets.cbegin(); it != m_bar.m_extraWidgets.cend(); ++it) {
        QWidget* widget = it.value();
        if (!widget || !widget->isVisible())
            continue;
        RibbonKeyTip tip = tipFor(widget, it.key());
        if (qobject_cast<QComboBox*>(widget))
            tip.kind = RibbonKeyTip::Focus;
        tips.append(tip);
        requests.append({explicitTipOf(it.key()), labelOf(it.key())});
    }
}

void RibbonKeyTips::collectCategory(RibbonCategory* category, QList<RibbonKeyTip>& tips,
                                    QList<keytips::Request>& requests)
{
    if (!category || !category->categoryAction())
        return;
    collectControls(
        category->categoryAction()->actions(),
        [category](RibbonAction* action) { return category->widget(action); }, tips, requests);
}

void RibbonKeyTips::collectControls(const QList<RibbonAction*>& actions,
                                    const std::function<QWidget*(RibbonAction*)>& widgetOf,
                                    QList<RibbonKeyTip>& tips, QList<keytips::Request>& requests)
{
    for (RibbonAction* action : actions) {
        QWidget* widget = widgetOf(action);
        if (!widget || !widget->isVisible())
            continue;
        if (auto* strip = qobject_cast<RibbonCatActionGroupWidget*>(widget)) {
            auto* group = qobject_cast<RibbonCatActionGroup*>(action);
            const QList<RibbonAction*> members = group ? group->actions() : QList<RibbonAction*>();
            for (int i = 0; i < members.size(); ++i) {
                RibbonKeyTip tip = tipFor(strip, members.at(i));
                tip.area = strip->cellRect(i);
                tip.clickPos = tip.area.center();
                tips.append(tip);
                requests.append({explicitTipOf(members.at(i)), labelOf(members.at(i))});
            }
            continue;
        }
        RibbonKeyTip tip = tipFor(widget, action);
        if (qobject_cast<QComboBox*>(widget)) {
            tip.kind = RibbonKeyTip::Focus;
        } else if (auto* button = qobject_cast<RibbonCatMenuButton*>(widget)) {
            // The arrow part: a split button's letters open its menu, as the
            // arrow does; its caption part is one click away in the menu.
            auto* menu = button->action();
            if (menu && menu->menuType() == RibbonCatMenuAction::Palette &&
                button->shownSize() == menu->menuSize())
                tip.clickPos = QPoint(widget->width() - 8, widget->height() - 6);
            else if (button->shownSize() == RibbonCatMenuAction::Large)
                tip.clickPos = QPoint(widget->width() / 2, widget->height() - 6);
            else
                tip.clickPos = QPoint(widget->width() - 5, widget->height() / 2);
        }
        tips.append(tip);
        requests.append({explicitTipOf(action), labelOf(action)});
    }
}

void RibbonKeyTips::collectPage(QList<RibbonKeyTip>& tips, QList<keytips::Request>& requests)
{
    RibbonCategoryPanels* panels = m_bar.panels();
    auto* page = panels ? qobject_cast<RibbonCategoryPanel*>(panels->currentWidget()) : nullptr;
    if (!page || !page->isVisible())
        return;
    if (RibbonSimplifiedRow* row = page->simplifiedRow()) {
        // One row: the controls that show, then the "…" menu of the rest,
        // whose entries get letters of their own when it opens.
        QList<RibbonAction*> actions;
        if (RibbonCategoriesPanelAction* tab = page->pageAction())
            for (RibbonCategoryAction* category : tab->categories())
                actions += category->actions();
        collectControls(
            actions, [row](RibbonAction* action) { return row->control(action); }, tips, requests);
        if (RibbonSimplifiedOverflowButton* more = row->overflowButton(); more->isVisible()) {
            tips.append(tipFor(more, nullptr));
            requests.append({QStringLiteral("00"), QString()});
        }
        return;
    }
    for (RibbonCategoryWrapper* wrapper : page->pageLayout()->wrappers()) {
        if (!wrapper->isVisible())
            continue;
        if (!wrapper->isColapsed()) {
            if (RibbonCategory* group = wrapper->category())
                collectCategory(group, tips, requests);
            continue;
        }
        RibbonCategoryAction* category = wrapper->categoryAction();
        tips.append(tipFor(wrapper, category));
        requests.append({explicitTipOf(category), labelOf(category)});
    }
}

void RibbonKeyTips::usePageLetters(const QList<RibbonKeyTip>& tips,
                                   QList<keytips::Request>& requests)
{
    RibbonCategoryPanels* panels = m_bar.panels();
    auto* page = panels ? qobject_cast<RibbonCategoryPanel*>(panels->currentWidget()) : nullptr;
    if (!page)
        return;
    // Every control of every group and every group itself, collapsed or
    // not: the letters a window width would give are the same at all widths.
    QList<const QAction*> actions;
    QList<keytips::Request> all;
    const auto add = [&](const QAction* action) {
        if (!action->isVisible())
            return;
        actions.append(action);
        all.append({explicitTipOf(action), labelOf(action)});
    };
    QList<const QAction*> groups;
    for (RibbonCategoryWrapper* wrapper : page->pageLayout()->wrappers()) {
        RibbonCategoryAction* category = wrapper->categoryAction();
        if (!category)
            continue;
        groups.append(category);
        for (RibbonAction* action : category->actions()) {
            if (auto* group = qobject_cast<RibbonCatActionGroup*>(action)) {
                for (RibbonAction* member : group->actions())
                    add(member);
            } else {
                add(action);
            }
        }
    }
    // The groups' own letters come last, so that the controls keep the
    // letters they would have with no group collapsed.
    for (const QAction* group : std::as_const(groups))
        add(group);
    const QStringList letters = keytips::assign(all);
    for (int i = 0; i < tips.size(); ++i) {
        const int at = int(actions.indexOf(tips.at(i).action.data()));
        if (at >= 0 && !letters.at(at).isEmpty())
            requests[i].explicitTip = letters.at(at);
    }
}

void RibbonKeyTips::enterLevel(Level level)
{
    const bool wasShown = isShown();
    // Controls just added or a page just selected are laid out first, so
    // that the badges stand where the controls will be painted.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);

    QWidget* window = nullptr;
    QList<RibbonKeyTip> tips;
    QList<keytips::Request> requests;
    switch (level) {
    case Top:
        window = m_bar.window();
        collectTop(tips, requests);
        break;
    case Page:
        window = m_bar.panels() ? m_bar.panels()->window() : nullptr;
        collectPage(tips, requests);
        usePageLetters(tips, requests);
        break;
    case Popup: {
        RibbonCategoryWrapperPopup* popup = m_popupWrapper ? m_popupWrapper->popup() : nullptr;
        window = popup;
        if (popup)
            collectCategory(popup->popupCategory(), tips, requests);
        usePageLetters(tips, requests);
        break;
    }
    case Menu:
        window = m_menu;
        collectMenu(tips, requests);
        break;
    case SubMenu:
        window = m_subMenu;
        collectSubMenu(tips, requests);
        break;
    case DropDown:
        window = m_dropDowns.isEmpty() ? nullptr : m_dropDowns.constLast().data();
        collectDropDown(tips, requests);
        break;
    case Hidden:
        break;
    }
    if (!window) {
        hide();
        return;
    }

    const QStringList letters = keytips::assign(requests);
    m_tips.clear();
    for (int i = 0; i < tips.size(); ++i) {
        if (letters.at(i).isEmpty())
            continue;
        tips[i].tip = letters.at(i);
        m_tips.append(tips.at(i));
    }
    m_level = level;
    m_typed.clear();
    m_current = -1;

    if (!m_overlay || m_overlay->parentWidget() != window) {
        delete m_overlay.data();
        m_overlay = new RibbonKeyTipOverlay(*this, window);
    }
    m_overlay->setGeometry(window->rect());
    layoutBadges();
    m_overlay->raise();
    m_overlay->show();
    if (!wasShown)
        emit shownChanged(true);
}

void RibbonKeyTips::layoutBadges()
{
    if (!m_overlay)
        return;
    QWidget* window = m_overlay->parentWidget();
    QList<QRect> wanted;
    wanted.reserve(m_tips.size());
    for (RibbonKeyTip& tip : m_tips) {
        if (!tip.widget) {
            wanted.append(QRect());
            continue;
        }
        const QRect frame(tip.widget->mapTo(window, tip.area.topLeft()), tip.area.size());
        tip.frame = frame;
        const QSize size = m_overlay->badgeSize(tip.tip);
        QRect badge(QPoint(), size);
        const bool isTab = qobject_cast<RibbonMenuBarButton*>(tip.widget.data());
        const bool isTopButton = qobject_cast<RibbonButtonMain*>(tip.widget.data());
        const int icon = keytips::menuIconCentre(*tip.widget);
        if (isTopButton) {
            badge.moveCenter(frame.center());
        } else if (isTab || qobject_cast<RibbonButtonNormal*>(tip.widget.data())) {
            // Below tabs and quick access buttons, over the page's top edge.
            badge.moveTopLeft(QPoint(frame.center().x() - size.width() / 2, frame.bottom() - 3));
        } else if (icon >= 0) {
            // Over a menu entry's icon, clear of its text.
            badge.moveCenter(QPoint(frame.left() + icon, frame.center().y() + 2));
        } else if (icon == keytips::kTextFirst) {
            // An entry whose text starts at its left end: just before the text.
            badge.moveTopLeft(QPoint(frame.left() + 4 - size.width(),
                                     frame.center().y() - size.height() / 2));
        } else if (frame.height() >= 40) {
            // Centred below a large control, hanging from its bottom edge: a
            // label's second line ends just above it.
            badge.moveTopLeft(QPoint(frame.center().x() - size.width() / 2, frame.bottom()));
        } else if (tip.kind == RibbonKeyTip::Focus || !tip.action || tip.action->icon().isNull()) {
            // An editor's text, or the label of a control without an icon,
            // starts at its left end: below it, over the bottom edge.
            badge.moveTopLeft(QPoint(frame.left(), frame.bottom() - 2));
        } else {
            // At the left end (the icon) of a small control, below its centre
            // line, clear of the label beside the icon.
            badge.moveTopLeft(QPoint(frame.left(), frame.center().y() + 1));
        }
        // Placed left to right within the control and mirrored there: right to
        // left the badge of a small control stands over its right end (the icon).
        if (tip.widget->isRightToLeft())
            badge.moveLeft(2 * frame.left() + frame.width() - badge.x() - badge.width());
        wanted.append(badge);
    }
    const QList<QRect> placed = keytips::place(wanted, m_overlay->rect());
    for (int i = 0; i < m_tips.size(); ++i)
        m_tips[i].badge = placed.at(i);
    m_overlay->update();
}

void RibbonKeyTips::refilter()
{
    if (m_overlay)
        m_overlay->update();
}

void RibbonKeyTips::use(int index)
{
    if (index < 0 || index >= m_tips.size())
        return;
    const RibbonKeyTip tip = m_tips.at(index);
    if (!tip.widget) {
        m_typed.clear();
        refilter();
        return;
    }
    if (!tip.enabled || (tip.action && !tip.action->isEnabled())) {
        // A disabled control keeps its dimmed badge and does nothing.
        m_typed.clear();
        refilter();
        return;
    }
    QWidget* widget = tip.widget.data();
    if (tip.kind == RibbonKeyTip::Focus) {
        hide();
        widget->setFocus(Qt::ShortcutFocusReason);
        if (auto* combo = qobject_cast<QComboBox*>(widget); combo && combo->lineEdit())
            combo->lineEdit()->selectAll();
        return;
    }
    QPointer<RibbonKeyTips> self(this);
    // The quick access chevron drops down a menu of commands, as a menu
    // button does.
    const RibbonQuickAccessBar* qab = m_bar.quickAccessBar();
    const bool menuButton = qobject_cast<RibbonCatMenuButton*>(widget) ||
                            qobject_cast<RibbonSimplifiedOverflowButton*>(widget) ||
                            (qab && tip.action && tip.action == qab->overflowAction());
    const bool menuEntry = m_level == DropDown && tip.action && tip.action->menu();
    if (menuButton || menuEntry) {
        // A drop-down menu (or one of its sub-menus) opens as a level of its
        // own; galleries, colour pickers and view popups take the keyboard
        // themselves.
        m_synthesizing = true;
        if (menuEntry)
            // Made the current entry, a menu opens its sub-menu at once, as
            // the Right key does.
            static_cast<QMenu*>(widget)->setActiveAction(tip.action);
        else
            sendClick(widget, tip.clickPos);
        if (!self)
            return;
        m_synthesizing = false;
        QMenu* menu = openedDropDown();
        if (!menu || (!m_dropDowns.isEmpty() && m_dropDowns.constLast() == menu)) {
            hide();
            return;
        }
        if (m_level != DropDown) {
            m_dropDownFrom = m_level;
            m_dropDowns.clear();
        }
        m_dropDowns.append(menu);
        enterLevel(DropDown);
        return;
    }
    if (!opensLevel(widget)) {
        // The command's own effects (a popup, a dialog) take over the keyboard.
        hide();
        sendClick(widget, tip.clickPos);
        return;
    }
    m_synthesizing = true;
    if (auto* subMenu = qobject_cast<RibbonMainMenuMenuButton*>(widget))
        subMenu->showPopup();
    else
        sendClick(widget, tip.clickPos);
    if (!self)
        return;
    m_synthesizing = false;
    if (auto* wrapper = qobject_cast<RibbonCategoryWrapper*>(widget)) {
        m_popupWrapper = wrapper;
        if (wrapper->popup())
            enterLevel(Popup);
        else
            hide();
    } else if (qobject_cast<RibbonButtonMain*>(widget)) {
        m_menu = widget->findChild<RibbonPanelMain*>(QString(), Qt::FindDirectChildrenOnly);
        if (m_menu && m_menu->isVisible())
            enterLevel(Menu);
        else
            hide();
    } else if (qobject_cast<RibbonMainMenuMenuButton*>(widget)) {
        m_subMenu = RibbonMainMenuMenuButton::s_CurrentMainPopup;
        if (m_subMenu && m_subMenu->isVisible())
            enterLevel(SubMenu);
        else
            hide();
    } else {
        enterLevel(Page);
    }
}

bool RibbonKeyTips::opensLevel(const QWidget* widget) const
{
    return qobject_cast<const RibbonMenuBarButton*>(widget) ||
           qobject_cast<const RibbonCategoryWrapper*>(widget) ||
           qobject_cast<const RibbonButtonMain*>(widget) ||
           qobject_cast<const RibbonMainMenuMenuButton*>(widget);
}

void RibbonKeyTips::closeWindow(QWidget* window)
{
    if (!window)
        return;
    m_synthesizing = true;
    window->close();
    m_synthesizing = false;
}

void RibbonKeyTips::collectMenu(QList<RibbonKeyTip>& tips, QList<keytips::Request>& requests)
{
    auto* panel = qobject_cast<RibbonPanelMain*>(m_menu.data());
    if (!panel)
        return;
    for (QAbstractButton* button : panel->trackedButtons()) {
        QAction* action = button->actions().value(0);
        if (!button->isVisible() || !action)
            continue;
        tips.append(tipFor(button, action));
        requests.append({explicitTipOf(action), labelOf(action)});
    }
    // Recent files are numbered, as their list is.
    if (RibbonRecentFiles* recent = panel->recentFiles()) {
        int number = 0;
        for (RibbonRecentFiles::RecentFile* entry : recent->entries()) {
            if (!entry->isVisible() || !entry->action())
                continue;
            ++number;
            tips.append(tipFor(entry, entry->action()));
            requests.append(
                {number <= 9 ? QString::number(number) : QString(), labelOf(entry->action())});
        }
    }
}

QMenu* RibbonKeyTips::openedDropDown() const
{
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    // A view popup is a menu of tiles, not of entries.
    if (!menu || qobject_cast<RibbonViewPopup*>(menu) || !menu->isVisible())
        return nullptr;
    return menu;
}

void RibbonKeyTips::collectDropDown(QList<RibbonKeyTip>& tips, QList<keytips::Request>& requests)
{
    QMenu* menu = m_dropDowns.isEmpty() ? nullptr : m_dropDowns.constLast().data();
    if (!menu)
        return;
    for (QAction* action : menu->actions()) {
        const QRect area = menu->actionGeometry(action);
        if (!action->isVisible() || action->isSeparator() || area.isEmpty())
            continue;
        RibbonKeyTip tip = tipFor(menu, action);
        tip.area = area;
        tip.clickPos = area.center();
        tips.append(tip);
        requests.append({explicitTipOf(action), labelOf(action)});
    }
}

void RibbonKeyTips::collectSubMenu(QList<RibbonKeyTip>& tips, QList<keytips::Request>& requests)
{
    auto* popup = qobject_cast<RibbonMainPopupMenu*>(m_subMenu.data());
    if (!popup)
        return;
    for (RibbonMainMenuButton* item : popup->items()) {
        QAction* action = item->actions().value(0);
        if (!item->isVisible() || !action)
            continue;
        tips.append(tipFor(item, action));
        requests.append({explicitTipOf(action), labelOf(action)});
    }
}

void RibbonKeyTips::back()
{
    if (!m_typed.isEmpty()) {
        m_typed.clear();
        refilter();
        return;
    }
    switch (m_level) {
    case DropDown:
        if (!m_dropDowns.isEmpty())
            closeWindow(m_dropDowns.takeLast());
        m_dropDowns.removeAll(nullptr);
        if (!m_dropDowns.isEmpty())
            enterLevel(DropDown);
        else
            enterLevel(m_dropDownFrom);
        break;
    case SubMenu:
        closeWindow(m_subMenu);
        enterLevel(Menu);
        break;
    case Menu:
        delete m_overlay.data();
        closeWindow(m_menu);
        enterLevel(Top);
        break;
    case Popup:
        if (m_popupWrapper)
            closeWindow(m_popupWrapper->popup());
        enterLevel(Page);
        break;
    case Page:
        if (QWidget* window = m_bar.panels() ? m_bar.panels()->window() : nullptr;
            window && window != m_bar.window()) {
            // The page popup of a minimised ribbon closes with its level.
            delete m_overlay.data();
            window->close();
        }
        enterLevel(Top);
        break;
    default:
        hide();
        break;
    }
}

void RibbonKeyTips::moveCurrent(int key)
{
    const int count = int(m_tips.size());
    if (count == 0)
        return;
    if (m_current < 0 || m_current >= count) {
        setCurrent(key == Qt::Key_Backtab || key == Qt::Key_Left ? count - 1 : 0);
        return;
    }
    if (key == Qt::Key_Tab) {
        setCurrent((m_current + 1) % count);
        return;
    }
    if (key == Qt::Key_Backtab) {
        setCurrent((m_current + count - 1) % count);
        return;
    }
    const QRect here = m_tips.at(m_current).frame;
    int best = -1;
    qint64 bestScore = std::numeric_limits<qint64>::max();
    for (int i = 0; i < count; ++i) {
        if (i == m_current)
            continue;
        const QRect there = m_tips.at(i).frame;
        const qint64 dx = there.center().x() - here.center().x();
        const qint64 dy = there.center().y() - here.center().y();
        qint64 score = -1;
        switch (key) {
        case Qt::Key_Right:
        case Qt::Key_Left: {
            const bool beyond = key == Qt::Key_Right ? there.left() > here.center().x()
                                                     : there.right() < here.center().x();
            if (beyond)
                score = dx * dx + 4 * dy * dy;
            break;
        }
        case Qt::Key_Up:
        case Qt::Key_Down: {
            // Within the column: the controls the current one stands above
            // or below.
            const bool sameColumn = there.left() <= here.right() && there.right() >= here.left();
            const bool beyond = key == Qt::Key_Down ? dy > 0 : dy < 0;
            if (sameColumn && beyond)
                score = dy * dy + dx * dx;
            break;
        }
        default:
            break;
        }
        if (score >= 0 && score < bestScore) {
            bestScore = score;
            best = i;
        }
    }
    if (best >= 0)
        setCurrent(best);
}

void RibbonKeyTips::moveInMenu(bool down)
{
    // Reading order: the items column, the recent files, the buttons below.
    const auto group = [](const QWidget* widget) {
        if (qobject_cast<const RibbonMainMenuItem*>(widget))
            return 0;
        return dynamic_cast<const RibbonRecentFiles::RecentFile*>(widget) ? 1 : 2;
    };
    QList<int> order;
    for (int i = 0; i < m_tips.size(); ++i) {
        if (m_tips.at(i).widget)
            order.append(i);
    }
    if (order.isEmpty())
        return;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const RibbonKeyTip& x = m_tips.at(a);
        const RibbonKeyTip& y = m_tips.at(b);
        const int gx = group(x.widget.data()), gy = group(y.widget.data());
        if (gx != gy)
            return gx < gy;
        return gx == 2 ? x.frame.left() < y.frame.left() : x.frame.top() < y.frame.top();
    });
    // From the entry that has the focus when the frame is not on one yet:
    // the menu highlights its first item when it opens.
    qsizetype at = order.indexOf(m_current);
    if (at < 0) {
        for (qsizetype i = 0; i < order.size(); ++i) {
            if (m_tips.at(order.at(i)).widget == QApplication::focusWidget())
                at = i;
        }
    }
    const qsizetype count = order.size();
    at = at < 0 ? (down ? 0 : count - 1) : (at + (down ? 1 : count - 1)) % count;
    setCurrent(order.at(at));
}

void RibbonKeyTips::setCurrent(int index)
{
    m_current = index;
    m_typed.clear();
    refilter();
    // In the application menu the frame and the menu's highlight are one:
    // the entry takes the focus, which the menu paints and follows.
    if (QWidget* widget = m_tips.at(index).widget.data();
        widget && (m_level == Menu || m_level == SubMenu))
        widget->setFocus(Qt::OtherFocusReason);
    if (QWidget* widget = m_tips.at(index).widget.data()) {
        QAccessibleEvent focus(widget, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

RibbonKeyTipOverlay::RibbonKeyTipOverlay(RibbonKeyTips& owner, QWidget* window)
    : QWidget(window), m_owner(owner)
{
    setObjectName(QStringLiteral("oru_keytips"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    window->installEventFilter(this);
}

QSize RibbonKeyTipOverlay::badgeSize(const QString& tip) const
{
    const QFontMetrics fm = fontMetrics();
    const int height = fm.height() + 2;
    return QSize(qMax(height, fm.horizontalAdvance(tip) + 8), height);
}

bool RibbonKeyTipOverlay::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize) {
        setGeometry(parentWidget()->rect());
        m_owner.layoutBadges();
    }
    return false;
}

void RibbonKeyTipOverlay::paintEvent(QPaintEvent*)
{
    const RibbonStyle* skin = RibbonApplication::theApp()->ribbonStyle();
    QPainter painter(this);
    const QString typed = m_owner.typed();
    const QList<RibbonKeyTip>& tips = m_owner.tips();
    if (m_owner.current() >= 0 && m_owner.current() < tips.size()) {
        QPen pen(skin->highlightedCategoryTextColor(), 1, Qt::DotLine);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(tips.at(m_owner.current()).frame.adjusted(1, 1, -2, -2));
    }
    painter.setPen(skin->highlightedCategoryTextColor());
    for (const RibbonKeyTip& tip : tips) {
        if (!tip.tip.startsWith(typed) || tip.badge.isEmpty())
            continue;
        painter.setOpacity(tip.enabled ? 1.0 : 0.45);
        skin->drawTooltipBack(painter, tip.badge);
        painter.drawText(tip.badge, Qt::AlignCenter | Qt::TextSingleLine, tip.tip);
    }
}

} // namespace oru
