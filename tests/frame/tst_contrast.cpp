// Every text the library draws must be readable in every skin: for each text
// a window paints, the contrast of its pen against the rendered pixels behind
// it reaches WCAG AA (4.5:1; 3:1 for bold text of 14 pt and more), and no
// glyph is cut by the widget that draws it.

#include <oruRibbonApplication.h>
#include <oruRibbonButtonMain.h>
#include <oruRibbonCatMenuAction.h>
#include <oruRibbonCatSimpleAction.h>
#include <oruRibbonCategoriesPanelAction.h>
#include <oruRibbonCategoryAction.h>
#include <oruRibbonChildWindow.h>
#include <oruRibbonContextualTabGroup.h>
#include <oruRibbonMainWindow.h>
#include <oruRibbonMenuAction.h>
#include <oruRibbonMenuBar.h>
#include <oruRibbonPalette.h>
#include <oruRibbonPanelMain.h>
#include <oruRibbonProgressAction.h>
#include <oruRibbonSimpleAction.h>
#include <oruRibbonStatusBar.h>
#include <oruRibbonStyle.h>

#include "oruPaintRecorder.h"
#include "oruTestApp.h"
#include "oruTestInput.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QStyleFactory>
#include <QToolTip>

#include <algorithm>
#include <cmath>

using namespace oru;
using oru::test::PaintOp;

namespace {

double luminance(QRgb rgb)
{
    const auto channel = [](int v) {
        const double c = v / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) +
           0.0722 * channel(qBlue(rgb));
}

double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

/// The contrast of @p pen against what lies behind a text in @p box: glyph
/// pixels are close to the pen, so the median pixel of the line box (where
/// glyphs cover well under half) is the background.
double textContrast(const QImage& image, const QRectF& box, QRgb pen)
{
    const QRect r = box.toAlignedRect().intersected(image.rect());
    QVector<double> ratios;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            ratios << contrast(image.pixel(x, y), pen);
    if (ratios.isEmpty())
        return 21.0;
    std::nth_element(ratios.begin(), ratios.begin() + ratios.size() / 2, ratios.end());
    return ratios.at(ratios.size() / 2);
}

} // namespace

class TestContrast : public QObject
{
    Q_OBJECT

private slots:
    void everyTextReadable_data();
    void everyTextReadable();
};

// The label QToolTip shows, a private class of Qt.
static QWidget* findToolTip()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->inherits("QTipLabel") && widget->isVisible())
            return widget;
    return nullptr;
}

void TestContrast::everyTextReadable_data()
{
    QTest::addColumn<QString>("skinName");
    QTest::addColumn<QString>("accent");
    QTest::addColumn<bool>("dark");
    for (const char* name : {"Blue", "Silver", "Black", "Modern Light", "Modern Dark"})
        QTest::newRow(name) << QString::fromLatin1(name) << QString() << false;
    // Skins of a host's accent: hard cases for the derivation.
    QTest::newRow("yellow on light")
        << QStringLiteral("Yellow") << QStringLiteral("#ffd800") << false;
    QTest::newRow("dark blue on dark")
        << QStringLiteral("Navy") << QStringLiteral("#0a1a5c") << true;
    QTest::newRow("lime on dark") << QStringLiteral("Lime") << QStringLiteral("#a6ff00") << true;
    QTest::newRow("white on light")
        << QStringLiteral("White") << QStringLiteral("#ffffff") << false;
}

void TestContrast::everyTextReadable()
{
    QFETCH(QString, skinName);
    QFETCH(QString, accent);
    QFETCH(bool, dark);
    RibbonApplication* app = RibbonApplication::theApp();
    if (!accent.isEmpty()) {
        RibbonPalette palette = dark ? RibbonPalette::modernDark() : RibbonPalette::modernLight();
        palette.setAccent(QColor::fromString(accent));
        QVERIFY(app->registerRibbonStyle(skinName, palette));
    }
    QVERIFY(app->setRibbonStyle(skinName));
    // Menus and tool tips in the skin's widget style, as a host shows them.
    app->setApplicationStyle(RibbonApplication::SkinnedStyle);

    // A docked pane's title band, as the help window's sidebar has.
    RibbonChildWindow pane(nullptr);
    pane.setWindowTitle(QStringLiteral("Outline"));
    pane.resize(200, 120);
    pane.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pane));

    // A window with what a host shows at once: a caption with a document
    // title, tabs with a contextual group, captioned groups on the page,
    // a status message and a running progress.
    RibbonMainWindow window;
    QLabel document(QStringLiteral("Document"));
    document.setAutoFillBackground(true);
    window.setCentralWidget(&document);
    window.setTitle(QStringLiteral("Untitled"));
    RibbonMenuBar& bar = *window.ribbonMenuBar();
    RibbonCategoriesPanelAction home(QStringLiteral("Home"), nullptr);
    RibbonCategoriesPanelAction insert(QStringLiteral("Insert"), nullptr);
    RibbonCategoriesPanelAction design(QStringLiteral("Design"), nullptr);
    RibbonCategoriesPanelAction layout(QStringLiteral("Layout"), nullptr);
    RibbonCategoryAction clipboard(QStringLiteral("Clipboard"), nullptr);
    RibbonCategoryAction editing(QStringLiteral("Editing"), nullptr);
    RibbonCatSimpleAction paste(QStringLiteral("Paste"), RibbonCatSimpleAction::Large, nullptr);
    RibbonCatSimpleAction cut(QStringLiteral("Cut"), RibbonCatSimpleAction::Medium, nullptr);
    RibbonCatSimpleAction find(QStringLiteral("Find"), RibbonCatSimpleAction::Large, nullptr);
    clipboard.addAction(&paste);
    clipboard.addAction(&cut);
    editing.addAction(&find);
    home.addCategory(&clipboard);
    home.addCategory(&editing);
    home.setChecked(true);
    for (RibbonCategoriesPanelAction* tab : {&home, &insert, &design, &layout})
        bar.addAction(tab);
    RibbonContextualTabGroup tools(QStringLiteral("Table Tools"), QColor(0xE0, 0x9A, 0x30));
    tools.addTab(&design);
    tools.addTab(&layout);
    bar.addContextualTabGroup(&tools);
    tools.show();
    RibbonProgressAction progress(0, 100, 40, QStringLiteral("Exporting"), nullptr);
    window.ribbonStatusBar()->addAction(&progress);
    RibbonCatMenuAction view(QString(), RibbonCatMenuAction::Button, RibbonCatMenuAction::Small,
                             RibbonCatMenuAction::Menu, nullptr);
    window.ribbonStatusBar()->addAction(&view);
    window.ribbonStatusBar()->showMessage(QStringLiteral("Ready"));
    window.resize(900, 420);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // Measured active: an inactive window's caption may recede, as on every
    // desktop.
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCoreApplication::processEvents();

    // The application menu with a command and a recent file.
    RibbonSimpleAction newCommand(QStringLiteral("New"), nullptr);
    RibbonSimpleAction recentFile(QStringLiteral("/home/ada/notes.txt"), nullptr);
    bar.mainMenuActions().addAction(&newCommand);
    bar.recentFilesActions().addAction(&recentFile);
    auto* mainButton = bar.findChild<RibbonButtonMain*>();
    QVERIFY(mainButton);
    test::mousePress(mainButton, QPoint(10, 10));
    QCoreApplication::sendPostedEvents();
    auto* appMenu = mainButton->findChild<RibbonPanelMain*>();
    QVERIFY(appMenu && appMenu->isVisible());

    QMenu menu(&window);
    menu.addAction(QStringLiteral("Copy"));
    menu.addAction(QStringLiteral("Wrap Lines"))->setCheckable(true);
    menu.addMenu(QStringLiteral("Zoom"))->addAction(QStringLiteral("100 %"));
    menu.popup(window.mapToGlobal(QPoint(100, 200)));
    QToolTip::showText(window.mapToGlobal(QPoint(400, 200)), QStringLiteral("Tip"), &window);
    QWidget* tip = nullptr;
    QTRY_VERIFY((tip = findToolTip()) != nullptr);

    const RibbonStyle& skin = *app->ribbonStyle();
    QStringList failures;
    QStringList measured;
    for (QWidget* scene : {static_cast<QWidget*>(&window), static_cast<QWidget*>(&pane),
                           static_cast<QWidget*>(&menu), tip, static_cast<QWidget*>(appMenu)}) {
        QImage image(scene->size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        scene->render(&image);
        test::PaintRecorder recorder(scene->size());
        scene->render(&recorder);
        // Arrows and other small symbols are graphics: 3:1 against what is
        // around them.
        for (const PaintOp& op : recorder.ops(PaintOp::Polygon)) {
            const QRectF box = op.polygon.boundingRect();
            const QColor ink = op.brush.color();
            if (op.brush.style() != Qt::SolidPattern || box.width() > 12 || box.height() > 12 ||
                ink == skin.disabledCategoryTextColor())
                continue;
            const double ratio = textContrast(image, box.adjusted(-3, -3, 3, 3), ink.rgb());
            if (ratio < 3.0)
                failures << QStringLiteral("symbol %1 at (%2,%3): %4:1")
                                .arg(ink.name())
                                .arg(box.x())
                                .arg(box.y())
                                .arg(ratio, 0, 'f', 2);
        }
        for (const PaintOp& op : recorder.ops(PaintOp::Text)) {
            const QColor pen = op.pen.color();
            // Disabled texts are exempt; so is the host's own document.
            if (op.text.trimmed().isEmpty() || pen == skin.disabledCategoryTextColor() ||
                op.text == document.text())
                continue;
            QRectF box = test::textBox(op);
            if (!op.clip.isNull())
                box = box.intersected(op.clip);
            if (box.width() < 2 || box.height() < 2)
                continue;
            measured << op.text;
            // Whole glyphs: no descender cut off by the widget that draws it.
            if (!op.clip.isNull() && !op.clip.adjusted(-1, -1, 1, 1).contains(test::inkBox(op)))
                failures << QStringLiteral("\"%1\" is cut").arg(op.text);
            const bool large = op.font.bold() && QFontInfo(op.font).pointSizeF() >= 14;
            const double ratio = textContrast(image, box, pen.rgb());
            if (ratio < (large ? 3.0 : 4.5))
                failures << QStringLiteral("\"%1\" %2 at (%3,%4): %5:1")
                                .arg(op.text, pen.name())
                                .arg(box.x())
                                .arg(box.y())
                                .arg(ratio, 0, 'f', 2);
        }
    }
    QToolTip::hideText();
    appMenu->hide();
    window.ribbonStatusBar()->removeAction(&progress);
    window.ribbonStatusBar()->removeAction(&view);
    window.setCentralWidget(nullptr);
    app->setRibbonStyle(RibbonApplication::Blue);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    for (const char* text :
         {"Untitled - ", "Home", "Table Tools", "Clipboard", "Paste", "Ready", "Exporting",
          "Outline", "Wrap Lines", "Zoom", "Tip", "Recent Files", "New"})
        QVERIFY2(measured.contains(QLatin1String(text)), text);
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QStringLiteral("; "))));
}

ORU_TEST_MAIN(TestContrast)
#include "tst_contrast.moc"
