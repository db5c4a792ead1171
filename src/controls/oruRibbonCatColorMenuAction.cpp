#include "oruRibbonCatColorMenuAction.h"

#include "oruRibbonCatColorMenuButton.h"

#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QToolBar>

namespace oru {

namespace {

// The icon of a colour action: its own icon with a bar of the chosen colour
// along the bottom, painted at the size and density it is asked for. An
// action keeps no pictures of its own (three densities of a small button's
// icon were 7 KB of pixels for every colour action of a ribbon, shown or
// not); a button paints it from its base icon and colour.
class ColorBarIconEngine : public QIconEngine
{
public:
    ColorBarIconEngine(const QIcon& base, int side, const QColor& bar)
        : m_base(base), m_side(side), m_bar(bar)
    {
    }

    QIconEngine* clone() const override { return new ColorBarIconEngine(m_base, m_side, m_bar); }
    QString key() const override { return QStringLiteral("oru.colorbar"); }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        return QSize(m_side, m_side).scaled(size, Qt::KeepAspectRatio).boundedTo(size);
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        return {QSize(m_side, m_side)};
    }

    // @p size is in device pixels (QIcon::pixmap has multiplied it by the
    // density it asks for).
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal) override
    {
        const int side = qMin(size.width(), size.height());
        if (side <= 0)
            return QPixmap();
        QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            const qreal scale = qreal(side) / m_side;
            const QPixmap base = m_base.pixmap(QSize(m_side, m_side), scale, QIcon::Normal, state);
            if (!base.isNull())
                painter.drawPixmap(QRect(0, 0, side, side), base);
            if (m_bar.isValid()) {
                painter.scale(scale, scale);
                painter.fillRect(QRect(QPoint(0, 12), QPoint(m_side - 1, m_side - 1)), m_bar);
            }
        }
        QPixmap pixmap = QPixmap::fromImage(std::move(image));
        if (mode == QIcon::Normal)
            return pixmap;
        // The style's look of a disabled or selected icon, as for any icon.
        return QIcon(pixmap).pixmap(pixmap.size(), 1.0, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap pixmap = scaledPixmap(rect.size() * ratio, mode, state, ratio);
        pixmap.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, pixmap);
    }

private:
    QIcon m_base;
    int m_side;
    QColor m_bar;
};

} // namespace

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
    QColor bar; // none: no bar
    if (m_size != Large) {
        if (isAutomatic())
            bar = m_automaticColor;
        else if (!isNone())
            bar = m_color;
    }
    setIcon(QIcon(new ColorBarIconEngine(m_baseIcon, m_size == Large ? 32 : 16, bar)));
}

} // namespace oru
