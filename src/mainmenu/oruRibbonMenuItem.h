#pragma once

#include "oruGlobal.h"

#include <QAbstractButton>

namespace oru {

/// Base of the navigable items of the application menu: the plain items and
/// the sub-menu items. Turns navigation keys into navigationKeyPressed() for
/// the container that moves the focus.
class VAZAVE_EXPORT RibbonMainMenuItem : public QAbstractButton
{
    Q_OBJECT

public:
    explicit RibbonMainMenuItem(QWidget* parent);
    ~RibbonMainMenuItem() override;

signals:
    void navigationKeyPressed(Qt::Key key);
    void mouseMoved();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override = 0;
};

} // namespace oru
