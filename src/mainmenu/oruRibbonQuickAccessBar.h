#pragma once

#include "oruGlobal.h"

#include <QSpacerItem>
#include <QWidget>

class QHBoxLayout;

namespace oru {

class RibbonMenuBar;
class RibbonSimpleAction;

/// The quick access toolbar right of the application button. Each
/// RibbonSimpleAction added to it becomes a 20x20 icon button; a narrow
/// customize button stands at its right end.
///
/// The bar keeps no list of its own: removing an action leaves its button,
/// adding an action twice gives two buttons.
class VAZAVE_EXPORT RibbonQuickAccessBar : public QWidget
{
    Q_OBJECT

public:
    /// The 26-pixel-high bar of @p menuBar, which creates and owns it, with its customize button.
    explicit RibbonQuickAccessBar(RibbonMenuBar& menuBar);
    ~RibbonQuickAccessBar() override;

    /// The ribbon bar the quick access bar belongs to.
    RibbonMenuBar& menuBar() const { return m_menuBar; }
    /// The action behind the customize button; the host decides what it does.
    RibbonSimpleAction* customizeAction() const { return m_customizeAction; }

    /// The rectangle covered by the quick-access buttons, in bar coordinates.
    QRect qabGeometry() const;

protected:
    void actionEvent(QActionEvent* event) override;

private:
    RibbonMenuBar& m_menuBar;
    RibbonSimpleAction* m_customizeAction = nullptr;
    QHBoxLayout* m_outerLayout = nullptr;
    QHBoxLayout* m_buttonsLayout = nullptr;
    QSpacerItem m_endSpacer;
};

} // namespace oru
