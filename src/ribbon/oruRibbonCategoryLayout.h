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
    explicit RibbonCategoryLayout(RibbonCategory& owner);
    ~RibbonCategoryLayout() override;

    void addItem(QLayoutItem* item) override;
    Qt::Orientations expandingDirections() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    int count() const override;
    bool hasHeightForWidth() const override;
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
