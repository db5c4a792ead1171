#include "oruRibbonButtonMain.h"

#include "oruMainMenuPaint_p.h"
#include "oruPointer_p.h"
#include "oruRibbonApplication.h"
#include "oruRibbonMenuBar.h"
#include "oruRibbonPanelMain.h"
#include "oruRibbonStyle.h"

#include <QMouseEvent>
#include <QPainter>

namespace oru {

RibbonButtonMain::RibbonButtonMain(RibbonMenuBar& menuBar)
    : QAbstractButton(&menuBar), m_menuBar(menuBar)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setFixedSize(38, 38);
    setMouseTracking(true);
    setAttribute(Qt::WA_Hover);
    setCheckable(true);
    setFocusPolicy(Qt::NoFocus);
    connect(this, &QAbstractButton::clicked, this, &RibbonButtonMain::buttonCliked);
}

RibbonButtonMain::~RibbonButtonMain() = default;

void RibbonButtonMain::openPanel()
{
    // The panel deletes itself when it closes; no pointer is kept.
    auto* panel = new RibbonPanelMain(*this);
    connect(panel, &RibbonPanelMain::closed, this, &RibbonButtonMain::popupClosed);
}

void RibbonButtonMain::mousePressEvent(QMouseEvent* event)
{
    // No base handling: a press never produces clicked().
    if (event->button() != Qt::LeftButton || isChecked())
        return;
    setChecked(true);
    openPanel();
}

void RibbonButtonMain::buttonCliked()
{
    setChecked(true);
    openPanel();
}

void RibbonButtonMain::mouseDoubleClickEvent(QMouseEvent* event)
{
    QAbstractButton::mouseDoubleClickEvent(event);
    emit closeApplication();
}

void RibbonButtonMain::popupClosed()
{
    setChecked(false);
    update();
}

void RibbonButtonMain::paintFace(QPainter& painter, const QRect& target, int frameY) const
{
    const RibbonStyle* skin = RibbonApplication::theApp()->ribbonStyle();
    skin->drawPixmap(painter, target, skin->mainButton(), QRect(0, frameY, 38, 38));
    QIcon shown = icon();
    if (shown.isNull()) {
        if (m_defaultIcon.isNull()) {
            // Every density of the image, so the icon is sharp on any screen.
            for (const char* file :
                 {"DefaultAppIcon.png", "DefaultAppIcon@1.5x.png", "DefaultAppIcon@2x.png"})
                m_defaultIcon.addFile(QStringLiteral(":/oru/ribbon/icons/") + QLatin1String(file));
        }
        shown = m_defaultIcon;
    }
    mainmenu::drawMainButtonIcon(painter, shown, target);
}

void RibbonButtonMain::paintEvent(QPaintEvent*)
{
    int frameY = 0;
    if (isChecked())
        frameY = 76;
    else if (rect().contains(pointerPos(*this)))
        frameY = 38;
    QPainter painter(this);
    paintFace(painter, rect(), frameY);
}

} // namespace oru
