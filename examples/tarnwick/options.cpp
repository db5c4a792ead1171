#include "options.h"

#include <QApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <cstring>

DemoOptions DemoOptions::parse(const QStringList& arguments)
{
    DemoOptions options;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& arg = arguments.at(i);
        const bool hasValue = i + 1 < arguments.size();
        if (arg == QLatin1String("--skin") && hasValue) {
            // blue, silver, black, modernlight, moderndark
            const QString name = arguments.at(++i);
            const QStringList known = {QStringLiteral("blue"), QStringLiteral("silver"),
                                       QStringLiteral("black"), QStringLiteral("modernlight"),
                                       QStringLiteral("moderndark")};
            const QStringList names = {QStringLiteral("Blue"), QStringLiteral("Silver"),
                                       QStringLiteral("Black"), QStringLiteral("Modern Light"),
                                       QStringLiteral("Modern Dark")};
            if (known.contains(name))
                options.skin = names.at(known.indexOf(name));
            else
                options.error = QStringLiteral("unknown skin '%1' (%2)")
                                    .arg(name, known.join(QLatin1String(", ")));
        } else if (arg == QLatin1String("--accent") && hasValue) {
            options.accent = QColor::fromString(arguments.at(++i));
            if (!options.accent.isValid())
                options.error = QStringLiteral("--accent wants a colour such as #c43e1c");
        } else if (arg == QLatin1String("--size") && hasValue) {
            const QStringList parts = arguments.at(++i).split(QLatin1Char('x'));
            bool okW = false;
            bool okH = false;
            if (parts.size() == 2)
                options.size = QSize(parts[0].toInt(&okW), parts[1].toInt(&okH));
            if (!okW || !okH || options.size.width() < 1 || options.size.height() < 1)
                options.error = QStringLiteral("--size wants WIDTHxHEIGHT");
        } else if (arg == QLatin1String("--scale") && hasValue) {
            bool ok = false;
            options.scale = arguments.at(++i).toDouble(&ok);
            if (!ok || options.scale < 0.5 || options.scale > 4.0)
                options.error = QStringLiteral("--scale wants a factor from 0.5 to 4");
        } else if (arg == QLatin1String("--rtl")) {
            options.rtl = true;
        } else if (arg == QLatin1String("--shot") && i + 2 < arguments.size()) {
            options.shotScene = arguments.at(++i);
            options.shotFile = arguments.at(++i);
        } else if (arg.startsWith(QLatin1String("--"))) {
            options.error = QStringLiteral("unknown or incomplete option %1").arg(arg);
        } else {
            options.files.append(arg);
        }
    }
    return options;
}

bool DemoOptions::applyScale(int argc, char** argv)
{
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--scale") != 0)
            continue;
        bool ok = false;
        const double factor = QByteArray(argv[i + 1]).toDouble(&ok);
        if (!ok || factor < 0.5 || factor > 4.0)
            return false;
        qputenv("QT_SCALE_FACTOR", QByteArray::number(factor));
    }
    return true;
}

namespace {

// Where no client may read the screen (Wayland), the picture is the window
// drawn by itself, with the popups that are open over it drawn where they
// stand, the picture growing to hold them.
QPixmap grabWithPopups(QWidget* window)
{
    const QPoint origin = window->geometry().topLeft();
    QRect bounds(QPoint(0, 0), window->size());
    QList<QWidget*> popups;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top != window && top->isVisible() && top->windowType() == Qt::Popup) {
            popups.append(top);
            bounds |= top->geometry().translated(-origin);
        }
    }
    const qreal ratio = window->devicePixelRatioF();
    QPixmap shot(bounds.size() * ratio);
    shot.setDevicePixelRatio(ratio);
    shot.fill(Qt::transparent);
    QPainter painter(&shot);
    painter.drawPixmap(-bounds.topLeft(), window->grab());
    // The popup that has the input (the last opened) is drawn on top.
    std::stable_partition(popups.begin(), popups.end(),
                          [](QWidget* p) { return p != QApplication::activePopupWidget(); });
    for (QWidget* popup : popups)
        painter.drawPixmap(popup->geometry().topLeft() - origin - bounds.topLeft(), popup->grab());
    return shot;
}

} // namespace

int takeShot(QWidget* window, const QString& file)
{
    // Let the window system map and paint everything first.
    QEventLoop loop;
    QTimer::singleShot(400, &loop, &QEventLoop::quit);
    loop.exec();
    QPixmap shot;
    if (QScreen* screen = window->screen())
        shot = screen->grabWindow(0);
    if (shot.isNull())
        shot = grabWithPopups(window);
    if (shot.isNull() || !shot.save(file, "PNG")) {
        std::fprintf(stderr, "tarnwick: could not write %s\n", qPrintable(file));
        return 1;
    }
    return 0;
}
