#include "oruRibbonCatMenuPalettePopup.h"
#include "oruRibbonCatMenuButton.h"

#include "oruPointer_p.h"
#include "oruPopupPlacement_p.h"
#include "oruRibbonApplication.h"
#include "oruRibbonCatMenuAction.h"
#include "oruRibbonCatPaint_p.h"
#include "oruRibbonStyle.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <QRegion>
#include <QScreen>
#include <QScrollBar>

namespace oru {

// ---------------------------------------------------------------- sizer

RibbonCatMenuPalettePopupSizer::RibbonCatMenuPalettePopupSizer(RibbonCatMenuPalettePopup& popup)
    : QWidget(&popup), m_popup(popup)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setFixedSize(9, 8);
    setCursor(Qt::SizeFDiagCursor);
    setMouseTracking(true);
}

RibbonCatMenuPalettePopupSizer::~RibbonCatMenuPalettePopupSizer() = default;

void RibbonCatMenuPalettePopupSizer::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_dragging = true;
    m_pressPos = event->globalPosition().toPoint();
    m_startGeometry = m_popup.geometry();
}

void RibbonCatMenuPalettePopupSizer::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_dragging = false;
}

void RibbonCatMenuPalettePopupSizer::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_dragging || !(event->buttons() & Qt::LeftButton))
        return;
    const QPoint d = event->globalPosition().toPoint() - m_pressPos;
    const QSize min = m_popup.minimumSizeHint();
    if (m_corner == Qt::BottomRightCorner) {
        m_popup.resize(qMax(m_startGeometry.width() + d.x(), min.width()),
                       qMax(m_startGeometry.height() + d.y(), min.height()));
    } else {
        QRect g = m_startGeometry;
        g.setTop(qMin(m_startGeometry.top() + d.y(), m_startGeometry.bottom() - min.height()));
        g.setWidth(qMax(m_startGeometry.width() + d.x(), min.width()));
        m_popup.setGeometry(g);
    }
}

void RibbonCatMenuPalettePopupSizer::paintEvent(QPaintEvent*)
{
    const RibbonStyle* skin = RibbonApplication::theApp()->ribbonStyle();
    QPainter painter(this);
    const QPixmap& grip = m_corner == Qt::TopRightCorner ? skin->popupResizeBarIconTR()
                                                         : skin->popupResizeBarIconBR();
    skin->drawPixmap(painter, QRect(QPoint(0, 0), grip.size()), grip);
}

void RibbonCatMenuPalettePopupSizer::moveEvent(QMoveEvent*)
{
    if (y() <= m_popup.height() / 2) {
        m_corner = Qt::TopRightCorner;
        setCursor(Qt::SizeBDiagCursor);
    } else {
        m_corner = Qt::BottomRightCorner;
        setCursor(Qt::SizeFDiagCursor);
    }
    update();
}

// ---------------------------------------------------------------- popup

RibbonCatMenuPalettePopup::RibbonCatMenuPalettePopup(RibbonCatMenuAction& action, QWidget* parent)
    : QWidget(parent, Qt::Popup | Qt::FramelessWindowHint), m_action(&action)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    m_scrollBar = new QScrollBar(Qt::Vertical, this);
    connect(m_scrollBar, &QScrollBar::valueChanged, this, &RibbonCatMenuPalettePopup::scrolled);
    connect(&action, &RibbonAction::activated, this, &QWidget::close);
    // Entries may come and go while the popup is open: the scroll range follows.
    connect(&action, &QAction::changed, this, [this] {
        updateScrollBar();
        update();
    });
    // Nothing is left to show once the action is gone.
    connect(&action, &QObject::destroyed, this, &QWidget::close);
    m_scrollBar->setSingleStep(1);
    m_scrollBar->setPageStep(2);
    m_scrollBar->setEnabled(false);
    m_sizer = new RibbonCatMenuPalettePopupSizer(*this);
    setMouseTracking(true);
    resize(sizeHint());
    show();
}

RibbonCatMenuPalettePopup::~RibbonCatMenuPalettePopup() = default;

QSize RibbonCatMenuPalettePopup::cellSize() const
{
    if (m_action && m_action->menuSize() == RibbonCatMenuAction::Small)
        return QSize(20, 20);
    return QSize(56, 56);
}

QSize RibbonCatMenuPalettePopup::minimumSizeHint() const
{
    if (!m_action)
        return QSize(-1, -1);
    const QSize sb = m_scrollBar->sizeHint();
    switch (m_action->menuSize()) {
    case RibbonCatMenuAction::Large:
        return QSize(sb.width() + 454, qMax(sb.height(), 56) + 15);
    case RibbonCatMenuAction::Medium:
        return QSize(sb.width() + 342, qMax(sb.height(), 56) + 15);
    case RibbonCatMenuAction::Small:
        return QSize(sb.width() + 246, qMax(sb.height(), 20) + 15);
    }
    return QSize(-1, -1);
}

QSize RibbonCatMenuPalettePopup::sizeHint() const
{
    if (!m_action)
        return QSize(-1, -1);
    const QSize sb = m_scrollBar->sizeHint();
    const int n = int(m_action->menuActions().size());
    const auto rows = [n](int columns) { return (n + columns - 1) / columns; };
    switch (m_action->menuSize()) {
    case RibbonCatMenuAction::Large:
        return QSize(sb.width() + 454, qMax(rows(8) * 56, sb.height()) + 15);
    case RibbonCatMenuAction::Medium:
        return QSize(sb.width() + 342, qMax(rows(6) * 56, sb.height()) + 15);
    case RibbonCatMenuAction::Small:
        return QSize(sb.width() + 246, qMax(rows(12) * 20, sb.height()) + 15);
    }
    return QSize(-1, -1);
}

int RibbonCatMenuPalettePopup::numColumns() const
{
    return (width() - 6 - m_scrollBar->width()) / cellSize().width();
}

int RibbonCatMenuPalettePopup::numRows() const
{
    return (height() - 15) / cellSize().height();
}

Qt::Corner RibbonCatMenuPalettePopup::gripSizerCorner() const
{
    return m_sizer->corner();
}

QRect RibbonCatMenuPalettePopup::contentArea() const
{
    const int w = width();
    const int h = height();
    const int right = w - m_scrollBar->width() - 4;
    if (gripSizerCorner() == Qt::TopRightCorner)
        return QRect(QPoint(3, 12), QPoint(right, h - 4));
    return QRect(QPoint(3, 3), QPoint(right, h - 13));
}

void RibbonCatMenuPalettePopup::scrolled(int value)
{
    m_firstIndex = numColumns() * value;
    update();
}

void RibbonCatMenuPalettePopup::updateScrollBar()
{
    const int columns = numColumns();
    if (!m_action || columns <= 0)
        return;
    const int n = int(m_action->menuActions().size());
    const int needed = (n + columns - 1) / columns;
    const QSignalBlocker blocker(m_scrollBar);
    if (numRows() >= needed) {
        m_scrollBar->setEnabled(false);
        m_scrollBar->setRange(0, 0);
        m_scrollBar->setValue(0);
        m_firstIndex = 0;
        return;
    }
    m_scrollBar->setRange(0, needed - numRows());
    m_scrollBar->setValue(m_firstIndex / columns);
    m_scrollBar->setEnabled(true);
    m_firstIndex = m_scrollBar->value() * columns;
}

void RibbonCatMenuPalettePopup::resizeEvent(QResizeEvent*)
{
    const int w = width();
    const int h = height();
    const QPolygon mask({{1, 0},
                         {w - 1, 0},
                         {w - 1, 1},
                         {w, 1},
                         {w, h},
                         {1, h},
                         {1, h - 1},
                         {0, h - 1},
                         {0, 1},
                         {1, 1},
                         {1, 0}});
    setMask(QRegion(mask, Qt::OddEvenFill));

    bool below = true;
    if (QWidget* opener = parentWidget()) {
        // An in-ribbon palette is covered by its gallery; a palette shown as
        // a drop-down button (simplified ribbon) opens it below, as a menu.
        const auto* paletteButton = qobject_cast<const RibbonCatMenuButton*>(opener);
        const bool coversPalette =
            m_action && m_action->menuType() == RibbonCatMenuAction::Palette &&
            (!paletteButton || paletteButton->shownSize() == m_action->menuSize());
        const QPoint anchor =
            opener->mapToGlobal(coversPalette ? QPoint(0, 0) : QPoint(0, opener->height() - 1));
        int x = qMax(anchor.x(), 0);
        int y = qMax(anchor.y(), 0);
        QScreen* screen = QGuiApplication::screenAt(anchor);
        if (!screen)
            screen = QGuiApplication::primaryScreen();
        const QRect avail = screen ? screen->availableGeometry() : QRect(0, 0, 1 << 20, 1 << 20);
        if (y + h <= avail.bottom() + 1) {
            const bool smallPalette =
                coversPalette && m_action->menuSize() == RibbonCatMenuAction::Small;
            y -= smallPalette ? 3 : 1;
        } else {
            below = false;
            y = qMax(anchor.y() - h, 0);
        }
        if (x + w <= avail.right() + 1)
            x -= 2;
        else
            x = avail.right() + 1 - w;
        move(keepPopupOnScreen(QPoint(x, y), size()));
    }
    m_below = below;
    m_sizer->move(w - 10, below ? h - 9 : 1);
    const int sbw = m_scrollBar->sizeHint().width();
    m_scrollBar->setGeometry(w - 3 - sbw, below ? 3 : 11, sbw, h - 14);
    updateScrollBar();
}

QRect RibbonCatMenuPalettePopup::itemRect(int index) const
{
    const int columns = numColumns();
    if (!m_action || columns <= 0 || index < m_firstIndex ||
        index >= m_action->menuActions().size())
        return {};
    const QRect area = contentArea();
    const QSize cell = cellSize();
    const int k = index - m_firstIndex;
    const QRect r(area.topLeft() + QPoint(k % columns * cell.width(), k / columns * cell.height()),
                  cell);
    return r.intersects(area) ? r : QRect();
}

QAction* RibbonCatMenuPalettePopup::itemAt(const QPoint& pos) const
{
    if (!m_action)
        return nullptr;
    const QList<RibbonAction*>& items = m_action->menuActions();
    for (int i = m_firstIndex; i < items.size(); ++i) {
        const QRect r = itemRect(i);
        if (r.isEmpty())
            break;
        if (r.contains(pos))
            return items[i];
    }
    return nullptr;
}

void RibbonCatMenuPalettePopup::mousePressEvent(QMouseEvent* event)
{
    QWidget::mousePressEvent(event);
    const QPoint pos = event->position().toPoint();
    if (event->button() != Qt::LeftButton || pos.x() >= contentArea().right() + 1)
        return;
    QAction* item = itemAt(pos);
    if (item && item->isEnabled())
        m_pressedItem = item;
    update();
}

void RibbonCatMenuPalettePopup::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint pos = event->position().toPoint();
    QPointer<QAction> item = pos.x() < contentArea().right() + 1 ? itemAt(pos) : nullptr;
    const bool trigger = item && item->isEnabled() && item == m_pressedItem;
    m_pressedItem = nullptr;
    update();
    if (trigger)
        item->activate(QAction::Trigger); // closes this popup through activated()
}

void RibbonCatMenuPalettePopup::mouseMoveEvent(QMouseEvent*)
{
    update();
}

void RibbonCatMenuPalettePopup::paintEvent(QPaintEvent*)
{
    const RibbonStyle* skin = RibbonApplication::theApp()->ribbonStyle();
    QPainter painter(this);
    const int w = width();
    const int h = height();
    const QPixmap& border = skin->popupBorder();
    skin->drawPixmap(painter, QRect(0, 0, 3, 3), border, QRect(0, 0, 3, 3));
    skin->drawPixmap(painter, QRect(w - 3, 0, 3, 3), border, QRect(4, 0, 3, 3));
    skin->drawPixmap(painter, QRect(0, h - 3, 3, 3), border, QRect(0, 4, 3, 3));
    skin->drawPixmap(painter, QRect(w - 3, h - 3, 3, 3), border, QRect(4, 4, 3, 3));
    skin->drawPixmap(painter, QRect(3, 0, w - 6, 3), border, QRect(3, 0, 1, 3));
    skin->drawPixmap(painter, QRect(0, 3, 3, h - 6), border, QRect(0, 3, 3, 1));
    skin->drawPixmap(painter, QRect(3, 3, w - 6, h - 6), border, QRect(3, 3, 1, 1));
    skin->drawPixmap(painter, QRect(w - 3, 3, 3, h - 6), border, QRect(4, 3, 3, 1));
    skin->drawPixmap(painter, QRect(3, h - 3, w - 6, 3), border, QRect(3, 4, 1, 3));

    const bool top = gripSizerCorner() == Qt::TopRightCorner;
    const int by = top ? 1 : h - 12;
    const QPixmap& bar = skin->popupResizeBarBack();
    skin->drawPixmap(painter, QRect(1, by, 1, 11), bar, QRect(0, 0, 1, 11));
    skin->drawPixmap(painter, QRect(2, by, w - 4, 11), bar, QRect(1, 0, 1, 11));
    skin->drawPixmap(painter, QRect(w - 2, by, 1, 11), bar, QRect(2, 0, 1, 11));

    if (!m_action)
        return;
    const QRect area = contentArea();
    painter.setClipRect(area);
    const bool small = m_action->menuSize() == RibbonCatMenuAction::Small;
    const QPixmap& framePm = small ? skin->paletteItemSmall() : skin->paletteItemLarge();
    const int fw = small ? 22 : 43;
    const int fh = small ? 22 : 66;
    const QPoint cursor = pointerPos(*this);
    const QList<RibbonAction*>& items = m_action->menuActions();
    for (int i = m_firstIndex; i < items.size(); ++i) {
        const QRect r = itemRect(i);
        if (r.isEmpty())
            break;
        QAction* item = items[i];
        const bool hovered = r.contains(cursor);
        int f = -1;
        if (!item->isEnabled())
            f = hovered ? 4 : -1;
        else if (item == m_pressedItem.data())
            f = 1;
        else if (item->isCheckable() && item->isChecked())
            f = hovered ? 3 : 2;
        else if (hovered)
            f = 0;
        if (f >= 0)
            catpaint::drawNineSlice(painter, framePm, fw, fh, f, r);
        const int side = small ? 16 : 48;
        const int off = small ? 2 : 4;
        const QPixmap pm =
            item->icon().pixmap(QSize(side, side), RibbonStyle::devicePixelRatio(painter),
                                item->isEnabled() ? QIcon::Normal : QIcon::Disabled, QIcon::Off);
        if (pm.isNull())
            continue;
        const QSize s = pm.deviceIndependentSize().toSize();
        const bool fade = !small && item == m_pressedItem.data();
        if (fade)
            painter.setOpacity(0.5);
        painter.drawPixmap(QRect(r.x() + off + (side - s.width()) / 2,
                                 r.y() + off + (side - s.height()) / 2, s.width(), s.height()),
                           pm);
        if (fade)
            painter.setOpacity(1.0);
    }
}

void RibbonCatMenuPalettePopup::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    deleteLater();
    emit closed();
}

} // namespace oru
