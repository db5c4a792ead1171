// Every text the library draws must be readable in every skin: for each text
// a window paints, the contrast of its pen against the rendered pixels behind
// it reaches WCAG AA (4.5:1; 3:1 for bold text of 14 pt and more), and no
// glyph is cut by the widget that draws it. The library's auxiliary windows
// (options dialog with a host page, help window, colour picker, view popup)
// are measured too, and follow a skin switch without touching the host's
// palettes.

#include <oruRibbonApplication.h>
#include <oruRibbonButtonMain.h>
#include <oruRibbonCatMenuAction.h>
#include <oruRibbonCatSimpleAction.h>
#include <oruRibbonCategoriesPanelAction.h>
#include <oruRibbonCategoryAction.h>
#include <oruRibbonChildWindow.h>
#include <oruRibbonColorPickerPopup.h>
#include <oruRibbonContextualTabGroup.h>
#include <oruRibbonHelpWindow.h>
#include <oruRibbonMainWindow.h>
#include <oruRibbonMenuAction.h>
#include <oruRibbonMenuBar.h>
#include <oruRibbonOptionsDialog.h>
#include <oruRibbonPalette.h>
#include <oruRibbonPanelMain.h>
#include <oruRibbonProgressAction.h>
#include <oruRibbonSimpleAction.h>
#include <oruRibbonStatusBar.h>
#include <oruRibbonStyle.h>
#include <oruRibbonViewPopup.h>

#include "oruPaintRecorder.h"
#include "oruTestApp.h"
#include "oruTestContrast.h"
#include "oruTestInput.h"

#include <QActionGroup>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>

using namespace oru;
using oru::test::PaintOp;

using oru::test::contrast;
using oru::test::luminance;

namespace {

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

// A host's options page: a label and a line edit, in the dialog's colours.
class HostPage : public RibbonOptionsPage
{
public:
    explicit HostPage(RibbonOptionsDialog& dialog) : RibbonOptionsPage(dialog)
    {
        setWindowTitle(QStringLiteral("General"));
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(new QLabel(QStringLiteral("Author name"), this));
        layout->addWidget(edit = new QLineEdit(QStringLiteral("Ada Lovelace"), this));
    }
    QLineEdit* edit = nullptr;

protected:
    void accept() override {}
    void reject() override {}
};

// The library's auxiliary windows as a host opens them. The help page
// brings colours of its own, picked for a light page.
struct AuxWindows
{
    explicit AuxWindows(RibbonMainWindow& main)
        : dialog(main), page(new HostPage(dialog)),
          help(helpDir.filePath(QStringLiteral("empty.qhc"))), picker(nullptr),
          larger(QStringLiteral("Larger text"), nullptr), tile(QStringLiteral("Page"), nullptr),
          tiles(nullptr), view({&larger}, {}, &tiles, nullptr)
    {
        dialog.addOptionsPage(page);
        help.findChild<QTextBrowser*>()->setHtml(QStringLiteral(
            "<h1 style='color:#2a5a9a'>Help topics</h1><p style='color:#1d2a3a'>Body text "
            "<a href='x.htm'>a link</a></p>"));
        picker.setAutomaticColorEnabled(true);
        picker.setAutomaticColor(Qt::black);
        tiles.addAction(&tile);
    }
    QList<QWidget*> windows() { return {&dialog, &help, &picker, &view}; }

    QTemporaryDir helpDir;
    RibbonOptionsDialog dialog;
    HostPage* page;
    RibbonHelpWindow help;
    RibbonColorPickerPopup picker;
    RibbonSimpleAction larger, tile;
    QActionGroup tiles;
    RibbonViewPopup view;
};

} // namespace

class TestContrast : public QObject
{
    Q_OBJECT

private slots:
    void everyTextReadable_data();
    void everyTextReadable();
    void auxiliaryWindowsFollowSkin_data();
    void auxiliaryWindowsFollowSkin();
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

    AuxWindows aux(window);
    for (QWidget* auxWindow : aux.windows()) {
        auxWindow->resize(auxWindow->sizeHint().expandedTo(QSize(300, 200)));
        if (auxWindow->layout())
            auxWindow->layout()->activate();
    }
    QCoreApplication::processEvents(); // the help page is fitted to the skin

    const RibbonStyle& skin = *app->ribbonStyle();
    QStringList failures;
    QStringList measured;
    QList<QWidget*> scenes = {&window, &pane, &menu, tip, appMenu};
    scenes << aux.windows();
    for (QWidget* scene : std::as_const(scenes)) {
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
            measured << op.text.trimmed();
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
         {"Untitled -", "Home", "Table Tools", "Clipboard", "Paste", "Ready", "Exporting",
          "Outline", "Wrap Lines", "Zoom", "Tip", "Recent Files", "New", "General",
          "Author name", "Ada Lovelace", "Cancel", "Sidebar", "Contents", "Help topics",
          "Body text", "a link", "Automatic", "More colors...", "Larger text"})
        QVERIFY2(measured.contains(QLatin1String(text)), text);
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QStringLiteral("; "))));
}

void TestContrast::auxiliaryWindowsFollowSkin_data()
{
    QTest::addColumn<QString>("dark");
    QTest::addColumn<QString>("light");
    QTest::newRow("modern dark, blue") << QStringLiteral("Modern Dark") << QStringLiteral("Blue");
    QTest::newRow("dark accent, modern light")
        << QStringLiteral("Lime") << QStringLiteral("Modern Light");
}

void TestContrast::auxiliaryWindowsFollowSkin()
{
    QFETCH(QString, dark);
    QFETCH(QString, light);
    RibbonApplication* app = RibbonApplication::theApp();
    RibbonPalette lime = RibbonPalette::modernDark();
    lime.setAccent(QColor(0xA6, 0xFF, 0x00));
    QVERIFY(app->registerRibbonStyle(QStringLiteral("Lime"), lime));
    QVERIFY(app->setRibbonStyle(light));
    const QPalette hostPalette = QApplication::palette();
    RibbonMainWindow main;
    QLineEdit outside; // a host widget outside the library's windows
    AuxWindows aux(main);
    QCoreApplication::processEvents();
    QTextBrowser* browser = aux.help.findChild<QTextBrowser*>();
    const auto palettes = [&] {
        QList<QPalette> all;
        for (QWidget* window : aux.windows())
            all << window->palette();
        return all << aux.page->palette() << aux.page->edit->palette() << outside.palette();
    };
    const QList<QPalette> lightPalettes = palettes();
    const QString lightPage = browser->toHtml();
    // A colour off the grid shows as a swatch on "More colors...", drawn on
    // the popup's button colour: it is redrawn with the skin.
    aux.picker.selectColor(QColor(1, 2, 3));
    const auto swatchGround = [&] {
        return aux.picker.moreColorsAction()->icon().pixmap(16).toImage().pixel(0, 0);
    };
    QCOMPARE(swatchGround(), aux.picker.palette().color(QPalette::Button).rgb());

    QVERIFY(app->setRibbonStyle(dark));
    QCoreApplication::processEvents();
    for (QWidget* window : aux.windows())
        QVERIFY2(luminance(window->palette().color(QPalette::Window).rgb()) < 0.1,
                 window->metaObject()->className());
    // The host's page inherits the dialog's colours; its other widgets and
    // the application keep theirs.
    QCOMPARE(aux.page->edit->palette().color(QPalette::Base),
             aux.dialog.palette().color(QPalette::Base));
    QCOMPARE(aux.page->edit->palette().color(QPalette::Text),
             aux.dialog.palette().color(QPalette::Text));
    QVERIFY(browser->toHtml() != lightPage); // the page's own dark heading lightened
    QCOMPARE(swatchGround(), aux.picker.palette().color(QPalette::Button).rgb());
    QVERIFY(swatchGround() != lightPalettes.at(2).color(QPalette::Button).rgb());
    QCOMPARE(palettes().mid(6), lightPalettes.mid(6));
    QCOMPARE(QApplication::palette(), hostPalette);

    QVERIFY(app->setRibbonStyle(light));
    QCoreApplication::processEvents();
    QVERIFY(palettes() == lightPalettes);
    QCOMPARE(browser->toHtml(), lightPage);
    QCOMPARE(QApplication::palette(), hostPalette);
    app->setRibbonStyle(RibbonApplication::Blue);
}

ORU_TEST_MAIN(TestContrast)
#include "tst_contrast.moc"
