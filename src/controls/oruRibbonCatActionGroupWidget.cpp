#include "oruRibbonCatActionGroupWidget.h"

#include "oruMirror_p.h"
#include "oruPointer_p.h"
#include "oruRibbonAccessibleEvents_p.h"
#include "oruRibbonApplication.h"
#include "oruRibbonCatActionGroup.h"
#include "oruRibbonCatColorMenuAction.h"
#include "oruRibbonCatColorMenuButton.h"
#include "oruRibbonCatMenuAction.h"
#include "oruRibbonCatMenuButton.h"
#include "oruRibbonStyle.h"

#include <QActionEvent>
#include <QMouseEvent>
#include <QPainter>

#include <optional>

namespace oru {

RibbonCatActionGroupWidget::RibbonCatActionGroupWidget(RibbonCatActionGroup& group, QWidget* parent)
    : QWidget(parent), m_group(group)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setMouseTracking(true);
    addAction(&group);
}

RibbonCatActionGroupWidget::~RibbonCatActionGroupWidget() = default;

int RibbonCatActionGroupWidget::cellWidth() const
{
    return m_group.isWide() ? 30 : 22;
}

RibbonAction* RibbonCatActionGroupWidget::member(int index) const
{
    const QList<RibbonAction*>& list = m_group.actions();
    return index >= 0 && index < list.size() ? list[index] : nullptr;
}

QWidget* RibbonCatActionGroupWidget::hostedWidget(RibbonAction* member) const
{
    return m_hosted.value(member);
}

QRect RibbonCatActionGroupWidget::cellRect(int index) const
{
    if (!member(index))
        return {};
    return mirror::visual(*this, QRect(index * cellWidth(), 0, cellWidth(), height()));
}

QSize RibbonCatActionGroupWidget::sizeHint() const
{
    return QSize(int(m_group.actions().size()) * cellWidth(), 22);
}

void RibbonCatActionGroupWidget::actionEvent(QActionEvent* event)
{
    QWidget::actionEvent(event);
    if (event->action() == &m_group)
        dropLeftMembers();
    if (event->type() == QEvent::ActionAdded && event->action() == &m_group && m_group.isWide()) {
        for (RibbonAction* a : m_group.actions()) {
            if (m_hosted.contains(a))
                continue;
            QWidget* widget = nullptr;
            IRibbonGroupWidget* face = nullptr;
            if (auto* color = qobject_cast<RibbonCatColorMenuAction*>(a)) {
                auto* button = new RibbonCatColorMenuButton(*color, this);
                widget = button;
                face = button;
            } else if (auto* menu = qobject_cast<RibbonCatMenuAction*>(a)) {
                auto* button = new RibbonCatMenuButton(*menu, this);
                widget = button;
                face = button;
            }
            if (widget) {
                widget->hide();
                m_groupWidgets.insert(a, face);
                m_hosted.insert(a, widget);
            }
        }
    }
    placeHosted();
    if (event->action() == &m_group)
        reportCheckedMembers();
    updateGeometry();
    update();
}

void RibbonCatActionGroupWidget::reportCheckedMembers()
{
    // The members are painted cells, not buttons that report themselves.
    QMap<const RibbonAction*, bool> now;
    const QList<RibbonAction*>& members = m_group.actions();
    for (int i = 0; i < members.size(); ++i) {
        const RibbonAction* m = members[i];
        const bool checked = m->isCheckable() && m->isChecked();
        now.insert(m, checked);
        if (m_reportedChecked.contains(m) && m_reportedChecked.value(m) != checked)
            notifyAccessibleChecked(this, i);
    }
    m_reportedChecked = now;
}

void RibbonCatActionGroupWidget::dropLeftMembers()
{
    // A hosted widget whose member left the group (or died, and its address
    // may since name a new member) would open a popup for the wrong cell.
    const QList<RibbonAction*>& members = m_group.actions();
    for (auto it = m_hosted.begin(); it != m_hosted.end();) {
        QWidget* widget = it.value();
        QAction* shown = nullptr;
        if (auto* color = qobject_cast<RibbonCatColorMenuButton*>(widget))
            shown = color->action();
        else if (auto* menu = qobject_cast<RibbonCatMenuButton*>(widget))
            shown = menu->action();
        if (members.contains(it.key()) && shown == it.key()) {
            ++it;
            continue;
        }
        m_groupWidgets.remove(it.key());
        it = m_hosted.erase(it);
        // Letting go of the action closes its popup at once; the widget itself
        // goes later, as this may run inside one of its popup's own signals.
        if (shown)
            widget->removeAction(shown);
        widget->hide();
        widget->deleteLater();
    }
}

void RibbonCatActionGroupWidget::placeHosted()
{
    // Placed over their cells so that popups open below them.
    for (auto it = m_hosted.cbegin(); it != m_hosted.cend(); ++it)
        it.value()->setGeometry(
            mirror::visual(*this, QRect(int(m_group.actions().indexOf(it.key())) * 30, 0, 30, 22)));
}

int RibbonCatActionGroupWidget::cellAt(qreal x) const
{
    // Cells run from the right edge right to left.
    const int logical = isRightToLeft() ? width() - 1 - int(x) : int(x);
    return logical / cellWidth();
}

void RibbonCatActionGroupWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeHosted();
}

void RibbonCatActionGroupWidget::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LayoutDirectionChange)
        placeHosted();
}

void RibbonCatActionGroupWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const int i = cellAt(event->position().x());
    RibbonAction* m = member(i);
    // A press that opened a member's popup never sees its release (the popup
    // takes it): the old index must not carry over to this press.
    m_pressedIndex = -1;
    if (m && m->isEnabled())
        m_pressedIndex = i;
    if (m_group.isWide() && m_pressedIndex >= 0) {
        if (IRibbonGroupWidget* face = m_groupWidgets.value(member(m_pressedIndex)))
            face->processEvents(event);
    }
    update();
}

void RibbonCatActionGroupWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const int i = cellAt(event->position().x());
    RibbonAction* m = member(i);
    const bool trigger = m_pressedIndex >= 0 && i == m_pressedIndex && m && m->isEnabled();
    m_pressedIndex = -1;
    update();
    if (!trigger)
        return;
    // As in an exclusive QActionGroup: the checked member stays checked and
    // reports its use as checked.
    if (m_group.isExclusive() && m == m_group.checkedAction() && m->isChecked())
        emit m->triggered(true);
    else
        m->activate(QAction::Trigger);
}

void RibbonCatActionGroupWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (RibbonAction* m = member(cellAt(event->position().x())))
        setToolTip(m->toolTip());
    update();
}

void RibbonCatActionGroupWidget::paintEvent(QPaintEvent*)
{
    const RibbonStyle* skin = RibbonApplication::theApp()->ribbonStyle();
    QPainter painter(this);
    const QList<RibbonAction*>& list = m_group.actions();
    const int count = int(list.size());
    const int cw = cellWidth();
    const int h = height();
    const bool wide = m_group.isWide();
    const QPoint p = pointerPos(*this);
    const bool under = underMouse();
    const bool rtl = isRightToLeft();
    const int w = width();
    for (int i = 0; i < count; ++i) {
        RibbonAction* m = list[i];
        // The skin pieces are drawn in left-to-right cells and mirrored: the
        // first member's rounded end stands at the right right to left.
        const QRect cell(i * cw, 0, cw, 22);
        const bool enabled = m_group.isEnabled() && m->isEnabled();
        const bool hovered = under && mirror::visual(*this, cell).contains(p);
        int f = 0;
        if (!enabled)
            f = 0;
        else if (i == m_pressedIndex && !wide)
            f = 2;
        else if (m->isChecked())
            f = hovered ? 4 : 3;
        else if (hovered || i == m_pressedIndex)
            f = 1;
        const int sy = f * 22;
        std::optional<mirror::Flip> flip;
        flip.emplace(painter, w, rtl);
        if (!wide) {
            const QPixmap& pm = count == 1       ? skin->normalButtonSmall()
                                : i == 0         ? skin->btnGroupFirst()
                                : i == count - 1 ? skin->btnGroupLast()
                                                 : skin->btnGroupMidle();
            skin->drawPixmap(painter, cell, pm, QRect(0, sy, 22, 22));
        } else {
            const int x = cell.x();
            if (count > 1 && i == count - 1) {
                skin->drawPixmap(painter, QRect(x, 0, 2, 22), skin->btnGroupMidle(),
                                 QRect(0, sy, 2, 22));
                skin->drawPixmap(painter, QRect(x + 2, 0, 18, 22), skin->btnGroupMidle(),
                                 QRect(2, sy, 8, 22));
            } else {
                skin->drawPixmap(painter, QRect(x, 0, 20, 22), skin->btnGroupFirst(),
                                 QRect(0, sy, 20, 22));
            }
            skin->drawPixmap(painter, QRect(x + 20, 0, 8, 22), skin->btnGroupMidle(),
                             QRect(2, sy, 10, 22));
            skin->drawPixmap(painter, QRect(x + 28, 0, 2, 22), skin->btnGroupLast(),
                             QRect(20, sy, 2, 22));
            const QColor& c = m_group.isEnabled() ? skin->highlightedCategoryTextColor()
                                                  : skin->disabledCategoryTextColor();
            painter.setPen(c);
            painter.setBrush(c);
            RibbonStyle::drawSymbol(painter, QRect(x + 20, h / 2, 5, 3), ArrowDown);
        }
        flip.reset();
        const QPixmap icon =
            m->icon().pixmap(QSize(16, 16), RibbonStyle::devicePixelRatio(painter),
                             enabled ? QIcon::Normal : QIcon::Disabled, QIcon::Off);
        if (!icon.isNull()) {
            const QSize s = icon.deviceIndependentSize().toSize();
            const int mainWidth = wide ? 20 : cw;
            const QPoint c(cell.x() + (mainWidth - 1) / 2, (22 - 1) / 2);
            painter.drawPixmap(
                mirror::visual(*this, QRect(c.x() - (s.width() - 1) / 2,
                                            c.y() - (s.height() - 1) / 2, s.width(), s.height())),
                icon);
        }
    }
}

} // namespace oru
