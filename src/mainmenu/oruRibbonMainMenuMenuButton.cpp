#include "oruRibbonMainMenuMenuButton.h"
#include "oruMirror_p.h"
#include "oruMnemonic_p.h"

#include "oruMainMenuPaint_p.h"
#include "oruPointer_p.h"
#include "oruRibbonApplication.h"
#include "oruRibbonMainMenuButton.h"
#include "oruRibbonMenuAction.h"
#include "oruRibbonPanelMain.h"
#include "oruRibbonRecentFiles.h"
#include "oruRibbonSimpleAction.h"
#include "oruRibbonStyle.h"

#include <QActionEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace oru {

RibbonMainPopupMenu* RibbonMainMenuMenuButton::s_CurrentMainPopup = nullptr;

namespace {

// Caption part of the split item in frame f (c = caption width - 1).
void drawCaptionPart(QPainter& painter, const QPixmap& pixmap, int f, int w, int h)
{
    const RibbonStyle* skin = RibbonApplication::theApp()->ribbonStyle();
    const int c = w - 25;
    const int F = 22 * f;
    skin->drawPixmap(painter, QRect(0, 0, 2, 2), pixmap, QRect(0, F, 2, 2));
    skin->drawPixmap(painter, QRect(0, 2, 2, h - 4), pixmap, QRect(0, F + 2, 2, 18));
    skin->drawPixmap(painter, QRect(0, h - 2, 2, 2), pixmap, QRect(0, F + 20, 2, 2));
    skin->drawPixmap(painter, QRect(2, 0, c - 2, 2), pixmap, QRect(2, F, 19, 2));
    skin->drawPixmap(painter, QRect(2, 2, c - 2, h - 4), pixmap, QRect(2, F + 2, 19, 18));
    skin->drawPixmap(painter, QRect(2, h - 2, c - 2, 2), pixmap, QRect(2, F + 20, 19, 2));
    skin->drawPixmap(painter, QRect(c, 0, 1, 2), pixmap, QRect(21, F, 1, 2));
    skin->drawPixmap(painter, QRect(c, 2, 1, h - 4), pixmap, QRect(21, F + 2, 1, 18));
    skin->drawPixmap(painter, QRect(c, h - 2, 1, 2), pixmap, QRect(21, F + 20, 1, 2));
}

// Menu part (the right 24 pixels) in frame f.
void drawMenuPart(QPainter& painter, const QPixmap& pixmap, int f, int w, int h)
{
    const RibbonStyle* skin = RibbonApplication::theApp()->ribbonStyle();
    const int m = w - 24;
    const int F = 22 * f;
    skin->drawPixmap(painter, QRect(m, 0, 22, 2), pixmap, QRect(0, F, 9, 2));
    skin->drawPixmap(painter, QRect(m, 2, 22, h - 4), pixmap, QRect(0, F + 2, 9, 18));
    skin->drawPixmap(painter, QRect(m, h - 2, 22, 2), pixmap, QRect(0, F + 20, 9, 2));
    skin->drawPixmap(painter, QRect(m + 22, 0, 2, 2), pixmap, QRect(9, F, 2, 2));
    skin->drawPixmap(painter, QRect(m + 22, 2, 2, h - 4), pixmap, QRect(9, F + 2, 2, 18));
    skin->drawPixmap(painter, QRect(m + 22, h - 2, 2, 2), pixmap, QRect(9, F + 20, 2, 2));
}

} // namespace

// ---------------------------------------------------------------------------
// RibbonMainMenuMenuButton

RibbonMainMenuMenuButton::RibbonMainMenuMenuButton(RibbonMenuAction& action, RibbonPanelMain& panel,
                                                   bool inMainPanel)
    : RibbonMainMenuItem(nullptr), m_action(&action), m_panel(panel), m_inMainPanel(inMainPanel)
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    addAction(&action);
    // Repaint on enter and leave: the hover look is computed when painting.
    setAttribute(Qt::WA_Hover);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    m_hoverTimer.setSingleShot(true);
    connect(&m_hoverTimer, &QTimer::timeout, this, &RibbonMainMenuMenuButton::showPopup);
    if (m_inMainPanel) {
        m_popup = std::make_unique<RibbonMainPopupMenu>(*this);
        connect(m_popup.get(), &RibbonMainPopupMenu::hidden, this,
                &RibbonMainMenuMenuButton::popupClosed);
        connect(m_popup.get(), &RibbonMainPopupMenu::closePopup, this,
                &RibbonMainMenuMenuButton::closePopup);
    }
}

RibbonMainMenuMenuButton::~RibbonMainMenuMenuButton()
{
    m_hoverTimer.stop();
    m_popup.reset();
}

RibbonMenuAction* RibbonMainMenuMenuButton::action() const
{
    return qobject_cast<RibbonMenuAction*>(m_action.data());
}

QSize RibbonMainMenuMenuButton::popupSize() const
{
    return m_popup ? m_popup->size() : QSize(-1, -1);
}

QSize RibbonMainMenuMenuButton::sizeHint() const
{
    if (!m_inMainPanel)
        return QSize(-1, -1);
    return QSize(fontMetrics().horizontalAdvance(text()) + 80, 44);
}

QAction* RibbonMainMenuMenuButton::enabledDefaultAction() const
{
    RibbonMenuAction* menu = action();
    QAction* def = menu ? menu->defaultAction() : nullptr;
    return def && def->isEnabled() ? def : nullptr;
}

void RibbonMainMenuMenuButton::showPopup()
{
    if (!m_popup || m_popup->isVisible())
        return;
    RibbonRecentFiles* column = m_panel.recentFiles();
    if (!column)
        return;
    const QPoint pos = column->mapToGlobal(QPoint(0, 0));
    const QSize size = column->size();
    m_popup->resize(size);
    m_popup->setSize(size);
    m_popup->move(pos);
    clearFocus();
    m_popup->setFocus(Qt::OtherFocusReason);
    m_popup->show();
    update();
}

void RibbonMainMenuMenuButton::popupClosed()
{
    update();
}

void RibbonMainMenuMenuButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (QAction* def = enabledDefaultAction()) {
        if (captionRect().contains(event->position().toPoint()))
            def->activate(QAction::Trigger);
    }
}

void RibbonMainMenuMenuButton::mouseMoveEvent(QMouseEvent* event)
{
    RibbonMainMenuItem::mouseMoveEvent(event);
    update();
    emit mouseMoved();
}

void RibbonMainMenuMenuButton::enterEvent(QEnterEvent* event)
{
    RibbonMainMenuItem::enterEvent(event);
    if (m_inMainPanel && RibbonMainMenuMenuButton::s_CurrentMainPopup &&
        RibbonMainMenuMenuButton::s_CurrentMainPopup != m_popup.get())
        RibbonMainMenuMenuButton::s_CurrentMainPopup->close();
    m_hoverTimer.start();
}

void RibbonMainMenuMenuButton::leaveEvent(QEvent* event)
{
    RibbonMainMenuItem::leaveEvent(event);
    m_hoverTimer.stop();
}

void RibbonMainMenuMenuButton::paintEvent(QPaintEvent*)
{
    const RibbonStyle* skin = RibbonApplication::theApp()->ribbonStyle();
    const int w = width();
    const int h = height();
    const bool enabled = isEnabled();
    QPainter painter(this);
    const bool rtl = isRightToLeft();
    // A disabled item shows no frames, only its dimmed icon, text and arrow.
    if (enabled) {
        // The caption and menu parts are drawn left to right and mirrored:
        // right to left the menu part with the arrow is at the left.
        const mirror::Flip flip(painter, w, rtl);
        const QPoint cursor = pointerPos(*this);
        const bool popupOpen =
            m_popup && RibbonMainMenuMenuButton::s_CurrentMainPopup == m_popup.get();
        const bool active = rect().contains(cursor) || hasFocus();
        RibbonMenuAction* menu = action();
        QAction* def = menu ? menu->defaultAction() : nullptr;
        if (def) {
            if (popupOpen || active) {
                const int captionFrame =
                    !def->isEnabled() ? 4 : (captionRect().contains(cursor) ? 0 : 5);
                drawCaptionPart(painter, skin->horizontalMenuButtonCaption(), captionFrame, w, h);
                drawMenuPart(painter, skin->horizontalMenuButtonMenu(), popupOpen ? 0 : 4, w, h);
            }
        } else if (active) {
            mainmenu::drawItemHighlight(painter, w, h, false); // flipped already
        }
    }

    mainmenu::drawItemIcon(painter, icon(), enabled, h, w, rtl);
    const QColor& textColor =
        enabled ? skin->highlightedCategoryTextColor() : skin->disabledCategoryTextColor();
    painter.setPen(textColor);
    if (m_inMainPanel) {
        painter.setFont(font());
        painter.drawText(mirror::visual(*this, QRect(QPoint(50, 2), QPoint(w - 31, h - 3))),
                         Qt::TextWordWrap | Qt::TextShowMnemonic | mirror::leading(*this) |
                             Qt::AlignVCenter,
                         text());
    }
    const int m = w - 24;
    painter.setBrush(textColor);
    const QPoint centre((m + w - 1) / 2, (h - 1) / 2);
    // The arrow points where the sub-menu opens.
    RibbonStyle::drawSymbol(painter,
                            mirror::visual(*this, QRect(centre.x() - 1, centre.y() - 3, 4, 7)),
                            rtl ? ArrowLeft : ArrowRight);
}

void RibbonMainMenuMenuButton::actionEvent(QActionEvent* event)
{
    RibbonMainMenuItem::actionEvent(event);
    QAction* own = m_action.data();
    if (!own || event->action() != own)
        return;
    if (event->type() == QEvent::ActionAdded || event->type() == QEvent::ActionChanged) {
        QFont f = own->font();
        f.setPointSize(8);
        setFont(f);
        setIcon(own->icon());
        setText(mnemonic::plainText(own->text()));
        setToolTip(own->toolTip());
        setEnabled(own->isEnabled());
        updateGeometry();
        update();
    } else if (event->type() == QEvent::ActionRemoved) {
        m_action = nullptr;
        m_hoverTimer.stop();
        if (m_popup)
            m_popup->close();
        setEnabled(false);
    }
}

// ---------------------------------------------------------------------------
// RibbonMainPopupMenu

RibbonMainPopupMenu::RibbonMainPopupMenu(RibbonMainMenuMenuButton& owner)
    : RibbonManuContainer(&owner, Qt::Popup), m_owner(owner)
{
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    setMouseTracking(true);
    setContentsMargins(2, 24, 2, 6);
    m_titleFont = font();
    m_titleFont.setBold(true);

    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_scrollArea = new QScrollArea(this);
    m_layout->addWidget(m_scrollArea);
    m_content = new QWidget;
    m_content->setContentsMargins(0, 0, 0, 0);
    auto* contentLayout = new QVBoxLayout(m_content);

    if (RibbonMenuAction* menu = owner.action()) {
        for (RibbonAction* child : menu->menuActions()) {
            auto* simple = qobject_cast<RibbonSimpleAction*>(child);
            if (!simple)
                continue;
            auto* item = new RibbonMainMenuButton(*simple, owner.panel(), false);
            AddButton(item);
            contentLayout->addWidget(item);
            connect(simple, &RibbonAction::activated, this, &QWidget::close);
            if (!m_items.contains(item))
                m_items.append(item);
            connect(item, &RibbonMainMenuItem::mouseMoved, this,
                    &RibbonMainPopupMenu::onMouseMoved);
        }
    }
    contentLayout->addItem(
        new QSpacerItem(0, 0, QSizePolicy::Ignored, QSizePolicy::MinimumExpanding));

    m_scrollArea->setWidget(m_content);
    m_scrollArea->setFrameShape(QFrame::NoFrame);
    QPalette palette = m_scrollArea->palette();
    palette.setBrush(QPalette::All, m_scrollArea->backgroundRole(),
                     QBrush(RibbonApplication::theApp()->ribbonStyle()->mainMenuBgColor()));
    m_scrollArea->setPalette(palette);
}

RibbonMainPopupMenu::~RibbonMainPopupMenu()
{
    if (RibbonMainMenuMenuButton::s_CurrentMainPopup == this)
        RibbonMainMenuMenuButton::s_CurrentMainPopup = nullptr;
}

void RibbonMainPopupMenu::setSize(const QSize& size)
{
    int contentWidth = size.width() - 5;
    m_content->setFixedWidth(contentWidth);
    m_content->adjustSize();
    if (m_content->height() + m_scrollArea->horizontalScrollBar()->sizeHint().height() >
        size.height()) {
        contentWidth -= m_scrollArea->verticalScrollBar()->sizeHint().width();
        m_content->setFixedWidth(contentWidth);
        m_content->adjustSize();
    }
}

void RibbonMainPopupMenu::onMouseMoved()
{
    const QPoint cursor = pointerPos(*m_content);
    RibbonMainMenuButton* found = nullptr;
    for (RibbonMainMenuButton* item : std::as_const(m_items)) {
        if (item->geometry().contains(cursor))
            found = item;
    }
    if (!found)
        return;
    for (RibbonMainMenuButton* item : std::as_const(m_items)) {
        if (item != found)
            item->update();
    }
}

void RibbonMainPopupMenu::mousePressEvent(QMouseEvent* event)
{
    const QPoint global = event->globalPosition().toPoint();
    const QRect ownerGlobal(m_owner.mapToGlobal(QPoint(0, 0)), m_owner.size());
    const bool inOwner = ownerGlobal.contains(global);
    const bool inside = geometry().contains(global);
    const QPoint inOwnerPos = m_owner.mapFromGlobal(global);
    const bool inOwnerMenu = inOwner && m_owner.menuRect().contains(inOwnerPos);
    if (inOwner || inside) {
        RibbonMenuAction* menu = m_owner.action();
        QAction* def = menu ? menu->defaultAction() : nullptr;
        if (!def || !def->isEnabled() || inOwnerMenu)
            return;
    }
    QPointer<RibbonMainPopupMenu> self(this);
    RibbonManuContainer::mousePressEvent(event);
    if (!self)
        return;
    if (!inside && !inOwnerMenu)
        emit closePopup();
}

void RibbonMainPopupMenu::paintEvent(QPaintEvent*)
{
    const RibbonStyle* skin = RibbonApplication::theApp()->ribbonStyle();
    const int w = width();
    const int h = height();
    QPainter painter(this);
    mainmenu::drawPopupBorder(painter, skin->popupBorder(), w, h);
    painter.fillRect(QRect(QPoint(2, 24), QPoint(w - 3, h - 3)), skin->mainMenuBgColor());
    painter.setPen(skin->mainMenuBgColor().darker(120));
    painter.drawLine(QPoint(1, 23), QPoint(w - 1, 23));
    painter.setFont(m_titleFont);
    painter.setPen(isEnabled() ? skin->highlightedCategoryTextColor()
                               : skin->disabledCategoryTextColor());
    painter.drawText(QRect(QPoint(6, 6), QPoint(w - 7, 17)),
                     Qt::TextWordWrap | Qt::TextShowMnemonic | mirror::leading(*this) |
                         Qt::AlignVCenter,
                     m_owner.toolTip());
}

void RibbonMainPopupMenu::showEvent(QShowEvent* event)
{
    // Not the container's handling: opening by hover gives no item the focus.
    QWidget::showEvent(event);
    RibbonMainMenuMenuButton::s_CurrentMainPopup = this;
}

void RibbonMainPopupMenu::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (RibbonMainMenuMenuButton::s_CurrentMainPopup == this)
        RibbonMainMenuMenuButton::s_CurrentMainPopup = nullptr;
    emit hidden();
}

} // namespace oru
