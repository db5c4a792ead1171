#include <oruRibbonApplication.h>
#include <oruRibbonStyle.h>
#include <oruTestApp.h>

#include <QImage>
#include <QPainter>

using namespace oru;

// What every paint pays for reaching the skin, and the symbol drawing that
// scroll and menu buttons do on each paint.
class BenchSkins : public QObject
{
    Q_OBJECT

private slots:
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
