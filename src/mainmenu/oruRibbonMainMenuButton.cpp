#include "oruRibbonMainMenuButton.h"

#include "oruMainMenuPaint_p.h"
#include "oruRibbonApplication.h"
#include "oruRibbonMainMenuMenuButton.h"
#include "oruRibbonSimpleAction.h"
#include "oruRibbonStyle.h"

#include <QActionEvent>
#include <QCursor>
#include <QPainter>

namespace oru {

RibbonMainMenuButton::RibbonMainMenuButton(RibbonSimpleAction& action, RibbonPanelMain& panel,
                                           bool inMainPanel)
    : RibbonMainMenuItem(nullptr), m_action(&action), m_panel(panel), m_inMainPanel(inMainPanel)
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    // Repaint on enter and leave: the hover look is computed when painting.
    setAttribute(Qt::WA_Hover);
    addAction(&action);
    connect(this, &QAbstractButton::clicked, &action, &QAction::trigger);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

RibbonMainMenuButton::~RibbonMainMenuButton() = default;

QSize RibbonMainMenuButton::sizeHint() const
{
    const QFontMetrics fm(font());
    if (m_inMainPanel)
        return QSize(fm.horizontalAdvance(text()) + 56, 44);

    const QFontMetrics bold(m_boldFont);
    const int title = bold.horizontalAdvance(text());
    const QString tip = toolTip();
    const int tipWidth = fm.horizontalAdvance(tip);
    const int twoLines = 2 * fm.height();
    const int height = bold.height() + twoLines + 6;
    if (tipWidth <= title)
        return QSize(title + 56, height);
    // The narrowest wrap width at which the description takes two lines.
    int w = tipWidth;
    int step = tipWidth;
    int result = tipWidth;
    do {
        step = step / 2;
        const QRect bounds = fm.boundingRect(QRect(0, 0, w, 0),
                                             Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, tip);
        if (bounds.height() <= twoLines) {
            result = bounds.width();
            w -= step;
        } else {
            w += step;
        }
    } while (step != 0);
    return QSize(qMax(result, title) + 56, height);
}

void RibbonMainMenuButton::mouseMoveEvent(QMouseEvent* event)
{
    emit mouseMoved();
    RibbonMainMenuItem::mouseMoveEvent(event);
    update();
}

void RibbonMainMenuButton::enterEvent(QEnterEvent* event)
{
    RibbonMainMenuItem::enterEvent(event);
    if (!m_inMainPanel)
        return;
    if (auto* popup = RibbonMainMenuMenuButton::s_CurrentMainPopup)
        popup->close();
    update();
}

void RibbonMainMenuButton::paintEvent(QPaintEvent*)
{
    const RibbonStyle* skin = RibbonApplication::theApp()->ribbonStyle();
    const int w = width();
    const int h = height();
    const bool enabled = isEnabled();
    QPainter painter(this);
    if (enabled && (rect().contains(mapFromGlobal(QCursor::pos())) || hasFocus()))
        mainmenu::drawItemHighlight(painter, w, h);

    const QIcon itemIcon = icon();
    if (!itemIcon.isNull()) {
        const QPixmap pixmap =
            itemIcon.pixmap(QSize(32, 32), RibbonStyle::devicePixelRatio(painter), enabled ? QIcon::Normal : QIcon::Disabled);
        const QSize size = pixmap.deviceIndependentSize().toSize();
        painter.drawPixmap(QRect(21 - (size.width() - 1) / 2, (h - 1) / 2 - (size.height() - 1) / 2,
                                 size.width(), size.height()),
                           pixmap);
    }

    painter.setPen(enabled ? skin->highlightedCategoryTextColor()
                           : skin->disabledCategoryTextColor());
    const int flags = Qt::TextWordWrap | Qt::TextShowMnemonic | Qt::AlignLeft;
    if (m_inMainPanel) {
        painter.setFont(font());
        painter.drawText(QRect(QPoint(50, 2), QPoint(w - 7, h - 3)), flags | Qt::AlignVCenter,
                         text());
        return;
    }
    const int boldLine = m_boldLineHeight;
    const int line = m_lineHeight;
    painter.setFont(m_boldFont);
    painter.drawText(QRect(QPoint(50, 2), QPoint(w - 7, boldLine + 1)), flags | Qt::AlignVCenter,
                     text());
    painter.setFont(font());
    painter.drawText(QRect(QPoint(50, boldLine + 4), QPoint(w - 7, boldLine + 2 * line + 3)),
                     flags | Qt::AlignTop, toolTip());
}

void RibbonMainMenuButton::actionEvent(QActionEvent* event)
{
    RibbonMainMenuItem::actionEvent(event);
    QAction* own = m_action.data();
    if (!own || event->action() != own)
        return;
    if (event->type() == QEvent::ActionAdded || event->type() == QEvent::ActionChanged) {
        QFont f = own->font();
        f.setPointSize(8);
        setFont(f);
        m_boldFont = f;
        m_boldFont.setWeight(QFont::Bold);
        m_boldLineHeight = QFontMetrics(m_boldFont).height();
        m_lineHeight = QFontMetrics(f).height();
        setIcon(own->icon());
        setText(own->text());
        setToolTip(own->toolTip());
        setEnabled(own->isEnabled());
        updateGeometry();
        update();
    } else if (event->type() == QEvent::ActionRemoved) {
        // The action is gone or was taken off: keep the look, drive nothing.
        disconnect(this, nullptr, own, nullptr);
        m_action = nullptr;
        setEnabled(false);
    }
}

} // namespace oru
