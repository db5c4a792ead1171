#pragma once

#include "oruGlobal.h"

#include <QPushButton>

namespace oru {

class RibbonMenuBar;

/// One of the three caption buttons of the main window (minimize,
/// maximize/restore, close). It only paints; the ribbon bar connects its
/// clicked() signal to the main window.
class VAZAVE_EXPORT RibbonSysButton : public QPushButton
{
    Q_OBJECT

public:
    /// What the button does, which also picks its glyph.
    enum eType : int
    {
        /// Minimizes the main window.
        BtnMinimize = 0,
        /// Maximizes the main window, or restores it when maximized; the glyph follows the state.
        BtnMaximizeRestore = 1,
        /// Closes the main window.
        BtnClose = 2
    };

    /// The menu bar is also the parent: it says whether the main window is
    /// maximized and active.
    RibbonSysButton(RibbonMenuBar& menuBar, eType type);
    ~RibbonSysButton() override;

    /// The kind given to the constructor; it never changes.
    eType type() const { return m_type; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    RibbonMenuBar& m_menuBar;
    const eType m_type;
};

} // namespace oru
