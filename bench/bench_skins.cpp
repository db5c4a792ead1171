#include <oruRibbonApplication.h>
#include <oruRibbonPalette.h>
#include <oruRibbonStyle.h>
#include <oruTestApp.h>

#include <QImage>
#include <QPainter>

using namespace oru;

namespace {

// A built-in skin made again: its colours do not matter here, only the
// loading of its images.
class LoadedSkin : public RibbonStyle
{
public:
    explicit LoadedSkin(const QString& folder) { loadPixmaps(folder); }
};

} // namespace

// What every paint pays for reaching the skin, the symbol drawing that
// scroll and menu buttons do on each paint, and what making a skin costs at
// start-up: loading a built-in skin's images against painting a palette
// skin's.
class BenchSkins : public QObject
{
    Q_OBJECT

private slots:
    void makeSkin_data()
    {
        QTest::addColumn<QString>("skin");
        QTest::addColumn<qreal>("ratio");
        for (qreal ratio : {1.0, 2.0}) {
            const QByteArray at = " at " + QByteArray::number(ratio) + "x";
            QTest::newRow("built-in blue" + at) << QStringLiteral("blue") << ratio;
            QTest::newRow("modern light" + at) << QString() << ratio;
        }
    }

    // A skin ready to paint on a screen of the ratio: its images at 1x and,
    // on a finer screen, at that density too. A palette skin is made afresh
    // each time under a new name.
    void makeSkin()
    {
        QFETCH(QString, skin);
        QFETCH(qreal, ratio);
        RibbonApplication* app = RibbonApplication::theApp();
        int made = 0;
        QBENCHMARK {
            if (!skin.isEmpty()) {
                LoadedSkin loaded(skin);
                loaded.preloadRatio(ratio);
            } else {
                const QString name = QStringLiteral("bench %1").arg(++made);
                QVERIFY(app->registerRibbonStyle(name, RibbonPalette::modernLight()));
                QVERIFY(app->setRibbonStyle(name));
                app->ribbonStyle()->preloadRatio(ratio);
            }
        }
        app->setRibbonStyle(RibbonApplication::Blue);
    }

    void skinLookup()
    {
        RibbonApplication::theApp()->ribbonStyle();
        const QColor* color = nullptr;
        QBENCHMARK {
            color = &RibbonApplication::theApp()->ribbonStyle()->mainClientColor();
        }
        QVERIFY(color->isValid());
    }

    void drawSymbols()
    {
        QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&image);
        painter.setPen(Qt::black);
        painter.setBrush(Qt::black);
        QBENCHMARK {
            for (int type = ArrowUp; type <= NavLast; ++type)
                RibbonStyle::drawSymbol(painter, QRect(4, 4, 16, 16), eSymbolType(type));
        }
    }
};

ORU_TEST_MAIN(BenchSkins)
#include "bench_skins.moc"
