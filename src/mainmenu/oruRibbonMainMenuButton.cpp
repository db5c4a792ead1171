#include "oruRibbonMainMenuButton.h"
#include "oruMirror_p.h"
#include "oruMnemonic_p.h"

#include "oruMainMenuPaint_p.h"
#include "oruPointer_p.h"
#include "oruRibbonApplication.h"
#include "oruRibbonMainMenuMenuButton.h"
#include "oruRibbonSimpleAction.h"
#include "oruRibbonStyle.h"
#include "oruTextLines_p.h"

#include <QActionEvent>
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
    const int height = bold.height() + m_twoLineHeight + 6;
    if (fm.horizontalAdvance(tip) <= title)
        return QSize(title + 56, height);
    // The description wraps at the narrowest width that keeps it in two lines.
    const int described = textlines::twoLineWidth(font(), tip, nullptr, Qt::AlignLeft);
    return QSize(qMax(described, title) + 56, height);
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
    if (enabled && (rect().contains(pointerPos(*this)) || hasFocus()))
        mainmenu::drawItemHighlight(painter, w, h, isRightToLeft());

    mainmenu::drawItemIcon(painter, icon(), enabled, h, w, isRightToLeft());

    painter.setPen(enabled ? skin->highlightedCategoryTextColor()
                           : skin->disabledCategoryTextColor());
    const int flags = Qt::TextWordWrap | Qt::TextShowMnemonic | mirror::leading(*this);
    if (m_inMainPanel) {
        painter.setFont(font());
        painter.drawText(mirror::visual(*this, QRect(QPoint(50, 2), QPoint(w - 7, h - 3))),
                         flags | Qt::AlignVCenter, text());
        return;
    }
    const int boldLine = m_boldLineHeight;
    painter.setFont(m_boldFont);
    painter.drawText(mirror::visual(*this, QRect(QPoint(50, 2), QPoint(w - 7, boldLine + 1))),
                     flags | Qt::AlignVCenter, text());
    painter.setFont(font());
    painter.drawText(mirror::visual(*this, QRect(QPoint(50, boldLine + 4),
                                                 QPoint(w - 7, boldLine + m_twoLineHeight + 3))),
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
        m_twoLineHeight = textlines::twoLineHeight(QFontMetrics(f));
        setIcon(own->icon());
        setText(mnemonic::plainText(own->text()));
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
