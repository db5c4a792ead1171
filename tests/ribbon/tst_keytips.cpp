#include <oruRibbonButtonMain.h>
#include <oruRibbonCatActionGroup.h>
#include <oruRibbonCatComboAction.h>
#include <oruRibbonCatMenuAction.h>
#include <oruRibbonCatSimpleAction.h>
#include <oruRibbonCategoriesPanelAction.h>
#include <oruRibbonCategoryAction.h>
#include <oruRibbonCategoryPanel.h>
#include <oruRibbonCategoryPanels.h>
#include <oruRibbonCategoryWrapper.h>
#include <oruRibbonKeyTips_p.h>
#include <oruRibbonMainMenuMenuButton.h>
#include <oruRibbonMainWindow.h>
#include <oruRibbonMenuAction.h>
#include <oruRibbonMenuBar.h>
#include <oruRibbonPanelMain.h>
#include <oruRibbonQuickAccessBar.h>

#include "oruPaintRecorder.h"
#include "oruTestApp.h"

#include <QActionGroup>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>

#include <memory>
#include <vector>

using namespace oru;

namespace {

using Commands = std::vector<std::unique_ptr<RibbonCatSimpleAction>>;

// A host window: "Home" with a clipboard group (an explicit tip, a mnemonic
// and plain names), a formatting group with a button strip and a combo box,
// and a wide group that collapses first; "Insert" with two-letter tips that
// share their first letter; "Crowded" with forty small commands.
struct Host
{
    RibbonMainWindow window;
    RibbonMenuBar& bar = *window.ribbonMenuBar();
    QLabel central;
    RibbonCategoriesPanelAction home{QStringLiteral("&Home"), nullptr};
    RibbonCategoriesPanelAction insert{QStringLiteral("Insert"), nullptr};
    RibbonCategoriesPanelAction crowded{QStringLiteral("Crowded"), nullptr};
    RibbonCategoryAction clipboard{QStringLiteral("Clipboard"), nullptr};
    RibbonCategoryAction format{QStringLiteral("Format"), nullptr};
    RibbonCategoryAction wide{QStringLiteral("Wide"), nullptr};
    RibbonCategoryAction objects{QStringLiteral("Objects"), nullptr};
    RibbonCategoryAction many{QStringLiteral("Many"), nullptr};
    RibbonCatSimpleAction paste{QStringLiteral("Paste"), RibbonCatSimpleAction::Large, nullptr};
    RibbonCatSimpleAction cut{QStringLiteral("Cu&t"), RibbonCatSimpleAction::Medium, nullptr};
    RibbonCatSimpleAction copy{QStringLiteral("Copy"), RibbonCatSimpleAction::Medium, nullptr};
    RibbonCatSimpleAction painter{QStringLiteral("Format Painter"), RibbonCatSimpleAction::Medium,
                                  nullptr};
    RibbonCatActionGroup strip{nullptr};
    RibbonCatSimpleAction bold{QStringLiteral("Bold"), RibbonCatSimpleAction::Small, nullptr};
    RibbonCatSimpleAction italic{QStringLiteral("Italic"), RibbonCatSimpleAction::Small, nullptr};
    RibbonCatComboAction style{nullptr};
    RibbonCatSimpleAction picture{QStringLiteral("Picture"), RibbonCatSimpleAction::Large, nullptr};
    RibbonCatSimpleAction photo{QStringLiteral("Photo"), RibbonCatSimpleAction::Large, nullptr};
    Commands wideCommands;
    Commands crowdedCommands;

    explicit Host(int width = 1200)
    {
        paste.setKeyTip(QStringLiteral("v"));
        home.setKeyTip(QStringLiteral("H"));
        picture.setKeyTip(QStringLiteral("PI"));
        photo.setKeyTip(QStringLiteral("PH"));
        clipboard.addAction(&paste);
        clipboard.addAction(&cut);
        clipboard.addAction(&copy);
        clipboard.addAction(&painter);
        strip.addAction(&bold);
        strip.addAction(&italic);
        format.addAction(&strip);
        style.addItem(QStringLiteral("Normal"));
        style.addItem(QStringLiteral("Heading"));
        format.addAction(&style);
        for (int i = 0; i < 6; ++i) {
            wideCommands.push_back(std::make_unique<RibbonCatSimpleAction>(
                QStringLiteral("Wide %1").arg(i), RibbonCatSimpleAction::Large, nullptr));
            wide.addAction(wideCommands.back().get());
        }
        objects.addAction(&picture);
        objects.addAction(&photo);
        for (int i = 0; i < 40; ++i) {
            crowdedCommands.push_back(std::make_unique<RibbonCatSimpleAction>(
                QStringLiteral("Item %1").arg(i), RibbonCatSimpleAction::Small, nullptr));
            many.addAction(crowdedCommands.back().get());
        }
        home.addCategory(&clipboard);
        home.addCategory(&format);
        home.addCategory(&wide);
        insert.addCategory(&objects);
        crowded.addCategory(&many);
        bar.addAction(&home);
        bar.addAction(&insert);
        bar.addAction(&crowded);
        home.setChecked(true);
        bar.quickAccessBar()->addCommand(&copy);
        bar.quickAccessBar()->addCommand(&cut);
        window.setCentralWidget(&central);
        window.setGeometry(50, 50, width, 500);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCoreApplication::processEvents();
    }
    ~Host() { window.setCentralWidget(nullptr); }

    RibbonKeyTips& tips() const { return *bar.findChild<RibbonKeyTips*>(); }

    const RibbonKeyTip* tipOf(const QAction* action) const
    {
        for (const RibbonKeyTip& tip : tips().tips())
            if (tip.action == action)
                return &tip;
        return nullptr;
    }
    QString lettersOf(const QAction* action) const
    {
        const RibbonKeyTip* tip = tipOf(action);
        return tip ? tip->tip : QString();
    }

    // Keys go where the keyboard is: the popup of a group while it shows,
    // the main window otherwise.
    QWidget* keyTarget() const
    {
        if (QWidget* popup = QApplication::activePopupWidget())
            return popup;
        if (QWidget* overlay = tips().overlay())
            return overlay->window();
        return const_cast<RibbonMainWindow*>(&window);
    }
    void pressAlt() const
    {
        QWidget* target = keyTarget();
        QTest::keyPress(target, Qt::Key_Alt, Qt::AltModifier);
        QTest::keyRelease(target, Qt::Key_Alt, Qt::NoModifier);
    }
    void type(const QString& letters) const
    {
        for (const QChar c : letters)
            QTest::keyClick(keyTarget(), c.toLatin1());
    }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const
    {
        QTest::keyClick(keyTarget(), key, modifiers);
    }
};

// No badge equals or begins another.
void checkPrefixFree(const QStringList& tips)
{
    for (int i = 0; i < tips.size(); ++i)
        for (int j = 0; j < tips.size(); ++j)
            if (i != j && !tips.at(i).isEmpty() && !tips.at(j).isEmpty())
                QVERIFY2(!tips.at(j).startsWith(tips.at(i)),
                         qPrintable(tips.at(i) + QLatin1Char('/') + tips.at(j)));
}

// No badge covers the first letters of a text its own control paints (as
// recorded, children left out: a popup's overlay is its child). Returns how
// many texts were looked at.
int checkBadgesClearOfText(const RibbonKeyTips& tips)
{
    int checked = 0;
    for (const RibbonKeyTip& tip : tips.tips()) {
        if (!tip.widget)
            continue;
        test::PaintRecorder recorder(tip.widget->size());
        tip.widget->render(&recorder, QPoint(), QRegion(), QWidget::DrawWindowBackground);
        const QPoint offset = tip.frame.topLeft() - tip.area.topLeft();
        for (const test::PaintOp& op : recorder.ops(test::PaintOp::Text)) {
            const QRectF first =
                QFontMetricsF(op.font).tightBoundingRect(op.text.left(2)).translated(op.position);
            if (first.isEmpty() || !QRectF(tip.area).intersects(first))
                continue; // another cell's text
            ++checked;
            if (QRectF(tip.badge).intersects(first.translated(offset))) {
                qWarning() << tip.tip << tip.badge << "covers" << op.text << first.translated(offset);
                return -1;
            }
        }
    }
    return checked;
}

} // namespace

class tst_KeyTips : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { qApp->setLayoutDirection(Qt::LeftToRight); }
    void letters();
    void placement();
    void altShowsAndHidesTheTopLevel();
    void tabThenCommandTriggersOnce();
    void collapsedGroupOpensItsPopupLevel();
    void twoLetterTipsAndPrefixTyping();
    void badgesOfACrowdedPageDoNotOverlap();
    void disabledControlsAndEditors();
    void arrowKeysMoveAmongTheControls();
    void applicationMenuLevels();
    void dropDownMenuLevels();
    void clicksAndDeletionsEndTheTips();
    void quickAccessChevron();
};

void tst_KeyTips::letters()
{
    using keytips::Request;
    // Explicit first, then mnemonics, then initials, then any free letter.
    QStringList got = keytips::assign({{QString(), QStringLiteral("Paste")},
                                       {QStringLiteral("P"), QStringLiteral("Print")},
                                       {QString(), QStringLiteral("Cu&t")},
                                       {QString(), QStringLiteral("Copy")},
                                       {QString(), QStringLiteral("Cut Copy")}});
    QCOMPARE(got, QStringList({QStringLiteral("A"), QStringLiteral("P"), QStringLiteral("T"),
                               QStringLiteral("C"), QStringLiteral("U")}));

    // A duplicate explicit tip and one that begins another are given up for
    // letters of their own; "&&" is no mnemonic.
    got = keytips::assign({{QStringLiteral("FP"), QStringLiteral("Format Painter")},
                           {QStringLiteral("FP"), QStringLiteral("Fill")},
                           {QStringLiteral("F"), QStringLiteral("Font")},
                           {QString(), QStringLiteral("R&&D")}});
    QCOMPARE(got.at(0), QStringLiteral("FP"));
    QVERIFY(got.at(1) != QLatin1String("FP") && !got.at(1).isEmpty());
    QVERIFY(got.at(2) != QLatin1String("F"));
    QCOMPARE(got.at(3), QStringLiteral("R"));
    checkPrefixFree(got);

    // More controls than letters: two letters, never a single letter that
    // begins one of them, and the same letters on every run.
    QList<Request> crowd;
    for (int i = 0; i < 120; ++i)
        crowd.append(
            {QString(), i % 3 ? QStringLiteral("Item") : QStringLiteral("Zoom %1").arg(i)});
    crowd.append({QString(), QString()}); // no text at all
    got = keytips::assign(crowd);
    QCOMPARE(got.size(), crowd.size());
    QVERIFY(!got.contains(QString()));
    QCOMPARE(got.removeDuplicates(), 0);
    checkPrefixFree(got);
    QCOMPARE(keytips::assign(crowd), got);
    QVERIFY(std::all_of(got.cbegin(), got.cend(), [](const QString& t) { return t.size() <= 2; }));

    QCOMPARE(keytips::mnemonic(QStringLiteral("&Home")), QStringLiteral("H"));
    QCOMPARE(keytips::mnemonic(QStringLiteral("Save &as")), QStringLiteral("A"));
    QCOMPARE(keytips::mnemonic(QStringLiteral("A && B")), QString());
    QCOMPARE(keytips::mnemonic(QStringLiteral("trailing&")), QString());

    // The host's letters are normalised on the action.
    RibbonCatSimpleAction action(QStringLiteral("x"), RibbonCatSimpleAction::Large, nullptr);
    action.setKeyTip(QStringLiteral("f p!q9"));
    QCOMPARE(action.keyTip(), QStringLiteral("FPQ"));
    action.setKeyTip(QString());
    QCOMPARE(action.keyTip(), QString());
}

void tst_KeyTips::placement()
{
    // Ten badges wanted at one place, one leaving the bounds.
    const QRect bounds(0, 0, 200, 60);
    QList<QRect> wanted;
    for (int i = 0; i < 10; ++i)
        wanted.append(QRect(90, 20, 20, 16));
    wanted.append(QRect(195, 55, 20, 16));
    const QList<QRect> placed = keytips::place(wanted, bounds);
    QCOMPARE(placed.size(), wanted.size());
    QCOMPARE(placed.first(), wanted.first()); // the first keeps its place
    for (int i = 0; i < placed.size(); ++i) {
        QVERIFY(bounds.contains(placed.at(i)));
        QCOMPARE(placed.at(i).size(), wanted.at(i).size());
        for (int j = i + 1; j < placed.size(); ++j)
            QVERIFY2(!placed.at(i).intersects(placed.at(j)), qPrintable(QString::number(j)));
    }
    // The second is moved by the least that frees it: one badge height.
    const QPoint moved = placed.at(1).topLeft() - wanted.at(1).topLeft();
    QVERIFY(moved.manhattanLength() <= 20);
}

void tst_KeyTips::altShowsAndHidesTheTopLevel()
{
    Host host;
    QSignalSpy visible(&host.bar, &RibbonMenuBar::keyTipsVisibleChanged);
    QVERIFY(!host.bar.keyTipsVisible());

    host.pressAlt();
    QVERIFY(host.bar.keyTipsVisible());
    QCOMPARE(host.tips().level(), RibbonKeyTips::Top);
    QCOMPARE(visible.count(), 1);
    QCOMPARE(visible.at(0).at(0).toBool(), true);

    // The application button, the numbered quick access commands, the tabs.
    const QList<RibbonKeyTip>& tips = host.tips().tips();
    QCOMPARE(tips.first().tip, QStringLiteral("F"));
    QCOMPARE(tips.first().widget.data(), static_cast<QWidget*>(host.bar.mainButton()));
    QCOMPARE(host.lettersOf(&host.copy), QStringLiteral("1"));
    QCOMPARE(host.lettersOf(&host.cut), QStringLiteral("2"));
    QCOMPARE(host.lettersOf(&host.home), QStringLiteral("H"));
    QCOMPARE(host.lettersOf(&host.insert), QStringLiteral("I"));
    QCOMPARE(host.lettersOf(&host.crowded), QStringLiteral("C"));
    // Each badge below its tab, horizontally centred on it.
    const RibbonKeyTip* insertTip = host.tipOf(&host.insert);
    QVERIFY(insertTip->badge.top() > insertTip->frame.center().y());
    QVERIFY(qAbs(insertTip->badge.center().x() - insertTip->frame.center().x()) <= 1);
    QCOMPARE(host.tips().overlay()->window(), static_cast<QWidget*>(&host.window));
    QVERIFY(host.tips().overlay()->isVisible());

    // Typed letters do not reach the host's shortcuts.
    QAction shortcut(QStringLiteral("Quit"), &host.window);
    shortcut.setShortcut(QKeySequence(QStringLiteral("Q")));
    host.window.addAction(&shortcut);
    QSignalSpy quit(&shortcut, &QAction::triggered);
    host.type(QStringLiteral("Q"));
    QCOMPARE(quit.count(), 0);
    QVERIFY(host.bar.keyTipsVisible());

    host.pressAlt();
    QVERIFY(!host.bar.keyTipsVisible());
    QVERIFY(!host.tips().overlay());
    QCOMPARE(visible.count(), 2);

    // F10 does the same; Alt used with another key is no key-tip Alt.
    host.key(Qt::Key_F10);
    QVERIFY(host.bar.keyTipsVisible());
    host.key(Qt::Key_F10);
    QVERIFY(!host.bar.keyTipsVisible());
    QTest::keyPress(&host.window, Qt::Key_Alt, Qt::AltModifier);
    QTest::keyClick(&host.window, Qt::Key_X, Qt::AltModifier);
    QTest::keyRelease(&host.window, Qt::Key_Alt, Qt::NoModifier);
    QVERIFY(!host.bar.keyTipsVisible());

    // Esc on the top level ends them too; the API shows and hides them.
    host.bar.showKeyTips();
    QVERIFY(host.bar.keyTipsVisible());
    host.key(Qt::Key_Escape);
    QVERIFY(!host.bar.keyTipsVisible());
    host.bar.setMainButtonKeyTip(QStringLiteral("a!"));
    QCOMPARE(host.bar.mainButtonKeyTip(), QStringLiteral("A"));
    host.bar.showKeyTips();
    QCOMPARE(host.tips().tips().first().tip, QStringLiteral("A"));
    host.bar.hideKeyTips();
    QVERIFY(!host.bar.keyTipsVisible());
}

void tst_KeyTips::tabThenCommandTriggersOnce()
{
    Host host;
    host.insert.setChecked(true);
    host.pressAlt();
    host.type(QStringLiteral("H"));
    QVERIFY(host.home.isChecked());
    QCOMPARE(host.tips().level(), RibbonKeyTips::Page);

    // The page's controls: the explicit "V" of Paste, the mnemonic of Cut,
    // the strip's members and the combo box.
    QCOMPARE(host.lettersOf(&host.paste), QStringLiteral("V"));
    QCOMPARE(host.lettersOf(&host.cut), QStringLiteral("T"));
    QVERIFY(!host.lettersOf(&host.bold).isEmpty());
    QVERIFY(!host.lettersOf(&host.italic).isEmpty());
    QVERIFY(host.tipOf(&host.style));
    QCOMPARE(host.tipOf(&host.style)->kind, RibbonKeyTip::Focus);
    QStringList all;
    for (const RibbonKeyTip& tip : host.tips().tips())
        all.append(tip.tip);
    checkPrefixFree(all);
    // A large control's badge is centred on its bottom edge; a medium
    // one's stands at its left end.
    const RibbonKeyTip* pasteTip = host.tipOf(&host.paste);
    QVERIFY(qAbs(pasteTip->badge.center().x() - pasteTip->frame.center().x()) <= 1);
    QVERIFY(
        pasteTip->badge.contains(QPoint(pasteTip->frame.center().x(), pasteTip->frame.bottom())));
    const RibbonKeyTip* copyTip = host.tipOf(&host.copy);
    QVERIFY(qAbs(copyTip->badge.left() - copyTip->frame.left()) <= 4);
    QVERIFY(copyTip->badge.top() > copyTip->frame.center().y());
    // The labels, the large one's, the combo box's value: none under a badge.
    QVERIFY(checkBadgesClearOfText(host.tips()) >= 5);
    // Right to left every badge of the page stands at the mirrored place.
    QHash<QString, QRect> ltr;
    for (const RibbonKeyTip& tip : host.tips().tips())
        ltr.insert(tip.tip, tip.badge);
    host.bar.hideKeyTips();
    qApp->setLayoutDirection(Qt::RightToLeft);
    QCoreApplication::processEvents();
    host.pressAlt();
    host.type(QStringLiteral("H"));
    const int w = host.window.width();
    for (const RibbonKeyTip& tip : host.tips().tips()) {
        QVERIFY(ltr.contains(tip.tip));
        const QRect r = ltr.value(tip.tip);
        QVERIFY2(tip.badge == QRect(w - r.x() - r.width(), r.y(), r.width(), r.height()),
                 qPrintable(tip.tip + QLatin1Char(' ') + tip.widget->metaObject()->className()));
    }
    QVERIFY(checkBadgesClearOfText(host.tips()) >= 5);
    host.bar.hideKeyTips();
    qApp->setLayoutDirection(Qt::LeftToRight);
    QCoreApplication::processEvents();
    host.pressAlt();
    host.type(QStringLiteral("H"));

    // The shared command is shown twice (page and quick access bar) and
    // still fires once.
    QSignalSpy copied(&host.copy, &QAction::triggered);
    host.type(host.lettersOf(&host.copy));
    QCOMPARE(copied.count(), 1);
    QVERIFY(!host.bar.keyTipsVisible());

    // A strip member is used by its own letters.
    QSignalSpy italic(&host.italic, &QAction::triggered);
    host.pressAlt();
    host.type(QStringLiteral("H"));
    host.type(host.lettersOf(&host.italic));
    QCOMPARE(italic.count(), 1);

    // A quick access command from the top level.
    QSignalSpy cut(&host.cut, &QAction::triggered);
    host.pressAlt();
    host.type(QStringLiteral("2"));
    QCOMPARE(cut.count(), 1);
    QCOMPARE(copied.count(), 1);
}

void tst_KeyTips::collapsedGroupOpensItsPopupLevel()
{
    Host host(480);
    // Enough commands that the page needs two-letter tips while every group
    // is open, and fewer once one collapses.
    Commands more;
    for (int i = 0; i < 20; ++i) {
        more.push_back(std::make_unique<RibbonCatSimpleAction>(
            QStringLiteral("Next %1").arg(i), RibbonCatSimpleAction::Small, nullptr));
        host.clipboard.addAction(more.back().get());
    }
    QCoreApplication::processEvents();
    RibbonCategoryPanel* page = host.bar.panels()->page(&host.home);
    RibbonCategoryWrapper* wide = page->wrapper(&host.wide);
    QVERIFY(wide->isColapsed());

    host.pressAlt();
    host.type(QStringLiteral("H"));
    const QString groupLetters = host.lettersOf(&host.wide);
    QVERIFY(!groupLetters.isEmpty());
    QVERIFY(!host.tipOf(host.wideCommands.front().get())); // inside the collapsed group
    host.type(groupLetters);
    QVERIFY(wide->popup());
    QCOMPARE(host.tips().level(), RibbonKeyTips::Popup);
    QCOMPARE(host.tips().overlay()->window(), static_cast<QWidget*>(wide->popup()));

    // Esc closes the popup and goes back to the page, then to the top.
    host.key(Qt::Key_Escape);
    QTRY_VERIFY(!wide->popup());
    QCOMPARE(host.tips().level(), RibbonKeyTips::Page);
    host.key(Qt::Key_Escape);
    QCOMPARE(host.tips().level(), RibbonKeyTips::Top);
    host.key(Qt::Key_Escape);
    QVERIFY(!host.bar.keyTipsVisible());

    // Inside the popup the next letters use a command, once.
    RibbonCatSimpleAction* third = host.wideCommands.at(3).get();
    QSignalSpy triggered(third, &QAction::triggered);
    host.pressAlt();
    host.type(QStringLiteral("H"));
    QHash<const QAction*, QString> narrowLetters;
    for (const RibbonKeyTip& tip : host.tips().tips())
        narrowLetters.insert(tip.action.data(), tip.tip);
    host.type(groupLetters);
    QVERIFY(wide->popup());
    const QString thirdLetters = host.lettersOf(third);
    host.type(thirdLetters);
    QCOMPARE(triggered.count(), 1);
    QVERIFY(!host.bar.keyTipsVisible());
    QTRY_VERIFY(!wide->popup());

    // A wider window shows the group open: every command keeps its letters,
    // on this page and on the crowded one, where fewer shown commands would
    // leave room for more single letters.
    const auto lettersOfPage = [&host](const QString& tab) {
        host.pressAlt();
        host.type(tab);
        QHash<const QAction*, QString> letters;
        for (const RibbonKeyTip& tip : host.tips().tips())
            letters.insert(tip.action.data(), tip.tip);
        host.key(Qt::Key_Escape);
        host.key(Qt::Key_Escape);
        return letters;
    };
    const QHash<const QAction*, QString> crowdedNarrow = lettersOfPage(QStringLiteral("C"));
    host.window.resize(1600, 500);
    const QHash<const QAction*, QString> crowdedWide = lettersOfPage(QStringLiteral("C"));
    const QHash<const QAction*, QString> homeWide = lettersOfPage(QStringLiteral("H"));
    QVERIFY(!wide->isColapsed());
    QCOMPARE(homeWide.value(third), thirdLetters);
    int kept = 0;
    for (const auto& [narrow, wider] :
         {std::make_pair(narrowLetters, homeWide), std::make_pair(crowdedNarrow, crowdedWide)}) {
        for (auto it = narrow.cbegin(); it != narrow.cend(); ++it) {
            if (wider.contains(it.key())) {
                QCOMPARE(wider.value(it.key()), it.value());
                ++kept;
            }
        }
    }
    QVERIFY(kept > 10);
}

void tst_KeyTips::twoLetterTipsAndPrefixTyping()
{
    Host host;
    QSignalSpy picture(&host.picture, &QAction::triggered);
    QSignalSpy photo(&host.photo, &QAction::triggered);
    host.pressAlt();
    host.type(QStringLiteral("I"));
    QCOMPARE(host.lettersOf(&host.picture), QStringLiteral("PI"));
    QCOMPARE(host.lettersOf(&host.photo), QStringLiteral("PH"));

    // "P" is a prefix: it narrows, nothing fires; a letter that continues
    // no tip is ignored; Backspace takes the prefix back.
    host.type(QStringLiteral("P"));
    QCOMPARE(host.tips().typed(), QStringLiteral("P"));
    host.type(QStringLiteral("Z"));
    QCOMPARE(host.tips().typed(), QStringLiteral("P"));
    host.key(Qt::Key_Backspace);
    QCOMPARE(host.tips().typed(), QString());
    // Esc first clears what was typed, then steps back a level.
    host.type(QStringLiteral("P"));
    host.key(Qt::Key_Escape);
    QCOMPARE(host.tips().typed(), QString());
    QCOMPARE(host.tips().level(), RibbonKeyTips::Page);

    host.type(QStringLiteral("PH"));
    QCOMPARE(photo.count(), 1);
    QCOMPARE(picture.count(), 0);
    QVERIFY(!host.bar.keyTipsVisible());
}

void tst_KeyTips::badgesOfACrowdedPageDoNotOverlap()
{
    Host host;
    host.pressAlt();
    host.type(QStringLiteral("C"));
    QCOMPARE(host.tips().level(), RibbonKeyTips::Page);
    const QList<RibbonKeyTip>& tips = host.tips().tips();
    QCOMPARE(tips.size(), 40);
    const QRect bounds = host.tips().overlay()->rect();
    QStringList letters;
    for (int i = 0; i < tips.size(); ++i) {
        letters.append(tips.at(i).tip);
        QVERIFY(bounds.contains(tips.at(i).badge));
        for (int j = i + 1; j < tips.size(); ++j)
            QVERIFY2(!tips.at(i).badge.intersects(tips.at(j).badge),
                     qPrintable(tips.at(i).tip + QLatin1Char('/') + tips.at(j).tip));
    }
    checkPrefixFree(letters);
    // Forty commands named "Item n": the letters of the name go first, the
    // rest get two letters.
    QCOMPARE(letters.first(), QStringLiteral("I"));
    QVERIFY(std::count_if(letters.cbegin(), letters.cend(),
                          [](const QString& t) { return t.size() == 2; }) > 0);

    // The same letters next time.
    host.key(Qt::Key_Escape);
    host.type(QStringLiteral("C"));
    QStringList again;
    for (const RibbonKeyTip& tip : host.tips().tips())
        again.append(tip.tip);
    QCOMPARE(again, letters);

    // The badges are painted: one tool-tip back per badge, plus the text.
    QImage image(host.window.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    host.tips().overlay()->render(&image);
    const RibbonKeyTip& first = tips.first();
    QVERIFY(image.pixelColor(first.badge.center()).alpha() > 0);
    QCOMPARE(image.pixelColor(image.rect().bottomRight() - QPoint(5, 5)).alpha(), 0);
}

void tst_KeyTips::disabledControlsAndEditors()
{
    Host host;
    host.painter.setEnabled(false);
    QSignalSpy painted(&host.painter, &QAction::triggered);
    host.pressAlt();
    host.type(QStringLiteral("H"));
    const RibbonKeyTip* tip = host.tipOf(&host.painter);
    QVERIFY(tip);
    QVERIFY(!tip->enabled);
    host.type(tip->tip);
    QCOMPARE(painted.count(), 0);
    QVERIFY(host.bar.keyTipsVisible());
    QCOMPARE(host.tips().level(), RibbonKeyTips::Page);

    // The combo box's letters give it the keyboard and end the tips.
    auto* combo = qobject_cast<QComboBox*>(host.tipOf(&host.style)->widget.data());
    QVERIFY(combo);
    host.window.activateWindow();
    host.type(host.lettersOf(&host.style));
    QVERIFY(!host.bar.keyTipsVisible());
    QTRY_VERIFY(combo->hasFocus());
}

void tst_KeyTips::arrowKeysMoveAmongTheControls()
{
    Host host;
    host.pressAlt();
    host.type(QStringLiteral("H"));
    QCOMPARE(host.tips().current(), -1);
    host.key(Qt::Key_Tab);
    QCOMPARE(host.tips().tips().at(host.tips().current()).action.data(),
             static_cast<QAction*>(&host.paste));
    // Right from the large Paste: the column of medium buttons beside it.
    const auto currentAction = [&host] {
        return host.tips().tips().at(host.tips().current()).action.data();
    };
    const QRect pasteFrame = host.tipOf(&host.paste)->frame;
    const auto currentFrame = [&host] {
        return host.tips().tips().at(host.tips().current()).frame;
    };
    host.key(Qt::Key_Right);
    QCOMPARE(currentAction(), static_cast<QAction*>(&host.cut));
    QVERIFY(currentFrame().left() > pasteFrame.right());
    // Down: the control below that shares the column; below the last row
    // it stays.
    const QRect cutFrame = currentFrame();
    host.key(Qt::Key_Down);
    QCOMPARE(currentAction(), static_cast<QAction*>(&host.painter));
    QVERIFY(currentFrame().top() >= cutFrame.bottom());
    host.key(Qt::Key_Down);
    QCOMPARE(currentAction(), static_cast<QAction*>(&host.painter));
    // Up: a control of the row above that shares the column; above the
    // first row it stays.
    const QRect painterFrame = currentFrame();
    host.key(Qt::Key_Up);
    QVERIFY(currentAction() == &host.cut || currentAction() == &host.copy);
    QVERIFY(currentFrame().bottom() <= painterFrame.top());
    QVERIFY(currentFrame().left() <= painterFrame.right() &&
            currentFrame().right() >= painterFrame.left());
    const QAction* above = currentAction();
    host.key(Qt::Key_Up);
    QCOMPARE(currentAction(), above);
    // Left and right along a row.
    host.key(Qt::Key_Left);
    host.key(Qt::Key_Left);
    QCOMPARE(currentAction(), static_cast<QAction*>(&host.paste));
    host.key(Qt::Key_Right);
    host.key(Qt::Key_Right);
    QCOMPARE(currentAction(), static_cast<QAction*>(&host.copy));
    // Right again crosses into the next group.
    host.key(Qt::Key_Right);
    const QAction* next = currentAction();
    QVERIFY(next == &host.bold || next == &host.style);
    // Shift+Tab goes back in the badges' order.
    const int before = host.tips().current();
    host.key(Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(host.tips().current(), before - 1);

    // Enter uses the control moved to, once.
    for (int i = 0; i < 20 && currentAction() != &host.italic; ++i)
        host.key(Qt::Key_Tab);
    QCOMPARE(currentAction(), static_cast<QAction*>(&host.italic));
    QSignalSpy italic(&host.italic, &QAction::triggered);
    host.key(Qt::Key_Return);
    QCOMPARE(italic.count(), 1);
    QVERIFY(!host.bar.keyTipsVisible());

    // Right to left the arrows go where they point: Paste stands at the
    // right, the column beside it to its left.
    qApp->setLayoutDirection(Qt::RightToLeft);
    QCoreApplication::processEvents();
    host.pressAlt();
    host.type(QStringLiteral("H"));
    host.key(Qt::Key_Tab);
    QCOMPARE(currentAction(), static_cast<QAction*>(&host.paste));
    host.key(Qt::Key_Left);
    QCOMPARE(currentAction(), static_cast<QAction*>(&host.cut));
    QVERIFY(currentFrame().right() < host.tipOf(&host.paste)->frame.left());
    host.key(Qt::Key_Right);
    QCOMPARE(currentAction(), static_cast<QAction*>(&host.paste));
}

void tst_KeyTips::applicationMenuLevels()
{
    Host host;
    RibbonMenuAction& menu = host.bar.mainMenuActions();
    RibbonSimpleAction newDocument(QStringLiteral("New"), nullptr);
    RibbonSimpleAction saveAs(QStringLiteral("Save &As"), nullptr);
    RibbonMenuAction print(QStringLiteral("Print"), nullptr);
    RibbonSimpleAction quick(QStringLiteral("Quick Print"), nullptr);
    RibbonSimpleAction preview(QStringLiteral("Preview"), nullptr);
    RibbonSimpleAction exit(QStringLiteral("Exit"), nullptr);
    RibbonSimpleAction recentA(QStringLiteral("/tmp/a.txt"), nullptr);
    RibbonSimpleAction recentB(QStringLiteral("/tmp/b.txt"), nullptr);
    print.addAction(&quick);
    print.addAction(&preview);
    menu.addAction(&newDocument);
    menu.addAction(&saveAs);
    menu.addAction(&print);
    host.bar.recentFilesActions().addAction(&recentA);
    host.bar.recentFilesActions().addAction(&recentB);
    host.bar.setExitAction(&exit);
    const auto panel = [&host] {
        return host.bar.mainButton()->findChild<RibbonPanelMain*>(QString(),
                                                                  Qt::FindDirectChildrenOnly);
    };

    // F opens the menu and shows its badges: items, numbered recent files,
    // the exit button.
    host.pressAlt();
    host.type(QStringLiteral("F"));
    QVERIFY(panel() && panel()->isVisible());
    QCOMPARE(host.tips().level(), RibbonKeyTips::Menu);
    QCOMPARE(host.tips().overlay()->window(), static_cast<QWidget*>(panel()));
    QCOMPARE(host.lettersOf(&newDocument), QStringLiteral("N"));
    QCOMPARE(host.lettersOf(&saveAs), QStringLiteral("A"));
    QCOMPARE(host.lettersOf(&print), QStringLiteral("P"));
    QCOMPARE(host.lettersOf(&recentA), QStringLiteral("1"));
    QCOMPARE(host.lettersOf(&recentB), QStringLiteral("2"));
    QCOMPARE(host.lettersOf(&exit), QStringLiteral("E"));
    // Over the items' icons and before the recent files' paths, clear of
    // every text.
    QVERIFY(checkBadgesClearOfText(host.tips()) >= 6);

    // Down and Up, as the window system delivers them, move the frame and
    // the menu's highlight as one, in reading order: the items, the recent
    // files, the button below; round again.
    const auto focused = [&] { return panel()->focusWidget(); };
    QCOMPARE(focused(), host.tipOf(&newDocument)->widget.data());
    const QList<std::pair<Qt::Key, QAction*>> steps{
        {Qt::Key_Down, &saveAs},  {Qt::Key_Down, &print}, {Qt::Key_Down, &recentA},
        {Qt::Key_Down, &recentB}, {Qt::Key_Down, &exit},  {Qt::Key_Down, &newDocument},
        {Qt::Key_Up, &exit},      {Qt::Key_Up, &recentB}, {Qt::Key_Up, &recentA},
        {Qt::Key_Up, &print}};
    for (const auto& [key, expected] : steps) {
        QTest::keyClick(panel()->windowHandle(), key);
        const RibbonKeyTip* tip = host.tipOf(expected);
        QVERIFY2(tip && focused() == tip->widget.data(), qPrintable(expected->text()));
        QCOMPARE(host.tips().tips().at(host.tips().current()).action.data(), expected);
    }
    // An item that has the focus is the menu's current one: the menu's own
    // keys go on from there.
    QCOMPARE(panel()->currentSelection(), focused());

    // The sub-menu opens as a level of its own; Esc closes it, then the menu.
    host.type(QStringLiteral("P"));
    QCOMPARE(host.tips().level(), RibbonKeyTips::SubMenu);
    QVERIFY(RibbonMainMenuMenuButton::s_CurrentMainPopup);
    QCOMPARE(host.lettersOf(&quick), QStringLiteral("Q"));
    host.key(Qt::Key_Escape);
    QCOMPARE(host.tips().level(), RibbonKeyTips::Menu);
    QTRY_VERIFY(!RibbonMainMenuMenuButton::s_CurrentMainPopup ||
                !RibbonMainMenuMenuButton::s_CurrentMainPopup->isVisible());
    QVERIFY(panel());
    host.key(Qt::Key_Escape);
    QCOMPARE(host.tips().level(), RibbonKeyTips::Top);
    QTRY_VERIFY(!panel());

    // A sub-menu entry is used once and everything closes.
    QSignalSpy printed(&quick, &QAction::triggered);
    host.type(QStringLiteral("F"));
    host.type(QStringLiteral("PQ"));
    QCOMPARE(printed.count(), 1);
    QVERIFY(!host.bar.keyTipsVisible());
    QTRY_VERIFY(!panel());

    // A recent file by its number.
    QSignalSpy opened(&recentB, &QAction::triggered);
    host.pressAlt();
    host.type(QStringLiteral("F2"));
    QCOMPARE(opened.count(), 1);
    QTRY_VERIFY(!panel());

    // Closed by the user while its badges show: the key tips end with it.
    host.pressAlt();
    host.type(QStringLiteral("F"));
    QVERIFY(panel());
    panel()->close();
    QVERIFY(!host.bar.keyTipsVisible());
    QTRY_VERIFY(!panel());
    host.bar.setExitAction(nullptr);
}

void tst_KeyTips::dropDownMenuLevels()
{
    Host host;
    RibbonCatMenuAction shapes(QStringLiteral("Shapes"), RibbonCatMenuAction::Button,
                               RibbonCatMenuAction::Large, RibbonCatMenuAction::Menu, nullptr);
    RibbonSimpleAction line(QStringLiteral("Line"), nullptr);
    RibbonSimpleAction arrow(QStringLiteral("&Arrow"), nullptr);
    RibbonMenuAction more(QStringLiteral("More"), nullptr);
    RibbonSimpleAction star(QStringLiteral("Star"), nullptr);
    more.addAction(&star);
    shapes.addAction(&line);
    shapes.addAction(&arrow);
    shapes.addAction(&more);
    host.objects.addAction(&shapes);
    QCoreApplication::processEvents();
    const auto openMenu = [] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); };

    // The button's letters open its menu with badges on the entries.
    host.pressAlt();
    host.type(QStringLiteral("I"));
    QCOMPARE(host.lettersOf(&shapes), QStringLiteral("S"));
    host.type(QStringLiteral("S"));
    QCOMPARE(host.tips().level(), RibbonKeyTips::DropDown);
    QMenu* menu = openMenu();
    QVERIFY(menu);
    QCOMPARE(host.tips().overlay()->window(), static_cast<QWidget*>(menu));
    QCOMPARE(host.lettersOf(&line), QStringLiteral("L"));
    QCOMPARE(host.lettersOf(&arrow), QStringLiteral("A"));
    const RibbonKeyTip* lineTip = host.tipOf(&line);
    QCOMPARE(lineTip->frame, menu->actionGeometry(&line));

    // A sub-menu entry opens the sub-menu as the next level; Esc closes
    // it, then the menu, back on the page.
    QAction* moreEntry = nullptr;
    for (QAction* entry : menu->actions())
        if (entry->menu())
            moreEntry = entry;
    QVERIFY(moreEntry);
    host.type(host.lettersOf(moreEntry));
    QCOMPARE(host.tips().level(), RibbonKeyTips::DropDown);
    QMenu* sub = openMenu();
    QVERIFY(sub && sub != menu);
    QCOMPARE(host.lettersOf(&star), QStringLiteral("S"));
    host.key(Qt::Key_Escape);
    QTRY_VERIFY(!sub->isVisible());
    QCOMPARE(host.tips().level(), RibbonKeyTips::DropDown);
    QCOMPARE(host.tips().overlay()->window(), static_cast<QWidget*>(menu));
    host.key(Qt::Key_Escape);
    QCOMPARE(host.tips().level(), RibbonKeyTips::Page);
    QTRY_VERIFY(!openMenu());

    // An entry is used once; the menu and the key tips close.
    QSignalSpy arrowed(&arrow, &QAction::triggered);
    host.type(QStringLiteral("SA"));
    QCOMPARE(arrowed.count(), 1);
    QVERIFY(!host.bar.keyTipsVisible());
    QTRY_VERIFY(!openMenu());

    // A menu closed by the user while its badges show ends the key tips.
    host.pressAlt();
    host.type(QStringLiteral("IS"));
    QVERIFY(openMenu());
    openMenu()->close();
    QVERIFY(!host.bar.keyTipsVisible());
    host.objects.removeAction(&shapes);
}

void tst_KeyTips::clicksAndDeletionsEndTheTips()
{
    {
        Host host;
        host.pressAlt();
        QVERIFY(host.bar.keyTipsVisible());
        QTest::mouseClick(&host.central, Qt::LeftButton);
        QVERIFY(!host.bar.keyTipsVisible());

        // A window that changes size under the badges ends them.
        host.pressAlt();
        host.window.resize(host.window.width() - 50, host.window.height());
        QVERIFY(!host.bar.keyTipsVisible());
    }
    {
        // A command deleted while its badge shows: its letters do nothing.
        auto host = std::make_unique<Host>();
        host->pressAlt();
        host->type(QStringLiteral("H"));
        const QString letters = host->lettersOf(&host->copy);
        host->clipboard.removeAction(&host->copy);
        QCoreApplication::processEvents();
        host->type(letters);
        QVERIFY(host->bar.keyTipsVisible());
        // The whole window goes while the tips show.
        host.reset();
    }
    {
        // A tab whose page is empty still gives a level to step back from.
        Host host;
        RibbonCategoriesPanelAction empty(QStringLiteral("Empty"), nullptr);
        host.bar.addAction(&empty);
        QCoreApplication::processEvents();
        host.pressAlt();
        host.type(QStringLiteral("E"));
        QCOMPARE(host.tips().level(), RibbonKeyTips::Page);
        QVERIFY(host.tips().tips().isEmpty());
        host.key(Qt::Key_Tab); // nothing to move to
        host.key(Qt::Key_Return);
        host.key(Qt::Key_Escape);
        QCOMPARE(host.tips().level(), RibbonKeyTips::Top);
        host.bar.hideKeyTips();
        host.bar.removeAction(&empty);
    }
}

void tst_KeyTips::quickAccessChevron()
{
    // More commands than the bar has room for: the hidden ones get no
    // badge, the chevron 00, which opens its menu as a level of its own.
    Host host(700);
    RibbonQuickAccessBar& qab = *host.bar.quickAccessBar();
    std::vector<std::unique_ptr<RibbonSimpleAction>> extra;
    for (int i = 0; i < 30; ++i) {
        extra.push_back(
            std::make_unique<RibbonSimpleAction>(QStringLiteral("Extra %1").arg(i), nullptr));
        qab.addCommand(extra.back().get());
    }
    QCoreApplication::processEvents();
    const QList<QAction*> hidden = qab.overflowActions();
    QVERIFY(!hidden.isEmpty() && hidden.size() < 30);

    host.pressAlt();
    QCOMPARE(host.lettersOf(extra.front().get()), QStringLiteral("3"));
    for (QAction* action : hidden)
        QVERIFY(!host.tipOf(action));
    QVERIFY(hidden.size() < 20);
    QCOMPARE(host.lettersOf(extra.at(6).get()), QStringLiteral("9"));
    QCOMPARE(host.lettersOf(extra.at(7).get()), QStringLiteral("01"));
    QCOMPARE(host.lettersOf(qab.overflowAction()), QStringLiteral("00"));
    host.type(QStringLiteral("00"));
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QCOMPARE(menu->actions(), hidden);
    QVERIFY(host.bar.keyTipsVisible());
    QCOMPARE(host.tips().level(), RibbonKeyTips::DropDown);
    QCOMPARE(host.tips().tips().size(), hidden.size());
    // An entry's letters trigger its command and end the tips.
    QAction* last = hidden.constLast();
    QSignalSpy triggered(last, &QAction::triggered);
    host.type(host.lettersOf(last));
    QCOMPARE(triggered.count(), 1);
    QVERIFY(!host.bar.keyTipsVisible());
    QVERIFY(!QApplication::activePopupWidget());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

ORU_TEST_MAIN(tst_KeyTips)
#include "tst_keytips.moc"
