#include "skinchoice.h"

#include <oruRibbonApplication.h>
#include <oruRibbonPalette.h>

#include <QCoreApplication>
#include <QPainter>
#include <QPixmap>

using namespace oru;

namespace {

const char* const kCustom = "Custom";

// The accent of the skin "Custom", Tarnwick's red until the user picks one.
QColor g_accent(0xc4, 0x3e, 0x1c);

void registerCustom()
{
    RibbonPalette custom = RibbonPalette::modernLight();
    custom.setAccent(g_accent);
    RibbonApplication::theApp()->registerRibbonStyle(QLatin1String(kCustom), custom);
}

// The colours of a skin's picture: frame and tab row, application button.
struct SkinColours
{
    QColor frame;
    QColor accent;
};

SkinColours coloursOf(const QString& name)
{
    if (name == QLatin1String("Blue"))
        return {QColor(0xbf, 0xdb, 0xff), QColor(0xe0, 0x8a, 0x1e)};
    if (name == QLatin1String("Silver"))
        return {QColor(0xd6, 0xda, 0xe0), QColor(0xe0, 0x8a, 0x1e)};
    if (name == QLatin1String("Black"))
        return {QColor(0x3e, 0x3e, 0x3e), QColor(0xe0, 0x8a, 0x1e)};
    if (name == QLatin1String("Modern Dark")) {
        const RibbonPalette p = RibbonPalette::modernDark();
        return {p.base(), p.accent()};
    }
    const RibbonPalette p = RibbonPalette::modernLight();
    if (name == QLatin1String(kCustom))
        return {p.base(), g_accent};
    return {p.base(), p.accent()};
}

} // namespace

QStringList skinNames()
{
    return RibbonApplication::theApp()->ribbonStyleNames();
}

QString skinLabel(const QString& name)
{
    static const char* const known[] = {
        QT_TRANSLATE_NOOP("Skins", "Blue"),        QT_TRANSLATE_NOOP("Skins", "Silver"),
        QT_TRANSLATE_NOOP("Skins", "Black"),       QT_TRANSLATE_NOOP("Skins", "Modern Light"),
        QT_TRANSLATE_NOOP("Skins", "Modern Dark"), QT_TRANSLATE_NOOP("Skins", "Custom")};
    for (const char* key : known)
        if (name == QLatin1String(key))
            return QCoreApplication::translate("Skins", key);
    return name;
}

QIcon skinIcon(const QString& name)
{
    const SkinColours colours = coloursOf(name);
    QIcon icon;
    // Drawn at each size the ribbon asks for, up to 2x, so that no size is
    // a scaled copy.
    for (int side : {16, 24, 32, 48, 64}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        const qreal unit = side / 16.0;
        const QRectF window(0.5 * unit, 1.5 * unit, 15 * unit, 13 * unit);
        painter.setPen(QPen(colours.frame.darker(160), unit * 0.75));
        painter.setBrush(Qt::white);
        painter.drawRoundedRect(window, unit, unit);
        // Frame and tab row, then the application button.
        QRectF band = window.adjusted(unit * 0.4, unit * 0.4, -unit * 0.4, 0);
        band.setHeight(5 * unit);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colours.frame);
        painter.drawRect(band);
        painter.setBrush(colours.accent);
        painter.drawEllipse(QRectF(band.left() + unit, band.top() + unit, 3 * unit, 3 * unit));
        // Lines of text on the document.
        painter.setBrush(QColor(0x9a, 0x9a, 0x9a));
        for (int line = 0; line < 3; ++line)
            painter.drawRect(QRectF(window.left() + 2.5 * unit,
                                    band.bottom() + (2 + 2 * line) * unit,
                                    (line == 2 ? 6 : 10) * unit, unit * 0.8));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

void chooseSkin(const QString& name)
{
    RibbonApplication* app = RibbonApplication::theApp();
    app->setFollowDesktop(false);
    app->setRibbonStyle(name);
}

void registerCustomSkin(const QColor& accent)
{
    if (accent.isValid())
        g_accent = accent;
    registerCustom();
}

void chooseAccent(const QColor& accent)
{
    if (!accent.isValid())
        return;
    g_accent = accent;
    RibbonApplication* app = RibbonApplication::theApp();
    app->setFollowDesktop(false);
    // Registering again repaints a skin in use at once (ribbonStyleChanged(),
    // on which the chooser's picture of the skin shows the new accent).
    const bool inUse = app->ribbonStyleName() == QLatin1String(kCustom);
    registerCustom();
    if (!inUse)
        app->setRibbonStyle(QLatin1String(kCustom));
}

QColor customAccent()
{
    return g_accent;
}
