#include "oruRibbonViewButton.h"
#include "oruMnemonic_p.h"

#include "oruPointer_p.h"
#include "oruRibbonSimpleAction.h"
#include "oruRibbonApplication.h"
#include "oruRibbonStyle.h"
#include "oruSkinWindowPalette_p.h"

#include <QActionEvent>
#include <QPainter>

namespace oru {

namespace {

// The view popup looks the same in every light skin, so its highlight comes
// from the blue images then; a dark skin paints it with its own. The blue
// images are loaded once, finer densities included.
class BlueImages : public RibbonStyle
{
public:
    BlueImages() { loadPixmaps(QStringLiteral("blue")); }
};

const RibbonStyle& blueSkin()
{
    static const BlueImages images;
    return images;
}

} // namespace

RibbonViewButton::RibbonViewButton(RibbonSimpleAction* action, bool horizontal, bool showIcon,
                                   bool centreText, QWidget* parent)
    : RibbonMainMenuItem(parent), m_action(action), m_horizontal(horizontal), m_showIcon(showIcon),
      m_centreText(centreText)
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    if (action)
        addAction(action);
    setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
    // The images are created with the first button rather than at its
    // first highlight, so the process's objects settle with the first popup.
    blueSkin();
}

RibbonViewButton::~RibbonViewButton() = default;

QSize RibbonViewButton::sizeHint() const
{
    if (m_horizontal)
        return QSize(fontMetrics().horizontalAdvance(text()) + 56, 26);
    return QSize(64, 56);
}

void RibbonViewButton::mousePressEvent(QMouseEvent* event)
{
    RibbonMainMenuItem::mousePressEvent(event);
    update();
}

void RibbonViewButton::mouseReleaseEvent(QMouseEvent* event)
{
    clearFocus();
    update();
    emit clicked();
    if (m_action)
        m_action->activate(QAction::Trigger);
    RibbonMainMenuItem::mouseReleaseEvent(event);
}

void RibbonViewButton::mouseMoveEvent(QMouseEvent* event)
{
    emit mouseMoved();
    RibbonMainMenuItem::mouseMoveEvent(event);
    update();
}

void RibbonViewButton::enterEvent(QEnterEvent* event)
{
    RibbonMainMenuItem::enterEvent(event);
    update();
}

void RibbonViewButton::actionEvent(QActionEvent* event)
{
    RibbonMainMenuItem::actionEvent(event);
    QAction* action = event->action();
    if (action != m_action)
        return;
    if (event->type() == QEvent::ActionAdded || event->type() == QEvent::ActionChanged) {
        QFont f = action->font();
        f.setPointSize(8);
        setFont(f);
        setIcon(action->icon());
        setText(mnemonic::plainText(action->text()));
        setToolTip(action->toolTip());
        setEnabled(action->isEnabled());
        updateGeometry();
        update();
    } else if (event->type() == QEvent::ActionRemoved) {
        m_action = nullptr;
    }
}

void RibbonViewButton::drawHighlight(QPainter& painter) const
{
    const int w = width();
    const int h = height();
    const RibbonStyle& skin =
        skinwindow::currentIsDark() ? *RibbonApplication::theApp()->ribbonStyle() : blueSkin();
    const QPixmap& cap = skin.horizontalMenuButtonCaption();
    const QPixmap& menu = skin.horizontalMenuButtonMenu();
    skin.drawPixmap(painter, QRect(0, 0, 2, 2), cap, QRect(0, 0, 2, 2));
    skin.drawPixmap(painter, QRect(0, 2, 2, h - 4), cap, QRect(0, 2, 2, 18));
    skin.drawPixmap(painter, QRect(0, h - 2, 2, 2), cap, QRect(0, 20, 2, 2));
    skin.drawPixmap(painter, QRect(2, 0, w - 4, 2), menu, QRect(0, 0, 9, 2));
    skin.drawPixmap(painter, QRect(2, 2, w - 4, h - 4), menu, QRect(0, 2, 9, 18));
    skin.drawPixmap(painter, QRect(2, h - 2, w - 4, 2), menu, QRect(0, 20, 9, 2));
    skin.drawPixmap(painter, QRect(w - 2, 0, 2, 2), menu, QRect(9, 0, 2, 2));
    skin.drawPixmap(painter, QRect(w - 2, 2, 2, h - 4), menu, QRect(9, 2, 2, 18));
    skin.drawPixmap(painter, QRect(w - 2, h - 2, 2, 2), menu, QRect(9, 20, 2, 2));
}

void RibbonViewButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int w = width();
    const int h = height();
    const bool enabled = isEnabled();
    const bool inside = rect().contains(pointerPos(*this));
    const QIcon::Mode mode = enabled ? QIcon::Normal : QIcon::Disabled;
    if (m_horizontal) {
        if (enabled && (inside || hasFocus()))
            drawHighlight(painter);
        int start = 6;
        if (m_showIcon) {
            const QPixmap pm =
                icon().pixmap(QSize(26, 26), RibbonStyle::devicePixelRatio(painter), mode);
            if (!pm.isNull()) {
                const QSize s = pm.deviceIndependentSize().toSize();
                painter.drawPixmap(QRect(15 - (s.width() - 1) / 2,
                                         (h - 1) / 2 - (s.height() - 1) / 2, s.width(), s.height()),
                                   pm);
            }
            start = 34 + 6;
        }
        // A dark skin's popup palette has text that reads on it and on the
        // skin's highlight.
        if (skinwindow::currentIsDark())
            painter.setPen(palette().color(enabled ? QPalette::Active : QPalette::Disabled,
                                           QPalette::WindowText));
        else
            painter.setPen(enabled ? QColor(21, 66, 139) : QColor(141, 141, 141));
        painter.setFont(font());
        const int align = m_centreText ? Qt::AlignHCenter : Qt::AlignLeft;
        painter.drawText(QRect(QPoint(start, 2), QPoint(w - 7, h - 3)),
                         align | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextShowMnemonic,
                         text());
        return;
    }
    const bool checked = m_action && m_action->isCheckable() && m_action->isChecked();
    if ((enabled && (inside || hasFocus())) || checked)
        drawHighlight(painter);
    const QPixmap pm = icon().pixmap(QSize(56, 56), RibbonStyle::devicePixelRatio(painter), mode);
    if (!pm.isNull()) {
        const QSize s = pm.deviceIndependentSize().toSize();
        painter.drawPixmap(QRect((w - s.width()) / 2, (h - s.height()) / 2, s.width(), s.height()),
                           pm);
    }
}

} // namespace oru
