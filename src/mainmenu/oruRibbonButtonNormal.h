#pragma once

#include "oruGlobal.h"

#include <QAbstractButton>

namespace oru {

/// The small icon-only button of the quick access bar and of the ribbon
/// bar's help action. It shows the first of its actions when that is a
/// RibbonSimpleAction and triggers it when clicked.
class VAZAVE_EXPORT RibbonButtonNormal : public QAbstractButton
{
    Q_OBJECT

public:
    /// An empty button owned by @p parent; add the action to show with QWidget::addAction().
    explicit RibbonButtonNormal(QWidget* parent);
    ~RibbonButtonNormal() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void actionEvent(QActionEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
};

} // namespace oru
