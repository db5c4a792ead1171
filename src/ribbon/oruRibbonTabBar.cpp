#include "oruRibbonTabBar.h"
#include "oruMirror_p.h"
#include "oruMnemonic_p.h"

#include "oruRibbonAccessibleEvents_p.h"

#include "oruRibbonApplication.h"
#include "oruRibbonMenuAction.h"
#include "oruRibbonStyle.h"
#include "oruRibbonSymbolButton.h"
#include "oruTextLines_p.h"

#include <QActionEvent>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QTimer>
#include <QtMath>

namespace oru {

namespace {
constexpr int ArrowAreaWidth = 74;
constexpr int TabHeight = 16;
constexpr int DragDelay = 400;
} // namespace

RibbonTabBar::RibbonTabBar(RibbonMenuAction& menuAction, QWidget* parent)
    : QWidget(parent), m_menuAction(&menuAction), m_menuObject(&menuAction)
{
    addAction(&menuAction);
    setSizePolicy(QSizePolicy::MinimumExpanding, QSizePolicy::Fixed);
    setFixedHeight(TabHeight);
    fitTextFont();

    struct Nav
    {
        eSymbolType symbol;
        int x;
        void (RibbonTabBar::*slot)();
    };
    const Nav navs[] = {{NavFirst, 5, &RibbonTabBar::navFirst},
                        {NavPrev, 21, &RibbonTabBar::navPrev},
                        {NavNext, 37, &RibbonTabBar::navNext},
                        {NavLast, 53, &RibbonTabBar::navLast}};
    for (const Nav& nav : navs) {
        auto* button = new RibbonSymbolButton(nav.symbol, this);
        button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        button->setFixedSize(16, 16);
        button->move(nav.x, 0);
        connect(button, &QAbstractButton::clicked, this, nav.slot);
    }

    m_dragTimer = new QTimer(this);
    connect(m_dragTimer.data(), &QTimer::timeout, this, &RibbonTabBar::toggleTab);
    setAcceptDrops(true);
}

RibbonTabBar::~RibbonTabBar() = default;

QSize RibbonTabBar::sizeHint() const
{
    return QSize(ArrowAreaWidth, TabHeight);
}

QList<QAction*> RibbonTabBar::tabActions() const
{
    QList<QAction*> result;
    if (m_menuAction) {
        for (RibbonAction* action : m_menuAction->menuActions())
            result.append(action);
    }
    return result;
}

void RibbonTabBar::updateTabSizes()
{
    QFont bold = font();
    bold.setWeight(QFont::Bold);
    const QFontMetrics metrics(bold);
    m_tabSizes.clear();
    const QList<QAction*> actions = tabActions();
    for (QAction* action : actions) {
        const int w = textlines::captionWidth(metrics, mnemonic::plainText(action->text())) + 20;
        m_tabWidth = w;
        m_tabSizes.append(QSize(w, TabHeight));
    }
    m_firstVisible = qMax(0, qMin(m_firstVisible, int(m_tabSizes.size()) - 1));
}

// The strip is laid out left to right (arrows, then the tabs from the first
// visible one) and mirrored as a whole right to left: arrows at the right,
// the first tab next to them, later tabs to its left.
int RibbonTabBar::hitTab(const QPoint& visualPoint, QRect* rect) const
{
    const QPoint p =
        isRightToLeft() ? QPoint(width() - 1 - visualPoint.x(), visualPoint.y()) : visualPoint;
    const int n = int(m_tabSizes.size());
    int x = ArrowAreaWidth;
    for (int i = m_firstVisible; i < n; ++i) {
        const QRect r(x, 0, m_tabSizes[i].width(), m_tabSizes[i].height());
        if (r.contains(p)) {
            if (rect)
                *rect = mirror::visual(*this, r);
            return i;
        }
        x += r.width();
        if (x > width() - 1)
            break;
    }
    return -1;
}

QRect RibbonTabBar::tabRect(const QPoint& p) const
{
    QRect rect;
    hitTab(p, &rect);
    return rect;
}

QRect RibbonTabBar::tabRect(int index) const
{
    const int n = int(m_tabSizes.size());
    if (index < m_firstVisible || index >= n)
        return {};
    int x = ArrowAreaWidth;
    for (int i = m_firstVisible; i < index; ++i)
        x += m_tabSizes[i].width();
    // Painted from the arrows to the right edge; the tab the painter stops
    // at may be cut off, and what lies beyond is not shown.
    if (x >= width() - 1)
        return {};
    return mirror::visual(*this,
                          QRect(x, 0, m_tabSizes[index].width(), m_tabSizes[index].height()));
}

QAction* RibbonTabBar::actionByPoint(const QPoint& p) const
{
    const int index = hitTab(p, nullptr);
    const QList<QAction*> actions = tabActions();
    return index >= 0 && index < actions.size() ? actions[index] : nullptr;
}

void RibbonTabBar::activateTab(const QPoint& p)
{
    QAction* action = actionByPoint(p);
    if (action && !action->isChecked())
        action->activate(QAction::Trigger);
}

int RibbonTabBar::maxFirst() const
{
    const int room = width() - ArrowAreaWidth;
    int i = int(m_tabSizes.size()) - 1;
    int sum = 0;
    while (i >= 1) {
        sum += m_tabSizes[i].width();
        if (sum >= room)
            return i + 1;
        i -= 1;
    }
    return i;
}

void RibbonTabBar::navFirst()
{
    m_firstVisible = 0;
    update();
}

void RibbonTabBar::navPrev()
{
    const int n = int(m_tabSizes.size());
    m_firstVisible = qMax(0, qMin(m_firstVisible - 1, n - 1));
    update();
}

void RibbonTabBar::navNext()
{
    const int n = int(m_tabSizes.size());
    m_firstVisible = qMax(0, qMin(m_firstVisible + 1, qMax(0, qMin(n - 1, maxFirst()))));
    update();
}

void RibbonTabBar::navLast()
{
    const int n = int(m_tabSizes.size());
    m_firstVisible = qMax(0, qMin(maxFirst(), n - 1));
    update();
}

void RibbonTabBar::ensureVisible(bool isLast)
{
    if (isLast)
        navFirst();
    else
        navNext();
}

void RibbonTabBar::ensureVisible()
{
    ensureVisible(false);
}

void RibbonTabBar::toggleTab()
{
    activateTab(m_dragPos);
    if (m_dragTimer)
        m_dragTimer->stop();
}

void RibbonTabBar::mousePressEvent(QMouseEvent* event)
{
    activateTab(event->position().toPoint());
    QWidget::mousePressEvent(event);
}

void RibbonTabBar::mouseDoubleClickEvent(QMouseEvent*)
{
    // Swallowed: a double click must not reach the parent.
}

void RibbonTabBar::contextMenuEvent(QContextMenuEvent* event)
{
    activateTab(event->pos());
}

void RibbonTabBar::paintEvent(QPaintEvent*)
{
    const RibbonStyle* skin = RibbonApplication::theApp()->ribbonStyle();
    const QPixmap& pixmap = skin->tabBarTabs();
    QPainter painter(this);
    const bool rtl = isRightToLeft();
    // The strip's own band under arrows and tabs, over the whole width: the
    // notches between tabs and the room after the last one show it, never
    // the parent behind.
    skin->drawPixmap(painter, QRect(0, 0, width(), TabHeight), pixmap, QRect(0, 0, 1, 16));

    const QList<QAction*> actions = tabActions();
    const int n = qMin(int(actions.size()), int(m_tabSizes.size()));
    if (n == 0)
        return;

    // The visible tabs; the last one may be cut off at the right edge.
    QList<QRect> rects;
    int x = ArrowAreaWidth;
    for (int i = m_firstVisible; i < n; ++i) {
        rects.append(QRect(x, 0, m_tabSizes[i].width(), TabHeight));
        x += m_tabSizes[i].width();
        if (x >= width() - 1)
            break;
    }
    const int lastVisible = m_firstVisible + int(rects.size()) - 1;

    const auto drawTab = [&](const QRect& r, int y0, const QString& text) {
        const int tx = r.x();
        const int w = r.width();
        {
            // The slants lean the other way right to left.
            const mirror::Flip flip(painter, width(), rtl);
            skin->drawPixmap(painter, QRect(tx, 0, 4, 16), pixmap, QRect(0, y0, 4, 16));
            skin->drawPixmap(painter, QRect(tx + 4, 0, w - 9, 16), pixmap, QRect(4, y0, 1, 16));
            skin->drawPixmap(painter, QRect(tx + w - 5, 0, 16, 16), pixmap, QRect(5, y0, 16, 16));
        }
        // One line on a whole-pixel baseline that keeps the letters clear
        // of the tab's bottom edge, at the leading end of its room.
        const QFontMetrics fm = painter.fontMetrics();
        const QString shown = textlines::fittedCaption(fm, text, w - 16);
        const QRect room = mirror::visual(*this, QRect(tx + 8, 0, w - 16, TabHeight));
        const int x = rtl ? room.right() + 1 - fm.horizontalAdvance(shown) : room.left();
        painter.drawText(QPoint(x, m_textBaseline), shown);
    };

    painter.setPen(skin->highlightedCategoryTextColor());
    painter.setFont(m_textFont);
    // Right to left, so each tab's right slice overlaps its right neighbour.
    for (int i = lastVisible; i >= m_firstVisible; --i)
        drawTab(rects[i - m_firstVisible], 0, mnemonic::plainText(actions[i]->text()));

    const int selected = m_menuAction ? int(actions.indexOf(m_menuAction->checkedAction())) : -1;
    if (selected >= m_firstVisible && selected <= lastVisible) {
        QFont bold = m_textFont;
        bold.setWeight(QFont::Bold);
        painter.setFont(bold);
        drawTab(rects[selected - m_firstVisible], 16,
                mnemonic::plainText(actions[selected]->text()));
    }
}

void RibbonTabBar::actionEvent(QActionEvent* event)
{
    // Compared as an object: the action may be inside its destructor, no
    // longer a RibbonMenuAction.
    if (!m_menuObject || static_cast<QObject*>(event->action()) != m_menuObject)
        return;
    switch (event->type()) {
    case QEvent::ActionRemoved:
        // Sent by a plain removal (also when the action is added again) and
        // from the action's own destructor. Only the dying action, no longer
        // a RibbonMenuAction by then and with its entries gone, is forgotten.
        if (!qobject_cast<RibbonMenuAction*>(event->action())) {
            m_menuAction = nullptr;
            m_menuObject = nullptr;
        }
        Q_FALLTHROUGH();
    case QEvent::ActionAdded:
    case QEvent::ActionChanged: {
        updateTabSizes();
        update();
        QAction* selected = m_menuAction ? m_menuAction->checkedAction() : nullptr;
        if (selected != m_selectedTab) {
            const QList<QAction*> tabs = tabActions();
            if (m_selectedTab && tabs.contains(m_selectedTab))
                notifyAccessibleSelection(this, int(tabs.indexOf(m_selectedTab)), false);
            m_selectedTab = selected;
            if (selected)
                notifyAccessibleSelection(this, int(tabs.indexOf(selected)), true);
        }
        break;
    }
    default:
        break;
    }
}

void RibbonTabBar::dragEnterEvent(QDragEnterEvent* event)
{
    event->accept();
    QWidget::dragEnterEvent(event);
    m_dragPos = event->position().toPoint();
    m_dragTimer->start(DragDelay);
}

void RibbonTabBar::dragMoveEvent(QDragMoveEvent* event)
{
    event->accept();
    QWidget::dragMoveEvent(event);
    // Restart only when the pointer reached another tab: moving within one
    // tab must not postpone its activation forever.
    const QPoint pos = event->position().toPoint();
    if (actionByPoint(pos) != actionByPoint(m_dragPos)) {
        m_dragTimer->stop();
        m_dragPos = pos;
        m_dragTimer->start(DragDelay);
    }
}

void RibbonTabBar::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // The four arrows, 16 pixels apart from x = 5, in the order they were made.
    int x = 5;
    for (QWidget* button : findChildren<RibbonSymbolButton*>(Qt::FindDirectChildrenOnly)) {
        button->move(mirror::visual(*this, QRect(x, 0, 16, 16)).topLeft());
        x += 16;
    }
}

void RibbonTabBar::fitTextFont()
{
    // Tabs are 16 pixels high between a top and a bottom edge. The letters
    // (ascenders to descenders) keep to rows 1-13, so one row stays clear
    // above the bottom edge; a font too large for that is painted a little
    // smaller, never cut or touching.
    constexpr qreal FirstRow = 1;
    constexpr qreal EndRow = 14; // where the clear row begins
    const QString sample = QStringLiteral("Hbdfhklgjpqy");
    m_textFont = font();
    m_textFont.setWeight(QFont::Normal);
    for (;;) {
        QFont bold = m_textFont;
        bold.setWeight(QFont::Bold);
        const QRectF ink = QFontMetricsF(bold).tightBoundingRect(sample);
        // The baselines that keep the ink inside; the lower half of the
        // range when there is room to spare.
        const int highest = qCeil(FirstRow - ink.top());
        const int lowest = qFloor(EndRow - ink.bottom());
        const bool smallest = m_textFont.pixelSize() > 0 ? m_textFont.pixelSize() <= 6
                                                         : m_textFont.pointSizeF() <= 4.5;
        if (highest <= lowest || smallest) {
            m_textBaseline = smallest ? highest : (highest + lowest + 1) / 2;
            return;
        }
        if (m_textFont.pixelSize() > 0)
            m_textFont.setPixelSize(m_textFont.pixelSize() - 1);
        else
            m_textFont.setPointSizeF(m_textFont.pointSizeF() - 0.5);
    }
}

void RibbonTabBar::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        fitTextFont();
        update();
    }
    if (event->type() == QEvent::LayoutDirectionChange) {
        QResizeEvent resize(size(), size());
        resizeEvent(&resize);
        update();
    }
}

void RibbonTabBar::dragLeaveEvent(QDragLeaveEvent* event)
{
    event->accept();
    QWidget::dragLeaveEvent(event);
}

} // namespace oru
