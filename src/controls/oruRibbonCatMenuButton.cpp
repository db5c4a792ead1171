#include "oruRibbonCatMenuButton.h"
#include "oruMirror_p.h"
#include "oruMnemonic_p.h"

#include "oruPointer_p.h"
#include "oruRibbonApplication.h"
#include "oruRibbonCatMenuAction.h"
#include "oruRibbonCatMenuButton_p.h"
#include "oruRibbonCatMenuPalettePopup.h"
#include "oruRibbonCatPaint_p.h"
#include "oruRibbonStyle.h"
#include "oruRibbonViewPopup.h"

#include <QActionEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include <optional>

namespace oru {

using catpaint::drawNineSlice;

// ---------------------------------------------------------------- button

RibbonCatMenuButton::RibbonCatMenuButton(RibbonCatMenuAction& action, QWidget* parent)
    : QWidget(parent), m_action(&action), m_actionFace(&action), m_shownSize(action.menuSize())
{
    addAction(&action);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    connect(&action, &QAction::changed, this, qOverload<>(&QWidget::update));
}

RibbonCatMenuButton::~RibbonCatMenuButton()
{
    // The presenter closes its popup, which reports back to the presenter
    // and the button: both must still be whole.
    delete m_priv;
    m_priv = nullptr;
}

QSize RibbonCatMenuButton::sizeHint() const
{
    return m_priv ? m_priv->sizeHint() : QSize(-1, -1);
}

void RibbonCatMenuButton::processEvents(QEvent* event)
{
    if (event && event->type() == QEvent::MouseButtonPress)
        if (auto* mouse = dynamic_cast<QMouseEvent*>(event))
            mousePressEvent(mouse);
}

void RibbonCatMenuButton::mousePressEvent(QMouseEvent* event)
{
    if (m_priv)
        m_priv->mousePressEvent(event);
    update();
}

void RibbonCatMenuButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_priv)
        m_priv->mouseReleaseEvent(event);
    update();
}

void RibbonCatMenuButton::mouseMoveEvent(QMouseEvent* event)
{
    if (m_priv)
        m_priv->mouseMoveEvent(event);
    update();
}

void RibbonCatMenuButton::enterEvent(QEnterEvent* event)
{
    if (m_priv)
        m_priv->enterEvent(event);
    update();
}

void RibbonCatMenuButton::leaveEvent(QEvent* event)
{
    if (m_priv)
        m_priv->leaveEvent(event);
    update();
}

void RibbonCatMenuButton::paintEvent(QPaintEvent* event)
{
    if (m_priv)
        m_priv->paintEvent(event);
}

void RibbonCatMenuButton::actionEvent(QActionEvent* event)
{
    QWidget::actionEvent(event);
    if (!m_action || event->action() != m_actionFace)
        return;
    if (event->type() == QEvent::ActionRemoved) {
        // Whether taken off or being destroyed, the action is no longer ours
        // to read: drop the presenter (and its popup) and show nothing.
        delete m_priv;
        m_priv = nullptr;
        disconnect(m_actionFace, nullptr, this, nullptr);
        m_action = nullptr;
        updateGeometry();
        update();
        return;
    }
    if (event->type() != QEvent::ActionAdded && event->type() != QEvent::ActionChanged)
        return;
    choosePresenter();
    setEnabled(m_action->isEnabled());
    const RibbonAction* def = m_action->defaultAction();
    setToolTip(def ? def->toolTip() : m_action->toolTip());
    if (m_priv)
        m_priv->actionEvent(event);
    updateGeometry();
}

void RibbonCatMenuButton::choosePresenter()
{
    const bool palette =
        m_action->menuType() == RibbonCatMenuAction::Palette && m_shownSize == m_action->menuSize();
    if (!palette && m_action->menuType() >= RibbonCatMenuAction::Button &&
        m_action->menuType() <= RibbonCatMenuAction::Palette &&
        !qobject_cast<RibbonCatMenuButtonBPriv*>(m_priv)) {
        delete m_priv;
        m_priv = new RibbonCatMenuButtonBPriv(*this);
    } else if (palette && !qobject_cast<RibbonCatMenuButtonPPriv*>(m_priv)) {
        delete m_priv;
        m_priv = new RibbonCatMenuButtonPPriv(*this);
    }
}

void RibbonCatMenuButton::setShownSize(RibbonCatMenuAction::eMenuSize size)
{
    if (size < RibbonCatMenuAction::Large || size > RibbonCatMenuAction::Small ||
        size == m_shownSize)
        return;
    m_shownSize = size;
    if (m_action) {
        choosePresenter();
        QActionEvent changed(QEvent::ActionChanged, m_actionFace);
        m_priv->actionEvent(&changed);
    }
    updateGeometry();
    update();
}

// ---------------------------------------------------------------- presenter base

RibbonCatMenuButtonPriv::RibbonCatMenuButtonPriv(RibbonCatMenuButton& button)
    : QObject(&button), m_button(button)
{
}

RibbonCatMenuButtonPriv::~RibbonCatMenuButtonPriv() = default;

RibbonCatMenuAction& RibbonCatMenuButtonPriv::action() const
{
    // A presenter exists only while the button has its action.
    return *m_button.action();
}

namespace {

bool underCursor(const QWidget& widget)
{
    return widget.underMouse() && widget.rect().contains(pointerPos(widget));
}

void drawArrow(QPainter& painter, const QRect& rect, bool enabled, eSymbolType type = ArrowDown,
               bool onStatusBar = false)
{
    const RibbonStyle* skin = RibbonApplication::theApp()->ribbonStyle();
    // A bare arrow on the status bar takes the status bar's text colour: its
    // band is dark in dark skins, where the group's text colour is not.
    const QColor& c = !enabled     ? skin->disabledCategoryTextColor()
                      : onStatusBar ? skin->normalCategoryTextColor()
                                    : skin->highlightedCategoryTextColor();
    painter.setPen(c);
    painter.setBrush(c);
    RibbonStyle::drawSymbol(painter, rect, type);
}

} // namespace

// ---------------------------------------------------------------- button presenter

RibbonCatMenuButtonBPriv::RibbonCatMenuButtonBPriv(RibbonCatMenuButton& button)
    : RibbonCatMenuButtonPriv(button)
{
}

RibbonCatMenuButtonBPriv::~RibbonCatMenuButtonBPriv()
{
    // Menus and view popups are parentless: do not leave one behind. It no
    // longer reports to this presenter.
    if (m_popup) {
        m_popup->disconnect(this);
        m_popup->close();
    }
}

bool RibbonCatMenuButtonBPriv::isSplit() const
{
    return action().defaultAction() != nullptr;
}

bool RibbonCatMenuButtonBPriv::inMenuPart(const QPoint& pos) const
{
    if (m_button.shownSize() == RibbonCatMenuAction::Large)
        return pos.y() > 36;
    // The drop-down part is at the right end, right to left at the left end.
    const int x = m_button.isRightToLeft() ? m_button.width() - 1 - pos.x() : pos.x();
    return x >= m_button.width() - 11;
}

void RibbonCatMenuButtonBPriv::updateTxtSize()
{
    if (m_button.shownSize() != RibbonCatMenuAction::Large)
        return;
    const QFontMetrics fm = m_button.fontMetrics();
    const QString text = mnemonic::plainText(action().text());
    const int w = fm.horizontalAdvance(text);
    if (w < 31) {
        m_textWidth = w;
        m_textHeight = fm.height();
        m_textLines = 1;
        return;
    }
    int lines = m_textLines;
    m_textWidth = catpaint::twoLineWidth(m_button.font(), text, &lines);
    m_textLines = lines;
    m_textHeight = 2 * fm.height();
}

QSize RibbonCatMenuButtonBPriv::sizeHint() const
{
    const RibbonAction* def = action().defaultAction();
    const bool hasIcon = !(def ? def->icon() : action().icon()).isNull();
    switch (m_button.shownSize()) {
    case RibbonCatMenuAction::Large:
        return QSize(qMax(38, m_textWidth + 8 + (m_textLines == 2 ? 5 : 0)), 66);
    case RibbonCatMenuAction::Medium: {
        const QString text = mnemonic::plainText(action().text());
        const int allowance = hasIcon ? 31 : 15;
        if (text.isEmpty())
            return QSize(allowance, 22);
        return QSize(m_button.fontMetrics().horizontalAdvance(text) + allowance + 4, 22);
    }
    case RibbonCatMenuAction::Small:
        return QSize(hasIcon ? 31 : 15, 22);
    }
    return QSize(-1, -1);
}

void RibbonCatMenuButtonBPriv::actionEvent(QActionEvent*)
{
    updateTxtSize();
}

void RibbonCatMenuButtonBPriv::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint pos = event->position().toPoint();
    if (!isSplit() || inMenuPart(pos)) {
        if (!m_popupOpen && action().isEnabled())
            openPopup();
        return;
    }
    const RibbonAction* def = action().defaultAction();
    if (def->isEnabled() && !m_captionPressed)
        m_captionPressed = true;
}

void RibbonCatMenuButtonBPriv::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !isSplit())
        return;
    RibbonAction* def = action().defaultAction();
    const bool trigger =
        m_captionPressed && !inMenuPart(event->position().toPoint()) && def->isEnabled();
    m_captionPressed = false;
    if (trigger)
        def->activate(QAction::Trigger);
}

void RibbonCatMenuButtonBPriv::openPopup()
{
    const RibbonCatMenuAction::ePopupType type = action().popupType();
    // An unknown popup type opens nothing, so the button must not wait for
    // a popup to close.
    if (type != RibbonCatMenuAction::Menu && type != RibbonCatMenuAction::PalettePopup &&
        type != RibbonCatMenuAction::ViewPopup)
        return;
    m_menuPressed = true;
    const QPoint at = m_button.mapToGlobal(QPoint(0, m_button.height() - 1));
    switch (type) {
    case RibbonCatMenuAction::Menu: {
        // A child of the button, so that assistive technology finds it there.
        auto* menu = new QMenu(&m_button);
        action().fillMenu(*menu);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        connect(menu, &QMenu::aboutToHide, menu, &QWidget::close);
        connect(menu, &QMenu::aboutToHide, this, &RibbonCatMenuButtonBPriv::popupClosed);
        m_popup = menu;
        menu->popup(at);
        break;
    }
    case RibbonCatMenuAction::ViewPopup: {
        RibbonViewPopup* view = action().fillMenu();
        view->setAttribute(Qt::WA_DeleteOnClose);
        connect(view, &QMenu::aboutToHide, view, &QWidget::close);
        connect(view, &QMenu::aboutToHide, this, &RibbonCatMenuButtonBPriv::popupClosed);
        m_popup = view;
        view->popup(at);
        break;
    }
    case RibbonCatMenuAction::PalettePopup: {
        auto* palette = new RibbonCatMenuPalettePopup(action(), &m_button);
        connect(palette, &RibbonCatMenuPalettePopup::closed, this,
                &RibbonCatMenuButtonBPriv::popupClosed);
        m_popup = palette;
        break;
    }
    }
    m_popupOpen = true;
}

void RibbonCatMenuButtonBPriv::popupClosed()
{
    m_menuPressed = false;
    m_popupOpen = false;
    m_button.update();
}

std::pair<int, int> RibbonCatMenuButtonBPriv::frames() const
{
    const RibbonAction* def = action().defaultAction();
    const bool large = m_button.shownSize() == RibbonCatMenuAction::Large;
    const QPoint p = pointerPos(m_button);
    const bool hover = action().isEnabled() && underCursor(m_button);
    const bool overMenu = hover && inMenuPart(p);
    const bool overCaption = hover && !inMenuPart(p);
    if (!def) {
        int f = -1;
        if (m_menuPressed)
            f = (large || !m_popupOpen) ? (large ? 2 : 1) : 2;
        else if (hover)
            f = 0;
        return {f, f};
    }
    const bool toggled = large ? action().toBeToggled() : (def->isCheckable() && def->isChecked());
    int caption = -1;
    if ((hover || m_menuPressed) && !def->isEnabled())
        caption = 4;
    else if (m_captionPressed)
        caption = 1;
    else if (overCaption)
        caption = toggled ? 3 : 0;
    else if (!m_menuPressed && !hover)
        caption = toggled ? 1 : -1;
    else
        caption = toggled ? 1 : 5;
    int menu = -1;
    if (m_menuPressed)
        menu = 2;
    else if (overMenu)
        menu = 0;
    else if (m_captionPressed || hover)
        menu = 4;
    return {caption, menu};
}

void RibbonCatMenuButtonBPriv::paintEvent(QPaintEvent*)
{
    const RibbonStyle* skin = RibbonApplication::theApp()->ribbonStyle();
    QPainter painter(&m_button);
    const int w = m_button.width();
    const int h = m_button.height();
    const RibbonAction* def = action().defaultAction();
    const bool split = def != nullptr;
    const auto [fc, fm] = frames();
    const RibbonCatMenuAction::eMenuSize size = m_button.shownSize();
    const QAction* iconAction = split ? static_cast<const QAction*>(def) : &action();
    const QIcon::Mode mode = iconAction->isEnabled() ? QIcon::Normal : QIcon::Disabled;
    const bool enabled = action().isEnabled();
    // Skin pieces and the arrow are drawn left to right and mirrored through
    // the painter (right to left the drop-down part is at the left end);
    // icon and text go to their mirrored places unmirrored.
    std::optional<mirror::Flip> flip;
    flip.emplace(painter, w, m_button.isRightToLeft());
    if (size == RibbonCatMenuAction::Large) {
        const QPixmap& cap = skin->verticalMenuButtonCaption();
        const QPixmap& men = skin->verticalMenuButtonMenu();
        if (fc >= 0) {
            const int y = fc * 39;
            skin->drawPixmap(painter, QRect(0, 0, 2, 39), cap, QRect(0, y, 2, 39));
            skin->drawPixmap(painter, QRect(2, 0, w - 4, 39), cap, QRect(2, y, 39, 39));
            skin->drawPixmap(painter, QRect(w - 2, 0, 2, 39), cap, QRect(41, y, 2, 39));
        }
        if (fm >= 0) {
            const int y = fm * 27;
            if (split) {
                skin->drawPixmap(painter, QRect(0, 39, 2, 27), men, QRect(0, y, 2, 27));
                skin->drawPixmap(painter, QRect(2, 39, w - 4, 27), men, QRect(2, y, 39, 27));
                skin->drawPixmap(painter, QRect(w - 2, 39, 2, 27), men, QRect(41, y, 2, 27));
            } else {
                skin->drawPixmap(painter, QRect(0, 37, 2, 27), men, QRect(0, y, 2, 25));
                skin->drawPixmap(painter, QRect(2, 37, w - 4, 27), men, QRect(2, y, 39, 25));
                skin->drawPixmap(painter, QRect(w - 2, 37, 2, 27), men, QRect(41, y, 2, 25));
                skin->drawPixmap(painter, QRect(0, 64, 2, 2), men, QRect(0, y + 25, 2, 2));
                skin->drawPixmap(painter, QRect(2, 64, w - 4, 2), men, QRect(2, y + 25, 39, 2));
                skin->drawPixmap(painter, QRect(w - 2, 64, 2, 2), men, QRect(41, y + 25, 2, 2));
            }
        }
        if (m_textLines == 2)
            drawArrow(painter, QRect(QPoint(w - 7, 56), QPoint(w - 3, 58)), enabled);
        else
            drawArrow(painter, QRect(QPoint((w - 5) / 2, 56), QPoint((w - 5) / 2 + 4, 58)),
                      enabled);
        flip.reset();
        const QPixmap pm = iconAction->icon().pixmap(
            QSize(32, 32), RibbonStyle::devicePixelRatio(painter), mode, QIcon::Off);
        if (!pm.isNull()) {
            const QSize s = pm.deviceIndependentSize().toSize();
            painter.drawPixmap(
                mirror::visual(m_button, QRect((w - s.width()) / 2, (32 - s.height()) / 2 + 2,
                                               s.width(), s.height())),
                pm);
        }
        painter.setPen(enabled ? skin->highlightedCategoryTextColor()
                               : skin->disabledCategoryTextColor());
        painter.setFont(m_button.font());
        painter.drawText(mirror::visual(m_button, QRect(QPoint(4, 38), QPoint(m_textWidth + 3,
                                                                              m_textHeight + 37))),
                         Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                         mnemonic::plainText(action().text()));
        return;
    }
    if (size != RibbonCatMenuAction::Medium && size != RibbonCatMenuAction::Small)
        return;
    const QPixmap& cap = skin->horizontalMenuButtonCaption();
    const QPixmap& men = skin->horizontalMenuButtonMenu();
    if (fc >= 0) {
        const int y = fc * 22;
        skin->drawPixmap(painter, QRect(0, 0, 2, h), cap, QRect(0, y, 2, 22));
        skin->drawPixmap(painter, QRect(2, 0, w - 14, h), cap, QRect(2, y, 19, 22));
        if (split)
            skin->drawPixmap(painter, QRect(w - 12, 0, 1, h), cap, QRect(21, y, 1, 22));
    }
    if (fm >= 0) {
        const int y = fm * 22;
        if (split) {
            skin->drawPixmap(painter, QRect(w - 11, 0, 11, h), men, QRect(0, y, 11, 22));
        } else {
            skin->drawPixmap(painter, QRect(w - 12, 0, 10, h), men, QRect(0, y, 9, 22));
            skin->drawPixmap(painter, QRect(w - 2, 0, 2, h), men, QRect(9, y, 2, 22));
        }
    }
    const QWidget* parent = m_button.parentWidget();
    const bool bare = fc < 0 && fm < 0;
    drawArrow(painter, QRect(QPoint(w - 9, h / 2), QPoint(w - 5, h / 2 + 2)), enabled, ArrowDown,
              bare && parent && parent->inherits("oru::RibbonStatusBar"));
    flip.reset();
    const QPixmap pm = iconAction->icon().pixmap(
        QSize(16, 16), RibbonStyle::devicePixelRatio(painter), mode, QIcon::Off);
    int x0 = split ? 2 : 3;
    if (!pm.isNull()) {
        const QSize s = pm.deviceIndependentSize().toSize();
        painter.drawPixmap(
            mirror::visual(m_button, QRect((16 - s.width()) / 2 + (split ? 2 : 3),
                                           (h - s.height()) / 2, s.width(), s.height())),
            pm);
        x0 = split ? 18 : 19;
    }
    painter.setPen(enabled ? skin->highlightedCategoryTextColor()
                           : skin->disabledCategoryTextColor());
    if (size == RibbonCatMenuAction::Medium) {
        painter.setFont(m_button.font());
        painter.drawText(mirror::visual(m_button, QRect(QPoint(x0 + 2, 2), QPoint(w - 14, h - 3))),
                         mirror::leading(m_button) | Qt::AlignVCenter | Qt::TextSingleLine,
                         mnemonic::plainText(action().text()));
    }
}

// ---------------------------------------------------------------- palette presenter

RibbonCatMenuButtonPPriv::RibbonCatMenuButtonPPriv(RibbonCatMenuButton& button)
    : RibbonCatMenuButtonPriv(button)
{
    m_scrollTimer.setInterval(10);
    m_scrollTimer.setSingleShot(false);
    connect(&m_scrollTimer, &QTimer::timeout, this,
            qOverload<>(&RibbonCatMenuButtonPPriv::timerEvent));
    updateScrollBar();
}

RibbonCatMenuButtonPPriv::~RibbonCatMenuButtonPPriv()
{
    if (m_popup) {
        m_popup->disconnect(this);
        m_popup->close();
    }
}

int RibbonCatMenuButtonPPriv::itemsPerRow() const
{
    switch (action().menuSize()) {
    case RibbonCatMenuAction::Large:
        return 4;
    case RibbonCatMenuAction::Medium:
        return 3;
    default:
        return 6;
    }
}

int RibbonCatMenuButtonPPriv::rowPitch() const
{
    return action().menuSize() == RibbonCatMenuAction::Small ? 20 : 60;
}

QSize RibbonCatMenuButtonPPriv::sizeHint() const
{
    switch (action().menuSize()) {
    case RibbonCatMenuAction::Large:
        return QSize(241, 60);
    case RibbonCatMenuAction::Medium:
        return QSize(185, 60);
    case RibbonCatMenuAction::Small:
        return QSize(137, 60);
    }
    return QSize(-1, -1);
}

void RibbonCatMenuButtonPPriv::actionEvent(QActionEvent*)
{
    // Entries removed under a scrolled palette: fall back to the last row that
    // still has entries, rather than showing an empty one.
    const int n = itemsPerRow();
    const int count = int(action().menuActions().size());
    const int lastRow = count > 0 ? (count - 1) / n * n : 0;
    if (m_targetFirst > lastRow)
        m_targetFirst = lastRow;
    if (m_shownFirst > lastRow) {
        m_shownFirst = lastRow;
        m_scrollOffset = 0;
    }
    if (m_shownFirst == m_targetFirst && m_scrollOffset == 0)
        m_scrollTimer.stop();
    updateScrollBar();
}

QList<std::pair<QAction*, QRect>> RibbonCatMenuButtonPPriv::itemCells() const
{
    QList<std::pair<QAction*, QRect>> cells;
    const QList<RibbonAction*>& items = action().menuActions();
    const int n = itemsPerRow();
    const bool small = action().menuSize() == RibbonCatMenuAction::Small;
    const int last = small ? m_shownFirst + 23 : m_shownFirst + 2 * n - 1;
    const QRect area(QPoint(0, 0), QPoint(m_button.width() - 16, m_button.height() - 1));
    for (int i = qMax(0, m_shownFirst - n); i <= last && i < items.size(); ++i) {
        const int r = i - m_shownFirst + n;
        const int row = r / n;
        const int col = r % n;
        QRect cell;
        if (small) {
            const int y = (row - 1) * 20 + m_scrollOffset;
            cell = QRect(QPoint(col * 20 + 1, y), QPoint(col * 20 + 20, y + 19));
        } else {
            const int y = (row - 1) * 60 + m_scrollOffset;
            cell = QRect(QPoint(col * 56 + 1, y + 2), QPoint(col * 56 + 56, y + 56));
        }
        if (cell.intersects(area))
            cells.append({items[i], cell});
    }
    return cells;
}

void RibbonCatMenuButtonPPriv::paintEvent(QPaintEvent*)
{
    const RibbonStyle* skin = RibbonApplication::theApp()->ribbonStyle();
    QPainter painter(&m_button);
    const int w = m_button.width();
    const int h = m_button.height();
    const bool enabled = action().isEnabled();
    // Laid out left to right, with the scroll column at the right; right to
    // left the frames and arrows are drawn mirrored, the icons at their
    // mirrored places, and the pointer is taken at its mirrored place.
    const bool rtl = m_button.isRightToLeft();
    const QPoint p = logical(pointerPos(m_button));
    const bool under = m_button.underMouse();
    const bool inside = under && m_button.rect().contains(p);
    std::optional<mirror::Flip> flip;
    flip.emplace(painter, w, rtl);

    painter.setPen(skin->frameOutlineColor());
    painter.setBrush(enabled && inside ? skin->frameHighlightedFillColor()
                                       : skin->frameNormalFillColor());
    painter.drawRect(0, 0, w - 16, h - 2);

    const bool inColumn = under && p.x() >= w - 14;
    const auto frame = [&](bool available, bool pressed, int y0, int y1) {
        if (!available)
            return 3;
        if (pressed)
            return 2;
        return (inColumn && p.y() >= y0 && p.y() <= y1) ? 1 : 0;
    };
    const int ft = frame(m_canScrollUp, m_upPressed, 0, 20);
    const int fd = frame(m_canScrollDown, m_downPressed, 21, 39);
    const int fm = frame(enabled, m_morePressed, 40, 59);
    skin->drawPixmap(painter, QRect(w - 15, 0, 15, 21), skin->paletteBtnTop(),
                     QRect(0, ft * 21, 15, 21));
    skin->drawPixmap(painter, QRect(w - 15, 21, 15, 19), skin->paletteBtnMiddle(),
                     QRect(0, fd * 19, 15, 19));
    skin->drawPixmap(painter, QRect(w - 15, 40, 15, 20), skin->paletteBtnBottom(),
                     QRect(0, fm * 20, 15, 20));
    drawArrow(painter, QRect(QPoint(w - 10, 8), QPoint(w - 6, 10)), m_canScrollUp, ArrowUp);
    drawArrow(painter, QRect(QPoint(w - 10, 28), QPoint(w - 6, 30)), m_canScrollDown, ArrowDown);
    drawArrow(painter, QRect(QPoint(w - 10, 47), QPoint(w - 6, 52)), enabled, MoreDown);

    if (m_scrollOffset != 0)
        painter.setClipRect(QRect(QPoint(1, 1), QPoint(w - 17, h - 2)));
    const bool small = action().menuSize() == RibbonCatMenuAction::Small;
    const QPixmap& framePm = small ? skin->paletteItemSmall() : skin->paletteItemLarge();
    const int cw = small ? 22 : 43;
    const int ch = small ? 22 : 66;
    for (const auto& [item, cell] : itemCells()) {
        const bool hovered = under && cell.contains(p);
        int f = -1;
        if (enabled && item->isEnabled()) {
            if (item == m_pressedItem.data())
                f = 1;
            else if (item->isChecked())
                f = hovered ? 3 : 2;
            else if (hovered)
                f = 0;
        } else if (hovered) {
            f = 4;
        }
        if (f >= 0)
            drawNineSlice(painter, framePm, cw, ch, f, cell);
        const QIcon::Mode mode = item->isEnabled() ? QIcon::Normal : QIcon::Disabled;
        const int side = small ? 16 : 48;
        const QPixmap pm = item->icon().pixmap(
            QSize(side, side), RibbonStyle::devicePixelRatio(painter), mode, QIcon::Off);
        if (pm.isNull())
            continue;
        const QSize s = pm.deviceIndependentSize().toSize();
        const int off = small ? 2 : 4;
        const QRect target(cell.x() + (side - s.width()) / 2 + off,
                           cell.y() + (side - s.height()) / 2 + off, s.width(), s.height());
        const bool fade = !small && item == m_pressedItem.data();
        if (fade)
            painter.setOpacity(0.5);
        // Icons keep their own direction.
        flip.reset();
        painter.drawPixmap(mirror::visual(m_button, target), pm);
        flip.emplace(painter, w, rtl);
        if (fade)
            painter.setOpacity(1.0);
    }
}

QPoint RibbonCatMenuButtonPPriv::logical(const QPoint& pos) const
{
    return m_button.isRightToLeft() ? QPoint(m_button.width() - 1 - pos.x(), pos.y()) : pos;
}

void RibbonCatMenuButtonPPriv::mousePressEvent(QMouseEvent* event)
{
    if (!action().isEnabled() || event->button() != Qt::LeftButton)
        return;
    const QPoint pos = logical(event->position().toPoint());
    if (pos.x() >= m_button.width() - 16) {
        if (pos.y() < 19) {
            if (m_canScrollUp) {
                m_upPressed = true;
                onScrollUp();
            }
        } else if (pos.y() <= 39) {
            if (m_canScrollDown) {
                m_downPressed = true;
                onScrollDown();
            }
        } else if (!m_popupOpen) {
            m_morePressed = true;
            if (action().popupType() == RibbonCatMenuAction::PalettePopup) {
                auto* popup = new RibbonCatMenuPalettePopup(action(), &m_button);
                connect(popup, &RibbonCatMenuPalettePopup::closed, this,
                        &RibbonCatMenuButtonPPriv::popupClosed);
                m_popup = popup;
                m_popupOpen = true;
            }
        }
        return;
    }
    for (const auto& [item, cell] : itemCells()) {
        if (cell.contains(pos)) {
            if (item->isEnabled())
                m_pressedItem = item;
            break;
        }
    }
}

void RibbonCatMenuButtonPPriv::mouseReleaseEvent(QMouseEvent* event)
{
    if (!action().isEnabled() || event->button() != Qt::LeftButton)
        return;
    const QPoint pos = logical(event->position().toPoint());
    QPointer<QAction> hit;
    if (pos.x() < m_button.width() - 16) {
        for (const auto& [item, cell] : itemCells()) {
            if (cell.contains(pos)) {
                hit = item;
                break;
            }
        }
    }
    const bool trigger = hit && hit->isEnabled() && hit == m_pressedItem;
    m_morePressed = m_upPressed = m_downPressed = false;
    m_pressedItem = nullptr;
    if (trigger)
        hit->activate(QAction::Trigger);
}

void RibbonCatMenuButtonPPriv::onScrollUp()
{
    m_targetFirst -= itemsPerRow();
    if (!m_scrollTimer.isActive() && m_targetFirst != m_shownFirst)
        m_scrollTimer.start();
    updateScrollBar();
}

void RibbonCatMenuButtonPPriv::onScrollDown()
{
    m_targetFirst += itemsPerRow();
    if (!m_scrollTimer.isActive() && m_targetFirst != m_shownFirst)
        m_scrollTimer.start();
    updateScrollBar();
}

void RibbonCatMenuButtonPPriv::updateScrollBar()
{
    const bool enabled = action().isEnabled();
    const int n = itemsPerRow();
    const int count = int(action().menuActions().size());
    const bool small = action().menuSize() == RibbonCatMenuAction::Small;
    m_canScrollUp = enabled && (small ? m_targetFirst > 5 : m_targetFirst >= n);
    m_canScrollDown = enabled && (small ? m_targetFirst + 18 < count : m_targetFirst + n < count);
    bool cleared = false;
    if (m_upPressed && !m_canScrollUp) {
        m_upPressed = false;
        cleared = true;
    }
    if (m_downPressed && !m_canScrollDown) {
        m_downPressed = false;
        cleared = true;
    }
    if (cleared)
        m_button.update();
}

void RibbonCatMenuButtonPPriv::timerEvent()
{
    int step;
    if (m_targetFirst < m_shownFirst)
        step = 2;
    else if (m_targetFirst > m_shownFirst)
        step = -2;
    else
        step = m_scrollOffset > 0 ? -2 : 2;
    m_scrollOffset += step;
    if (m_scrollOffset % rowPitch() == 0) {
        m_scrollOffset = 0;
        const int n = itemsPerRow();
        if (m_shownFirst < m_targetFirst)
            m_shownFirst += n;
        else if (m_shownFirst > m_targetFirst)
            m_shownFirst -= n;
        updateScrollBar();
    }
    if (m_scrollOffset == 0 && m_shownFirst == m_targetFirst)
        m_scrollTimer.stop();
    m_button.update();
}

void RibbonCatMenuButtonPPriv::popupClosed()
{
    m_morePressed = false;
    m_popupOpen = false;
    m_button.update();
}

} // namespace oru
