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
    /// An item owned by @p parent.
    explicit RibbonMainMenuItem(QWidget* parent);
    ~RibbonMainMenuItem() override;

signals:
    /// Emitted for Up, Down, Left, Escape and Alt pressed on the item (Return, Enter and Right
    /// open a sub-menu or click the item instead); the container moves the focus.
    void navigationKeyPressed(Qt::Key key);
    /// Emitted on mouse moves over the item; the container moves the keyboard highlight to it.
    void mouseMoved();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override = 0;
};

} // namespace oru
