#include "oruRibbonCategoryPanel.h"

#include "oruRibbonCategoriesPanelAction.h"
#include "oruRibbonCategory.h"
#include "oruRibbonCategoryAction.h"
#include "oruRibbonCategoryPanels.h"
#include "oruRibbonCategoryWrapper.h"
#include "oruRibbonSimplifiedRow_p.h"

#include <QActionEvent>
#include <QStyle>

#include <algorithm>

namespace oru {

namespace {

// The gap between neighbouring groups on a page.
constexpr int kGap = 2;

// A wrapper with its gain: what collapsing it saves, or expanding it costs,
// taken once per pass.
struct Gained
{
    RibbonCategoryWrapper* wrapper;
    int gain;
};

// Orders wrappers by decreasing gain; with a stable sort the page order stays
// among equal gains, so walking from the end visits the smallest gain first
// and, among equal ones, the rightmost first.
struct cmpWrappers
{
    bool operator()(const Gained& a, const Gained& b) const { return a.gain > b.gain; }
};

} // namespace

RibbonCategoryPanelLayout::RibbonCategoryPanelLayout(RibbonCategoryPanel& page) : m_page(page)
{
    setContentsMargins(0, 0, 0, 0);
    setSpacing(2);
}

RibbonCategoryPanelLayout::~RibbonCategoryPanelLayout() = default;

Qt::Orientations RibbonCategoryPanelLayout::expandingDirections() const
{
    return Qt::Horizontal;
}

bool RibbonCategoryPanelLayout::hasHeightForWidth() const
{
    return false;
}

void RibbonCategoryPanelLayout::addCategory(RibbonCategoryWrapper* wrapper)
{
    if (wrapper && !m_wrapperList.contains(wrapper)) {
        m_wrapperList.append(wrapper);
        invalidate();
    }
}

void RibbonCategoryPanelLayout::removeCategory(RibbonCategoryWrapper* wrapper)
{
    if (m_wrapperList.removeAll(wrapper) > 0)
        invalidate();
}

QSize RibbonCategoryPanelLayout::sizeHint() const
{
    if (const RibbonSimplifiedRow* row = m_page.simplifiedRow())
        return QSize(row->minimumSizeHint().width(), RibbonSimplifiedRow::RowHeight);
    int width = 0;
    for (const RibbonCategoryWrapper* wrapper : m_wrapperList)
        width += wrapper->minimumSizeHint().width();
    if (m_wrapperList.size() >= 2)
        width += kGap * int(m_wrapperList.size() - 1);
    return QSize(width, 85);
}

QSize RibbonCategoryPanelLayout::minimumSize() const
{
    return sizeHint();
}

void RibbonCategoryPanelLayout::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    if (RibbonSimplifiedRow* row = m_page.simplifiedRow()) {
        row->setGeometry(0, 0, rect.width(), rect.height());
        return;
    }
    // What the placement below uses: the page's whole width, and the groups
    // with the gaps between them.
    const int avail = rect.width();

    QVector<Gained> collapsedOnes;
    QVector<Gained> expandedOnes;
    int total = m_wrapperList.size() > 1 ? kGap * int(m_wrapperList.size() - 1) : 0;
    for (RibbonCategoryWrapper* wrapper : std::as_const(m_wrapperList)) {
        const int full = wrapper->sizeHint().width();
        const int small = wrapper->minimumSizeHint().width();
        if (wrapper->isColapsed()) {
            total += small;
            collapsedOnes.append({wrapper, full - small});
        } else {
            total += full;
            expandedOnes.append({wrapper, full - small});
        }
    }

    if (avail < total) {
        std::stable_sort(expandedOnes.begin(), expandedOnes.end(), cmpWrappers());
        for (auto it = expandedOnes.crbegin(); it != expandedOnes.crend(); ++it) {
            it->wrapper->setColapsed(true);
            total -= it->gain;
            if (total <= avail)
                break;
        }
    } else {
        std::stable_sort(collapsedOnes.begin(), collapsedOnes.end(), cmpWrappers());
        for (auto it = collapsedOnes.crbegin(); it != collapsedOnes.crend(); ++it) {
            total += it->gain;
            if (total > avail)
                break;
            it->wrapper->setColapsed(false);
        }
    }

    // Groups are placed from the left and mirrored right to left, so that the
    // first group stands at the right edge.
    const Qt::LayoutDirection direction = m_page.layoutDirection();
    const QRect page(0, 0, rect.width(), rect.height());
    int x = 0;
    for (RibbonCategoryWrapper* wrapper : std::as_const(m_wrapperList)) {
        const QSize size = wrapper->isColapsed() ? wrapper->minimumSizeHint() : wrapper->sizeHint();
        wrapper->setGeometry(QStyle::visualRect(direction, page, QRect(QPoint(x, 0), size)));
        // The category has no layout around it inside the wrapper.
        if (RibbonCategory* group = wrapper->isColapsed() ? nullptr : wrapper->category();
            group && group->size() != size)
            group->resize(size);
        x += size.width() + kGap;
    }
}

RibbonCategoryPanel::RibbonCategoryPanel(RibbonCategoryPanels& stack,
                                         RibbonCategoriesPanelAction& action)
    : QWidget(&stack), m_stack(stack), m_pageAction(&action)
{
    setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
    m_pageLayout = new RibbonCategoryPanelLayout(*this);
    setLayout(m_pageLayout);
    const QList<RibbonCategoryAction*> existing = action.categories();
    for (RibbonCategoryAction* category : existing)
        addCategory(category);
    connect(&action, &RibbonCategoriesPanelAction::categoryAdded, this,
            &RibbonCategoryPanel::addCategory);
    connect(&action, &RibbonCategoriesPanelAction::categoryRemoved, this,
            &RibbonCategoryPanel::removeCategory);
}

RibbonCategoryPanel::~RibbonCategoryPanel()
{
    delete m_row;
    m_row = nullptr;
    // The wrappers are children; let the layout forget them first.
    const auto wrappers = m_wrappers;
    m_wrappers.clear();
    for (RibbonCategoryWrapper* wrapper : wrappers) {
        m_pageLayout->removeCategory(wrapper);
        delete wrapper;
    }
}

RibbonCategoryWrapper* RibbonCategoryPanel::wrapper(RibbonCategoryAction* category) const
{
    return m_wrappers.value(category, nullptr);
}

void RibbonCategoryPanel::setSimplified(bool simplified)
{
    if (simplified == isSimplified() || !m_pageAction)
        return;
    if (simplified) {
        m_row = new RibbonSimplifiedRow(*m_pageAction, this);
        for (RibbonCategoryWrapper* wrapper : std::as_const(m_wrappers))
            wrapper->hide();
        m_row->show();
    } else {
        delete m_row;
        m_row = nullptr;
        for (RibbonCategoryWrapper* wrapper : std::as_const(m_wrappers))
            wrapper->show();
    }
    m_pageLayout->invalidate();
    updateGeometry();
}

void RibbonCategoryPanel::ensureBuilt()
{
    if (m_built)
        return;
    m_built = true;
    for (RibbonCategoryWrapper* wrapper : m_pageLayout->wrappers())
        if (RibbonCategory* group = wrapper->category())
            group->ensureBuilt();
    // The groups' sizes changed: the next placement decides again what to
    // collapse, with the controls in.
    m_pageLayout->invalidate();
}

void RibbonCategoryPanel::setVisible(bool visible)
{
    if (visible)
        ensureBuilt();
    QWidget::setVisible(visible);
}

void RibbonCategoryPanel::addCategory(RibbonCategoryAction* category)
{
    addAction(category);
}

void RibbonCategoryPanel::removeCategory(RibbonCategoryAction* category)
{
    removeAction(category);
}

void RibbonCategoryPanel::actionEvent(QActionEvent* event)
{
    QWidget::actionEvent(event);
    QAction* action = event->action();
    if (event->type() == QEvent::ActionAdded) {
        auto* category = qobject_cast<RibbonCategoryAction*>(action);
        if (category && !m_wrappers.contains(action)) {
            auto* wrapper = new RibbonCategoryWrapper(*this, *category);
            m_wrappers.insert(action, wrapper);
            m_pageLayout->addCategory(wrapper);
            if (isVisible() && !m_row)
                wrapper->show();
            else if (m_row)
                wrapper->hide();
            updateGeometry();
        }
    } else if (event->type() == QEvent::ActionRemoved) {
        if (RibbonCategoryWrapper* wrapper = m_wrappers.take(action)) {
            m_pageLayout->removeCategory(wrapper);
            delete wrapper;
            updateGeometry();
        }
    }
}

void RibbonCategoryPanel::showEvent(QShowEvent* event)
{
    if (!m_built) {
        // Shown along with its parent rather than on its own: build and
        // place now, before the first paint.
        ensureBuilt();
        m_pageLayout->activate();
    }
    QWidget::showEvent(event);
    updateGeometry();
}

} // namespace oru
