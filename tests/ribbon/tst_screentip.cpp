// Screen tips: their texts from the action and its alias, their painting on
// the skin's tool-tip background, and showing and hiding over the ribbon.
#include <oruRibbonCatActionGroup.h>
#include <oruRibbonCatActionGroupWidget.h>
#include <oruRibbonCatSimpleButton.h>
#include <oruRibbonScreenTip.h>

#include "oruPaintRecorder.h"
#include "oruTestApp.h"
#include "oruTestInput.h"
#include "ribbonhost.h"

#include <QHelpEvent>

using namespace oru;
using oru::test::PaintOp;
using oru::test::PaintRecorder;

namespace {

RibbonScreenTip* shownTip()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* tip = qobject_cast<RibbonScreenTip*>(widget); tip && tip->isVisible())
            return tip;
    return nullptr;
}

bool sendToolTip(QWidget* widget)
{
    QHelpEvent event(QEvent::ToolTip, QPoint(4, 4), widget->mapToGlobal(QPoint(4, 4)));
    return QApplication::sendEvent(widget, &event);
}

} // namespace

class TestScreenTip : public QObject
{
    Q_OBJECT

private slots:
    void contents_data();
    void contents();
    void hover();
};

void TestScreenTip::contents_data()
{
    QTest::addColumn<QString>("description");
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::addColumn<bool>("onAlias");
    QTest::newRow("title only") << QString() << QKeySequence() << false;
    QTest::newRow("shortcut") << QString() << QKeySequence(Qt::CTRL | Qt::Key_B) << false;
    QTest::newRow("description") << QStringLiteral(
                                        "Makes the selected text bold, or the text you type next.")
                                 << QKeySequence() << false;
    QTest::newRow("both") << QStringLiteral("Makes the selected text bold.")
                          << QKeySequence(Qt::CTRL | Qt::Key_B) << false;
    QTest::newRow("both on the alias") << QStringLiteral("Makes the selected text bold.")
                                       << QKeySequence(Qt::CTRL | Qt::Key_B) << true;
}

void TestScreenTip::contents()
{
    QFETCH(QString, description);
    QFETCH(QKeySequence, shortcut);
    QFETCH(bool, onAlias);

    QAction host(QStringLiteral("&Bold"));
    RibbonSimpleAction own(QStringLiteral("&Bold"), nullptr);
    RibbonSimpleAction aliased(QPointer<QAction>(&host), nullptr);
    QAction& source = onAlias ? host : static_cast<QAction&>(own);
    source.setWhatsThis(description);
    source.setShortcut(shortcut);

    RibbonScreenTip tip;
    tip.setAction(onAlias ? &aliased : &own);
    QCOMPARE(tip.title(), QStringLiteral("Bold"));
    QCOMPARE(tip.description(), description);
    QCOMPARE(tip.shortcutText(), shortcut.toString(QKeySequence::NativeText));
    QVERIFY(tip.hasContents());

    const QString head =
        shortcut.isEmpty()
            ? QStringLiteral("Bold")
            : QStringLiteral("Bold (%1)").arg(shortcut.toString(QKeySequence::NativeText));
    QFont bold = tip.font();
    bold.setBold(true);
    const QFontMetrics boldMetrics(bold);
    const QFontMetrics metrics(tip.font());
    // Room for the bold head line, and for the paragraph when there is one.
    QVERIFY(tip.sizeHint().width() >= boldMetrics.horizontalAdvance(head) + 12);
    const int oneLine = boldMetrics.height() + 12;
    if (description.isEmpty())
        QCOMPARE(tip.sizeHint().height(), oneLine);
    else
        QVERIFY(tip.sizeHint().height() >= oneLine + metrics.height());

    tip.resize(tip.sizeHint());
    PaintRecorder recorder;
    tip.render(&recorder);
    // The background comes whole from the skin's tool-tip image.
    const auto background = recorder.pixmapDraws(oru::test::skin().tooltipBack());
    QCOMPARE(background.size(), 9);
    QRect covered;
    for (const PaintOp& op : background)
        covered = covered.united(op.target.toRect());
    QCOMPARE(covered, tip.rect());
    const QVector<PaintOp> texts = recorder.ops(PaintOp::Text);
    QVERIFY(!texts.isEmpty());
    QCOMPARE(texts.first().text, head);
    QVERIFY(texts.first().font.bold());
    QString paragraph;
    for (int i = 1; i < texts.size(); ++i) {
        QVERIFY(!texts.at(i).font.bold());
        paragraph += (paragraph.isEmpty() ? QString() : QStringLiteral(" ")) + texts.at(i).text;
    }
    QCOMPARE(paragraph.simplified(), description);

    tip.setAction(nullptr);
    QVERIFY(!tip.hasContents());
}

void TestScreenTip::hover()
{
    RibbonHost host;
    QCoreApplication::processEvents();
    RibbonCatSimpleAction* bold = host.command("b");
    bold->setWhatsThis(QStringLiteral("Makes it bold."));
    RibbonCatSimpleButton* button = nullptr;
    for (QObject* object : bold->associatedObjects())
        if (auto* b = qobject_cast<RibbonCatSimpleButton*>(object))
            button = b;
    QVERIFY(button);

    QVERIFY(sendToolTip(button));
    RibbonScreenTip* tip = shownTip();
    QVERIFY(tip);
    QCOMPARE(tip->action(), bold);
    QCOMPARE(tip->description(), QStringLiteral("Makes it bold."));
    // Below the pointer.
    QVERIFY(tip->y() > button->mapToGlobal(QPoint(4, 4)).y());
    QCOMPARE(tip->x(), button->mapToGlobal(QPoint(4, 4)).x());
    // Right to left it runs leftwards from the pointer, its text from the right.
    qApp->setLayoutDirection(Qt::RightToLeft);
    QVERIFY(sendToolTip(button));
    QCOMPARE(shownTip()->geometry().right(), button->mapToGlobal(QPoint(4, 4)).x());
    {
        oru::test::PaintRecorder recorder(tip->size());
        tip->render(&recorder);
        const auto texts = recorder.ops(oru::test::PaintOp::Text);
        QVERIFY(!texts.isEmpty());
        QVERIFY(texts.first().position.x() > tip->width() / 2);
    }
    qApp->setLayoutDirection(Qt::LeftToRight);

    // Leaving the control hides it; so does a press.
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button, &leave);
    QVERIFY(!shownTip());
    QVERIFY(sendToolTip(button));
    QVERIFY(shownTip());
    oru::test::mousePress(&host.central, QPoint(3, 3));
    QVERIFY(!shownTip());

    // A tab is no control: no tip, and the bar's tip stays hidden.
    sendToolTip(host.tabButton(1));
    QVERIFY(!shownTip());

    // A strip of buttons tells about the member under the pointer, with its
    // own title and shortcut.
    auto* strip = new RibbonCatActionGroup(&host.window);
    QList<RibbonCatSimpleAction*> members;
    for (const char* text : {"Left", "Right"}) {
        members << new RibbonCatSimpleAction(QString::fromLatin1(text),
                                             RibbonCatSimpleAction::Small, &host.window);
        strip->addAction(members.constLast());
    }
    members.at(1)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    host.tabs.at(0)->categories().at(0)->addAction(strip);
    QCoreApplication::processEvents();
    auto* stripWidget = host.window.findChild<RibbonCatActionGroupWidget*>();
    QVERIFY(stripWidget);
    const QPoint cell = stripWidget->cellRect(1).center();
    QHelpEvent help(QEvent::ToolTip, cell, stripWidget->mapToGlobal(cell));
    QVERIFY(QApplication::sendEvent(stripWidget, &help));
    QVERIFY(shownTip());
    QCOMPARE(shownTip()->action(), members.at(1));
    QVERIFY(shownTip()->title().startsWith(QStringLiteral("Right")));

    // The action goes while its tip shows.
    QVERIFY(sendToolTip(button));
    delete bold;
    host.commands.removeAll(bold);
    QVERIFY(!tip->action());
}

ORU_TEST_MAIN(TestScreenTip)
#include "tst_screentip.moc"
