#include "oruPaintRecorder.h"
#include "oruTestApp.h"
#include "oruTestInput.h"

#include <oruRibbonMainWindow.h>
#include <oruRibbonOptionsDialog.h>
#include <oruRibbonStackedWidget.h>
#include <oruRibbonStyle.h>

#include <QDialogButtonBox>
#include <QPushButton>
#include <QStackedWidget>

using namespace oru;

namespace {

// Logs accept()/reject() as "<title>:a" / "<title>:r".
class LogPage : public RibbonOptionsPage
{
public:
    LogPage(RibbonOptionsDialog& dialog, const QString& title, QStringList& log)
        : RibbonOptionsPage(dialog), m_log(log)
    {
        setWindowTitle(title);
    }

protected:
    void accept() override { m_log << windowTitle() + QStringLiteral(":a"); }
    void reject() override { m_log << windowTitle() + QStringLiteral(":r"); }

private:
    QStringList& m_log;
};

template <class Button> QList<Button*> pageButtons(QWidget& owner)
{
    return owner.findChildren<Button*>(Qt::FindDirectChildrenOnly);
}

// The captions of the page buttons still there, the checked one marked "*".
template <class Button> QStringList buttonCaptions(QWidget& owner)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QStringList captions;
    for (Button* button : pageButtons<Button>(owner))
        captions << button->text() + (button->isChecked() ? QStringLiteral("*") : QString());
    return captions;
}

} // namespace

class TestOptions : public QObject
{
    Q_OBJECT

private slots:
    void okCancelReachEveryPage_data();
    void okCancelReachEveryPage();
    void pageSwitching();
    void pageButtonLook();
    void pagesGoingAway();
};

void TestOptions::okCancelReachEveryPage_data()
{
    QTest::addColumn<int>("pages");
    QTest::addColumn<bool>("ok");
    for (int pages : {0, 1, 3}) {
        QTest::addRow("ok, %d pages", pages) << pages << true;
        QTest::addRow("cancel, %d pages", pages) << pages << false;
    }
}

void TestOptions::okCancelReachEveryPage()
{
    QFETCH(int, pages);
    QFETCH(bool, ok);
    RibbonMainWindow window;
    RibbonOptionsDialog dialog(window);
    QCOMPARE(dialog.size(), QSize(655, 396));
    QCOMPARE(dialog.windowTitle(), QString::fromUtf8("Tarnwick\u2122 Options:"));
    QStringList log, expected;
    for (int i = 0; i < pages; ++i) {
        dialog.addOptionsPage(new LogPage(dialog, QString::number(i), log));
        expected << QString::number(i) + (ok ? QStringLiteral(":a") : QStringLiteral(":r"));
    }
    dialog.addOptionsPage(nullptr);
    QCOMPARE(pageButtons<RibbonOptionsButton>(dialog).size(), pages);

    dialog.show();
    auto* box = dialog.findChild<QDialogButtonBox*>();
    const auto role = ok ? QDialogButtonBox::AcceptRole : QDialogButtonBox::RejectRole;
    QAbstractButton* button = nullptr;
    for (QAbstractButton* b : box->buttons())
        button = box->buttonRole(b) == role ? b : button;
    QVERIFY(button);
    QCOMPARE(button->text(), ok ? QStringLiteral("Ok") : QStringLiteral("Cancel"));
    button->click();
    QCOMPARE(log, expected);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), ok ? int(QDialog::Accepted) : int(QDialog::Rejected));
}

void TestOptions::pageSwitching()
{
    RibbonMainWindow window;
    RibbonOptionsDialog dialog(window);
    QStringList log;
    auto* first = new LogPage(dialog, QStringLiteral("General"), log);
    auto* second = new LogPage(dialog, QString(), log);
    auto* stack = dialog.findChild<QStackedWidget*>();
    dialog.addOptionsPage(first);
    dialog.addOptionsPage(second);
    QCOMPARE(stack->currentWidget(), first);
    auto buttons = pageButtons<RibbonOptionsButton>(dialog);
    QCOMPARE(buttons.size(), 2);
    QCOMPARE(buttons[0]->text(), QStringLiteral("General"));
    QCOMPARE(buttons[1]->sizeHint(), QSize(120, 25)); // empty title: minimum width
    buttons[1]->click();
    QCOMPARE(stack->currentWidget(), second);
    QVERIFY(!buttons[0]->isChecked());
    dialog.removeOptionsPage(second); // pages stay
    QCOMPARE(stack->count(), 2);
    QCOMPARE(stack->currentWidget(), second);

    // The stacked widget switches the same way, also by setCurrentWidget.
    RibbonStackedWidget widget(nullptr);
    auto* a = new QWidget;
    auto* b = new QWidget;
    QWidget stranger;
    widget.addItem(a, QStringLiteral("Alpha"));
    widget.addItem(b, QStringLiteral("Beta"));
    widget.addItem(nullptr, QStringLiteral("None"));
    QCOMPARE(widget.currentWidget(), a);
    widget.setCurrentWidget(b);
    QCOMPARE(widget.currentWidget(), b);
    widget.setCurrentWidget(&stranger);
    QCOMPARE(widget.currentWidget(), b);
    auto stackedButtons = pageButtons<RibbonStackedButton>(widget);
    QCOMPARE(stackedButtons.size(), 2);
    QVERIFY(stackedButtons[1]->isChecked());
    stackedButtons[0]->click();
    QCOMPARE(widget.currentWidget(), a);
}

void TestOptions::pageButtonLook()
{
    const RibbonStyle* skin = RibbonApplication::theApp()->ribbonStyle();
    RibbonStackedWidget widget(nullptr);
    const QString caption = QStringLiteral("A rather long page caption of many words");
    widget.addItem(new QWidget, caption);
    widget.addItem(new QWidget, QStringLiteral("B"));
    auto buttons = pageButtons<RibbonStackedButton>(widget);
    const int textWidth = buttons[0]->fontMetrics().horizontalAdvance(caption);
    QCOMPARE(buttons[0]->sizeHint(), QSize(textWidth + 10, 25));

    oru::test::parkCursor();
    for (int i = 0; i < 2; ++i) {
        oru::test::PaintRecorder recorder;
        buttons[i]->render(&recorder);
        const int w = buttons[i]->width();
        const auto draws = recorder.pixmapRects(skin->mainPanelButton());
        if (i == 1) {
            QVERIFY(draws.isEmpty()); // neither checked nor hovered
        } else {
            QCOMPARE(draws.size(), 9);
            QCOMPARE(draws[0], qMakePair(QRect(0, 0, 2, 2), QRect(0, 46, 2, 2)));
            QCOMPARE(draws[4], qMakePair(QRect(2, 2, w - 4, 21), QRect(2, 48, 50, 19)));
            QCOMPARE(draws[8], qMakePair(QRect(w - 2, 23, 2, 2), QRect(52, 67, 2, 2)));
        }
        const auto texts = recorder.ops(oru::test::PaintOp::Text);
        QCOMPARE(texts.size(), 1);
        QCOMPARE(texts[0].pen.color(), skin->highlightedCategoryTextColor());
    }
}

void TestOptions::pagesGoingAway()
{
    RibbonMainWindow window;
    RibbonOptionsDialog dialog(window);
    auto* stack = dialog.findChild<QStackedWidget*>();
    QStringList log;
    QList<QPointer<LogPage>> pages;
    for (const char* title : {"A", "B", "C", "D"}) {
        pages << new LogPage(dialog, QString::fromLatin1(title), log);
        dialog.addOptionsPage(pages.last());
    }
    dialog.addOptionsPage(pages[1]); // a second time: still one button
    QCOMPARE(buttonCaptions<RibbonOptionsButton>(dialog), QStringList({"A*", "B", "C", "D"}));
    QCOMPARE(stack->count(), 4);
    dialog.show();

    const auto click = [&](const QString& caption) {
        for (RibbonOptionsButton* button : pageButtons<RibbonOptionsButton>(dialog)) {
            if (button->text() == caption)
                button->click();
        }
    };
    // The current page goes: the next one is shown, or the one before when
    // it was the last.
    click(QStringLiteral("B"));
    QCOMPARE(stack->currentWidget(), pages[1].data());
    delete pages[1];
    QCOMPARE(buttonCaptions<RibbonOptionsButton>(dialog), QStringList({"A", "C*", "D"}));
    QCOMPARE(stack->currentWidget(), pages[2].data());
    click(QStringLiteral("D"));
    delete pages[3];
    QCOMPARE(buttonCaptions<RibbonOptionsButton>(dialog), QStringList({"A", "C*"}));
    QCOMPARE(stack->currentWidget(), pages[2].data());
    // Another page goes: the current one stays; the buttons still switch.
    delete pages[0];
    QCOMPARE(buttonCaptions<RibbonOptionsButton>(dialog), QStringList({"C*"}));
    QCOMPARE(stack->currentWidget(), pages[2].data());
    oru::test::PaintRecorder recorder;
    dialog.render(&recorder);

    // A page the host takes away loses its button and no longer hears Ok;
    // added again, it is back.
    std::unique_ptr<LogPage> taken(pages[2].data());
    taken->setParent(nullptr);
    QCOMPARE(buttonCaptions<RibbonOptionsButton>(dialog), QStringList());
    QCOMPARE(stack->count(), 0);
    dialog.addOptionsPage(taken.get());
    QCOMPARE(buttonCaptions<RibbonOptionsButton>(dialog), QStringList({"C*"}));
    QCOMPARE(stack->currentWidget(), taken.get());
    taken->setParent(nullptr);
    for (QAbstractButton* b : dialog.findChild<QDialogButtonBox*>()->buttons()) {
        if (b->text() == QStringLiteral("Ok"))
            b->click();
    }
    QVERIFY(!dialog.isVisible());
    QCOMPARE(log, QStringList());

    // The stacked widget keeps its buttons the same way.
    RibbonStackedWidget widget(nullptr);
    QPointer<QWidget> a = new QWidget, b = new QWidget, c = new QWidget;
    widget.addItem(a, QStringLiteral("a"));
    widget.addItem(b, QStringLiteral("b"));
    widget.addItem(a, QStringLiteral("a again"));
    widget.addItem(c, QStringLiteral("c"));
    widget.show();
    QCOMPARE(buttonCaptions<RibbonStackedButton>(widget), QStringList({"a*", "b", "c"}));
    widget.setCurrentWidget(b);
    delete b;
    QCOMPARE(buttonCaptions<RibbonStackedButton>(widget), QStringList({"a", "c*"}));
    QCOMPARE(widget.currentWidget(), c.data());
    delete a;
    QCOMPARE(buttonCaptions<RibbonStackedButton>(widget), QStringList({"c*"}));
    widget.setCurrentWidget(c);
    QCOMPARE(widget.currentWidget(), c.data());
    delete c;
    QCOMPARE(buttonCaptions<RibbonStackedButton>(widget), QStringList());
    QCOMPARE(widget.currentWidget(), nullptr);
    widget.render(&recorder);
}

ORU_TEST_MAIN(TestOptions)
#include "tst_options.moc"
