#pragma once

#include "oruGlobal.h"

#include <QToolBar>

namespace oru {

/// A tool bar that paints only its panel (no handle) and ignores hover
/// moves.
class VAZAVE_EXPORT RibbonToolBar : public QToolBar
{
    Q_OBJECT

public:
    /// An empty tool bar owned by @p parent. Ribbon actions added to it build their own widgets
    /// (createWidget()).
    explicit RibbonToolBar(QWidget* parent);
    ~RibbonToolBar() override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace oru
