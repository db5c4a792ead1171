#include "oruRibbonProgressWidget.h"
#include "oruMnemonic_p.h"

#include "oruPointer_p.h"
#include "oruRibbonApplication.h"
#include "oruRibbonProgressAction.h"
#include "oruRibbonStyle.h"
#include "oruTextLines_p.h"

#include <QAccessible>
#include <QActionEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>

#include <algorithm>

namespace oru {

namespace {
// The height the status bar gives its controls: 20 less its 3-pixel top margin.
constexpr int kStatusRowHeight = 17;
} // namespace

RibbonProgressWidget::RibbonProgressWidget(RibbonProgressAction& action, QWidget* parent)
    : QWidget(parent), m_action(&action), m_layout(new QHBoxLayout),
      m_label(new QLabel(mnemonic::plainText(action.text()), this)),
      m_progressBar(new QProgressBar(this))
{
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    addAction(&action);

    // The right margin leaves room for the terminate button. Above and below,
    // the 3-pixel margins give way to the label's whole line within the
    // status bar's row, so that its descenders are never cut.
    const int line = m_label->fontMetrics().height();
    const int vertical = std::clamp((kStatusRowHeight - line) / 2, 0, 3);
    m_layout->setContentsMargins(3, vertical, 20, vertical);
    setProgressText(action.progressText());
    m_progressBar->setTextVisible(false);
    m_progressBar->setRange(action.minimum(), action.maximum());
    m_progressBar->setValue(0);
    setMinimumHeight(std::min(line + 2 * vertical, kStatusRowHeight));
    m_layout->addWidget(m_label, 0, Qt::AlignVCenter);
    m_layout->addWidget(m_progressBar, 0, Qt::AlignVCenter);
    setLayout(m_layout);
    // The label is a plain QLabel: it takes the status bar's text colour of
    // the skin, not the palette's black, which dark skins would swallow.
    const auto skinLabel = [this] {
        QPalette palette = m_label->palette();
        palette.setColor(QPalette::WindowText,
                         RibbonApplication::theApp()->ribbonStyle()->normalCategoryTextColor());
        m_label->setPalette(palette);
    };
    skinLabel();
    connect(RibbonApplication::theApp(), &RibbonApplication::ribbonStyleChanged, this, skinLabel);

    connect(&action, &RibbonProgressAction::progressValueChanged, this,
            &RibbonProgressWidget::setProgressValue);
    connect(&action, &RibbonProgressAction::progressTextChanged, this,
            &RibbonProgressWidget::setProgressText);
    connect(&action, &RibbonProgressAction::progressRangeChanged, this,
            &RibbonProgressWidget::onProgressRangeChanged);
    updateGeometry();
}

RibbonProgressWidget::~RibbonProgressWidget()
{
    // Removed while shown: the window must take input again.
    releaseGrab();
}

RibbonProgressAction* RibbonProgressWidget::action() const
{
    return qobject_cast<RibbonProgressAction*>(m_action.data());
}

void RibbonProgressWidget::releaseGrab()
{
    if (QWidget::mouseGrabber() == this)
        releaseMouse();
    if (QWidget::keyboardGrabber() == this)
        releaseKeyboard();
}

bool RibbonProgressWidget::event(QEvent* event)
{
    RibbonProgressAction* own = action();
    if (event->type() == QEvent::Show && own && own->isGrabEnabled()) {
        grabMouse();
        grabKeyboard();
    } else if (event->type() == QEvent::Hide) {
        // Released also when grabbing was switched off while shown.
        releaseGrab();
    }
    return QWidget::event(event);
}

QSize RibbonProgressWidget::sizeHint() const
{
    return QSize(160, 10);
}

QRect RibbonProgressWidget::buttonHitRect() const
{
    return QRect(width() - 18, 3, 18, 18);
}

void RibbonProgressWidget::mousePressEvent(QMouseEvent* event)
{
    QWidget::mousePressEvent(event);
    if (buttonHitRect().contains(event->position().toPoint()))
        m_buttonPressed = true;
    update();
}

void RibbonProgressWidget::mouseReleaseEvent(QMouseEvent* event)
{
    QWidget::mouseReleaseEvent(event);
    const bool inside = buttonHitRect().contains(event->position().toPoint());
    const bool wasPressed = m_buttonPressed;
    m_buttonPressed = false;
    // Only a press that began on the button terminates.
    if (inside && wasPressed) {
        if (QAction* own = m_action.data())
            own->activate(QAction::Trigger);
    }
    update();
}

void RibbonProgressWidget::mouseMoveEvent(QMouseEvent* event)
{
    QWidget::mouseMoveEvent(event);
    // A held press follows the cursor: leaving the button cancels it,
    // coming back restores it.
    if (event->buttons() & Qt::LeftButton)
        m_buttonPressed = buttonHitRect().contains(event->position().toPoint());
    update();
}

void RibbonProgressWidget::enterEvent(QEnterEvent* event)
{
    QWidget::enterEvent(event);
    update();
}

void RibbonProgressWidget::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    update();
}

void RibbonProgressWidget::paintEvent(QPaintEvent*)
{
    const RibbonStyle* skin = RibbonApplication::theApp()->ribbonStyle();
    int row = 0;
    if (m_buttonPressed)
        row = 36;
    else if (buttonHitRect().contains(pointerPos(*this)))
        row = 18;
    QPainter painter(this);
    skin->drawPixmap(painter, QRect(width() - 18, 0, 18, 18), skin->terminateProgressButton(),
                     QRect(0, row, 18, 18));
}

void RibbonProgressWidget::actionEvent(QActionEvent* event)
{
    QWidget::actionEvent(event);
    // Also on ActionAdded: an action disabled before it is added gives a
    // disabled control.
    const bool ownChange =
        event->type() == QEvent::ActionAdded || event->type() == QEvent::ActionChanged;
    if (ownChange && m_action && event->action() == m_action.data()) {
        setEnabled(m_action->isEnabled());
        update();
    }
}

void RibbonProgressWidget::setProgressValue(int value)
{
    m_progressBar->setValue(value);
    QAccessibleValueChangeEvent event(this, m_progressBar->value());
    QAccessible::updateAccessibility(&event);
}

void RibbonProgressWidget::setProgressText(const QString& text)
{
    // The label would make the status bar as wide as its text, and a long
    // one wider than any screen: it shows at most 320 pixels of it.
    m_label->setText(textlines::fittedCaption(m_label->fontMetrics(), text, 320));
}

void RibbonProgressWidget::onProgressRangeChanged()
{
    if (RibbonProgressAction* own = action())
        m_progressBar->setRange(own->minimum(), own->maximum());
}

} // namespace oru
