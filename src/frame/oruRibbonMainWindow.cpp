#include "oruRibbonMainWindow.h"

#include "oruMirror_p.h"
#include "oruRibbonApplication.h"
#include "oruRibbonFrame_p.h"
#include "oruRibbonMenuBar.h"
#include "oruRibbonStatusBar.h"
#include "oruRibbonStyle.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <QScreen>
#include <QStatusTipEvent>
#include <QVBoxLayout>
#include <QWindowStateChangeEvent>

#include <cmath>

namespace oru {

QEvent::Type RibbonMainWindow::WindowStateEvent::eventType()
{
    static const QEvent::Type type = QEvent::Type(QEvent::registerEventType());
    return type;
}

RibbonMainWindow::RibbonMainWindow()
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint),
      m_placeholder(0, 0, QSizePolicy::Expanding, QSizePolicy::Expanding)
{
    setMouseTracking(true);
    frame::resetCursorInChildren(*this);
    m_outerLayout = new QVBoxLayout;
    m_outerLayout->setContentsMargins(7, 7, 7, 7);
    m_outerLayout->setSpacing(0);
    m_menuBar = new RibbonMenuBar(*this);
    m_outerLayout->addWidget(m_menuBar);
    m_centralLayout = new QVBoxLayout;
    m_centralLayout->setContentsMargins(0, 0, 0, 0);
    m_centralLayout->addItem(&m_placeholder);
    m_outerLayout->addLayout(m_centralLayout);
    m_statusBar = new RibbonStatusBar(*this);
    m_outerLayout->addWidget(m_statusBar);
    setLayout(m_outerLayout);

    connect(RibbonApplication::theApp(), &RibbonApplication::ribbonStyleChanged, this,
            &RibbonMainWindow::ribbonStyleChanged);
    connect(m_statusBar, &RibbonStatusBar::statusBarChanged, this, qOverload<>(&QWidget::update));
    connect(RibbonApplication::theApp(), &RibbonApplication::productNameChanged, this,
            [this] { setTitle(m_title); });
    ribbonStyleChanged();
}

RibbonMainWindow::~RibbonMainWindow()
{
    // The placeholder is a member: the layout must not delete it.
    m_centralLayout->removeItem(&m_placeholder);
}

void RibbonMainWindow::setCentralWidget(QWidget* widget)
{
    if (QLayoutItem* item = m_centralLayout->takeAt(0)) {
        if (item != &m_placeholder)
            delete item; // the wrapper only; the caller owns the widget
    }
    if (widget) {
        widget->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        m_centralLayout->addWidget(widget);
    } else {
        m_centralLayout->addItem(&m_placeholder);
    }
}

QWidget* RibbonMainWindow::centralWidget() const
{
    QLayoutItem* item = m_centralLayout->itemAt(0);
    return item ? item->widget() : nullptr;
}

void RibbonMainWindow::setAppIcon(const QIcon& icon)
{
    m_menuBar->setAppIcon(icon);
}

void RibbonMainWindow::setTitle(const QString& title)
{
    m_title = title;
    QString windowTitle = RibbonApplication::currentProductName();
    if (!title.isEmpty())
        windowTitle += QStringLiteral(" - ") + title;
    // Qt resolves the "[*]" placeholder of the window title itself.
    setWindowTitle(windowTitle);
    m_menuBar->update(m_menuBar->captionGeometry());
}

QString RibbonMainWindow::shownTitle() const
{
    // Qt's rule for window titles: "[*]" is the placeholder, "[*][*]" an
    // escaped "[*]".
    const QString placeholder = QStringLiteral("[*]");
    QString shown;
    shown.reserve(m_title.size());
    int i = 0;
    while (i < m_title.size()) {
        if (QStringView(m_title).mid(i).startsWith(placeholder)) {
            if (QStringView(m_title).mid(i + 3).startsWith(placeholder)) {
                shown += placeholder;
                i += 6;
            } else {
                if (isWindowModified())
                    shown += QLatin1Char('*');
                i += 3;
            }
        } else {
            shown += m_title.at(i++);
        }
    }
    return shown;
}

int RibbonMainWindow::captionHeight() const
{
    return m_menuBar->captionHeight() + 7;
}

void RibbonMainWindow::showMaximizedRestored(bool)
{
    if (!isMaximized() && !isMinimized())
        showMaximized();
    else
        showNormal();
}

void RibbonMainWindow::showMaximizedRestored()
{
    showMaximizedRestored(true);
}

void RibbonMainWindow::changeWindowState(Qt::WindowStates states)
{
    setWindowState(states);
}

QRect RibbonMainWindow::restoreGeom()
{
    m_normalGeometry = normalGeometry();
    return m_restoreGeometry.isNull() ? normalGeometry() : m_restoreGeometry;
}

void RibbonMainWindow::setRestoreGeom(QPoint position, QSize size)
{
    // A saved placement may come from another screen set-up, or be tampered
    // with: it is kept to the available area of the screen it falls on (the
    // primary one when none) and never above 16384 pixels a side, which Qt's
    // raster engine cannot paint.
    QRect geometry(position, size.boundedTo(QSize(16384, 16384)).expandedTo(QSize(1, 1)));
    QScreen* screen = QGuiApplication::screenAt(geometry.center());
    if (!screen)
        screen = QGuiApplication::screenAt(position);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen) {
        const QRect available = screen->availableGeometry();
        geometry.setSize(geometry.size().boundedTo(available.size()));
        geometry.moveLeft(
            qBound(available.left(), geometry.left(), available.right() - geometry.width() + 1));
        geometry.moveTop(
            qBound(available.top(), geometry.top(), available.bottom() - geometry.height() + 1));
    }
    m_restoreGeometry = geometry;
    setGeometry(m_restoreGeometry);
}

void RibbonMainWindow::ribbonStyleChanged()
{
    QPalette pal = palette();
    pal.setBrush(QPalette::Window,
                 QBrush(RibbonApplication::theApp()->ribbonStyle()->mainClientColor()));
    setPalette(pal);
    update();
}

void RibbonMainWindow::updateMask()
{
    if (isFullScreen())
        clearMask();
    else
        frame::setWindowMask(*this,
                             QRegion(frame::roundedOutline(width(), height()), Qt::OddEvenFill));
}

bool RibbonMainWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange) {
        // Maximizing with no window manager there to do it (a bare X server)
        // leaves the window as it is; its state says so too, or the frame
        // would show the restore glyph and refuse drags of a window that
        // never changed.
        if (isMaximized() &&
            !frame::windowSystemSupportsState(this, "_NET_WM_STATE_MAXIMIZED_VERT")) {
            setWindowState(windowState() & ~Qt::WindowMaximized);
            return true;
        }
        if (isMaximized()) {
            m_flags |= Maximized;
            m_normalGeometry = m_previousGeometry;
        } else if (!m_normalGeometry.isNull()) {
            m_flags &= ~Maximized;
            m_normalGeometry = QRect();
        }
        updateMask();
        // The maximize button shows restore or maximize by the new state;
        // the whole frame is drawn or not by full screen.
        update();
        return true;
    }
    if (event->type() == WindowStateEvent::eventType())
        return true;
    if (event->type() == QEvent::ActivationChange)
        update();
    if (event->type() == QEvent::ModifiedChange)
        m_menuBar->update(m_menuBar->captionGeometry());
    if (event->type() == QEvent::StatusTip && m_statusBar) {
        // As in QMainWindow: the status tip of the control under the pointer
        // is the status bar's message; leaving it sends an empty tip.
        m_statusBar->showMessage(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QWidget::event(event);
}

namespace {

// The window pixel that holds a pointer position. At a fractional scale the
// positions lie between logical pixels; rounding would move the window's
// last native column or row past its edge.
QPoint pixelAt(const QPointF& pos)
{
    return QPoint(int(std::floor(pos.x())), int(std::floor(pos.y())));
}

} // namespace

unsigned RibbonMainWindow::edgesAt(const QPoint& pos) const
{
    unsigned edges = 0;
    if (pos.x() <= 5)
        edges |= EdgeLeft;
    if (pos.x() >= width() - 5)
        edges |= EdgeRight;
    if (pos.y() <= 5)
        edges |= EdgeTop;
    if (pos.y() >= height() - 5)
        edges |= EdgeBottom;
    return edges;
}

void RibbonMainWindow::mousePressEvent(QMouseEvent* event)
{
    QWidget::mousePressEvent(event);
    if ((event->buttons() & Qt::LeftButton) && !(m_flags & Maximized)) {
        m_flags = (m_flags & ~(Edges | SystemOffered)) | edgesAt(pixelAt(event->position()));
        m_pressPosition = event->globalPosition().toPoint();
        m_pressGeometry = geometry();
    }
}

void RibbonMainWindow::mouseReleaseEvent(QMouseEvent* event)
{
    QWidget::mouseReleaseEvent(event);
    m_flags &= ~Edges;
    // The pointer may still be on the border it dragged.
    updateCursor(pixelAt(event->position()));
}

void RibbonMainWindow::updateCursor(const QPoint& pos)
{
    Qt::CursorShape shape = Qt::ArrowCursor;
    if (!(m_flags & Maximized)) {
        const unsigned e = edgesAt(pos);
        if (e == (EdgeBottom | EdgeRight) || e == (EdgeTop | EdgeLeft))
            shape = Qt::SizeFDiagCursor;
        else if (e == (EdgeBottom | EdgeLeft) || e == (EdgeTop | EdgeRight))
            shape = Qt::SizeBDiagCursor;
        else if (e & (EdgeTop | EdgeBottom))
            shape = Qt::SizeVerCursor;
        else if (e & (EdgeLeft | EdgeRight))
            shape = Qt::SizeHorCursor;
    }
    if (!testAttribute(Qt::WA_SetCursor) || cursor().shape() != shape)
        setCursor(shape);
}

void RibbonMainWindow::mouseMoveEvent(QMouseEvent* event)
{
    QWidget::mouseMoveEvent(event);
    if (!(m_flags & Edges)) {
        updateCursor(pixelAt(event->position()));
        return;
    }

    Qt::Edges edges;
    if (m_flags & EdgeLeft)
        edges |= Qt::LeftEdge;
    if (m_flags & EdgeRight)
        edges |= Qt::RightEdge;
    if (m_flags & EdgeTop)
        edges |= Qt::TopEdge;
    if (m_flags & EdgeBottom)
        edges |= Qt::BottomEdge;
    // Past the drag distance the resize is offered to the window system; when
    // it took over, the drag is no longer ours.
    bool offered = m_flags & SystemOffered;
    const auto offer = [&](bool afterStep) {
        const bool taken =
            frame::offerSystemDrag(*this, edges, m_pressPosition, event, afterStep, offered);
        if (offered)
            m_flags |= SystemOffered;
        if (taken)
            m_flags &= ~Edges;
        return taken;
    };
    if (offer(false))
        return;
    QRect r = m_pressGeometry;
    const QPoint delta = event->globalPosition().toPoint() - m_pressPosition;
    const int w0 = r.width();
    const int h0 = r.height();
    if (m_flags & EdgeRight)
        r.setWidth(qMax(w0 + delta.x(), minimumSize().width()));
    else if (m_flags & EdgeLeft)
        r.setLeft(r.right() + 1 - qMax(w0 - delta.x(), minimumSize().width()));
    if (m_flags & EdgeBottom)
        r.setHeight(qMax(h0 + delta.y(), minimumSize().height()));
    else if (m_flags & EdgeTop)
        r.setTop(r.bottom() + 1 - qMax(h0 - delta.y(), minimumSize().height()));
    setGeometry(r);
    offer(true);
}

void RibbonMainWindow::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    m_previousGeometry.moveTopLeft(event->oldPos());
}

void RibbonMainWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_previousGeometry.setSize(event->oldSize());
    updateMask();
}

void RibbonMainWindow::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    const RibbonStyle* skin = RibbonApplication::theApp()->ribbonStyle();
    const int a = isActiveWindow() ? 0 : frame::kInactiveColumn;
    QPainter painter(this);
    if (!isFullScreen()) {
        // The corners' grips stand at the bottom left right to left.
        const mirror::Flip flip(painter, width(), isRightToLeft());
        frame::drawFramePieces(painter, *skin, width(), height(), captionHeight(), a);
    }
    if (m_statusBar)
        paintStatusBarFrame(painter, a);
}

void RibbonMainWindow::paintStatusBarFrame(QPainter& painter, int a)
{
    const RibbonStyle* skin = RibbonApplication::theApp()->ribbonStyle();
    const QPixmap& bar = skin->statusBar();
    const QPixmap& ext = skin->statusBarExt();
    const QRect g = m_statusBar->geometry();
    const int y = g.top();
    const int s = g.height();
    const int b = g.width();
    const int w = width();
    const int e = m_statusBar->extensionsWidth();
    const int p = m_statusBar->popupLayoutWidth();

    skin->drawPixmap(painter, QRect(0, y, 7, s), bar, QRect(a, 0, 7, 16));
    skin->drawPixmap(painter, QRect(0, y + s, 7, 7), bar, QRect(a, 16, 7, 7));
    if (e != 0) {
        skin->drawPixmap(painter, QRect(7, y, b - e, s), bar, QRect(a + 7, 0, 21, 16));
        skin->drawPixmap(painter, QRect(7, y + s, b - e, 7), bar, QRect(a + 7, 16, 21, 7));
        skin->drawPixmap(painter, QRect(w - 7 - e, y, 3, s), ext, QRect(a, 0, 3, 16));
        skin->drawPixmap(painter, QRect(w - 7 - e, y + s, 3, 7), ext, QRect(a, 16, 3, 7));
        skin->drawPixmap(painter, QRect(w - 4 - e, y, e - 3, s), ext, QRect(a + 3, 0, 25, 16));
        skin->drawPixmap(painter, QRect(w - 4 - e, y + s, e - 3, 7), ext, QRect(a + 3, 16, 25, 7));
        skin->drawPixmap(painter, QRect(w - 7, y, 7, s), ext, QRect(a + 28, 0, 7, 16));
        skin->drawPixmap(painter, QRect(w - 7, y + s, 7, 7), ext, QRect(a + 28, 16, 7, 7));
    }
    if (p != 0 && isFullScreen()) {
        skin->drawPixmap(painter, QRect(p, y, 3, s), ext, QRect(0, 0, 3, 16));
        skin->drawPixmap(painter, QRect(0, y, p, s), ext, QRect(16, 0, 7, 16));
    }
}

} // namespace oru
