// The library's translations: the .ts files are complete and match the
// sources, the application object loads the one for the system locale (this
// suite runs with a German system locale), the host can switch them off, and
// every text is looked up under the context a host's own translation uses.

#include <oruRibbonCategoriesPanelAction.h>
#include <oruRibbonCategoryAction.h>
#include <oruRibbonButtonMain.h>
#include <oruRibbonCatSimpleAction.h>
#include <oruRibbonColorPickerPopup.h>
#include <oruRibbonHelpWindow.h>
#include <oruRibbonMainWindow.h>
#include <oruRibbonMenuAction.h>
#include <oruRibbonMenuBar.h>
#include <oruRibbonOptionsDialog.h>
#include <oruRibbonPanelMain.h>
#include <oruRibbonPercAction.h>
#include <oruRibbonPercWidget.h>
#include <oruRibbonQuickAccessBar.h>
#include <oruRibbonRecentFiles.h>
#include <oruRibbonSimpleAction.h>
#include <oruRibbonStatusBar.h>

#include "oruPaintRecorder.h"
#include "oruTestApp.h"
#include "oruTestInput.h"

#include <QContextMenuEvent>
#include <QDir>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QSet>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>

using namespace oru;

namespace {

using Message = QPair<QString, QString>; // context, source text

struct TsFile
{
    QString language;
    QMap<Message, QString> translations;
    QStringList problems;
};

TsFile readTs(const QString& path)
{
    TsFile ts;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ts.problems << QStringLiteral("cannot read ") + path;
        return ts;
    }
    QXmlStreamReader xml(&file);
    QString context, source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("TS")) {
            ts.language = xml.attributes().value(QLatin1String("language")).toString();
        } else if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            const QString text = xml.readElementText();
            if (!type.isEmpty())
                ts.problems << QStringLiteral("%1/%2: %3").arg(context, source, type);
            else if (text.isEmpty())
                ts.problems << QStringLiteral("%1/%2: empty").arg(context, source);
            else if (text.count(QLatin1String("%1")) != source.count(QLatin1String("%1")))
                ts.problems << QStringLiteral("%1/%2: placeholder lost").arg(context, source);
            ts.translations.insert({context, source}, text);
        }
    }
    if (xml.hasError())
        ts.problems << xml.errorString();
    return ts;
}

// Remembers every lookup and translates nothing, so that the library's own
// translator still answers.
class RecordingTranslator : public QTranslator
{
public:
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        asked.insert({QString::fromUtf8(context), QString::fromUtf8(source)});
        return QString();
    }
    bool isEmpty() const override { return false; }
    mutable QSet<Message> asked;
};

// A main window with an application menu, a quick access bar, a status bar
// with the zoom control and a colour picker: every place that shows one of
// the library's own texts.
struct Host
{
    RibbonMainWindow window;
    RibbonMenuBar* bar = window.ribbonMenuBar();
    RibbonPercAction* zoom = new RibbonPercAction(10, 500, 100, &window);
    RibbonColorPickerPopup* picker = new RibbonColorPickerPopup(&window);

    Host()
    {
        bar->mainMenuActions().addAction(new RibbonSimpleAction(QStringLiteral("Open"), &window));
        bar->recentFilesActions().addAction(
            new RibbonSimpleAction(QStringLiteral("/tmp/a.txt"), &window));
        window.ribbonStatusBar()->addAction(zoom);
        picker->setNoneColorEnabled(true);
        picker->setAutomaticColorEnabled(true);
        window.resize(600, 300);
        window.show();
    }

    // The title painted by the application menu's recent-files column.
    QStringList menuTexts()
    {
        RibbonButtonMain* button = bar->findChild<RibbonButtonMain*>();
        oru::test::mousePress(button, QPoint(10, 10));
        QCoreApplication::sendPostedEvents();
        RibbonPanelMain* panel = button->findChild<RibbonPanelMain*>();
        if (!panel)
            return {};
        oru::test::PaintRecorder recorder;
        panel->recentFiles()->render(&recorder);
        panel->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return recorder.texts();
    }

    // The context menus of a command and of a plain quick access button,
    // and the drop-down with the bar above and below the ribbon.
    void customizeMenus()
    {
        RibbonQuickAccessBar* qab = bar->quickAccessBar();
        auto* plain = new RibbonSimpleAction(QStringLiteral("Plain"), &window);
        auto* command = new RibbonSimpleAction(QStringLiteral("Command"), &window);
        qab->addAction(plain);
        qab->addCommand(command);
        QCoreApplication::processEvents();
        for (QAction* action : {static_cast<QAction*>(plain), static_cast<QAction*>(command)}) {
            for (QObject* object : action->associatedObjects()) {
                if (auto* button = qobject_cast<QWidget*>(object)) {
                    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                            button->mapToGlobal(QPoint(5, 5)));
                    QApplication::sendEvent(button, &event);
                }
            }
        }
        delete qab->createCustomizeMenu(&window);
        bar->setQuickAccessBarBelow(true);
        delete qab->createCustomizeMenu(&window);
        qDeleteAll(bar->findChildren<QMenu*>());
        // The classic/simplified switch in both modes, and the row's "…".
        auto* tab = new RibbonCategoriesPanelAction(QStringLiteral("Tab"), &window);
        tab->addCategory(new RibbonCategoryAction(QStringLiteral("Group"), tab));
        bar->addAction(tab);
        bar->setSimplifiedToggleVisible(true);
        bar->setSimplified(true);
        bar->setSimplified(false);
    }

    QString zoomText() const
    {
        const auto* widget = window.findChild<RibbonPercWidget*>();
        return widget ? widget->text() : QString();
    }
};

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void tsFilesComplete();
    void systemLocaleIsGerman();
    void hostSwitch();
    void otherLanguages_data();
    void otherLanguages();
    void contextsMatchHostTranslations();
};

void TestTranslations::tsFilesComplete()
{
    // What the sources ask for today, extracted as the update target does.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString extracted = dir.filePath(QStringLiteral("extracted.ts"));
    QProcess lupdate;
    lupdate.start(QStringLiteral(LUPDATE_EXECUTABLE),
                  {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                   QStringLiteral(VAZAVE_SOURCE_DIR "/src"), QStringLiteral("-ts"), extracted});
    QVERIFY(lupdate.waitForFinished(60000));
    QCOMPARE(lupdate.exitCode(), 0);
    const QList<Message> wanted = readTs(extracted).translations.keys();
    QVERIFY(wanted.size() > 10);

    const QStringList files = QDir(QStringLiteral(VAZAVE_SOURCE_DIR "/translations"))
                                  .entryList({QStringLiteral("*.ts")}, QDir::Files, QDir::Name);
    QCOMPARE(files.size(), 6);
    for (const QString& name : files) {
        const TsFile ts = readTs(QStringLiteral(VAZAVE_SOURCE_DIR "/translations/") + name);
        QVERIFY2(ts.problems.isEmpty(), qPrintable(name + ": " + ts.problems.join(", ")));
        // vazavevurovi_de.ts holds de_DE, and so on.
        QVERIFY2(name.contains(QLatin1Char('_') + ts.language.left(2) + QLatin1Char('.')),
                 qPrintable(name + ": " + ts.language));
        QCOMPARE(ts.translations.keys(), wanted);
        // A translation identical to the English text is the exception
        // (OK, Index); most must differ.
        int same = 0;
        for (auto it = ts.translations.cbegin(); it != ts.translations.cend(); ++it)
            same += it.value() == it.key().second;
        // Colour names such as Orange or Indigo are the same in several languages.
        QVERIFY2(same * 5 <= ts.translations.size(), qPrintable(name));
    }
}

void TestTranslations::systemLocaleIsGerman()
{
    auto* app = RibbonApplication::theApp();
    QVERIFY(app->translationsEnabled());
    QCOMPARE(app->translationLocale().language(), QLocale::German);

    Host host;
    QVERIFY(host.menuTexts().contains(QStringLiteral("Zuletzt verwendete Dateien")));
    QCOMPARE(host.bar->quickAccessBar()->customizeAction()->text(),
             QStringLiteral("Symbolleiste für den Schnellzugriff anpassen"));
    QCOMPARE(host.picker->moreColorsAction()->text(), QStringLiteral("Weitere Farben..."));
    QCOMPARE(host.picker->noneAction()->text(), QStringLiteral("Keine"));
    QCOMPARE(host.picker->automaticAction()->text(), QStringLiteral("Automatisch"));
    QCOMPARE(host.zoomText(), QStringLiteral("100") + QChar(0xA0) + QLatin1Char('%'));
    host.zoom->setPercentage(150);
    QCOMPARE(host.zoomText(), QStringLiteral("150") + QChar(0xA0) + QLatin1Char('%'));

    RibbonOptionsDialog dialog(host.window);
    QVERIFY(dialog.windowTitle().endsWith(QStringLiteral(" Optionen:")));
    QStringList buttons;
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        buttons << button->text();
    QVERIFY2(buttons.contains(QStringLiteral("Abbrechen")), qPrintable(buttons.join(',')));
}

void TestTranslations::hostSwitch()
{
    auto* app = RibbonApplication::theApp();
    app->setTranslationsEnabled(false);
    QVERIFY(!app->translationsEnabled());
    {
        Host host;
        QVERIFY(host.menuTexts().contains(QStringLiteral("Recent Files")));
        QCOMPARE(host.picker->moreColorsAction()->text(), QStringLiteral("More colors..."));
        QCOMPARE(host.zoomText(), QStringLiteral("100 %"));
    }
    // While off, a locale is only remembered.
    QVERIFY(!app->loadTranslations(QLocale(QLocale::French)));
    QCOMPARE(RibbonColorPickerPopup(nullptr).moreColorsAction()->text(),
             QStringLiteral("More colors..."));
    app->setTranslationsEnabled(true);
    QCOMPARE(RibbonColorPickerPopup(nullptr).moreColorsAction()->text(),
             QStringLiteral("Autres couleurs..."));
    // A language the library does not ship leaves the English texts.
    QVERIFY(!app->loadTranslations(QLocale(QLocale::Japanese)));
    QCOMPARE(RibbonColorPickerPopup(nullptr).moreColorsAction()->text(),
             QStringLiteral("More colors..."));
    QVERIFY(app->loadTranslations(QLocale(QLocale::German, QLocale::Austria)));
    QCOMPARE(RibbonColorPickerPopup(nullptr).moreColorsAction()->text(),
             QStringLiteral("Weitere Farben..."));
}

void TestTranslations::otherLanguages_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("recentFiles");
    QTest::addColumn<QString>("moreColors");
    QTest::addColumn<QString>("cancel");
    QTest::addColumn<Qt::LayoutDirection>("direction");
    const auto row = [](const char* name, QLocale::Language language, const char* recentFiles,
                        const char* moreColors, const char* cancel,
                        Qt::LayoutDirection direction = Qt::LeftToRight) {
        QTest::newRow(name) << QLocale(language) << QString::fromUtf8(recentFiles)
                            << QString::fromUtf8(moreColors) << QString::fromUtf8(cancel)
                            << direction;
    };
    row("fr", QLocale::French, "Fichiers récents", "Autres couleurs...", "Annuler");
    row("es", QLocale::Spanish, "Archivos recientes", "Más colores...", "Cancelar");
    row("ru", QLocale::Russian, "Последние файлы", "Другие цвета...", "Отмена");
    // Arabic and Hebrew turn the application right to left by themselves.
    row("ar", QLocale::Arabic, "الملفات الأخيرة", "ألوان إضافية...", "إلغاء", Qt::RightToLeft);
    row("he", QLocale::Hebrew, "קבצים אחרונים", "צבעים נוספים...", "ביטול", Qt::RightToLeft);
}

// The texts of each shipped language, and its direction; loading German
// again turns the application back to left to right.
void TestTranslations::otherLanguages()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, recentFiles);
    QFETCH(QString, moreColors);
    QFETCH(QString, cancel);
    QFETCH(Qt::LayoutDirection, direction);
    auto* app = RibbonApplication::theApp();
    QVERIFY(app->loadTranslations(locale));
    QTRY_COMPARE(QGuiApplication::layoutDirection(), direction);
    {
        Host host;
        QCOMPARE(host.window.layoutDirection(), direction);
        QVERIFY(host.menuTexts().contains(recentFiles));
        QCOMPARE(host.picker->moreColorsAction()->text(), moreColors);
        RibbonOptionsDialog dialog(host.window);
        QStringList buttons;
        for (QPushButton* button : dialog.findChildren<QPushButton*>())
            buttons << button->text();
        QVERIFY2(buttons.contains(cancel), qPrintable(buttons.join(',')));
    }
    QVERIFY(app->loadTranslations(QLocale(QLocale::German)));
    QTRY_COMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
}

void TestTranslations::contextsMatchHostTranslations()
{
    // A host translates the library's texts under these contexts (the
    // accessible names have a context of their own and are not checked here).
    const QSet<Message> expected{
        {"QObject", "None"},
        {"QObject", "Automatic"},
        {"QObject", "Recent Files"},
        {"QObject", "Customize Quick Access Toolbar"},
        {"RibbonColorPickerPopup", "More colors..."},
        {"RibbonPercWidget", "%1 %"},
        {"RibbonOptionsDialog", "Options:"},
        {"RibbonOptionsDialog", "Ok"},
        {"RibbonOptionsDialog", "Cancel"},
        {"RibbonHelpWindow", "Back"},
        {"RibbonHelpWindow", "Forward"},
        {"RibbonHelpWindow", "Home"},
        {"RibbonHelpWindow::SideBar", "Sidebar"},
        {"RibbonHelpWindow::SideBar", "Contents"},
        {"RibbonHelpWindow::SideBar", "Index"},
        {"RibbonHelpWindow::SideBar", "Search"},
        {"RibbonQuickAccessBar", "Add to Quick Access Toolbar"},
        {"RibbonQuickAccessBar", "Remove from Quick Access Toolbar"},
        {"RibbonQuickAccessBar", "Show Quick Access Toolbar below the Ribbon"},
        {"RibbonQuickAccessBar", "Show Quick Access Toolbar above the Ribbon"},
        {"RibbonQuickAccessBar", "Minimize the Ribbon"},
        {"RibbonQuickAccessBar", "More Commands"},
        {"RibbonQuickAccessBar", "Simplified Ribbon"},
        {"RibbonSimplifiedRow", "More Commands"},
        {"RibbonSimplifiedRow", "Simplified Ribbon"},
        {"RibbonSimplifiedRow", "Classic Ribbon"},
    };
    RecordingTranslator recorder;
    QCoreApplication::installTranslator(&recorder);
    {
        Host host;
        host.menuTexts();
        host.customizeMenus();
        RibbonOptionsDialog dialog(host.window);
        QTemporaryDir dir;
        RibbonHelpWindow help(dir.filePath(QStringLiteral("none.qhc")));
        help.showHelp(QUrl(QStringLiteral("qthelp://none/doc/index.html")));
    }
    QCoreApplication::removeTranslator(&recorder);
    QSet<Message> asked;
    for (const Message& m : std::as_const(recorder.asked))
        if ((m.first.startsWith(QLatin1String("Ribbon")) &&
             m.first != QLatin1String("RibbonAccessible")) ||
            m.first == QLatin1String("QObject"))
            asked.insert(m);
    QSet<Message> missing = expected;
    missing.subtract(asked);
    QStringList missed;
    for (const Message& m : std::as_const(missing))
        missed << m.first + QLatin1Char('/') + m.second;
    QVERIFY2(missing.isEmpty(), qPrintable(missed.join(QLatin1String(", "))));
    // No lookup under a namespaced class name, which a host's .ts would miss.
    for (const Message& m : std::as_const(recorder.asked))
        QVERIFY2(!m.first.startsWith(QLatin1String("oru::")), qPrintable(m.first));
    // Every extracted text is asked for at run time under the same context.
    const TsFile german =
        readTs(QStringLiteral(VAZAVE_SOURCE_DIR "/translations/vazavevurovi_de.ts"));
    for (const Message& m : german.translations.keys())
        QVERIFY2(expected.contains(m) || m.first == QLatin1String("RibbonAccessible") ||
                     m.first == QLatin1String("QGuiApplication"), // asked by Qt itself
                 qPrintable(m.first + "/" + m.second));
}

int main(int argc, char** argv)
{
    // The system locale as a German user's session sets it.
    qputenv("LANGUAGE", "de_DE");
    qputenv("LC_ALL", "de_DE.UTF-8");
    qputenv("LANG", "de_DE.UTF-8");
    class App : public RibbonApplication
    {
    public:
        App(int& argc, char** argv) : RibbonApplication(argc, argv)
        {
            setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
            setFont(oru::test::TestApplication::testFont());
        }
        bool initInstance() override { return true; }
    } app(argc, argv);
    TestTranslations tc;
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_translations.moc"
