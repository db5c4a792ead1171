#include "oruRibbonSimplifiedRow_p.h"

#include "oruMnemonic_p.h"
#include "oruPointer_p.h"
#include "oruPopupPlacement_p.h"
#include "oruRibbonApplication.h"
#include "oruRibbonCatActionGroup.h"
#include "oruRibbonCatColorMenuAction.h"
#include "oruRibbonCatMenuAction.h"
#include "oruRibbonCatMenuButton.h"
#include "oruRibbonCatPaint_p.h"
#include "oruRibbonCatSimpleAction.h"
#include "oruRibbonCatSimpleButton.h"
#include "oruRibbonCategoriesPanelAction.h"
#include "oruRibbonCategoryAction.h"
#include "oruRibbonGroupControl_p.h"
#include "oruRibbonStyle.h"

#include <QActionEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QMenu>
#include <QPainter>
#include <QPolygonF>
#include <QStyle>
#include <QWidgetAction>

#include <algorithm>

namespace oru {

namespace {

// Between neighbouring controls of a group.
constexpr int kGap = 2;
// A separator between groups: a gap, a two-pixel etched line, a gap.
constexpr int kSeparatorGap = 4;
constexpr int kSeparatorWidth = kSeparatorGap + 2 + kSeparatorGap;

// A control that cannot become a menu entry of its own (a combo box, a font
// box, a colour button) goes into the overflow menu as itself.
class ControlEntry : public QWidgetAction
{
public:
    ControlEntry(RibbonAction& action, QObject* parent) : QWidgetAction(parent), m_action(&action)
    {
        setText(action.text());
    }

protected:
    QWidget* createWidget(QWidget* parent) override
    {
        return m_action ? createGroupControl(m_action, parent) : nullptr;
    }

private:
    QPointer<RibbonAction> m_action;
};

// What a control takes: its size hint within its minimum and maximum sizes
// (a combo box of a fixed width says more in its hint).
QSize boundedHint(const QWidget* widget)
{
    return widget->sizeHint().boundedTo(widget->maximumSize()).expandedTo(widget->minimumSize());
}

} // namespace

// ---------------------------------------------------------------- "…" button

RibbonSimplifiedOverflowButton::RibbonSimplifiedOverflowButton(QWidget* parent)
    : QAbstractButton(parent)
{
    setText(QStringLiteral("\u2026"));
    setToolTip(QCoreApplication::translate("RibbonSimplifiedRow", "More Commands"));
    setAccessibleName(QCoreApplication::translate("RibbonSimplifiedRow", "More Commands"));
    setFocusPolicy(Qt::NoFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAttribute(Qt::WA_Hover);
    connect(this, &QAbstractButton::pressed, this, &RibbonSimplifiedOverflowButton::openMenu);
}

QSize RibbonSimplifiedOverflowButton::sizeHint() const
{
    return QSize(22, RibbonSimplifiedRow::RowHeight);
}

void RibbonSimplifiedOverflowButton::openMenu()
{
    if (m_menu)
        return;
    // A child of the button, so that assistive technology finds it there.
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    m_menu = menu;
    emit aboutToShowMenu(menu);
    connect(menu, &QMenu::aboutToHide, this, [this] {
        setDown(false);
        update();
    });
    // Below the button, aligned with its leading edge.
    const QSize size = menu->sizeHint();
    const QPoint below =
        mapToGlobal(QPoint(isRightToLeft() ? width() - size.width() : 0, height()));
    menu->popup(keepPopupOnScreen(below, size, QRect(mapToGlobal(QPoint(0, 0)), this->size())));
    setDown(true);
    update();
}

void RibbonSimplifiedOverflowButton::paintEvent(QPaintEvent*)
{
    const RibbonStyle* skin = RibbonApplication::theApp()->ribbonStyle();
    QPainter painter(this);
    const bool open = !m_menu.isNull();
    int frame = -1;
    if (isEnabled()) {
        if (isDown() || open)
            frame = 1;
        else if (rect().contains(pointerPos(*this)))
            frame = 0;
    }
    if (frame >= 0)
        catpaint::drawNineSlice(painter, skin->paletteItemSmall(), 22, 22, frame, rect());
    painter.setPen(isEnabled() ? skin->highlightedCategoryTextColor()
                               : skin->disabledCategoryTextColor());
    // Three dots, drawn rather than typed so that they sit centred in any font.
    const int y = height() / 2;
    const int x = width() / 2 - 5;
    painter.setBrush(painter.pen().color());
    for (int i = 0; i < 3; ++i)
        painter.drawRect(x + 4 * i, y, 1, 1);
}

void RibbonSimplifiedOverflowButton::enterEvent(QEnterEvent* event)
{
    QAbstractButton::enterEvent(event);
    update();
}

void RibbonSimplifiedOverflowButton::leaveEvent(QEvent* event)
{
    QAbstractButton::leaveEvent(event);
    update();
}

// ---------------------------------------------------------------- toggle

RibbonSimplifiedToggle::RibbonSimplifiedToggle(QWidget* parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAttribute(Qt::WA_Hover);
    setSimplifiedLook(false);
}

QSize RibbonSimplifiedToggle::sizeHint() const
{
    return QSize(16, 16);
}

void RibbonSimplifiedToggle::setSimplifiedLook(bool simplified)
{
    m_simplified = simplified;
    const QString text =
        simplified ? QCoreApplication::translate("RibbonSimplifiedRow", "Classic Ribbon")
                   : QCoreApplication::translate("RibbonSimplifiedRow", "Simplified Ribbon");
    setText(text);
    setToolTip(text);
    setAccessibleName(text);
    update();
}

void RibbonSimplifiedToggle::paintEvent(QPaintEvent*)
{
    const RibbonStyle* skin = RibbonApplication::theApp()->ribbonStyle();
    QPainter painter(this);
    if (isEnabled() && (isDown() || rect().contains(pointerPos(*this))))
        catpaint::drawNineSlice(painter, skin->paletteItemSmall(), 22, 22, isDown() ? 1 : 0,
                                rect());
    // A chevron five pixels high, as a vector so that it is sharp at any
    // device pixel ratio.
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(isEnabled() ? skin->highlightedCategoryTextColor() : skin->disabledCategoryTextColor(),
             1.5);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(pen);
    const QPointF c = QRectF(rect()).center();
    const qreal dy = m_simplified ? 2 : -2;
    painter.drawPolyline(QPolygonF{c + QPointF(-4, -dy), c + QPointF(0, dy), c + QPointF(4, -dy)});
}

void RibbonSimplifiedToggle::enterEvent(QEnterEvent* event)
{
    QAbstractButton::enterEvent(event);
    update();
}

void RibbonSimplifiedToggle::leaveEvent(QEvent* event)
{
    QAbstractButton::leaveEvent(event);
    update();
}

// ---------------------------------------------------------------- row

RibbonSimplifiedRow::RibbonSimplifiedRow(RibbonCategoriesPanelAction& tab, QWidget* parent)
    : QWidget(parent), m_tab(&tab)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_overflow = new RibbonSimplifiedOverflowButton(this);
    m_overflow->hide();
    connect(m_overflow, &RibbonSimplifiedOverflowButton::aboutToShowMenu, this,
            &RibbonSimplifiedRow::fillOverflowMenu);
    // Named after its tab for assistive technology, as a page's groups are
    // named after their captions.
    const auto name = [this] {
        if (m_tab)
            setAccessibleName(mnemonic::plainText(m_tab->text()));
    };
    name();
    connect(&tab, &QAction::changed, this, name);
    connect(&tab, &RibbonCategoriesPanelAction::categoryAdded, this, &RibbonSimplifiedRow::rebuild);
    connect(&tab, &RibbonCategoriesPanelAction::categoryRemoved, this,
            &RibbonSimplifiedRow::rebuild);
    rebuild();
}

RibbonSimplifiedRow::~RibbonSimplifiedRow()
{
    // The controls first, while the actions they show may still report to
    // the row.
    delete m_links;
    m_links = nullptr;
    for (Item& item : m_items)
        delete item.control.data();
}

QWidget* RibbonSimplifiedRow::control(RibbonAction* action) const
{
    for (const Item& item : m_items)
        if (item.action == action)
            return item.control.data();
    return nullptr;
}

QList<RibbonAction*> RibbonSimplifiedRow::overflowActions() const
{
    QList<RibbonAction*> actions;
    for (const Item& item : m_items)
        if (item.overflowed && item.action)
            actions.append(item.action.data());
    return actions;
}

RibbonCategoryAction* RibbonSimplifiedRow::groupOf(RibbonAction* action) const
{
    if (!m_tab || !action)
        return nullptr;
    for (const Item& item : m_items)
        if (item.action == action)
            return m_tab->categories().value(item.group);
    return nullptr;
}

bool RibbonSimplifiedRow::showsText(RibbonAction* action) const
{
    for (const Item& item : m_items)
        if (item.action == action)
            return item.textShown && !item.overflowed;
    return false;
}

void RibbonSimplifiedRow::setTextShown(const Item& item, bool shown)
{
    if (auto* button = qobject_cast<RibbonCatSimpleButton*>(item.control.data()))
        button->setShownSize(shown ? RibbonCatSimpleAction::Medium : RibbonCatSimpleAction::Small);
    else if (auto* menu = qobject_cast<RibbonCatMenuButton*>(item.control.data()))
        menu->setShownSize(shown ? RibbonCatMenuAction::Medium : RibbonCatMenuAction::Small);
}

void RibbonSimplifiedRow::measure(Item& item)
{
    QWidget* control = item.control.data();
    RibbonAction* action = item.action.data();
    if (!control || !action)
        return;
    item.priority = action->priority();
    auto* simple = qobject_cast<RibbonCatSimpleButton*>(control);
    auto* menu = qobject_cast<RibbonCatMenuButton*>(control);
    // Only a control with an icon can do without its caption.
    QIcon icon = action->icon();
    if (menu && menu->action() && menu->action()->defaultAction())
        icon = menu->action()->defaultAction()->icon();
    item.droppable = (simple || menu) && !icon.isNull();
    if (simple || menu) {
        setTextShown(item, true);
        item.full = boundedHint(control).width();
        setTextShown(item, false);
        item.compact = item.droppable ? boundedHint(control).width() : item.full;
        if (!item.droppable)
            setTextShown(item, true);
    } else {
        item.full = item.compact = boundedHint(control).width();
    }
}

void RibbonSimplifiedRow::rebuild()
{
    m_rebuilding = true;
    delete m_links;
    m_links = new QObject(this);
    for (Item& item : m_items)
        delete item.control.data();
    m_items.clear();
    // The row holds the actions too, as a group does, so that it hears of
    // one that is destroyed.
    const QList<QAction*> held = actions();
    for (QAction* action : held)
        removeAction(action);
    m_rebuilding = false;
    if (!m_tab)
        return;
    const QList<RibbonCategoryAction*> groups = m_tab->categories();
    for (int g = 0; g < groups.size(); ++g) {
        RibbonCategoryAction* group = groups.at(g);
        connect(group, &RibbonCategoryAction::actionAdded, m_links,
                [this](RibbonAction*) { rebuild(); });
        connect(group, &RibbonCategoryAction::actionRemoved, m_links,
                [this](RibbonAction*) { rebuild(); });
        for (RibbonAction* action : group->actions()) {
            // The row takes the action before its control does: a destroyed
            // action tells its widgets last-to-first, so the control has let
            // go of it when the row deletes the control.
            addAction(action);
            QWidget* control = createGroupControl(action, this);
            if (!control) {
                removeAction(action);
                continue;
            }
            Item item;
            item.action = action;
            item.face = action;
            item.control = control;
            item.group = g;
            control->setStatusTip(action->statusTip());
            measure(item);
            m_items.push_back(item);
            connect(action, &QAction::changed, m_links, [this, action] {
                for (Item& changed : m_items)
                    if (changed.action == action) {
                        changed.control->setStatusTip(action->statusTip());
                        measure(changed);
                    }
                relayout();
            });
        }
    }
    relayout();
}

int RibbonSimplifiedRow::rowWidth() const
{
    int width = 0;
    int lastGroup = -1;
    bool overflowing = false;
    for (const Item& item : m_items) {
        if (!item.action || !item.action->isVisible())
            continue;
        if (item.overflowed) {
            overflowing = true;
            continue;
        }
        if (lastGroup >= 0)
            width += item.group == lastGroup ? kGap : kSeparatorWidth;
        lastGroup = item.group;
        width += item.textShown ? item.full : item.compact;
    }
    if (overflowing)
        width += (lastGroup >= 0 ? kSeparatorWidth : 0) + m_overflow->sizeHint().width();
    return width;
}

void RibbonSimplifiedRow::relayout()
{
    const int avail = width();
    // Captions and then controls go in this order: low priority first, and
    // among equal priorities the later control first.
    std::vector<Item*> order;
    for (Item& item : m_items) {
        item.overflowed = false;
        item.textShown = !(item.droppable && item.priority == QAction::LowPriority);
        if (item.action && item.action->isVisible())
            order.push_back(&item);
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const Item* a, const Item* b) { return a->priority < b->priority; });
    // stable_sort keeps page order among equals; the walks go from the end
    // of each priority class, so build the walk order explicitly.
    std::vector<Item*> walk;
    for (auto first = order.begin(); first != order.end();) {
        auto last = std::find_if(first, order.end(),
                                 [&](const Item* i) { return i->priority != (*first)->priority; });
        walk.insert(walk.end(), std::make_reverse_iterator(last),
                    std::make_reverse_iterator(first));
        first = last;
    }
    for (Item* item : walk) {
        if (rowWidth() <= avail)
            break;
        if (item->droppable && item->textShown)
            item->textShown = false;
    }
    for (Item* item : walk) {
        if (rowWidth() <= avail)
            break;
        item->overflowed = true;
    }
    // With controls in the menu there may be room again for captions of
    // those that stayed: the most important ones get it first.
    for (auto it = walk.rbegin(); it != walk.rend(); ++it) {
        Item* item = *it;
        if (item->overflowed || item->textShown || item->priority == QAction::LowPriority)
            continue;
        item->textShown = true;
        if (rowWidth() > avail)
            item->textShown = false;
    }

    // Placing, from the leading edge.
    m_separators.clear();
    const int h = height();
    const auto place = [&](QWidget* widget, int x, int w) {
        const int ch = std::min(boundedHint(widget).height(), h);
        widget->setGeometry(
            QStyle::visualRect(layoutDirection(), rect(), QRect(x, (h - ch) / 2, w, ch)));
    };
    int x = 0;
    int lastGroup = -1;
    bool overflowing = false;
    for (Item& item : m_items) {
        QWidget* control = item.control.data();
        if (!control)
            continue;
        const bool visible = item.action && item.action->isVisible();
        if (!visible || item.overflowed) {
            overflowing = overflowing || (visible && item.overflowed);
            control->hide();
            continue;
        }
        if (lastGroup >= 0) {
            if (item.group != lastGroup) {
                m_separators.append(QStyle::visualRect(layoutDirection(), rect(),
                                                       QRect(x + kSeparatorGap, 0, 2, h)));
                x += kSeparatorWidth;
            } else {
                x += kGap;
            }
        }
        lastGroup = item.group;
        setTextShown(item, item.droppable ? item.textShown : true);
        const int w = item.textShown ? item.full : item.compact;
        place(control, x, w);
        control->show();
        x += w;
    }
    if (overflowing) {
        if (lastGroup >= 0) {
            m_separators.append(
                QStyle::visualRect(layoutDirection(), rect(), QRect(x + kSeparatorGap, 0, 2, h)));
            x += kSeparatorWidth;
        }
        place(m_overflow, x, m_overflow->sizeHint().width());
        m_overflow->show();
        m_overflow->raise();
    } else {
        m_overflow->hide();
    }
    update();
}

void RibbonSimplifiedRow::fillOverflowMenu(QMenu* menu)
{
    int lastGroup = -1;
    for (const Item& item : m_items) {
        RibbonAction* action = item.action.data();
        if (!item.overflowed || !action || !action->isVisible())
            continue;
        if (lastGroup >= 0 && item.group != lastGroup)
            menu->addSeparator();
        lastGroup = item.group;
        if (auto* group = qobject_cast<RibbonCatActionGroup*>(action)) {
            // A strip of buttons: its members as entries of their own.
            for (RibbonAction* member : group->actions())
                menu->addAction(member);
        } else if (qobject_cast<RibbonCatColorMenuAction*>(action)) {
            menu->addAction(new ControlEntry(*action, menu));
        } else if (auto* menuAction = qobject_cast<RibbonCatMenuAction*>(action)) {
            // A split button's own command first, then its menu.
            if (RibbonAction* def = menuAction->defaultAction())
                menu->addAction(def);
            QMenu* sub = menu->addMenu(menuAction->icon(), menuAction->text());
            menuAction->fillMenu(*sub);
        } else if (qobject_cast<RibbonCatSimpleAction*>(action)) {
            menu->addAction(action);
        } else {
            menu->addAction(new ControlEntry(*action, menu));
        }
    }
}

QSize RibbonSimplifiedRow::sizeHint() const
{
    int width = 0;
    int lastGroup = -1;
    for (const Item& item : m_items) {
        if (!item.action || !item.action->isVisible())
            continue;
        if (lastGroup >= 0)
            width += item.group == lastGroup ? kGap : kSeparatorWidth;
        lastGroup = item.group;
        width += item.priority == QAction::LowPriority ? item.compact : item.full;
    }
    return QSize(width, RowHeight);
}

QSize RibbonSimplifiedRow::minimumSizeHint() const
{
    return m_overflow->sizeHint();
}

void RibbonSimplifiedRow::actionEvent(QActionEvent* event)
{
    QWidget::actionEvent(event);
    if (event->type() != QEvent::ActionRemoved || m_rebuilding)
        return;
    const auto it = std::find_if(m_items.begin(), m_items.end(), [event](const Item& item) {
        return item.face == event->action();
    });
    if (it == m_items.end())
        return;
    delete it->control.data();
    m_items.erase(it);
    relayout();
}

void RibbonSimplifiedRow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    relayout();
}

void RibbonSimplifiedRow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // Measured and placed anew, never rebuilt: Qt tells every window of a
    // direction change from a list that a deleted combo box's popup would
    // leave dangling.
    if (event->type() == QEvent::LayoutDirectionChange || event->type() == QEvent::FontChange) {
        for (Item& item : m_items)
            measure(item);
        relayout();
    }
}

void RibbonSimplifiedRow::paintEvent(QPaintEvent*)
{
    const RibbonStyle* skin = RibbonApplication::theApp()->ribbonStyle();
    QPainter painter(this);
    const int h = height();
    for (const QRect& separator : std::as_const(m_separators)) {
        // An etched line over the middle of the row, like the status bar's.
        const int top = std::max(0, (h - RowHeight) / 2);
        const int bottom = std::min(h, top + RowHeight) - 1;
        painter.setPen(skin->frameSunkenColor());
        painter.drawLine(separator.left(), top, separator.left(), bottom);
        painter.setPen(skin->frameRaiseColor());
        painter.drawLine(separator.left() + 1, top, separator.left() + 1, bottom);
    }
}

} // namespace oru
