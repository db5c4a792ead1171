#pragma once

#include "oruGlobal.h"

#include <QLayout>
#include <QList>
#include <QRect>
#include <QVector>

namespace oru {

class RibbonCategory;

/// Arranges the controls of one category in its 85-pixel-high frame: tall
/// controls get a column each, runs of small controls are stacked in up to
/// three rows, either as the category action's explicit row numbers say or
/// so that the widest row is as narrow as possible.
///
/// The arrangement is computed when an item is added or removed, or when an
/// item's size hint changed, and cached; resizing only moves the cached
/// rectangles.
class VAZAVE_EXPORT RibbonCategoryLayout : public QLayout
{
    Q_OBJECT

public:
    /// The layout of @p owner, installed on it; the group reads its category action's rows.
    explicit RibbonCategoryLayout(RibbonCategory& owner);
    ~RibbonCategoryLayout() override;

    /// Appends @p item (owned by the layout from now on) and recomputes the arrangement.
    void addItem(QLayoutItem* item) override;
    /// None: a group is exactly as large as its arrangement.
    Qt::Orientations expandingDirections() const override;
    /// The size of the computed arrangement, as sizeHint().
    QSize minimumSize() const override;
    /// Moves the items to their computed places, relative to the top-left of @p rect.
    void setGeometry(const QRect& rect) override;
    /// The item at @p index; null when out of range.
    QLayoutItem* itemAt(int index) const override;
    /// Removes the item at @p index and hands it to the caller; null when out of range.
    QLayoutItem* takeAt(int index) override;
    /// The number of items.
    int count() const override;
    /// True: the height is the frame height whatever the width.
    bool hasHeightForWidth() const override;
    /// The 85-pixel frame height, for any @p width.
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    /// Also arranges the items again when one of them changed its size hint
    /// (shown at last, retitled, resized) since the last pass.
    void invalidate() override;

    /// Recomputes the arrangement of all items.
    void updateLayout();

    /// The automatic row split of a run of small controls with these widths:
    /// the row (0, 1 or 2) of each control. Among all ways to split the run
    /// into one to three rows that keep the controls' order within a row, it
    /// is the first in the search order with the narrowest widest row.
    static QVector<int> arrangeRun(const QVector<int>& widths);

private:
    int explicitRowCount() const;

    RibbonCategory& m_owner;
    QList<QLayoutItem*> m_items;
    QList<QRect> m_itemRects;
    // The size hints the cached arrangement was computed from.
    QList<QSize> m_measured;
    int m_cachedWidth = -1;
    int m_cachedHeight = 85;
    bool m_destroying = false;
};

} // namespace oru
