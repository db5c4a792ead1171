#include "oruRibbonCatColorMenuAction.h"

#include "oruRibbonCatColorMenuButton.h"

#include <QImage>
#include <QPainter>
#include <QToolBar>

namespace oru {

RibbonCatColorMenuAction::RibbonCatColorMenuAction(const QIcon& icon, const QString& text,
                                                   eSize size, QObject* parent)
    : RibbonSimpleAction(icon, text, parent), m_baseIcon(icon), m_size(size)
{
    updateIcon();
}

RibbonCatColorMenuAction::~RibbonCatColorMenuAction() = default;

QWidget* RibbonCatColorMenuAction::createWidget(QWidget* parent)
{
    if (!qobject_cast<QToolBar*>(parent))
        return nullptr;
    return new RibbonCatColorMenuButton(*this, parent);
}

void RibbonCatColorMenuAction::setHasAutomaticColor(bool has)
{
    if (has == m_hasAutomaticColor)
        return;
    m_hasAutomaticColor = has;
    updateIcon();
    sendActionChangedEvt();
}

void RibbonCatColorMenuAction::setHasNoneColor(bool has)
{
    if (has == m_hasNoneColor)
        return;
    m_hasNoneColor = has;
    updateIcon();
    sendActionChangedEvt();
}

void RibbonCatColorMenuAction::setAutomaticColor(const QColor& color)
{
    if (color == m_automaticColor)
        return;
    m_automaticColor = color;
    updateIcon();
    sendActionChangedEvt();
}

void RibbonCatColorMenuAction::setKeepSelection(bool keep)
{
    m_keepSelection = keep;
}

void RibbonCatColorMenuAction::setAutomatic()
{
    if (!m_hasAutomaticColor || m_automatic)
        return;
    m_automatic = true;
    m_none = false;
    updateIcon();
    sendActionChangedEvt();
    emit automaticSet();
}

void RibbonCatColorMenuAction::setNone()
{
    if (!m_hasNoneColor || m_none)
        return;
    m_none = true;
    m_automatic = false;
    m_color = Qt::white;
    updateIcon();
    sendActionChangedEvt();
    emit noneSet();
}

void RibbonCatColorMenuAction::setColor(const QColor& color)
{
    if (isAutomatic() || isNone() || !m_keepSelection) {
        m_automatic = false;
        m_none = false;
        m_color = color;
    } else {
        if (!color.isValid()) {
            setNone();
            return;
        }
        if (color == m_color)
            return;
        m_none = false;
        m_color = color;
    }
    updateIcon();
    sendActionChangedEvt();
    emit colorSet(m_color);
}

void RibbonCatColorMenuAction::updateIcon()
{
    const int s = m_size == Large ? 32 : 16;
    // One image per screen density, so the colour bar stays sharp on every screen.
    QIcon icon;
    for (qreal ratio : {1.0, 1.5, 2.0}) {
        const int side = qRound(s * ratio);
        QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            const QPixmap base = m_baseIcon.pixmap(QSize(s, s), ratio, QIcon::Normal, QIcon::Off);
            if (!base.isNull())
                painter.drawPixmap(QRect(0, 0, s, s), base);
            if (m_size != Large) {
                const QRect bar(QPoint(0, 12), QPoint(15, 15));
                if (isAutomatic()) {
                    if (m_automaticColor.isValid())
                        painter.fillRect(bar, m_automaticColor);
                } else if (!isNone()) {
                    painter.fillRect(bar, m_color);
                }
            }
        }
        icon.addPixmap(QPixmap::fromImage(image), QIcon::Normal, QIcon::Off);
    }
    setIcon(icon);
}

} // namespace oru
