#include "oruTestApp.h"

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

} // namespace oru::test
