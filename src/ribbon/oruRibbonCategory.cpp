#include "oruRibbonCategory.h"
#include "oruMnemonic_p.h"

#include "oruPointer_p.h"
#include "oruRibbonApplication.h"
#include "oruRibbonCatActionGroup.h"
#include "oruRibbonCatActionGroupWidget.h"
#include "oruRibbonCatColorMenuAction.h"
#include "oruRibbonCatColorMenuButton.h"
#include "oruRibbonCatComboAction.h"
#include "oruRibbonCatComboComboBox.h"
#include "oruRibbonCatFontFamilyAction.h"
#include "oruRibbonCatFontFamilyComboBox.h"
#include "oruRibbonCatFontSizeAction.h"
#include "oruRibbonCatMenuAction.h"
#include "oruRibbonCatMenuButton.h"
#include "oruRibbonCatSimpleAction.h"
#include "oruRibbonCatSimpleButton.h"
#include "oruRibbonCategoryLayout.h"
#include "oruRibbonCategoryPanel.h"
#include "oruRibbonCategoryWrapper.h"
#include "oruRibbonGroupControl_p.h"
#include "oruRibbonStyle.h"

#include <QActionEvent>
#include <QPainter>

namespace oru {

QWidget* createGroupControl(RibbonAction* action, QWidget* parent)
{
    // The first matching class wins: more specific actions first.
    if (auto* color = qobject_cast<RibbonCatColorMenuAction*>(action))
        return new RibbonCatColorMenuButton(*color, parent);
    if (auto* menu = qobject_cast<RibbonCatMenuAction*>(action))
        return new RibbonCatMenuButton(*menu, parent);
    if (auto* simple = qobject_cast<RibbonCatSimpleAction*>(action))
        return new RibbonCatSimpleButton(*simple, parent);
    if (auto* group = qobject_cast<RibbonCatActionGroup*>(action))
        return new RibbonCatActionGroupWidget(*group, parent);
    if (auto* font = qobject_cast<RibbonCatFontFamilyAction*>(action))
        return new RibbonCatFontFamilyComboBox(*font, parent);
    if (auto* combo = qobject_cast<RibbonCatComboAction*>(action))
        return new RibbonCatComboComboBox(*combo, parent);
    if (auto* size = qobject_cast<RibbonCatFontSizeAction*>(action))
        return size->requestWidget(parent);
    return nullptr;
}

RibbonCategory::RibbonCategory(QWidget* parent, RibbonCategoryAction& action)
    : QWidget(parent), m_categoryAction(&action)
{
    connect(&action, &RibbonCategoryAction::actionAdded, this, &RibbonCategory::addRibbonAction);
    connect(&action, &RibbonCategoryAction::actionRemoved, this,
            &RibbonCategory::removeRibbonAction);
    // A new caption changes the frame's text and may change its width.
    m_caption = mnemonic::plainText(action.text());
    connect(&action, &QAction::changed, this, [this]() {
        if (m_categoryAction && mnemonic::plainText(m_categoryAction->text()) != m_caption) {
            m_caption = mnemonic::plainText(m_categoryAction->text());
            updateGeometry();
            update();
        }
    });
    setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
    m_layout = new RibbonCategoryLayout(*this);
    setLayout(m_layout);
    // A group on a page that was never shown builds its controls when the
    // page first shows; until then its actions list is all it needs.
    auto* wrapper = qobject_cast<RibbonCategoryWrapper*>(parent);
    m_deferred = wrapper && !wrapper->page().isBuilt();
    if (!m_deferred) {
        const QList<RibbonAction*> existing = action.actions();
        for (RibbonAction* control : existing)
            addRibbonAction(control);
    }
    setMouseTracking(true);
    setAttribute(Qt::WA_Hover);
}

RibbonCategory::~RibbonCategory()
{
    // The controls go first, while the layout can still let go of them.
    const auto widgets = m_widgets;
    m_widgets.clear();
    for (const QPointer<QWidget>& widget : widgets)
        delete widget.data();
}

RibbonAction* RibbonCategory::action(QWidget* widget) const
{
    if (!widget)
        return nullptr;
    for (auto it = m_widgets.cbegin(); it != m_widgets.cend(); ++it)
        if (it.value() == widget)
            return qobject_cast<RibbonAction*>(it.key());
    return nullptr;
}

QWidget* RibbonCategory::widget(RibbonAction* action) const
{
    return m_widgets.value(action).data();
}

int RibbonCategory::actionRow(RibbonAction* action) const
{
    return m_categoryAction ? m_categoryAction->actionRow(action) : -1;
}

void RibbonCategory::ensureBuilt()
{
    if (!m_deferred)
        return;
    m_deferred = false;
    if (!m_categoryAction)
        return;
    const QList<RibbonAction*> existing = m_categoryAction->actions();
    for (RibbonAction* control : existing)
        addRibbonAction(control);
}

void RibbonCategory::addRibbonAction(RibbonAction* action)
{
    if (!m_deferred)
        addAction(action);
}

void RibbonCategory::removeRibbonAction(RibbonAction* action)
{
    removeAction(action);
}

QSize RibbonCategory::sizeHint() const
{
    const QSize layoutHint = m_layout->sizeHint();
    const QString caption =
        m_categoryAction ? mnemonic::plainText(m_categoryAction->text()) : QString();
    const int captionWidth = fontMetrics().horizontalAdvance(caption) + 6;
    return QSize(std::max({layoutHint.width(), 50, captionWidth}), layoutHint.height());
}

void RibbonCategory::mouseMoveEvent(QMouseEvent* event)
{
    QWidget::mouseMoveEvent(event);
    update();
}

void RibbonCategory::enterEvent(QEnterEvent* event)
{
    QWidget::enterEvent(event);
    update();
}

void RibbonCategory::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    update();
}

void RibbonCategory::paintEvent(QPaintEvent*)
{
    const RibbonStyle* skin = RibbonApplication::theApp()->ribbonStyle();
    const QPixmap& top = skin->categoryTop();
    const QPixmap& bottom = skin->categoryBottom();
    const bool hovered = rect().contains(pointerPos(*this));
    const int w = width();

    QPainter painter(this);
    // One band: three pieces, fixed 3-pixel ends and a stretched middle.
    const auto band = [&](const QPixmap& pixmap, int sourceY, int sourceH, int y, int h) {
        skin->drawPixmap(painter, QRect(0, y, 3, h), pixmap, QRect(0, sourceY, 3, sourceH));
        skin->drawPixmap(painter, QRect(3, y, w - 6, h), pixmap, QRect(3, sourceY, 94, sourceH));
        skin->drawPixmap(painter, QRect(w - 3, y, 3, h), pixmap, QRect(97, sourceY, 3, sourceH));
    };
    band(top, hovered ? 68 : 0, 3, 0, 3);
    band(top, hovered ? 71 : 3, 65, 3, 66);
    band(bottom, hovered ? 17 : 0, 14, 69, 13);
    band(bottom, hovered ? 31 : 14, 3, 82, 3);

    if (m_categoryAction) {
        painter.setPen(skin->categoryCaptionTextColor());
        painter.drawText(QRect(QPoint(3, 69), QPoint(w - 4, 82)),
                         Qt::AlignHCenter | Qt::AlignVCenter,
                         mnemonic::plainText(m_categoryAction->text()));
    }
}

void RibbonCategory::actionEvent(QActionEvent* event)
{
    if (event->type() == QEvent::ActionAdded) {
        auto* action = qobject_cast<RibbonAction*>(event->action());
        QWidget* control = nullptr;
        if (action && !m_widgets.contains(action))
            control = createGroupControl(action, this);
        if (control) {
            m_widgets.insert(action, control);
            // Not hidden from the start, so that the layout measures it now and
            // it appears with the group, whether that is on screen already or
            // shown later. An invisible action's control takes no room.
            control->setVisible(action->isVisible());
            control->setStatusTip(action->statusTip());
            connect(action, &QAction::changed, control, [this, control, action] {
                control->setStatusTip(action->statusTip());
                if (control->isHidden() == action->isVisible()) {
                    control->setVisible(action->isVisible());
                    updateGeometry();
                }
            });
            m_layout->addWidget(control);
            updateGeometry();
            update();
        }
    } else if (event->type() == QEvent::ActionRemoved) {
        // The action may be in its destructor already: find it by address.
        const auto it = m_widgets.find(event->action());
        if (it != m_widgets.end()) {
            QWidget* control = it.value().data();
            m_widgets.erase(it);
            if (control) {
                m_layout->removeWidget(control);
                delete control;
            }
            updateGeometry();
            update();
        }
    }
    QWidget::actionEvent(event);
}

} // namespace oru
