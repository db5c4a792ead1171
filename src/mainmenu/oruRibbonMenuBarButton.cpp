#include "oruRibbonMenuBarButton.h"
#include "oruMnemonic_p.h"
#include "oruRibbonMenuBarButton_p.h"

#include "oruPointer_p.h"
#include "oruRibbonAccessibleEvents_p.h"

#include "oruRibbonApplication.h"
#include "oruRibbonCategoriesPanelAction.h"
#include "oruRibbonCategoryPanels.h"
#include "oruRibbonMenuBar.h"
#include "oruRibbonStyle.h"
#include "oruTextLines_p.h"

#include <QActionEvent>
#include <QMouseEvent>
#include <QPainter>

namespace oru {

namespace tablook {

bool looksSelected(const RibbonMenuBarButton& button)
{
    const RibbonMenuBar& bar = button.menuBar();
    return button.isChecked() && (!bar.isMinimized() || bar.minimizedPopup());
}

int frameRow(const RibbonMenuBarButton& button)
{
    const bool hovered = button.rect().contains(pointerPos(button));
    if (looksSelected(button))
        return hovered ? 96 : 72;
    return hovered ? 48 : -1;
}

} // namespace tablook

RibbonMenuBarButton::RibbonMenuBarButton(RibbonMenuBar& menuBar)
    : QAbstractButton(&menuBar), m_menuBar(menuBar)
{
    // Shrinks below its full caption when the window gets narrow; the bar
    // sets how far.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setFixedHeight(24);
    setCheckable(true);
    setFocusPolicy(Qt::NoFocus);
}

RibbonMenuBarButton::~RibbonMenuBarButton() = default;

QSize RibbonMenuBarButton::sizeHint() const
{
    return QSize(textlines::captionWidth(fontMetrics(), text()) + 20, 0);
}

void RibbonMenuBarButton::actionEvent(QActionEvent* event)
{
    QAbstractButton::actionEvent(event);
    if (event->type() != QEvent::ActionAdded && event->type() != QEvent::ActionChanged)
        return;
    auto* tab = qobject_cast<RibbonCategoriesPanelAction*>(actions().value(0));
    if (!tab)
        return;
    if (event->type() == QEvent::ActionAdded && event->action() == tab)
        connect(this, &QAbstractButton::clicked, tab, &QAction::trigger);
    if (text() != mnemonic::plainText(tab->text())) {
        setText(mnemonic::plainText(tab->text()));
        updateGeometry();
    }
    setChecked(tab->isChecked());
    if (m_reportedSelected != tab->isChecked()) {
        m_reportedSelected = tab->isChecked();
        notifyAccessibleSelection(this, -1, m_reportedSelected);
    }
    update();
}

void RibbonMenuBarButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractButton::mousePressEvent(event);
        return;
    }
    if (isChecked())
        return;
    click();
    // A tab whose action refused the trigger (disabled) must not look
    // selected.
    if (QAction* tab = actions().value(0))
        setChecked(tab->isChecked());
}

void RibbonMenuBarButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        QAbstractButton::mouseReleaseEvent(event);
}

void RibbonMenuBarButton::enterEvent(QEnterEvent* event)
{
    QAbstractButton::enterEvent(event);
    updateLook();
}

void RibbonMenuBarButton::leaveEvent(QEvent* event)
{
    QAbstractButton::leaveEvent(event);
    updateLook();
}

void RibbonMenuBarButton::updateLook()
{
    update();
    // The page continues a selected tab's frame, hovered or not.
    if (isChecked())
        if (RibbonCategoryPanels* panels = m_menuBar.panels())
            panels->update(0, 0, panels->width(), tablook::JoinRows);
}

void RibbonMenuBarButton::paintEvent(QPaintEvent*)
{
    const RibbonStyle* skin = RibbonApplication::theApp()->ribbonStyle();
    const bool selected = tablook::looksSelected(*this);
    const int f = tablook::frameRow(*this);
    const int w = width();
    const int h = height();

    QPainter painter(this);
    if (f >= 0) {
        const QPixmap& back = skin->menuBarButton();
        skin->drawPixmap(painter, QRect(0, 0, 5, 24), back, QRect(0, f, 5, 24));
        skin->drawPixmap(painter, QRect(5, 0, w - 10, 24), back, QRect(5, f, 47, 24));
        skin->drawPixmap(painter, QRect(w - 5, 0, 5, 24), back, QRect(52, f, 5, 24));
    }
    painter.setPen(selected ? skin->highlightedCategoryTextColor()
                            : skin->normalCategoryTextColor());
    const QRect textRect(QPoint(6, 0), QPoint(w - 7, h - 1));
    painter.drawText(textRect, Qt::AlignCenter | Qt::TextSingleLine | Qt::TextHideMnemonic,
                     textlines::fittedCaption(fontMetrics(), text(), textRect.width()));
}

} // namespace oru
