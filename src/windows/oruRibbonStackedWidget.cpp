#include "oruRibbonStackedWidget.h"

#include "oruPageButtonPaint_p.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QStackedWidget>

namespace oru {

RibbonStackedWidget::RibbonStackedWidget(QWidget* parent) : QWidget(parent)
{
    m_buttonGroup = new QButtonGroup(this);
    m_buttonGroup->setExclusive(true);
    connect(m_buttonGroup, &QButtonGroup::buttonClicked, this, &RibbonStackedWidget::buttonClicked);

    m_mainLayout = new QVBoxLayout(this);
    m_contentLayout = new QVBoxLayout;
    m_contentLayout->setContentsMargins(0, 0, 0, 0);
    m_contentLayout->setSpacing(10);
    m_pageStack = new QStackedWidget(this);
    // Pages belong to the host, which may delete them or take them away.
    connect(m_pageStack, &QStackedWidget::widgetRemoved, this,
            &RibbonStackedWidget::dropRemovedPages);
    connect(m_pageStack, &QStackedWidget::currentChanged, this,
            &RibbonStackedWidget::checkCurrentButton);
    m_contentLayout->addWidget(m_pageStack);
    m_buttonColumn = new QVBoxLayout;
    m_buttonColumn->setContentsMargins(0, 0, 0, 0);
    m_buttonColumn->setSpacing(0);
    m_contentLayout->addLayout(m_buttonColumn);
    m_buttonsLayout = new QVBoxLayout;
    m_buttonsLayout->setContentsMargins(1, 1, 1, 1);
    m_buttonsLayout->setSpacing(1);
    m_buttonColumn->addLayout(m_buttonsLayout);
    m_mainLayout->addLayout(m_contentLayout);
}

RibbonStackedWidget::~RibbonStackedWidget()
{
    // The stack outlives this body; its pages' removal must not reach m_pages.
    disconnect(m_pageStack, nullptr, this, nullptr);
}

void RibbonStackedWidget::addItem(QWidget* page, QString caption)
{
    if (!page)
        return;
    for (const QPointer<QWidget>& known : std::as_const(m_pages)) {
        if (known == page)
            return;
    }
    auto* button = new RibbonStackedButton(*this);
    button->setText(caption);
    m_buttonGroup->addButton(button);
    m_buttonsLayout->addWidget(button);

    m_pages.insert(button, page);
    m_pageStack->addWidget(page);
    if (m_buttonGroup->buttons().size() == 1)
        button->click();
}

void RibbonStackedWidget::setCurrentWidget(QWidget* page)
{
    if (!page)
        return;
    for (auto it = m_pages.cbegin(); it != m_pages.cend(); ++it) {
        if (it.value() == page) {
            it.key()->click();
            return;
        }
    }
}

QWidget* RibbonStackedWidget::currentWidget() const
{
    return m_pageStack->currentWidget();
}

void RibbonStackedWidget::buttonClicked(QAbstractButton* button)
{
    auto* stackedButton = qobject_cast<RibbonStackedButton*>(button);
    if (!stackedButton)
        return;
    if (QWidget* page = m_pages.value(stackedButton))
        m_pageStack->setCurrentWidget(page);
}

void RibbonStackedWidget::dropRemovedPages()
{
    for (auto it = m_pages.begin(); it != m_pages.end();) {
        QWidget* page = it.value();
        if (page && m_pageStack->indexOf(page) >= 0) {
            ++it;
            continue;
        }
        RibbonStackedButton* button = it.key();
        it = m_pages.erase(it);
        windows::retirePageButton(*button, *m_buttonGroup, *m_buttonsLayout);
    }
    checkCurrentButton();
}

void RibbonStackedWidget::checkCurrentButton()
{
    windows::checkButtonOfPage(m_pages, m_pageStack->currentWidget());
}

void RibbonStackedWidget::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    windows::paintPageFrames(*this, m_buttonColumn->geometry(), m_pageStack->geometry());
}

RibbonStackedButton::RibbonStackedButton(RibbonStackedWidget& stackedWidget)
    : QAbstractButton(&stackedWidget), m_stackedWidget(stackedWidget)
{
    setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
    setCheckable(true);
    setAttribute(Qt::WA_Hover);
}

RibbonStackedButton::~RibbonStackedButton() = default;

QSize RibbonStackedButton::sizeHint() const
{
    return windows::pageButtonSizeHint(*this);
}

void RibbonStackedButton::paintEvent(QPaintEvent*)
{
    windows::paintPageButton(*this);
}

} // namespace oru
