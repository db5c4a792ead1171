#pragma once

#include "oruGlobal.h"

#include <QWidget>

#include <memory>

namespace oru {

/// A top-level window without a window-manager frame that draws its own
/// skinned frame: a caption with icon, elided title and three small system
/// buttons, 7-pixel borders and rounded corners.
///
/// Moving, resizing, the system buttons and the caption double-click are run
/// by the window's interaction state machine (RibbonWindow::Events), which
/// receives every mouse event of the window. Derive secondary windows from it
/// and put a layout on it: the contents margins keep the layout inside the
/// frame.
class VAZAVE_EXPORT RibbonWindow : public QWidget
{
    Q_OBJECT

public:
    class Events;

    /// A parentless frameless window.
    RibbonWindow();
    /// Passes @p parent and @p flags on unchanged; the caller supplies
    /// Qt::FramelessWindowHint.
    RibbonWindow(QWidget* parent, Qt::WindowFlags flags);
    ~RibbonWindow() override;

    /// Height of the caption strip: the font height (at least 16) plus 17.
    int captionHeight() const;
    /// The title area of the caption.
    QRect captionRect() const;
    /// The minimize button in the caption, in window coordinates.
    QRect sysMinimizeRect() const;
    /// The maximize/restore button in the caption, in window coordinates.
    QRect sysMaximizeRestoreRect() const;
    /// The close button in the caption, in window coordinates.
    QRect sysCloseRect() const;

    /// The window's interaction state machine; it also knows whether the
    /// window is maximized by its own caption and restores it.
    Events& events() const;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private slots:
    void ribbonStyleChanged();

private:
    void init();
    /// Repaints what a mouse event can change: the three system buttons.
    void updateSysButtons();

    std::unique_ptr<Events> m_events;
};

} // namespace oru
