#include "oruRibbonOptionsDialog.h"

#include "oruRibbonApplication.h"

#include "oruPageButtonPaint_p.h"
#include "oruRibbonStyle.h"
#include "oruSkinWindowPalette_p.h"
#include "oruRibbonMainWindow.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QSpacerItem>
#include <QStackedWidget>

namespace oru {

RibbonOptionsDialog::RibbonOptionsDialog(RibbonMainWindow& mainWindow)
    : QDialog(&mainWindow), m_mainWindow(mainWindow)
{
    setFixedSize(655, 396);
    const auto retitle = [this] {
        setWindowTitle(RibbonApplication::currentProductName() + QLatin1Char(' ') +
                       QCoreApplication::translate("RibbonOptionsDialog", "Options:"));
    };
    retitle();
    if (RibbonApplication* app = RibbonApplication::theApp())
        connect(app, &RibbonApplication::productNameChanged, this, retitle);

    m_buttonGroup = new QButtonGroup(this);
    m_buttonGroup->setExclusive(true);
    connect(m_buttonGroup, &QButtonGroup::buttonClicked, this, &RibbonOptionsDialog::buttonClicked);

    m_mainLayout = new QVBoxLayout;
    m_contentLayout = new QHBoxLayout;
    m_contentLayout->setContentsMargins(0, 0, 0, 0);
    m_contentLayout->setSpacing(10);
    m_leftColumn = new QVBoxLayout;
    m_leftColumn->setContentsMargins(0, 0, 0, 0);
    m_leftColumn->setSpacing(0);
    m_contentLayout->addLayout(m_leftColumn);
    m_buttonsLayout = new QVBoxLayout;
    m_buttonsLayout->setContentsMargins(1, 1, 1, 1);
    m_buttonsLayout->setSpacing(1);
    m_leftColumn->addLayout(m_buttonsLayout);
    m_leftColumn->addItem(
        new QSpacerItem(0, 0, QSizePolicy::Ignored, QSizePolicy::MinimumExpanding));
    m_pageStack = new QStackedWidget(this);
    // Pages belong to the host, which may delete them or take them away.
    connect(m_pageStack, &QStackedWidget::widgetRemoved, this,
            &RibbonOptionsDialog::dropRemovedPages);
    connect(m_pageStack, &QStackedWidget::currentChanged, this,
            &RibbonOptionsDialog::checkCurrentButton);
    m_contentLayout->addWidget(m_pageStack);
    m_mainLayout->addLayout(m_contentLayout);

    m_buttonBox = new QDialogButtonBox(Qt::Horizontal, this);
    m_buttonBox->addButton(QCoreApplication::translate("RibbonOptionsDialog", "Ok"),
                           QDialogButtonBox::AcceptRole);
    m_buttonBox->addButton(QCoreApplication::translate("RibbonOptionsDialog", "Cancel"),
                           QDialogButtonBox::RejectRole);
    connect(m_buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    m_mainLayout->addWidget(m_buttonBox);
    setLayout(m_mainLayout);

    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    // A dark skin darkens the dialog and, through it, every page in it.
    skinwindow::follow(*this, [this](bool) { update(); });
}

RibbonOptionsDialog::~RibbonOptionsDialog()
{
    // The stack outlives this body; its pages' removal must not reach m_pages.
    disconnect(m_pageStack, nullptr, this, nullptr);
}

void RibbonOptionsDialog::addOptionsPage(RibbonOptionsPage* page)
{
    if (!page)
        return;
    for (const QPointer<RibbonOptionsPage>& known : std::as_const(m_pages)) {
        if (known == page)
            return;
    }
    auto* button = new RibbonOptionsButton(*this);
    button->setText(page->windowTitle());
    m_buttonGroup->addButton(button);
    m_buttonsLayout->addWidget(button);

    m_pages.insert(button, page);
    m_pageStack->addWidget(page);
    if (m_buttonGroup->buttons().size() == 1)
        button->click();

    connect(m_buttonBox, &QDialogButtonBox::accepted, page, &RibbonOptionsPage::accept);
    connect(m_buttonBox, &QDialogButtonBox::rejected, page, &RibbonOptionsPage::reject);
}

void RibbonOptionsDialog::removeOptionsPage(RibbonOptionsPage*) {}

void RibbonOptionsDialog::dropRemovedPages()
{
    for (auto it = m_pages.begin(); it != m_pages.end();) {
        RibbonOptionsPage* page = it.value();
        if (page && m_pageStack->indexOf(page) >= 0) {
            ++it;
            continue;
        }
        if (page)
            disconnect(m_buttonBox, nullptr, page, nullptr);
        RibbonOptionsButton* button = it.key();
        it = m_pages.erase(it);
        windows::retirePageButton(*button, *m_buttonGroup, *m_buttonsLayout);
    }
    checkCurrentButton();
}

void RibbonOptionsDialog::checkCurrentButton()
{
    windows::checkButtonOfPage(m_pages, m_pageStack->currentWidget());
}

void RibbonOptionsDialog::buttonClicked(QAbstractButton* button)
{
    auto* optionsButton = qobject_cast<RibbonOptionsButton*>(button);
    if (!optionsButton)
        return;
    if (RibbonOptionsPage* page = m_pages.value(optionsButton))
        m_pageStack->setCurrentWidget(page);
}

void RibbonOptionsDialog::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    windows::paintPageFrames(*this, m_leftColumn->geometry(), m_pageStack->geometry(),
                             pageColor(), skinwindow::currentIsDark()
                                              ? palette().color(QPalette::Mid)
                                              : QColor(Qt::gray));
}

QColor RibbonOptionsDialog::pageColor()
{
    // White pages as ever in a light skin, the skin's pane colour in a dark one.
    if (!skinwindow::currentIsDark())
        return Qt::white;
    return RibbonApplication::theApp()->ribbonStyle()->frameNormalFillColor();
}

RibbonOptionsPage::RibbonOptionsPage(RibbonOptionsDialog& dialog)
    : QWidget(&dialog), m_dialog(dialog)
{
    // Only the page's background is its own; every other colour comes from
    // the dialog, in a dark skin too.
    const auto paint = [this] {
        QPalette pal;
        pal.setBrush(QPalette::All, QPalette::Window,
                     QBrush(RibbonOptionsDialog::pageColor(), Qt::SolidPattern));
        setPalette(pal);
    };
    paint();
    if (RibbonApplication* app = RibbonApplication::theApp())
        connect(app, &RibbonApplication::ribbonStyleChanged, this, paint);
}

RibbonOptionsPage::~RibbonOptionsPage() = default;

RibbonOptionsButton::RibbonOptionsButton(RibbonOptionsDialog& dialog)
    : QAbstractButton(&dialog), m_dialog(dialog)
{
    setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
    setCheckable(true);
    // Enter and leave repaint the hover frame.
    setAttribute(Qt::WA_Hover);
}

RibbonOptionsButton::~RibbonOptionsButton() = default;

QSize RibbonOptionsButton::sizeHint() const
{
    return windows::pageButtonSizeHint(*this);
}

void RibbonOptionsButton::paintEvent(QPaintEvent*)
{
    windows::paintPageButton(*this, RibbonOptionsDialog::pageColor());
}

} // namespace oru
