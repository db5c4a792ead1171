#pragma once

#include <oruRibbonApplication.h>
#include <oruRibbonStyle.h>

#include <QIcon>
#include <QPixmap>
#include <QtTest>

#include <initializer_list>
#include <utility>

namespace oru::test {

/// The application object of every test: a RibbonApplication with the fixed
/// test font (DejaVu Sans, 13 pixels) and the Fusion style, so that text
/// metrics and base-style drawing are the same on every machine.
class TestApplication : public RibbonApplication
{
    Q_OBJECT

public:
    TestApplication(int& argc, char** argv);
    bool initInstance() override { return true; }

    /// The font the tests measure text with.
    static QFont testFont();
};

/// The skin in use, fetched anew as the widgets do at every paint.
inline const RibbonStyle& skin()
{
    return *RibbonApplication::theApp()->ribbonStyle();
}

/// Adds the columns "style" (an int of RibbonApplication::eRibbonStyle) and
/// "ratio" to a data function, and a row "<skin> <ratio>x" for each built-in
/// skin at each of @p ratios.
inline void addSkinRatioRows(std::initializer_list<qreal> ratios)
{
    QTest::addColumn<int>("style");
    QTest::addColumn<qreal>("ratio");
    for (const auto& [name, style] : {std::pair("blue", RibbonApplication::Blue),
                                      std::pair("silver", RibbonApplication::Silver),
                                      std::pair("black", RibbonApplication::Black)})
        for (const qreal ratio : ratios)
            QTest::addRow("%s %gx", name, ratio) << int(style) << ratio;
}

/// An icon of one @p side by @p side picture in @p colour.
inline QIcon solidIcon(int side = 16, const QColor& colour = Qt::darkCyan)
{
    QPixmap pixmap(side, side);
    pixmap.fill(colour);
    return QIcon(pixmap);
}

/// True when the suite runs on a real X server (the xcb platform).
bool onX11();

/// Makes the offscreen platform start with 1600x1200 screens side by side,
/// one per ratio in @p ratios, through a configuration file written to
/// @p configPath. Call it before the application object exists; false when
/// the file cannot be written.
bool useOffscreenScreens(const QString& configPath, const QList<qreal>& ratios);

} // namespace oru::test

/// Entry point of a test executable over oru::test::TestApplication.
#define ORU_TEST_MAIN(TestObject)                                                                  \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        oru::test::TestApplication app(argc, argv);                                                \
        TestObject tc;                                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }
