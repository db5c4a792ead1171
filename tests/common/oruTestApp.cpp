#include "oruTestApp.h"

#include <QFile>
#include <QFont>
#include <QStyleFactory>

namespace oru::test {

TestApplication::TestApplication(int& argc, char** argv) : RibbonApplication(argc, argv)
{
    setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    setFont(testFont());
    // The suites compare English texts whatever the machine's locale.
    setTranslationsEnabled(false);
}

QFont TestApplication::testFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    return font;
}

bool onX11()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

bool useOffscreenScreens(const QString& configPath, const QList<qreal>& ratios)
{
    QFile file(configPath);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray screens = "{\"screens\": [";
    for (int i = 0; i < ratios.size(); ++i)
        screens += QByteArray(i ? "," : "") + "{\"name\": \"screen" + QByteArray::number(i) +
                   "\", \"x\": " + QByteArray::number(i * 1600) +
                   ", \"y\": 0, \"width\": 1600, \"height\": 1200, \"logicalDpi\": 96, "
                   "\"logicalBaseDpi\": 96, \"dpr\": " +
                   QByteArray::number(ratios.at(i)) + "}";
    if (file.write(screens + "]}") < 0)
        return false;
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + configPath.toLocal8Bit());
    return true;
}

} // namespace oru::test
