#include "oruRibbonCatSimpleButton.h"
#include "oruMirror_p.h"
#include "oruMnemonic_p.h"

#include "oruPointer_p.h"
#include "oruRibbonApplication.h"
#include "oruRibbonCatPaint_p.h"
#include "oruRibbonStyle.h"

#include <QActionEvent>
#include <QPainter>
#include <QStyle>

namespace oru {

namespace {

// Draws one frame of a stacked skin image over the whole target, with
// corners and edges 2 pixels thick. @p cell is the frame's rectangle within
// the image.
void drawFrame(QPainter& painter, const QPixmap& pixmap, const QRect& cell, int w, int h)
{
    const RibbonStyle* skin = RibbonApplication::theApp()->ribbonStyle();
    const int cx = cell.x();
    const int cy = cell.y();
    const int cw = cell.width();
    const int ch = cell.height();
    const int mw = cw - 4;
    const int mh = ch - 4;
    // corners
    skin->drawPixmap(painter, QRect(0, 0, 2, 2), pixmap, QRect(cx, cy, 2, 2));
    skin->drawPixmap(painter, QRect(w - 2, 0, 2, 2), pixmap, QRect(cx + cw - 2, cy, 2, 2));
    skin->drawPixmap(painter, QRect(0, h - 2, 2, 2), pixmap, QRect(cx, cy + ch - 2, 2, 2));
    skin->drawPixmap(painter, QRect(w - 2, h - 2, 2, 2), pixmap,
                     QRect(cx + cw - 2, cy + ch - 2, 2, 2));
    // edges
    skin->drawPixmap(painter, QRect(2, 0, w - 4, 2), pixmap, QRect(cx + 2, cy, mw, 2));
    skin->drawPixmap(painter, QRect(2, h - 2, w - 4, 2), pixmap, QRect(cx + 2, cy + ch - 2, mw, 2));
    skin->drawPixmap(painter, QRect(0, 2, 2, h - 4), pixmap, QRect(cx, cy + 2, 2, mh));
    skin->drawPixmap(painter, QRect(w - 2, 2, 2, h - 4), pixmap, QRect(cx + cw - 2, cy + 2, 2, mh));
    // centre
    skin->drawPixmap(painter, QRect(2, 2, w - 4, h - 4), pixmap, QRect(cx + 2, cy + 2, mw, mh));
}

} // namespace

RibbonCatSimpleButton::RibbonCatSimpleButton(RibbonCatSimpleAction& action, QWidget* parent)
    : QAbstractButton(parent), m_action(&action), m_shownSize(action.size())
{
    addAction(&action);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    connect(&action, &QAction::changed, this, qOverload<>(&QWidget::update));
    connect(this, &QAbstractButton::clicked, &action, &QAction::trigger);
}

RibbonCatSimpleButton::~RibbonCatSimpleButton() = default;

void RibbonCatSimpleButton::setShownSize(RibbonCatSimpleAction::eSize size)
{
    if (size < RibbonCatSimpleAction::Large || size > RibbonCatSimpleAction::Small ||
        size == m_shownSize)
        return;
    m_shownSize = size;
    updateGeometry();
    update();
}

QSize RibbonCatSimpleButton::sizeHint() const
{
    const QFontMetrics fm = fontMetrics();
    const int iconAllowance = icon().isNull() ? 4 : 22;
    const QString caption = text();
    switch (m_shownSize) {
    case RibbonCatSimpleAction::Large: {
        if (fm.horizontalAdvance(caption) <= 30)
            return QSize(42, 66);
        return QSize(qMax(catpaint::twoLineWidth(font(), caption) + 10, 42), 66);
    }
    case RibbonCatSimpleAction::Medium:
        if (caption.isEmpty())
            return QSize(iconAllowance, 22);
        return QSize(fm.horizontalAdvance(caption) + iconAllowance + 4, 22);
    case RibbonCatSimpleAction::Small:
        return QSize(iconAllowance, 22);
    }
    return QSize(-1, -1);
}

void RibbonCatSimpleButton::paintEvent(QPaintEvent*)
{
    const bool large = m_shownSize == RibbonCatSimpleAction::Large;
    if (!large && m_shownSize != RibbonCatSimpleAction::Medium && m_shownSize != RibbonCatSimpleAction::Small)
        return;
    const RibbonStyle* skin = RibbonApplication::theApp()->ribbonStyle();
    const int w = width();
    const int h = height();
    const bool enabled = isEnabled();
    const bool hovered = rect().contains(pointerPos(*this));

    int frame = -1;
    if (enabled) {
        if (isDown())
            frame = 1;
        else if (isCheckable() && isChecked())
            frame = hovered ? 3 : 2;
        else if (hovered)
            frame = 0;
    }

    QPainter painter(this);
    if (frame >= 0) {
        if (large)
            drawFrame(painter, skin->paletteItemLarge(), QRect(0, 66 * frame, 43, 66), w, h);
        else
            drawFrame(painter, skin->paletteItemSmall(), QRect(0, 22 * frame, 22, 22), w, h);
    }

    const QIcon buttonIcon = icon();
    if (!buttonIcon.isNull()) {
        const QIcon::Mode mode = enabled ? QIcon::Normal : QIcon::Disabled;
        const int side = large ? 32 : 16;
        const QPixmap pixmap = buttonIcon.pixmap(
            QSize(side, side), RibbonStyle::devicePixelRatio(painter), mode, QIcon::Off);
        const QSize natural = pixmap.deviceIndependentSize().toSize();
        const int pw = natural.width();
        const int ph = natural.height();
        if (large)
            painter.drawPixmap(
                mirror::visual(*this, QRect((w - pw) / 2, (32 - ph) / 2 + 2, pw, ph)), pixmap);
        else
            painter.drawPixmap(
                QStyle::visualRect(layoutDirection(), rect(),
                                   QRect((18 - pw) / 2 + 2, (18 - ph) / 2 + 2, pw, ph)),
                pixmap);
    }

    const QString caption = text();
    if (m_shownSize == RibbonCatSimpleAction::Small || caption.isEmpty())
        return;
    painter.setPen(enabled ? skin->highlightedCategoryTextColor()
                           : skin->disabledCategoryTextColor());
    if (large) {
        painter.drawText(QRect(QPoint(2, 36), QPoint(w - 3, h - 3)),
                         Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, caption);
    } else {
        const int x0 = buttonIcon.isNull() ? 4 : 22;
        // Right to left the icon stands at the right and the text ends left.
        painter.drawText(QStyle::visualRect(layoutDirection(), rect(),
                                            QRect(QPoint(x0, 2), QPoint(w - 3, h - 3))),
                         mirror::leading(*this) | Qt::AlignVCenter | Qt::TextSingleLine, caption);
    }
}

void RibbonCatSimpleButton::actionEvent(QActionEvent* event)
{
    QAbstractButton::actionEvent(event);
    QAction* own = m_action.data();
    if (own && event->action() == own) {
        if (event->type() == QEvent::ActionAdded || event->type() == QEvent::ActionChanged) {
            setEnabled(own->isEnabled());
            setIcon(own->icon());
            setText(mnemonic::plainText(own->text()));
            setToolTip(own->toolTip());
            setCheckable(own->isCheckable());
            setChecked(own->isChecked());
            updateGeometry();
        } else if (event->type() == QEvent::ActionRemoved) {
            // The action is going away (or was taken off the button): the
            // button keeps its last look but no longer drives anything.
            disconnect(own, nullptr, this, nullptr);
            disconnect(this, nullptr, own, nullptr);
            m_action = nullptr;
        }
    }
    update();
}

} // namespace oru
