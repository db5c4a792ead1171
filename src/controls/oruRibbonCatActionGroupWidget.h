#pragma once

#include "oruGlobal.h"

#include <QMap>
#include <QWidget>

namespace oru {

class IRibbonGroupWidget;
class RibbonAction;
class RibbonCatActionGroup;

/// The strip of joined buttons of a RibbonCatActionGroup. A wide group
/// hosts a hidden menu or colour button per such member and hands it the
/// presses on the member's cell, so that its popup opens from the strip.
class VAZAVE_EXPORT RibbonCatActionGroupWidget : public QWidget
{
    Q_OBJECT

public:
    /// The strip of @p group, owned by @p parent (a group widget builds it for the action). The
    /// hidden member buttons are its children.
    RibbonCatActionGroupWidget(RibbonCatActionGroup& group, QWidget* parent);
    ~RibbonCatActionGroupWidget() override;

    QSize sizeHint() const override;
    /// Index of the member whose cell the mouse pressed, or -1.
    int pressedIndex() const { return m_pressedIndex; }
    /// The hidden widget hosted for @p member, if any.
    QWidget* hostedWidget(RibbonAction* member) const;
    /// The cell of the member at @p index, in the strip's coordinates; an
    /// empty rectangle for an index that is not a member.
    QRect cellRect(int index) const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void actionEvent(QActionEvent* event) override;
    /// Places the hosted drop-down buttons over their (mirrored) cells again.
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The member's index under @p x, right to left counted from the right.
    int cellAt(qreal x) const;
    int cellWidth() const;
    void dropLeftMembers();
    void placeHosted();
    RibbonAction* member(int index) const;
    void reportCheckedMembers();

    RibbonCatActionGroup& m_group;
    int m_pressedIndex = -1;
    QMap<RibbonAction*, IRibbonGroupWidget*> m_groupWidgets;
    QMap<RibbonAction*, QWidget*> m_hosted; // the same widgets as QWidgets (children)
    // The checked state assistive technology last heard of, per member.
    QMap<const RibbonAction*, bool> m_reportedChecked;
};

} // namespace oru
