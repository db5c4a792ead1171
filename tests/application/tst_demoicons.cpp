// The demo's drawn icons on the skin's buttons: painted at device resolution,
// with ink that reads on the skin behind them after every skin switch, and
// faded when disabled.

#include "demoicons.h"

#include <oruRibbonApplication.h>
#include <oruRibbonStyle.h>
#include <oruTestApp.h>
#include <oruTestContrast.h>

#include <QImage>

#include <algorithm>

using namespace oru;

using oru::test::contrast;
using oru::test::luminance;

namespace {

// The pixel of median brightness in @p area of a skin image: the ground a
// button stands on, whatever gloss or edge the image has.
QRgb ground(const QPixmap& image, const QRect& area)
{
    const QImage pixels = image.toImage().convertToFormat(QImage::Format_ARGB32);
    QVector<QRgb> colours;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            colours << pixels.pixel(x, y);
    std::nth_element(colours.begin(), colours.begin() + colours.size() / 2, colours.end(),
                     [](QRgb a, QRgb b) { return luminance(a) < luminance(b); });
    return colours.at(colours.size() / 2);
}

} // namespace

class TestDemoIcons : public QObject
{
    Q_OBJECT

private slots:
    void inkReadsOnButtons_data();
    void inkReadsOnButtons();
};

void TestDemoIcons::inkReadsOnButtons_data()
{
    QTest::addColumn<QString>("skin");
    QTest::addColumn<qreal>("ratio");
    for (const char* skin : {"Blue", "Black", "Modern Dark", "Silver"})
        for (const qreal ratio : {1.0, 2.0})
            QTest::addRow("%s %gx", skin, ratio) << QString::fromLatin1(skin) << ratio;
}

void TestDemoIcons::inkReadsOnButtons()
{
    QFETCH(QString, skin);
    QFETCH(qreal, ratio);
    // Made once, so that each row also paints them after a skin switch.
    static const std::pair<const char*, QIcon> icons[] = {
        {"bold", textFormatIcon(TextFormatIcon::Bold)},
        {"italic", textFormatIcon(TextFormatIcon::Italic)},
        {"underline", textFormatIcon(TextFormatIcon::Underline)},
        {"strikethrough", textFormatIcon(TextFormatIcon::Strikethrough)},
        {"align left", alignmentIcon(Qt::AlignLeft)},
        {"centre", alignmentIcon(Qt::AlignHCenter)},
        {"align right", alignmentIcon(Qt::AlignRight)},
        {"justify", alignmentIcon(Qt::AlignJustify)},
        {"bullets", listIcon(false)},
        {"numbering", listIcon(true)},
        {"padlock", padlockIcon()},
        {"wrap lines", wrapLinesIcon()},
        {"glyph", glyphIcon(QStringLiteral("P"))},
    };
    QVERIFY(RibbonApplication::theApp()->setRibbonStyle(skin));
    const RibbonStyle& style = test::skin();
    // The body of a group and the face of a small button (status bar
    // toggles stand on it).
    const QRgb grounds[] = {ground(style.categoryTop(), QRect(10, 20, 80, 30)),
                            ground(style.normalButtonSmall(), QRect(6, 6, 10, 10))};

    QStringList failures;
    for (const auto& [name, icon] : icons) {
        for (const int side : {16, 32}) {
            const QPixmap normal = icon.pixmap(QSize(side, side), ratio);
            // Painted at device resolution, not scaled up from a smaller image.
            QCOMPARE(normal.size(), QSize(side, side) * ratio);
            QCOMPARE(normal.devicePixelRatio(), ratio);
            const QImage image = normal.toImage().convertToFormat(QImage::Format_ARGB32);
            // The ink: the fully covered pixels. Each must read on each ground
            // (3:1, as for the parts of a control).
            int inked = 0;
            double worst = 21;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    const QRgb p = image.pixel(x, y);
                    if (qAlpha(p) < 255)
                        continue;
                    ++inked;
                    for (const QRgb g : grounds)
                        worst = std::min(worst, contrast(p, g));
                }
            }
            const QImage disabled = icon.pixmap(QSize(side, side), ratio, QIcon::Disabled)
                                        .toImage()
                                        .convertToFormat(QImage::Format_ARGB32);
            int strongest = 0;
            for (int y = 0; y < disabled.height(); ++y)
                for (int x = 0; x < disabled.width(); ++x)
                    strongest = std::max(strongest, qAlpha(disabled.pixel(x, y)));
            const QString where = QStringLiteral("%1 at %2").arg(QLatin1String(name)).arg(side);
            if (inked < side * ratio)
                failures << where + QStringLiteral(": %1 inked pixels").arg(inked);
            if (worst < 3)
                failures << where + QStringLiteral(": ink contrast %1").arg(worst, 0, 'f', 2);
            if (strongest > 128)
                failures << where + QStringLiteral(": disabled alpha %1").arg(strongest);
        }
    }
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1String("; "))));
}

ORU_TEST_MAIN(TestDemoIcons)
#include "tst_demoicons.moc"
