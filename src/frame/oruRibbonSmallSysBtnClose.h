#pragma once

#include "oruGlobal.h"

#include <QAbstractButton>

namespace oru {

/// The small close button of a child window's title band.
///
/// It only works, and only shows, when its parent has
/// Qt::WindowCloseButtonHint; the hint is checked each time the button is
/// shown.
class VAZAVE_EXPORT RibbonSmallSysBtnClose : public QAbstractButton
{
    Q_OBJECT

public:
    /// A 17x16 button owned by @p parent; the owner connects clicked() (RibbonChildWindow
    /// connects it to its close()).
    explicit RibbonSmallSysBtnClose(QWidget* parent);
    ~RibbonSmallSysBtnClose() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    bool parentHasCloseHint() const;
};

} // namespace oru
