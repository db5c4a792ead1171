#include "oruRibbonCategoryLayout.h"

#include "oruRibbonCategory.h"

#include <QStyle>

#include <algorithm>
#include <functional>
#include <vector>

namespace oru {

namespace {

const int frameHeight = 85;
const int smallHeight = 22;

constexpr int kExactRun = 16;
constexpr int kSearchedRun = 64;
constexpr long kSearchSteps = 20000;

// The exhaustive search for the narrowest split of a run into up to three
// rows, visiting candidates in the one order that decides ties: for row-one
// sizes k1 = n-1 down to 1, first the two-row splits, then the three-row
// splits with row-two sizes k2 = n-k1-1 down to 1; within one pair of sizes
// the index lists in lexicographic order, row two advancing fastest. A
// candidate wins only by a strictly narrower widest row.
//
// Whole subtrees of the enumeration are skipped when no candidate in them
// can be strictly narrower than the best so far, which leaves the first best
// in search order unchanged.
//
// The pruned enumeration is still exponential in the worst case, so its cost
// is capped: runs of up to kExactRun controls (every group a ribbon is built
// with) are searched to the end, longer runs visit at most kSearchSteps nodes
// and keep the best split found by then, starting from a greedy split that is
// never more than a third wider than the narrowest; runs longer than
// kSearchedRun take the greedy split alone. Cost: constant for short runs,
// O(n^2 log n) up to kSearchedRun, O(n log n) beyond.
class RowSearch
{
public:
    explicit RowSearch(const QVector<int>& widths)
        : m_w(widths.begin(), widths.end()), m_n(int(widths.size())), m_inRowOne(m_w.size(), 0),
          m_bestRow(m_w.size(), 0), m_minSuffix(m_w.size() + 1, 0), m_maxSuffix(m_w.size() + 1, 0),
          m_remMin(m_w.size() + 1, 0), m_remMax(m_w.size() + 1, 0), m_inRowTwo(m_w.size(), 0)
    {
        int widest = 0;
        for (int& width : m_w) {
            width = std::max(width, 0); // an invalid size hint takes no room
            m_total += width;
            widest = std::max(widest, width);
        }
        if (m_n > kExactRun)
            m_steps = kSearchSteps;
        // The single row is the starting result. Splits that are not
        // narrower than some known split can never be the final result
        // (that split, or a narrower one, replaces them), so the search
        // only looks for splits narrower than the widest row of a quick
        // greedy split; the first one of the narrowest width in search
        // order is still the one found.
        const int greedy = greedySplit();
        if (greedy < m_total)
            m_bestRow = m_greedyRow;
        m_best = std::min(m_total, greedy + 1);
        if (m_n > kSearchedRun)
            return;
        // No split can be narrower than these.
        m_floor2 = std::max(widest, (m_total + 1) / 2);
        m_floor3 = std::max(widest, (m_total + 2) / 3);
        for (int i = m_n - 1; i >= 0; --i) {
            m_minSuffix[i] = i == m_n - 1 ? m_w[i] : std::min(m_w[i], m_minSuffix[i + 1]);
            m_maxSuffix[i] = i == m_n - 1 ? m_w[i] : std::max(m_w[i], m_maxSuffix[i + 1]);
        }
        m_rem.reserve(m_w.size());
        // Sums of the k narrowest controls: a row of k controls is never
        // narrower, which rules out whole pairs of row sizes at once.
        std::vector<int> sorted = m_w;
        std::sort(sorted.begin(), sorted.end());
        m_narrowest.assign(m_w.size() + 1, 0);
        for (int k = 0; k < m_n; ++k)
            m_narrowest[k + 1] = m_narrowest[k] + sorted[size_t(k)];
        // For every start index, the sums of the k narrowest and the k widest
        // controls from there on: tight bounds for completing row one.
        const size_t stride = size_t(m_n) + 1;
        m_leastFrom.assign(stride * stride, 0);
        m_mostFrom.assign(stride * stride, 0);
        for (int i = 0; i < m_n; ++i) {
            std::vector<int> tail(m_w.begin() + i, m_w.end());
            std::sort(tail.begin(), tail.end());
            const int t = int(tail.size());
            for (int k = 1; k <= t; ++k) {
                m_leastFrom[size_t(i) * stride + size_t(k)] =
                    m_leastFrom[size_t(i) * stride + size_t(k - 1)] + tail[size_t(k - 1)];
                m_mostFrom[size_t(i) * stride + size_t(k)] =
                    m_mostFrom[size_t(i) * stride + size_t(k - 1)] + tail[size_t(t - k)];
            }
        }
    }

    QVector<int> run()
    {
        if (m_n > kSearchedRun)
            return QVector<int>(m_bestRow.begin(), m_bestRow.end());
        m_inRowOne[0] = 1;
        for (int k1 = m_n - 1; k1 >= 1 && !finished(); --k1) {
            m_k1 = k1;
            if (m_best > m_floor2 && canBeat(k1, m_n - k1, 0)) {
                m_rows = 2;
                pickRowOne(1, 1, m_w[0]);
            }
            for (int k2 = m_n - k1 - 1; k2 >= 1 && !finished(); --k2) {
                if (!canBeat(k1, k2, m_n - k1 - k2))
                    continue;
                m_k2 = k2;
                m_rows = 3;
                pickRowOne(1, 1, m_w[0]);
            }
        }
        return QVector<int>(m_bestRow.begin(), m_bestRow.end());
    }

private:
    bool finished() const { return m_best <= m_floor3 || m_steps == 0; }

    // Counts one node of the enumeration against the cap of a long run.
    bool step()
    {
        if (m_steps < 0)
            return true;
        if (m_steps > 0)
            --m_steps;
        return m_steps > 0;
    }

    // Each control, widest first, goes to the narrowest of three rows: a
    // split that exists, so its widest row bounds the result. The rows are
    // numbered as the search numbers them (row 0 holds the first control,
    // row 1 the first control outside row 0), and empty rows dropped.
    int greedySplit()
    {
        std::vector<int> order(m_w.size());
        for (int i = 0; i < m_n; ++i)
            order[size_t(i)] = i;
        std::stable_sort(order.begin(), order.end(),
                         [this](int a, int b) { return m_w[size_t(a)] > m_w[size_t(b)]; });
        int rows[3] = {0, 0, 0};
        std::vector<int> bin(m_w.size(), 0);
        for (int i : order) {
            const int r = int(std::min_element(rows, rows + 3) - rows);
            rows[r] += m_w[size_t(i)];
            bin[size_t(i)] = r;
        }
        int label[3] = {-1, -1, -1};
        int next = 0;
        m_greedyRow.assign(m_w.size(), 0);
        for (int i = 0; i < m_n; ++i) {
            int& l = label[bin[size_t(i)]];
            if (l < 0)
                l = next++;
            m_greedyRow[size_t(i)] = l;
        }
        return *std::max_element(rows, rows + 3);
    }

    int least(int from, int k) const
    {
        return m_leastFrom[size_t(from) * size_t(m_n + 1) + size_t(k)];
    }
    int most(int from, int k) const
    {
        return m_mostFrom[size_t(from) * size_t(m_n + 1) + size_t(k)];
    }

    // Whether rows of these sizes could be narrower than the best at all.
    bool canBeat(int k1, int k2, int k3) const
    {
        return m_narrowest[k1] < m_best && m_narrowest[k2] < m_best && m_narrowest[k3] < m_best;
    }

    // Whether row one may be as wide as @p rowOne at most and still leave a
    // rest that fits into the other rows, each narrower than the best.
    bool restCanFit(int rowOne) const { return m_total - rowOne <= (m_rows - 1) * (m_best - 1); }

    // Row one holds @p count indices so far (index 0 among them), all below
    // @p start, @p width wide together.
    void pickRowOne(int count, int start, int width)
    {
        const int need = m_k1 - count;
        if (need == 0) {
            rowOneDone(width);
            return;
        }
        for (int i = start; i <= m_n - need && !finished() && step(); ++i) {
            // Bounds over every choice from i on end the loop; bounds for i
            // alone skip it.
            if (width + least(i, need) >= m_best || !restCanFit(width + most(i, need)))
                return;
            const int with = width + m_w[i];
            if (with + least(i + 1, need - 1) >= m_best ||
                !restCanFit(with + most(i + 1, need - 1)))
                continue;
            m_inRowOne[i] = 1;
            pickRowOne(count + 1, i + 1, with);
            m_inRowOne[i] = 0;
        }
    }

    void rowOneDone(int width)
    {
        const int rest = m_total - width;
        if (m_rows == 2) {
            const int score = std::max(width, rest);
            if (score < m_best) {
                m_best = score;
                for (int i = 0; i < m_n; ++i)
                    m_bestRow[i] = m_inRowOne[i] ? 0 : 1;
            }
            return;
        }
        if (width >= m_best || !restCanFit(width))
            return;
        m_rem.clear();
        for (int i = 1; i < m_n; ++i)
            if (!m_inRowOne[i])
                m_rem.push_back(i);
        const int m = int(m_rem.size());
        if (m_steps > 0) // sorting the rest below costs about m steps
            m_steps = std::max(m_steps - m, 1L);
        // Rows two and three can be no narrower than their narrowest
        // possible members; row two must take enough to leave row three
        // narrower than the best.
        m_sortedRem.resize(size_t(m));
        for (int j = 0; j < m; ++j)
            m_sortedRem[size_t(j)] = m_w[size_t(m_rem[size_t(j)])];
        std::sort(m_sortedRem.begin(), m_sortedRem.end());
        const int k3 = m - m_k2;
        int leastTwo = 0;
        int leastThree = 0;
        int mostTwo = 0;
        for (int j = 0; j < m_k2; ++j) {
            leastTwo += m_sortedRem[size_t(j)];
            mostTwo += m_sortedRem[size_t(m - 1 - j)];
        }
        for (int j = 0; j < k3; ++j)
            leastThree += m_sortedRem[size_t(j)];
        if (leastTwo >= m_best || leastThree >= m_best || mostTwo < rest - m_best + 1)
            return;
        m_remMin[m] = 0;
        m_remMax[m] = 0;
        for (int j = m - 1; j >= 0; --j) {
            const int wj = m_w[m_rem[j]];
            m_remMin[j] = j == m - 1 ? wj : std::min(wj, m_remMin[j + 1]);
            m_remMax[j] = j == m - 1 ? wj : std::max(wj, m_remMax[j + 1]);
        }
        m_rowOneWidth = width;
        m_rest = rest;
        std::fill(m_inRowTwo.begin(), m_inRowTwo.begin() + m, 0);
        m_inRowTwo[0] = 1;
        pickRowTwo(1, 1, m_w[m_rem[0]]);
    }

    // Row two, among the indices outside row one (m_rem), like row one.
    void pickRowTwo(int count, int start, int width)
    {
        const int m = int(m_rem.size());
        const int need = m_k2 - count;
        if (need == 0) {
            const int score = std::max(m_rowOneWidth, std::max(width, m_rest - width));
            if (score < m_best) {
                m_best = score;
                for (int i = 0; i < m_n; ++i)
                    m_bestRow[i] = 0;
                for (int j = 0; j < m; ++j)
                    m_bestRow[m_rem[j]] = m_inRowTwo[j] ? 1 : 2;
            }
            return;
        }
        // Row three (the rest) must end up narrower than the best.
        const int leastRowTwo = m_rest - m_best + 1;
        for (int j = start; j <= m - need && !finished() && step(); ++j) {
            if (width + need * m_remMin[j] >= m_best || width + need * m_remMax[j] < leastRowTwo)
                return;
            const int with = width + m_w[m_rem[j]];
            if (with + (need - 1) * m_remMin[j + 1] >= m_best ||
                with + (need - 1) * m_remMax[j + 1] < leastRowTwo)
                continue;
            m_inRowTwo[j] = 1;
            pickRowTwo(count + 1, j + 1, with);
            m_inRowTwo[j] = 0;
        }
    }

    std::vector<int> m_w;
    int m_n = 0;
    int m_total = 0;
    int m_best = 0;
    int m_floor2 = 0;
    int m_floor3 = 0;
    int m_k1 = 0;
    int m_k2 = 0;
    int m_rows = 2;
    std::vector<char> m_inRowOne;
    std::vector<int> m_bestRow;   // 0, 1 or 2 per control
    std::vector<int> m_minSuffix; // over indices i..n-1; 0 past the end
    std::vector<int> m_maxSuffix;
    std::vector<int> m_rem; // indices outside row one, in order
    std::vector<int> m_remMin;
    std::vector<int> m_remMax;
    std::vector<char> m_inRowTwo; // by position in m_rem
    std::vector<int> m_narrowest; // sum of the k narrowest widths
    std::vector<int> m_leastFrom; // [i][k]: sum of the k narrowest from index i on
    std::vector<int> m_mostFrom;  // [i][k]: sum of the k widest from index i on
    std::vector<int> m_sortedRem;
    std::vector<int> m_greedyRow;
    int m_rowOneWidth = 0;
    int m_rest = 0;
    long m_steps = -1; // nodes left for a long run; -1: no cap
};

} // namespace

RibbonCategoryLayout::RibbonCategoryLayout(RibbonCategory& owner) : m_owner(owner)
{
    setContentsMargins(3, 2, 4, 15);
    setSpacing(1);
    // An empty category has its margins as size from the start.
    updateLayout();
}

RibbonCategoryLayout::~RibbonCategoryLayout()
{
    m_destroying = true;
    while (QLayoutItem* item = takeAt(0))
        delete item;
}

void RibbonCategoryLayout::addItem(QLayoutItem* item)
{
    if (!item)
        return;
    m_items.append(item);
    m_itemRects.append(QRect());
    updateLayout();
    invalidate();
}

void RibbonCategoryLayout::invalidate()
{
    // A control built while its group is hidden counts as empty until it is
    // shown, and a retitled button changes its width: either way the cached
    // arrangement no longer fits. Invalidation comes with every child's
    // geometry change, so the search runs only when a hint really changed.
    if (!m_destroying) {
        bool changed = m_measured.size() != m_items.size();
        for (int i = 0; !changed && i < m_items.size(); ++i)
            changed = m_items.at(i)->sizeHint() != m_measured.at(i);
        if (changed)
            updateLayout();
    }
    QLayout::invalidate();
}

Qt::Orientations RibbonCategoryLayout::expandingDirections() const
{
    return {};
}

QSize RibbonCategoryLayout::minimumSize() const
{
    return QSize(m_cachedWidth, m_cachedHeight);
}

QSize RibbonCategoryLayout::sizeHint() const
{
    return QSize(m_cachedWidth, m_cachedHeight);
}

void RibbonCategoryLayout::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    // The arrangement is kept left to right; right to left, columns and rows
    // run from the right edge, so the first control is the rightmost.
    const Qt::LayoutDirection direction = m_owner.layoutDirection();
    for (int i = 0; i < m_items.size(); ++i)
        m_items.at(i)->setGeometry(
            QStyle::visualRect(direction, rect, m_itemRects.at(i).translated(rect.topLeft())));
}

QLayoutItem* RibbonCategoryLayout::itemAt(int index) const
{
    return index >= 0 && index < m_items.size() ? m_items.at(index) : nullptr;
}

QLayoutItem* RibbonCategoryLayout::takeAt(int index)
{
    if (index < 0 || index >= m_items.size())
        return nullptr;
    QLayoutItem* item = m_items.takeAt(index);
    m_itemRects.removeAt(index);
    updateLayout();
    if (!m_destroying)
        invalidate();
    return item;
}

int RibbonCategoryLayout::count() const
{
    return int(m_items.size());
}

bool RibbonCategoryLayout::hasHeightForWidth() const
{
    return true;
}

int RibbonCategoryLayout::heightForWidth(int) const
{
    return frameHeight;
}

int RibbonCategoryLayout::explicitRowCount() const
{
    // Explicit rows only when every control has a row of its own; a
    // negative row leaves the control, and so the whole category, to the
    // automatic arrangement.
    int largest = -1;
    for (QLayoutItem* item : m_items) {
        const int row = m_owner.actionRow(m_owner.action(item->widget()));
        if (row < 0)
            return 0;
        largest = std::max(largest, row);
    }
    return largest + 1;
}

void RibbonCategoryLayout::updateLayout()
{
    if (m_destroying)
        return;
    const QMargins margins = contentsMargins();
    const int left = margins.left();
    const int top = margins.top();
    if (m_items.isEmpty()) {
        m_measured.clear();
        m_cachedWidth = left + margins.right();
        m_cachedHeight = frameHeight;
        return;
    }
    const int content = frameHeight - top - margins.bottom();
    const int explicitRows = explicitRowCount();
    const int n = int(m_items.size());
    QVector<QSize> hints(n);
    for (int i = 0; i < n; ++i)
        hints[i] = m_items.at(i)->sizeHint();
    m_measured = QList<QSize>(hints.begin(), hints.end());

    int x = left;
    int i = 0;
    while (i < n) {
        int end = i + 1;
        if (hints[i].height() <= smallHeight) {
            while (end < n && hints[end].height() <= smallHeight)
                ++end;
        }
        if (end - i == 1) {
            // A tall control, or a small one standing alone: its own column.
            const QSize s = hints[i];
            m_itemRects[i] = QRect(x, top + (content - s.height()) / 2, s.width(), s.height());
            x += s.width() + 3;
            i = end;
            continue;
        }

        QVector<int> rowOf(end - i);
        int rowHeight = content / 3;
        int rows = 3;
        if (explicitRows > 0) {
            rows = explicitRows;
            rowHeight = content / rows;
            for (int k = i; k < end; ++k)
                rowOf[k - i] = m_owner.actionRow(m_owner.action(m_items.at(k)->widget()));
        } else {
            QVector<int> widths(end - i);
            for (int k = i; k < end; ++k)
                widths[k - i] = hints[k].width();
            rowOf = arrangeRun(widths);
        }

        int runWidth = 0;
        for (int r = 0; r < rows; ++r) {
            int xr = x;
            bool any = false;
            for (int k = i; k < end; ++k) {
                if (rowOf[k - i] != r)
                    continue;
                const QSize s = hints[k];
                m_itemRects[k] = QRect(xr, top + r * rowHeight + (rowHeight - s.height()) / 2,
                                       s.width(), s.height());
                xr += s.width() + 2;
                any = true;
            }
            if (any)
                runWidth = std::max(runWidth, xr - 2 - x);
        }
        x += runWidth + 3;
        i = end;
    }
    m_cachedWidth = x - 3 + margins.right();
    m_cachedHeight = frameHeight;
}

QVector<int> RibbonCategoryLayout::arrangeRun(const QVector<int>& widths)
{
    if (widths.size() < 2)
        return QVector<int>(widths.size(), 0);
    return RowSearch(widths).run();
}

} // namespace oru
