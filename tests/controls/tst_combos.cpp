#include <oruRibbonCatComboAction.h>
#include <oruRibbonCatComboComboBox.h>
#include <oruRibbonCatFontFamilyAction.h>
#include <oruRibbonCatFontFamilyComboBox.h>
#include <oruRibbonCatFontSizeAction.h>
#include <oruRibbonCatSimpleAction.h>
#include <oruRibbonCategory.h>
#include <oruRibbonCategoryAction.h>
#include <oruTestApp.h>

#include <QAbstractItemView>
#include <QFontDatabase>
#include <QIntValidator>
#include <QLineEdit>
#include <QSignalSpy>
#include <QToolBar>

using namespace oru;

namespace {

// The widget a host's tool bar (or another parent) gets from the action.
QWidget* widgetFor(QWidgetAction& action, QWidget* parent)
{
    return action.requestWidget(parent);
}

QStringList itemTexts(const QComboBox& combo)
{
    QStringList texts;
    for (int i = 0; i < combo.count(); ++i)
        texts << combo.itemText(i);
    return texts;
}

} // namespace

class TestCombos : public QObject
{
    Q_OBJECT

private slots:
    void comboConstruction();
    void selectionSharedAcrossWidgets();
    void firstItemRule_data();
    void firstItemRule();
    void itemsAndEditableFollowTheAction();
    void numberValidatorAndMask();
    void keysReachTheAction();
    void actionDestroyedFirst();
    void categoryBuildsCombos();
    void fontFamilyRoundTrip();
    void fontSizeList();
    void fontSizeRoundTrip();
};

void TestCombos::comboConstruction()
{
    RibbonCatComboAction action(nullptr);
    QCOMPARE(action.width(), 48);
    QVERIFY(action.isEditable());
    QVERIFY(!action.isSearchable());
    action.addItem(QStringLiteral("10"));
    action.setWidth(70);
    RibbonCatComboComboBox combo(action, nullptr);
    QCOMPARE(combo.size(), QSize(70, 22));
    QCOMPARE(combo.minimumSize(), combo.maximumSize());
    QCOMPARE(combo.count(), 1);
    QVERIFY(combo.actions().contains(&action));
    QCOMPARE(combo.action(), &action);
    // Only tool bars get a widget from the action itself.
    QToolBar bar;
    QWidget* made = widgetFor(action, &bar);
    QVERIFY(qobject_cast<RibbonCatComboComboBox*>(made));
    QCOMPARE(made->parent(), &bar);
    QWidget plain;
    QCOMPARE(widgetFor(action, &plain), static_cast<QWidget*>(nullptr));
    action.setEnabled(false);
    QVERIFY(!combo.isEnabled());
    action.setEnabled(true);
    QVERIFY(combo.isEnabled());
}

void TestCombos::selectionSharedAcrossWidgets()
{
    RibbonCatComboAction action(nullptr);
    action.setEditable(false);
    for (const char* item : {"alpha", "beta", "gamma", "delta"})
        action.addItem(QString::fromLatin1(item));
    RibbonCatComboComboBox first(action, nullptr);
    RibbonCatComboComboBox second(action, nullptr);
    QSignalSpy changed(&action, &RibbonCatComboAction::selectionTextChanged);

    // A pick in one box is stored once and shown by the other.
    first.setCurrentIndex(2);
    QCOMPARE(action.selectionText(), QStringLiteral("gamma"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(second.currentIndex(), 2);
    // The host sets it (twice; the second time is no change): both show it.
    action.setSelectionText(QStringLiteral("delta"));
    action.setSelectionText(QStringLiteral("delta"));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(first.currentIndex(), 3);
    QCOMPARE(second.currentIndex(), 3);
    second.setCurrentIndex(1);
    QCOMPARE(action.selectionText(), QStringLiteral("beta"));
    QCOMPARE(first.currentIndex(), 1);
    QCOMPARE(changed.count(), 3);

    // A box built later starts on the current choice, announcing nothing.
    RibbonCatComboComboBox late(action, nullptr);
    QCOMPARE(late.currentIndex(), 1);
    QCOMPARE(changed.count(), 3);
}

void TestCombos::firstItemRule_data()
{
    QTest::addColumn<bool>("editable");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("shown");

    QTest::newRow("non-editable, first item") << false << "10" << 0 << "10";
    QTest::newRow("non-editable, unknown text") << false << "99" << 2 << "30";
    QTest::newRow("non-editable, later item") << false << "20" << 1 << "20";
    QTest::newRow("editable, first item") << true << "10" << 0 << "10";
    QTest::newRow("editable, unknown text") << true << "99" << 2 << "99";
    QTest::newRow("editable, later item") << true << "20" << 1 << "20";
    QTest::newRow("editable, case differs") << true << "Xy" << 2 << "Xy";
}

void TestCombos::firstItemRule()
{
    QFETCH(bool, editable);
    QFETCH(QString, text);
    RibbonCatComboAction action(nullptr);
    action.setEditable(editable);
    for (const char* item : {"10", "20", "30", "xy"})
        action.addItem(QString::fromLatin1(item));
    RibbonCatComboComboBox combo(action, nullptr);
    combo.setCurrentIndex(2);
    QCOMPARE(action.selectionText(), QStringLiteral("30"));

    action.setSelectionText(text);
    QTEST(combo.currentIndex(), "index");
    QTEST(combo.currentText(), "shown");
    QCOMPARE(combo.isEditable(), editable);
}

void TestCombos::itemsAndEditableFollowTheAction()
{
    RibbonCatComboAction action(nullptr);
    action.addItem(QStringLiteral("one"));
    RibbonCatComboComboBox combo(action, nullptr);
    QSignalSpy added(&action, &RibbonCatComboAction::itemAdded);
    action.addItem(QStringLiteral("two"));
    QCOMPARE(added.count(), 1);
    QCOMPARE(added.at(0).at(0).toString(), QStringLiteral("two"));
    QCOMPARE(action.items(), QStringList({"one", "two"}));
    QCOMPARE(itemTexts(combo), QStringList({"one", "two"}));
    QSignalSpy editable(&action, &RibbonCatComboAction::editableChanged);
    action.setEditable(true); // unchanged
    QCOMPARE(editable.count(), 0);
    action.setEditable(false);
    QCOMPARE(editable.count(), 1);
    QVERIFY(!combo.isEditable());
    action.setEditable(true);
    QCOMPARE(editable.count(), 2);
    QVERIFY(combo.isEditable());
}

void TestCombos::numberValidatorAndMask()
{
    RibbonCatComboAction action(nullptr);
    RibbonCatComboComboBox numbers(action, nullptr);
    const QValidator* validator = numbers.validator();
    QVERIFY(validator);
    QCOMPARE(validator->parent(), numbers.lineEdit());
    // Whole numbers 8 to 128.
    for (QString text : {"8", "64", "128", "7", "129", "12.5", "abc"}) {
        int pos = 0;
        QCOMPARE(validator->validate(text, pos) == QValidator::Acceptable,
                 text.toInt() >= 8 && text.toInt() <= 128 && !text.contains('.'));
    }
    QTest::keyClicks(numbers.lineEdit(), QStringLiteral("1a2")); // letters never arrive
    QCOMPARE(numbers.lineEdit()->text(), QStringLiteral("12"));
    // With a mask: the mask, no number range; not editable: neither.
    action.setComboInputMask(QStringLiteral("AAA"));
    RibbonCatComboComboBox masked(action, nullptr);
    QCOMPARE(masked.lineEdit()->inputMask(), QStringLiteral("AAA"));
    QVERIFY(!masked.validator());
    action.setEditable(false);
    RibbonCatComboComboBox fixed(action, nullptr);
    QVERIFY(!fixed.lineEdit());
    QVERIFY(!fixed.validator());
}

void TestCombos::keysReachTheAction()
{
    RibbonCatComboAction action(nullptr);
    QWidget window;
    auto* combo = new RibbonCatComboComboBox(action, &window);
    auto* other = new QLineEdit(&window);
    other->move(0, 40);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    combo->setFocus();

    QSignalSpy keys(&action, &RibbonCatComboAction::keyPressed);
    QTest::keyClick(combo, Qt::Key_1);
    QTest::keyClick(combo, Qt::Key_2);
    QCOMPARE(keys.count(), 2);
    QCOMPARE(keys.at(0).at(0).toInt(), int(Qt::Key_1));

    // Not searchable: Return is only passed on.
    other->setFocus();
    QTest::keyClick(combo, Qt::Key_Return);
    QCOMPARE(keys.count(), 3);
    QVERIFY(!combo->lineEdit()->hasSelectedText());
    QVERIFY(!combo->hasFocus());
    keys.clear();
    combo->lineEdit()->clear();
    QTest::keyClick(combo, Qt::Key_1);
    QTest::keyClick(combo, Qt::Key_2);

    // Searchable: Return keeps the focus in the box and selects the text.
    action.setSearchable(true);
    other->setFocus();
    QTest::keyClick(combo, Qt::Key_Return);
    QCOMPARE(keys.count(), 3);
    QCOMPARE(keys.at(2).at(0).toInt(), int(Qt::Key_Return));
    QVERIFY(combo->hasFocus());
    QCOMPARE(combo->lineEdit()->selectedText(), QStringLiteral("12"));
    QTest::keyClick(combo, Qt::Key_Enter);
    QCOMPARE(keys.count(), 4);
    QCOMPARE(keys.at(3).at(0).toInt(), int(Qt::Key_Enter));
}

void TestCombos::actionDestroyedFirst()
{
    QWidget parent;
    auto* action = new RibbonCatComboAction(nullptr);
    action->addItem(QStringLiteral("10"));
    auto* combo = new RibbonCatComboComboBox(*action, &parent);
    auto* fontAction = new RibbonCatFontFamilyAction(QFont(), nullptr);
    auto* font = new RibbonCatFontFamilyComboBox(*fontAction, &parent);
    delete action;
    delete fontAction;
    QCOMPARE(combo->action(), static_cast<RibbonCatComboAction*>(nullptr));
    QCOMPARE(font->action(), static_cast<RibbonCatFontFamilyAction*>(nullptr));
    // Still usable, nothing to forward to.
    QTest::keyClick(combo, Qt::Key_1);
    combo->addItem(QStringLiteral("20"));
    combo->setCurrentIndex(1);
    font->setCurrentIndex(font->count() > 1 ? 1 : 0);
    combo->updateActionSelection(QStringLiteral("10"));
    combo->onEditableChanged();
}

void TestCombos::categoryBuildsCombos()
{
    RibbonCategoryAction group(QStringLiteral("Font"), nullptr);
    RibbonCatFontFamilyAction family(QFont(QStringLiteral("DejaVu Sans")), nullptr);
    RibbonCatComboAction combo(nullptr);
    RibbonCatFontSizeAction size(12, nullptr);
    group.addAction(&family, 0);
    RibbonCategory category(nullptr, group);
    group.addAction(&combo, 1);
    group.addAction(&size, 1);

    QVERIFY(qobject_cast<RibbonCatFontFamilyComboBox*>(category.widget(&family)));
    QVERIFY(qobject_cast<RibbonCatComboComboBox*>(category.widget(&combo)));
    // The font size gets the same plain box as in a tool bar, 22 high.
    QCOMPARE(qobject_cast<QComboBox*>(category.widget(&size))->height(), 22);
    QCOMPARE(category.widget(&family)->parent(), &category);
    QCOMPARE(category.action(category.widget(&combo)), &combo);

    QPointer<QWidget> built = category.widget(&combo);
    group.removeAction(&combo);
    QVERIFY(built.isNull());
}

void TestCombos::fontFamilyRoundTrip()
{
    const QString firstFamily = QStringLiteral("DejaVu Sans");
    const QString secondFamily = QFontDatabase::families().contains(QStringLiteral("DejaVu Serif"))
                                     ? QStringLiteral("DejaVu Serif")
                                     : QStringLiteral("DejaVu Sans Mono");
    RibbonCatFontFamilyAction action(QFont(firstFamily), nullptr);
    RibbonCatFontFamilyComboBox combo(action, nullptr);
    QCOMPARE(combo.size(), QSize(140, 22));
    QCOMPARE(combo.focusPolicy(), Qt::ClickFocus); // typing goes to the box
    QCOMPARE(combo.currentFont().family(), firstFamily);
    // The open list is wider than Qt's 5/3 of the box, for long family names.
    combo.showPopup();
    QTRY_VERIFY(combo.view()->isVisible());
    QCOMPARE(combo.view()->window()->width(), RibbonCatFontFamilyComboBox::popupWidth);
    combo.hidePopup();

    QStringList order;
    connect(&action, &RibbonCatFontFamilyAction::fontFamilyChanged, &combo,
            [&](const QFont& f) { order << f.family(); });
    connect(&action, &QAction::changed, &combo, [&] { order << QStringLiteral("changed"); });
    connect(&action, &RibbonAction::activated, &combo,
            [&] { order << QStringLiteral("activated"); });
    QSignalSpy widgetFont(&combo, &QFontComboBox::currentFontChanged);

    // A pick: each signal once, in this order.
    const int index = combo.findText(secondFamily);
    QVERIFY(index >= 0);
    combo.setCurrentIndex(index);
    QCOMPARE(action.fontFamily().family(), secondFamily);
    QCOMPARE(widgetFont.count(), 1);
    // The host sets the font it already has: nothing; another: the same
    // signals, and the widget shows it without echoing.
    action.setFontFamily(action.fontFamily());
    QCOMPARE(combo.currentIndex(), index);
    action.setFontFamily(QFont(firstFamily));
    QCOMPARE(order, QStringList({secondFamily, "changed", "activated", firstFamily, "changed",
                                 "activated"}));
    QCOMPARE(combo.currentFont().family(), firstFamily);
    QCOMPARE(widgetFont.count(), 1);
    QVERIFY(!combo.signalsBlocked());

    // A second widget built later shows the current font; disabling reaches both.
    RibbonCatFontFamilyComboBox later(action, nullptr);
    QCOMPARE(later.currentFont().family(), firstFamily);
    action.setEnabled(false);
    QVERIFY(!combo.isEnabled());
    QVERIFY(!later.isEnabled());
    QToolBar bar;
    QVERIFY(qobject_cast<RibbonCatFontFamilyComboBox*>(widgetFor(action, &bar)));
}

void TestCombos::fontSizeList()
{
    RibbonCatFontSizeAction action(11, nullptr);
    QCOMPARE(action.fontSize(), 11); // no widget yet: the stored size
    QWidget plain;
    QCOMPARE(widgetFor(action, &plain), static_cast<QWidget*>(nullptr));

    QToolBar bar;
    auto* combo = qobject_cast<QComboBox*>(widgetFor(action, &bar));
    QVERIFY(combo);
    QVERIFY(!combo->isEditable());
    QCOMPARE(combo->parent(), &bar);
    // Entry 0 shows the current size, then the fixed list.
    QCOMPARE(itemTexts(*combo), QStringList({"11", "8", "9", "10", "11", "12", "14", "16", "18",
                                             "20", "24", "28", "32", "36", "40", "48", "72"}));
    QCOMPARE(combo->currentIndex(), 0);
    QVERIFY(!combo->isHidden());
    // Entry 0 is read as a 16-bit signed number; not a number: 8.
    combo->setItemText(0, QStringLiteral("big"));
    QCOMPARE(action.fontSize(), 8);
    combo->setItemText(0, QStringLiteral("70000"));
    QCOMPARE(action.fontSize(), 70000 - 65536);
    delete combo; // back to the stored size
    QCOMPARE(action.fontSize(), 11);
    action.updateFontSize(20); // no widget: nothing to show, no crash
}

void TestCombos::fontSizeRoundTrip()
{
    RibbonCatFontSizeAction action(10, nullptr);
    QToolBar bar;
    auto* combo = qobject_cast<QComboBox*>(widgetFor(action, &bar));
    QVERIFY(combo);
    QSignalSpy sizes(&action, &RibbonCatFontSizeAction::fontSizeChanged);
    QSignalSpy changed(&action, &QAction::changed);
    QSignalSpy activated(&action, &RibbonAction::activated);

    const auto shows = [&](const char* size) {
        return combo->currentIndex() == 0 && combo->itemText(0) == QLatin1String(size);
    };
    // A pick: stored and announced once, shown back on entry 0.
    combo->setCurrentIndex(combo->findText(QStringLiteral("12")));
    QCOMPARE(sizes.count(), 1);
    QCOMPARE(sizes.at(0).at(0).toInt(), 12);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(activated.count(), 1);
    QVERIFY(shows("12"));
    QCOMPARE(action.fontSize(), 12);
    // The text cursor moves to 14-point text: shown, not stored or announced;
    // 0 is ignored, and showing from another entry is no pick either.
    action.updateFontSize(14);
    QVERIFY(shows("14"));
    action.updateFontSize(0);
    QVERIFY(shows("14"));
    combo->blockSignals(true);
    combo->setCurrentIndex(combo->findText(QStringLiteral("72")));
    combo->blockSignals(false);
    action.updateFontSize(9);
    QVERIFY(shows("9"));
    QCOMPARE(sizes.count(), 1);
    QCOMPARE(changed.count(), 1);
    combo->setCurrentIndex(combo->findText(QStringLiteral("72"))); // heard once, no echo
    QCOMPARE(sizes.count(), 2);
    QCOMPARE(sizes.at(1).at(0).toInt(), 72);
    QVERIFY(shows("72"));
}

ORU_TEST_MAIN(TestCombos)
#include "tst_combos.moc"
