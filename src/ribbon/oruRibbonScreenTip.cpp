#include "oruRibbonScreenTip.h"

#include "oruMirror_p.h"
#include "oruRibbonAction.h"
#include "oruRibbonApplication.h"
#include "oruRibbonStyle.h"

#include <QAction>
#include <QEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace oru {

namespace {

// Inner padding, the widest a description paragraph may run, and the gap
// between title and description.
constexpr int kPadding = 6;
constexpr int kDescriptionWidth = 220;
constexpr int kGap = 6;

QAction* aliasOf(QAction* action)
{
    auto* ribbon = qobject_cast<RibbonAction*>(action);
    return ribbon ? ribbon->alias() : nullptr;
}

} // namespace

RibbonScreenTip::RibbonScreenTip(QWidget* parent)
    : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_ShowWithoutActivating);
    m_titleFont = font();
    m_titleFont.setBold(true);
}

RibbonScreenTip::~RibbonScreenTip() = default;

void RibbonScreenTip::setAction(QAction* action)
{
    m_action = action;
    m_title.clear();
    m_description.clear();
    m_shortcut.clear();
    m_group.clear();
    if (action) {
        QAction* alias = aliasOf(action);
        m_title = action->iconText();
        m_description = action->whatsThis();
        QKeySequence key = action->shortcut();
        if (alias) {
            if (m_title.isEmpty())
                m_title = alias->iconText();
            if (m_description.isEmpty())
                m_description = alias->whatsThis();
            if (key.isEmpty())
                key = alias->shortcut();
        }
        m_shortcut = key.toString(QKeySequence::NativeText);
    }
    updateLayout();
}

void RibbonScreenTip::updateLayout()
{
    const QFontMetrics titleMetrics(m_titleFont);
    const QFontMetrics metrics(font());
    m_head = m_title;
    if (!m_shortcut.isEmpty())
        m_head += QStringLiteral(" (") + m_shortcut + QLatin1Char(')');
    int width = titleMetrics.horizontalAdvance(m_head);
    int y = kPadding;
    m_titleRect = QRect(kPadding, y, width, titleMetrics.height());
    y += titleMetrics.height();
    m_descriptionRect = QRect();
    if (!m_description.isEmpty()) {
        const QRect bounds = metrics.boundingRect(
            QRect(0, 0, qMax(kDescriptionWidth, width), 10000), Qt::TextWordWrap, m_description);
        y += kGap;
        m_descriptionRect = QRect(kPadding, y, bounds.width(), bounds.height());
        y += bounds.height();
        width = qMax(width, bounds.width());
    }
    m_groupRect = QRect();
    if (!m_group.isEmpty()) {
        // Below a rule, in the tip's own font.
        y += 2 * kGap + 1;
        m_groupRect = QRect(kPadding, y, metrics.horizontalAdvance(m_group), metrics.height());
        y += metrics.height();
        width = qMax(width, m_groupRect.width());
    }
    m_titleRect.setWidth(width);
    m_descriptionRect.setWidth(m_descriptionRect.isNull() ? 0 : width);
    m_groupRect.setWidth(m_groupRect.isNull() ? 0 : width);
    m_size = QSize(width + 2 * kPadding, y + kPadding);
    updateGeometry();
    update();
}

QSize RibbonScreenTip::sizeHint() const
{
    return m_size;
}

void RibbonScreenTip::showAt(QAction* action, const QPoint& globalPos)
{
    showAt(action, globalPos, QString());
}

void RibbonScreenTip::showAt(QAction* action, const QPoint& globalPos, const QString& groupCaption)
{
    setAction(action);
    if (hasContents() && !groupCaption.isEmpty()) {
        m_group = groupCaption;
        updateLayout();
    }
    if (!hasContents()) {
        hide();
        return;
    }
    resize(m_size);
    // Below the pointer, running away from it in the reading direction: right
    // to left the tip's right edge is at the pointer.
    QPoint target = globalPos + QPoint(isRightToLeft() ? 1 - m_size.width() : 0, 20);
    QScreen* screen = QGuiApplication::screenAt(globalPos);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen) {
        const QRect avail = screen->availableGeometry();
        if (target.x() + m_size.width() - 1 > avail.right())
            target.setX(avail.right() - m_size.width() + 1);
        if (target.y() + m_size.height() - 1 > avail.bottom())
            target.setY(globalPos.y() - m_size.height() - 4);
        target.setX(qMax(target.x(), avail.left()));
    }
    move(target);
    show();
    raise();
}

void RibbonScreenTip::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange) {
        m_titleFont = font();
        m_titleFont.setBold(true);
        updateLayout();
    }
    QWidget::changeEvent(event);
}

void RibbonScreenTip::paintEvent(QPaintEvent*)
{
    const RibbonStyle* skin = RibbonApplication::theApp()->ribbonStyle();
    QPainter painter(this);
    skin->drawTooltipBack(painter, rect());

    // The text colour of menu items, dark on every skin's light tip.
    painter.setPen(skin->highlightedCategoryTextColor());
    painter.setFont(m_titleFont);
    // Right to left the texts start at the right edge.
    painter.drawText(mirror::visual(*this, m_titleRect),
                     mirror::leading(*this) | Qt::AlignVCenter | Qt::TextSingleLine, m_head);
    if (!m_description.isEmpty()) {
        painter.setFont(font());
        painter.drawText(mirror::visual(*this, m_descriptionRect),
                         mirror::leading(*this) | Qt::AlignTop | Qt::TextWordWrap, m_description);
    }
    if (!m_group.isEmpty()) {
        const int rule = m_groupRect.top() - kGap - 1;
        painter.setPen(skin->frameOutlineColor());
        painter.drawLine(kPadding, rule, width() - kPadding - 1, rule);
        painter.setPen(skin->highlightedCategoryTextColor());
        painter.setFont(font());
        painter.drawText(mirror::visual(*this, m_groupRect),
                         mirror::leading(*this) | Qt::AlignVCenter | Qt::TextSingleLine, m_group);
    }
}

} // namespace oru
