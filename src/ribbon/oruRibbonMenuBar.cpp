#include "oruRibbonMenuBar.h"

#include "oruRibbonAction.h"
#include "oruRibbonButtonMain.h"
#include "oruRibbonMenuAction.h"

#include <QGridLayout>

namespace oru {

RibbonMenuBar::RibbonMenuBar(QWidget* parent)
    : QWidget(parent), m_captionSpacer(0, 0, QSizePolicy::Expanding, QSizePolicy::Ignored)
{
    m_mainMenuActionsContainer = new RibbonMenuAction(this);
    m_recentFilesActionsContainer = new RibbonMenuAction(this);

    m_gridLayout = new QGridLayout;
    m_gridLayout->setContentsMargins(0, 0, 0, 0);
    m_gridLayout->setVerticalSpacing(0);
    m_gridLayout->setHorizontalSpacing(0);

    m_mainButton = new RibbonButtonMain(*this);
    m_gridLayout->addWidget(m_mainButton, 0, 0, 2, 1, Qt::AlignLeft | Qt::AlignTop);
    m_gridLayout->addItem(&m_captionSpacer, 0, 2);

    setLayout(m_gridLayout);
    setCursor(Qt::ArrowCursor);
}

RibbonMenuBar::~RibbonMenuBar()
{
    // The spacer is a member; the layout must not delete it.
    m_gridLayout->removeItem(&m_captionSpacer);
}

void RibbonMenuBar::setExitAction(RibbonAction* action)
{
    m_exitAction = action;
}

void RibbonMenuBar::setOptionsAction(RibbonAction* action)
{
    m_optionsAction = action;
}

void RibbonMenuBar::setMainButtonShortcut(const QKeySequence& shortcut)
{
    if (m_mainButton)
        m_mainButton->setShortcut(shortcut);
}

void RibbonMenuBar::setAppIcon(const QIcon& icon)
{
    if (m_mainButton)
        m_mainButton->setIcon(icon);
}

QRect RibbonMenuBar::captionGeometry() const
{
    return m_captionSpacer.geometry();
}

int RibbonMenuBar::captionHeight() const
{
    return captionGeometry().height();
}

} // namespace oru
