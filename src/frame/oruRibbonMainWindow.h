#pragma once

#include "oruGlobal.h"

#include <QEvent>
#include <QIcon>
#include <QSpacerItem>
#include <QWidget>

class QVBoxLayout;

namespace oru {

class RibbonMenuBar;
class RibbonStatusBar;

/// The application's main window: the ribbon bar on top, the host's central
/// widget in the middle and the status bar below, inside a skinned frame
/// with rounded corners. The window resizes itself when its outer border is
/// dragged; the ribbon bar moves it by its caption. Maximize, restore and
/// minimize go through the window manager's window states.
class VAZAVE_EXPORT RibbonMainWindow : public QWidget
{
    Q_OBJECT

public:
    /// An event the window accepts and ignores.
    class WindowStateEvent : public QEvent
    {
    public:
        /// The event type, registered with Qt on the first call.
        static QEvent::Type eventType();
        /// An event of eventType().
        WindowStateEvent() : QEvent(eventType()) {}
    };

    /// A parentless, frameless top-level window with its ribbon bar and status bar (both children
    /// of the window, deleted with it) and an empty central area.
    RibbonMainWindow();
    /// Deletes the ribbon bar, the status bar and the central widget with the other children.
    ~RibbonMainWindow() override;

    /// The ribbon bar on top; owned by the window. Add the tab actions to it.
    RibbonMenuBar* ribbonMenuBar() const { return m_menuBar; }
    /// The status bar at the bottom; owned by the window.
    RibbonStatusBar* ribbonStatusBar() const { return m_statusBar; }

    /// Puts @p widget into the central area (null: the empty placeholder).
    /// The previous central widget is neither hidden nor deleted.
    void setCentralWidget(QWidget* widget);
    /// The first widget of the central area, or null.
    QWidget* centralWidget() const;

    /// The icon of the application button.
    void setAppIcon(const QIcon& icon);

    /// The window title becomes the product name, followed by " - " and
    /// @p title when that is not empty. The product name is
    /// RibbonApplication::productName() ("Tarnwick" with a trademark sign
    /// unless the host set its own); the ribbon bar paints the title in its
    /// caption. As in every Qt window, a "[*]" in @p title shows as "*"
    /// while the window is modified (QWidget::setWindowModified()) and as
    /// nothing otherwise; "[*][*]" shows "[*]".
    void setTitle(const QString& title);
    /// The title last given to setTitle(), without the product name.
    const QString& title() const { return m_title; }
    /// The title as the caption shows it: title() with its "[*]"
    /// placeholder resolved by the window's modified state.
    QString shownTitle() const;

    /// Height of the caption band: the ribbon bar's caption plus the 7-pixel top border.
    int captionHeight() const;
    /// Sets the window states, as QWidget::setWindowState() does.
    void changeWindowState(Qt::WindowStates states);

    /// The saved placement: the geometry given to setRestoreGeom(), else
    /// normalGeometry().
    QRect restoreGeom();
    /// Stores a placement (for example one saved by the host at the last exit) and moves the window
    /// there at once.
    void setRestoreGeom(QPoint position, QSize size);

public slots:
    /// Maximizes a normal window, restores a maximized or minimized one.
    void showMaximizedRestored(bool updateState);
    /// Same as showMaximizedRestored(bool); for connections without an argument.
    void showMaximizedRestored();

protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private slots:
    void ribbonStyleChanged();
    void updateMask();

private:
    enum Flag : unsigned
    {
        EdgeBottom = 1,
        EdgeRight = 2,
        EdgeTop = 4,
        EdgeLeft = 8,
        Edges = EdgeBottom | EdgeRight | EdgeTop | EdgeLeft,
        Maximized = 16,
        SystemOffered = 32 // this border drag was offered to the window system
    };
    unsigned edgesAt(const QPoint& pos) const;
    void updateCursor(const QPoint& pos);
    void paintStatusBarFrame(QPainter& painter, int a);

    unsigned m_flags = 0;
    QPoint m_pressPosition;
    QRect m_pressGeometry;
    QRect m_normalGeometry;
    QRect m_restoreGeometry;
    QRect m_previousGeometry;
    QVBoxLayout* m_outerLayout = nullptr;
    QVBoxLayout* m_centralLayout = nullptr;
    RibbonMenuBar* m_menuBar = nullptr;
    QSpacerItem m_placeholder;
    RibbonStatusBar* m_statusBar = nullptr;
    QString m_title;
};

} // namespace oru
