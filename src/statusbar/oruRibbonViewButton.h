#pragma once

#include "oruRibbonMenuItem.h"

namespace oru {

class RibbonSimpleAction;

/// One entry of a view popup: a wide text item (horizontal) or a large icon
/// tile. Any mouse button's release triggers its action.
class VAZAVE_EXPORT RibbonViewButton : public RibbonMainMenuItem
{
    Q_OBJECT

public:
    /// The entry of @p action (not owned; null gives an inert entry), owned by @p parent: a wide
    /// text item when @p horizontal, else a tile; @p showIcon and @p centreText choose the look.
    RibbonViewButton(RibbonSimpleAction* action, bool horizontal, bool showIcon, bool centreText,
                     QWidget* parent);
    ~RibbonViewButton() override;

    QSize sizeHint() const override;

signals:
    // Kept for hosts that connect to it; the popup closes on clicked().
    /// Declared for hosts that connect to it; the entry itself emits clicked() (the popup closes on
    /// it) and never this signal.
    void buttonClicked(oru::RibbonSimpleAction* action);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void actionEvent(QActionEvent* event) override;

private:
    void drawHighlight(QPainter& painter) const;

    RibbonSimpleAction* m_action;
    bool m_horizontal;
    bool m_showIcon;
    bool m_centreText;
};

} // namespace oru
