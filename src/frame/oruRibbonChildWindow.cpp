#include "oruRibbonChildWindow.h"

#include "oruContrast_p.h"
#include "oruRibbonApplication.h"
#include "oruRibbonFrame_p.h"
#include "oruRibbonSmallSysBtnClose.h"
#include "oruRibbonStyle.h"

#include <QPainter>
#include <QPolygon>
#include <QRegion>

namespace oru {

RibbonChildWindow::RibbonChildWindow(QWidget* parent) : QWidget(parent)
{
    m_closeButton = new RibbonSmallSysBtnClose(this);
    connect(RibbonApplication::theApp(), &RibbonApplication::ribbonStyleChanged, this,
            &RibbonChildWindow::ribbonStyleChanged);
    connect(m_closeButton, &QAbstractButton::clicked, this, &RibbonChildWindow::close);
    ribbonStyleChanged();
    setContentsMargins(1, 18, 1, 1);
}

RibbonChildWindow::~RibbonChildWindow() = default;

void RibbonChildWindow::ribbonStyleChanged()
{
    QPalette pal = palette();
    pal.setBrush(QPalette::Window,
                 QBrush(RibbonApplication::theApp()->ribbonStyle()->frameNormalFillColor()));
    setPalette(pal);
    update();
}

void RibbonChildWindow::close()
{
    emit closed();
    QWidget::close();
}

void RibbonChildWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowTitleChange)
        update(0, 0, width(), 18);
    QWidget::changeEvent(event);
}

void RibbonChildWindow::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    const RibbonStyle* skin = RibbonApplication::theApp()->ribbonStyle();
    const int w = width();
    QPainter painter(this);
    painter.fillRect(rect(), skin->frameNormalFillColor());
    painter.fillRect(QRect(QPoint(1, 1), QPoint(w - 2, 17)), skin->frameOutlineColor());
    // The title band's text must read on the band in every skin.
    painter.setPen(
        contrast::readableOn(skin->normalCategoryTextColor(), {skin->frameOutlineColor()}));
    painter.drawText(QRect(QPoint(5, 1), QPoint(w - 14, 18)),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, windowTitle());
}

void RibbonChildWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int w = width();
    const int h = height();
    if (m_closeButton)
        m_closeButton->move(w - 18, 1);
    // Region polygons are filled by pixel centres, so the outline runs along
    // pixel edges: (1, 0) .. (W - 1, 0) covers pixels 1 .. W - 2 of the top
    // row. That takes exactly one pixel off each corner.
    QPolygon outline;
    outline << QPoint(1, 0) << QPoint(w - 1, 0) << QPoint(w - 1, 1) << QPoint(w, 1)
            << QPoint(w, h - 1) << QPoint(w - 1, h - 1) << QPoint(w - 1, h) << QPoint(1, h)
            << QPoint(1, h - 1) << QPoint(0, h - 1) << QPoint(0, 1) << QPoint(1, 1) << QPoint(1, 0);
    frame::setWindowMask(*this, QRegion(outline, Qt::OddEvenFill));
}

} // namespace oru
