#include "oruRibbonCatColorMenuButton.h"
#include "oruMnemonic_p.h"

#include "oruPointer_p.h"
#include "oruPopupPlacement_p.h"
#include "oruRibbonApplication.h"
#include "oruRibbonCatColorMenuAction.h"
#include "oruRibbonCatPaint_p.h"
#include "oruRibbonStyle.h"

#include <QActionEvent>
#include <QMouseEvent>
#include <QPainter>

namespace oru {

namespace {
// What a two-line caption gives up at its right for the drop-down arrow
// after its second line: the arrow's width, so that 3 pixels stay between
// the widest line and the arrow.
constexpr int ArrowRoom = 5;
} // namespace

RibbonCatColorMenuButton::RibbonCatColorMenuButton(RibbonCatColorMenuAction& action,
                                                   QWidget* parent)
    : QWidget(parent), m_action(&action), m_actionFace(&action)
{
    addAction(&action);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
}

RibbonCatColorMenuButton::~RibbonCatColorMenuButton()
{
    // Deleted here, before QWidget deletes the children: the popup must not
    // report its hiding to a half-destroyed button.
    if (m_popup) {
        m_popup->disconnect(this);
        delete m_popup;
    }
}

RibbonColorPickerPopup& RibbonCatColorMenuButton::popup()
{
    if (m_popup)
        return *m_popup;
    m_popup = new RibbonColorPickerPopup(this);
    connect(m_popup, &RibbonColorPickerPopup::hidden, this,
            &RibbonCatColorMenuButton::popupClosed);
    if (m_action) {
        RibbonCatColorMenuAction* action = m_action;
        m_popup->setKeepSelection(action->keepsSelection());
        connect(m_popup, &RibbonColorPickerPopup::noneColorSelected, action,
                &RibbonCatColorMenuAction::setNone);
        connect(m_popup, &RibbonColorPickerPopup::automaticColorSelected, action,
                &RibbonCatColorMenuAction::setAutomatic);
        connect(m_popup, &RibbonColorPickerPopup::colorSelected, action,
                &RibbonCatColorMenuAction::setColor);
        // After the action took the choice: the user-only announcement.
        connect(m_popup, &RibbonColorPickerPopup::noneColorSelected, action,
                [action] { emit action->colorActivated(QColor()); });
        connect(m_popup, &RibbonColorPickerPopup::automaticColorSelected, action,
                [action] { emit action->colorActivated(action->automaticColor()); });
        connect(m_popup, &RibbonColorPickerPopup::colorSelected, action,
                [action] { emit action->colorActivated(action->color()); });
        syncPopup();
    }
    return *m_popup;
}

bool RibbonCatColorMenuButton::isPopupVisible() const
{
    return m_popup && m_popup->isVisible();
}

void RibbonCatColorMenuButton::syncPopup()
{
    if (!m_popup || !m_action)
        return;
    m_popup->setAutomaticColorEnabled(m_action->hasAutomaticColor());
    m_popup->setAutomaticColor(m_action->automaticColor());
    m_popup->setNoneColorEnabled(m_action->hasNoneColor());
    if (m_action->isAutomatic())
        m_popup->setAutomaticColor();
    else if (m_action->isNone())
        m_popup->setNoneColor();
    else
        m_popup->selectColor(m_action->color());
}

QSize RibbonCatColorMenuButton::sizeHint() const
{
    if (!m_action)
        return QSize(-1, -1);
    const int allowance = m_action->icon().isNull() ? 15 : 31;
    const QString text = mnemonic::plainText(m_action->text());
    switch (m_action->size()) {
    case RibbonCatColorMenuAction::Small:
        return QSize(allowance, 22);
    case RibbonCatColorMenuAction::Medium:
        if (text.isEmpty())
            return QSize(allowance, 22);
        return QSize(allowance + fontMetrics().horizontalAdvance(text) + 4, 22);
    case RibbonCatColorMenuAction::Large: {
        const QFontMetrics fm = fontMetrics();
        if (fm.horizontalAdvance(text) <= 30)
            return QSize(42, 66);
        // Two lines: the arrow follows the second one and gets room of its
        // own, as on the large menu button.
        int lines = 1;
        const int textWidth = catpaint::twoLineWidth(font(), text, &lines);
        return QSize(qMax(42, textWidth + 10 + (lines == 2 ? ArrowRoom : 0)), 66);
    }
    }
    return QSize(-1, -1);
}

void RibbonCatColorMenuButton::processEvents(QEvent* event)
{
    if (event && event->type() == QEvent::MouseButtonPress)
        if (auto* mouse = dynamic_cast<QMouseEvent*>(event))
            mousePressEvent(mouse);
}

void RibbonCatColorMenuButton::mousePressEvent(QMouseEvent* event)
{
    if (m_action && event->button() == Qt::LeftButton && m_action->isEnabled() &&
        !isPopupVisible()) {
        RibbonColorPickerPopup& picker = popup();
        // Below the button; above it, or shifted in, near a screen edge.
        const QPoint pos =
            keepPopupOnScreen(mapToGlobal(QPoint(0, height() - 1)), picker.sizeHint(),
                              QRect(mapToGlobal(QPoint(0, 0)), size()));
        picker.move(pos);
        clearFocus();
        picker.setFocus(Qt::OtherFocusReason);
        picker.show();
    }
    update();
}

void RibbonCatColorMenuButton::mouseReleaseEvent(QMouseEvent*)
{
    update();
}

void RibbonCatColorMenuButton::mouseMoveEvent(QMouseEvent*)
{
    update();
}

void RibbonCatColorMenuButton::enterEvent(QEnterEvent*)
{
    update();
}

void RibbonCatColorMenuButton::leaveEvent(QEvent*)
{
    update();
}

void RibbonCatColorMenuButton::popupClosed()
{
    update();
}

void RibbonCatColorMenuButton::actionEvent(QActionEvent* event)
{
    QWidget::actionEvent(event);
    if (!m_action)
        return;
    if (event->action() == m_actionFace && event->type() == QEvent::ActionRemoved) {
        // Taken off or being destroyed: the action is no longer ours to read,
        // and a picker left open would pick for nobody.
        if (m_popup) {
            m_popup->hide();
            m_popup->disconnect(m_actionFace);
        }
        disconnect(m_actionFace, nullptr, this, nullptr);
        m_action = nullptr;
        updateGeometry();
        update();
        return;
    }
    const QFontMetrics fm = fontMetrics();
    const QString text = mnemonic::plainText(m_action->text());
    int lines = 1;
    if (fm.horizontalAdvance(text) > 30)
        catpaint::twoLineWidth(font(), text, &lines);
    m_lineCount = lines;
    if (event->action() != m_actionFace ||
        (event->type() != QEvent::ActionAdded && event->type() != QEvent::ActionChanged))
        return;
    setEnabled(m_action->isEnabled());
    setToolTip(m_action->toolTip());
    syncPopup();
    updateGeometry();
    update();
}

void RibbonCatColorMenuButton::paintEvent(QPaintEvent*)
{
    const RibbonStyle* skin = RibbonApplication::theApp()->ribbonStyle();
    if (!m_action)
        return;
    QPainter painter(this);
    const int w = width();
    const int h = height();
    const bool enabled = m_action->isEnabled();
    const bool hover = enabled && underMouse() && rect().contains(pointerPos(*this));
    int f = -1;
    if (enabled)
        f = isPopupVisible() ? 2 : (hover ? 0 : -1);
    const QIcon::Mode mode = enabled ? QIcon::Normal : QIcon::Disabled;
    const QColor& textColor =
        enabled ? skin->highlightedCategoryTextColor() : skin->disabledCategoryTextColor();
    if (m_action->size() == RibbonCatColorMenuAction::Large) {
        if (f >= 0)
            catpaint::drawNineSlice(painter, skin->paletteItemLarge(), 43, 66, f, rect());
        const QPixmap pm =
            m_action->icon().pixmap(QSize(32, 32), RibbonStyle::devicePixelRatio(painter),
                                    isEnabled() ? QIcon::Normal : QIcon::Disabled);
        if (!pm.isNull()) {
            const QSize s = pm.deviceIndependentSize().toSize();
            painter.drawPixmap(
                QRect((w - s.width()) / 2, (32 - s.height()) / 2 + 2, s.width(), s.height()), pm);
        }
        painter.setPen(textColor);
        // With two lines the text keeps clear of the arrow's room.
        const int textRight = m_lineCount == 2 ? w - 3 - ArrowRoom : w - 3;
        painter.drawText(QRect(QPoint(2, 36), QPoint(textRight, h - 3)),
                         Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                         mnemonic::plainText(m_action->text()));
        painter.setBrush(textColor);
        if (m_lineCount == 2)
            RibbonStyle::drawSymbol(painter, QRect(QPoint(w - 7, 56), QPoint(w - 3, 58)),
                                    ArrowDown);
        else
            RibbonStyle::drawSymbol(
                painter, QRect(QPoint((w - 5) / 2, 56), QPoint((w - 5) / 2 + 4, 58)), ArrowDown);
        return;
    }
    if (f >= 0) {
        const int y = f * 22;
        const QPixmap& cap = skin->horizontalMenuButtonCaption();
        const QPixmap& men = skin->horizontalMenuButtonMenu();
        skin->drawPixmap(painter, QRect(0, 0, 2, 22), cap, QRect(0, y, 2, 22));
        skin->drawPixmap(painter, QRect(2, 0, w - 14, 22), cap, QRect(2, y, 19, 22));
        skin->drawPixmap(painter, QRect(w - 12, 0, 10, 22), men, QRect(0, y, 9, 22));
        skin->drawPixmap(painter, QRect(w - 2, 0, 2, 22), men, QRect(9, y, 2, 22));
    }
    const QPixmap pm =
        m_action->icon().pixmap(QSize(16, 16), RibbonStyle::devicePixelRatio(painter), mode);
    int x0 = 3;
    if (!pm.isNull()) {
        const QSize s = pm.deviceIndependentSize().toSize();
        painter.drawPixmap(
            QRect((16 - s.width()) / 2 + 3, (16 - s.height()) / 2 + 3, s.width(), s.height()), pm);
        x0 = 19;
    }
    painter.setPen(textColor);
    if (m_action->size() == RibbonCatColorMenuAction::Medium)
        painter.drawText(QRect(QPoint(x0 + 2, 2), QPoint(w - 14, h - 3)),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         mnemonic::plainText(m_action->text()));
    painter.setBrush(textColor);
    RibbonStyle::drawSymbol(painter, QRect(QPoint(w - 9, h / 2), QPoint(w - 5, h / 2 + 2)),
                            ArrowDown);
}

} // namespace oru
