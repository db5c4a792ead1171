#include "oruRibbonPanelMain.h"

#include "oruMainMenuPaint_p.h"
#include "oruMirror_p.h"
#include "oruPointer_p.h"
#include "oruPopupPlacement_p.h"
#include "oruRibbonApplication.h"
#include "oruRibbonButtonMain.h"
#include "oruRibbonMainMenuButton.h"
#include "oruRibbonMainMenuMenuButton.h"
#include "oruRibbonMainPanelButton.h"
#include "oruRibbonMenuAction.h"
#include "oruRibbonMenuBar.h"
#include "oruRibbonRecentFiles.h"
#include "oruRibbonSimpleAction.h"
#include "oruRibbonStyle.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <QScreen>
#include <QVBoxLayout>

#include <optional>

namespace oru {

RibbonPanelMain::RibbonPanelMain(RibbonButtonMain& button)
    : RibbonManuContainer(&button, Qt::Popup), m_mainButton(button)
{
    m_mainLayout = new QVBoxLayout;
    // The tall top margin leaves room for the painted button copy.
    m_mainLayout->setContentsMargins(5, 22, 5, 5);
    m_mainLayout->setSpacing(0);

    m_columnsLayout = new QHBoxLayout;
    m_columnsLayout->setContentsMargins(2, 2, 2, 2);
    m_columnsLayout->setSpacing(2);
    m_mainLayout->addLayout(m_columnsLayout);

    m_itemsLayout = new QVBoxLayout;
    m_itemsLayout->setContentsMargins(0, 0, 0, 0);
    m_itemsLayout->setSpacing(2);
    m_columnsLayout->addLayout(m_itemsLayout);

    m_bottomLayout = new QHBoxLayout;
    m_bottomLayout->addItem(new QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Minimum));
    m_bottomLayout->setContentsMargins(0, 3, 0, 0);
    m_bottomLayout->setSpacing(10);

    RibbonMenuBar* bar = button.ribbonMenuBar();
    addBottomButton(bar->optionsAction());
    addBottomButton(bar->exitAction());

    m_mainLayout->addLayout(m_bottomLayout);
    setLayout(m_mainLayout);

    fillMainMenu();

    m_recentFiles = new RibbonRecentFiles(*this);
    m_columnsLayout->addWidget(m_recentFiles);

    show();
}

RibbonPanelMain::~RibbonPanelMain() = default;

void RibbonPanelMain::addBottomButton(QAction* action)
{
    if (!action)
        return;
    if (auto* ribbonAction = qobject_cast<RibbonAction*>(action))
        connect(ribbonAction, &RibbonAction::activated, this, &QWidget::close);
    auto* panelButton = new RibbonMainPanelButton(this);
    panelButton->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    panelButton->setFixedHeight(23);
    panelButton->addAction(action);
    m_bottomLayout->addWidget(panelButton);
    track(panelButton);
    connect(panelButton, &RibbonMainPanelButton::mouseMoved, this, &RibbonPanelMain::onMouseMoved);
}

void RibbonPanelMain::track(QAbstractButton* button)
{
    if (!m_trackedButtons.contains(button))
        m_trackedButtons.append(button);
}

void RibbonPanelMain::fillMainMenu()
{
    RibbonMenuBar* bar = m_mainButton.ribbonMenuBar();
    // Items that would not fit on the screen get no widget.
    const int room = mainmenu::screenRoom(m_mainButton) - mainmenu::kPanelFrameHeight;
    int used = 0;
    for (RibbonAction* action : bar->mainMenuActions().menuActions()) {
        if (!action)
            continue;
        RibbonMainMenuItem* item = nullptr;
        if (auto* simple = qobject_cast<RibbonSimpleAction*>(action)) {
            item = new RibbonMainMenuButton(*simple, *this, true);
        } else if (auto* menu = qobject_cast<RibbonMenuAction*>(action)) {
            auto* subMenu = new RibbonMainMenuMenuButton(*menu, *this, true);
            connect(subMenu, &RibbonMainMenuMenuButton::closePopup, this, &QWidget::close);
            item = subMenu;
        } else {
            continue;
        }
        const int height = item->sizeHint().height();
        if (used > 0 && used + height > room) {
            delete item;
            break;
        }
        used += height + m_itemsLayout->spacing();
        AddButton(item);
        m_itemsLayout->addWidget(item);
        connect(action, &RibbonAction::activated, this, &QWidget::close);
        track(item);
        connect(item, &RibbonMainMenuItem::mouseMoved, this, &RibbonPanelMain::onMouseMoved);
    }
}

QRect RibbonPanelMain::itemsGeometry() const
{
    return m_itemsLayout->geometry();
}

QRect RibbonPanelMain::columnsGeometry() const
{
    return m_columnsLayout->geometry();
}

QRect RibbonPanelMain::buttonGlobalRect() const
{
    return QRect(m_mainButton.mapToGlobal(QPoint(0, 0)), m_mainButton.size());
}

void RibbonPanelMain::onMouseMoved()
{
    const QPoint cursor = pointerPos(*this);
    QAbstractButton* found = nullptr;
    for (QAbstractButton* button : std::as_const(m_trackedButtons)) {
        if (button->geometry().contains(cursor))
            found = button;
    }
    if (!found || found == m_hoveredButton)
        return;
    if (QAbstractButton* previous = m_hoveredButton.data())
        previous->update();
    m_hoveredButton = found;
}

void RibbonPanelMain::mousePressEvent(QMouseEvent* event)
{
    const QPoint global = event->globalPosition().toPoint();
    const QRect overButton = geometry().intersected(buttonGlobalRect());
    RibbonManuContainer::mousePressEvent(event);
    // A press on the painted copy of the button closes the menu like a
    // press on the button itself.
    if (!m_closed && overButton.contains(global))
        close();
}

void RibbonPanelMain::resizeEvent(QResizeEvent* event)
{
    RibbonManuContainer::resizeEvent(event);

    // A rectangle with the single corner pixel cut away at each corner.
    const int W = width() - 1;
    const int H = height() - 1;
    const QPolygon outline({QPoint(1, 0), QPoint(W, 0), QPoint(W, 1), QPoint(W + 1, 1),
                            QPoint(W + 1, H), QPoint(W, H), QPoint(W, H + 1), QPoint(1, H + 1),
                            QPoint(1, H), QPoint(0, H), QPoint(0, 1), QPoint(1, 1), QPoint(1, 0)});
    setMask(QRegion(outline, Qt::OddEvenFill));

    RibbonMenuBar* bar = m_mainButton.ribbonMenuBar();
    // Under the button, running away from the window's leading edge: right to
    // left the menu's right edge meets the button's, and it opens leftwards.
    const bool rtl = isRightToLeft();
    int x = m_mainButton.mapToGlobal(QPoint(0, 0)).x();
    if (rtl)
        x += m_mainButton.width() - width();
    int y = bar->mapToGlobal(bar->captionGeometry().bottomLeft()).y();
    // The menu opens on the monitor that holds the application button.
    QScreen* screen = QGuiApplication::screenAt(QPoint(x, y));
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect();
    m_placedAbove = false;
    if (available.isValid()) {
        if (height() + y > available.bottom()) {
            // No room below the caption: keep the whole menu on the screen
            // (the button copy is then left out).
            m_placedAbove = true;
            y = qMax(available.top(), available.bottom() + 1 - height());
        }
        if (width() + x > available.right())
            x = available.right() - width();
        if (rtl && x < available.left())
            x = available.left();
    }
    move(keepPopupOnScreen(QPoint(x, y), size()));
}

void RibbonPanelMain::paintEvent(QPaintEvent*)
{
    const RibbonStyle* skin = RibbonApplication::theApp()->ribbonStyle();
    const int w = width();
    const int h = height();
    QPainter painter(this);

    const QPixmap& back = skin->mainPanelBack();
    std::optional<mirror::Flip> flip;
    flip.emplace(painter, w, isRightToLeft());
    skin->drawPixmap(painter, QRect(0, 0, 4, 10), back, QRect(0, 0, 4, 10));
    skin->drawPixmap(painter, QRect(4, 0, w - 8, 10), back, QRect(4, 0, 1, 10));
    skin->drawPixmap(painter, QRect(w - 4, 0, 4, 10), back, QRect(5, 0, 4, 10));
    skin->drawPixmap(painter, QRect(0, 10, 4, h - 37), back, QRect(0, 10, 4, 1));
    skin->drawPixmap(painter, QRect(4, 10, w - 8, h - 37), back, QRect(4, 10, 1, 1));
    skin->drawPixmap(painter, QRect(w - 4, 10, 4, h - 37), back, QRect(5, 10, 4, 1));
    skin->drawPixmap(painter, QRect(0, h - 27, 4, 27), back, QRect(0, 11, 4, 27));
    skin->drawPixmap(painter, QRect(4, h - 27, w - 8, 27), back, QRect(4, 11, 1, 27));
    skin->drawPixmap(painter, QRect(w - 4, h - 27, 4, 27), back, QRect(5, 11, 4, 27));
    flip.reset();

    const QRect r = m_columnsLayout->geometry();
    painter.fillRect(r, QBrush(skin->mainMenuBgColor()));

    // Between the items and the recent files, whichever side the items are on.
    const QRect items = m_itemsLayout->geometry();
    skin->drawPixmap(
        painter,
        QRect(isRightToLeft() ? items.left() - 2 : items.right() + 1, r.top(), 2, r.height()),
        skin->mainPanelSeparator(), QRect(0, 0, 2, 2));

    const QPixmap& border = skin->mainPanelBorder();
    skin->drawPixmap(painter, QRect(r.left(), r.top(), 2, 2), border, QRect(0, 0, 2, 2));
    skin->drawPixmap(painter, QRect(r.left() + 2, r.top(), r.width() - 4, 2), border,
                     QRect(2, 0, 1, 2));
    skin->drawPixmap(painter, QRect(r.right() - 1, r.top(), 2, 2), border, QRect(3, 0, 2, 2));
    skin->drawPixmap(painter, QRect(r.left(), r.top() + 2, 2, r.height() - 4), border,
                     QRect(0, 2, 2, 1));
    skin->drawPixmap(painter, QRect(r.right() - 1, r.top() + 2, 2, r.height() - 4), border,
                     QRect(3, 2, 2, 1));
    skin->drawPixmap(painter, QRect(r.left(), r.bottom() - 1, 2, 2), border, QRect(0, 3, 2, 2));
    skin->drawPixmap(painter, QRect(r.left() + 2, r.bottom() - 1, r.width() - 4, 2), border,
                     QRect(2, 3, 1, 2));
    skin->drawPixmap(painter, QRect(r.right() - 1, r.bottom() - 1, 2, 2), border,
                     QRect(3, 3, 2, 2));

    const QRect buttonRect = buttonGlobalRect();
    if (buttonRect.intersects(geometry()) && !m_placedAbove)
        m_mainButton.paintFace(painter,
                               QRect(mapFromGlobal(buttonRect.topLeft()), buttonRect.size()), 76);
}

void RibbonPanelMain::closeEvent(QCloseEvent* event)
{
    RibbonManuContainer::closeEvent(event);
    if (m_closed)
        return;
    m_closed = true;
    // A sub-menu popup is a window of its own and would outlive the hide.
    for (RibbonMainMenuItem* item : buttons()) {
        if (auto* subMenu = qobject_cast<RibbonMainMenuMenuButton*>(item)) {
            if (auto* popup = subMenu->popupMenu())
                popup->hide();
        }
    }
    deleteLater();
    emit closed();
}

} // namespace oru
