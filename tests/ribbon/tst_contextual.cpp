// Contextual tab groups: shown and hidden as a unit, their band above the
// tabs, and which tab is selected when a group disappears.
#include <oruRibbonContextualTabGroup.h>

#include "oruPaintRecorder.h"
#include "oruTestApp.h"
#include "ribbonhost.h"

#include <QActionGroup>

using namespace oru;

namespace {

struct Contextual : RibbonHost
{
    // Tabs 0-1 ordinary, 2-3 "Table Tools", 4 "Picture Tools".
    RibbonContextualTabGroup table{QStringLiteral("Table Tools"), QColor(230, 120, 30)};
    RibbonContextualTabGroup picture{QStringLiteral("Picture Tools"), QColor(60, 160, 60)};

    Contextual()
        : RibbonHost({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
                      QStringLiteral("d"), QStringLiteral("e")})
    {
        // Move tabs 2-4 into the groups; they stay in the bar.
        table.addTab(tabs.at(2));
        table.addTab(tabs.at(3));
        picture.addTab(tabs.at(4));
        bar.addContextualTabGroup(&table);
        bar.addContextualTabGroup(&picture);
        QCoreApplication::processEvents();
    }

    QString visibleTabs() const
    {
        QString shown;
        for (int i = 0; i < tabs.size(); ++i)
            if (!tabButton(i)->isHidden())
                shown += QString::number(i);
        return shown;
    }

    QStringList paintedTitles()
    {
        QCoreApplication::processEvents();
        oru::test::PaintRecorder recorder;
        bar.render(&recorder);
        QStringList titles;
        for (const QString& text : recorder.texts())
            if (text.endsWith(QLatin1String(" Tools")))
                titles << text;
        titles.sort();
        return titles;
    }
};

} // namespace

class TestContextual : public QObject
{
    Q_OBJECT

private slots:
    void visibility();
    void selectionWhenHidden_data();
    void selectionWhenHidden();
    void groupGoes();
};

void TestContextual::visibility()
{
    Contextual host;
    QCOMPARE(host.bar.contextualTabGroups(),
             QList<RibbonContextualTabGroup*>({&host.table, &host.picture}));
    // Hidden at first: no buttons, no shortcuts, no band.
    QCOMPARE(host.visibleTabs(), QStringLiteral("01"));
    QVERIFY(!host.tabs.at(2)->isVisible());
    QVERIFY(host.paintedTitles().isEmpty());

    QSignalSpy shown(&host.table, &RibbonContextualTabGroup::visibleChanged);
    host.table.show();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(host.visibleTabs(), QStringLiteral("0123"));
    QVERIFY(host.tabs.at(3)->isVisible());
    QCOMPARE(host.paintedTitles(), QStringList({"Table Tools"}));

    // The band spans the group's tabs and stands above them.
    QWidget* band = nullptr;
    for (QWidget* child : host.bar.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (QString::fromLatin1(child->metaObject()->className()).contains("Band") &&
            child->isVisible())
            band = child;
    QVERIFY(band);
    QCOMPARE(band->x(), host.tabButton(2)->x());
    QCOMPARE(band->geometry().right(), host.tabButton(3)->geometry().right());
    QCOMPARE(band->y(), 0);
    QCOMPARE(band->geometry().bottom(), host.tabButton(2)->geometry().bottom());

    host.picture.show();
    QCOMPARE(host.visibleTabs(), QStringLiteral("01234"));
    QCOMPARE(host.paintedTitles(), QStringList({"Picture Tools", "Table Tools"}));
    host.table.hide();
    QCOMPARE(host.visibleTabs(), QStringLiteral("014"));
    QCOMPARE(host.paintedTitles(), QStringList({"Picture Tools"}));

    // A tab added to a group in the bar joins the bar, hidden with it.
    auto* extra = new RibbonCategoriesPanelAction(QStringLiteral("Extra"), &host.window);
    host.table.addTab(extra);
    QVERIFY(host.bar.actions().contains(extra));
    QVERIFY(!extra->isVisible());
}

void TestContextual::selectionWhenHidden_data()
{
    // Steps: a digit selects that tab, T/P shows the Table/Picture group,
    // t/p hides it. Expected: the selected tab at the end.
    QTest::addColumn<QString>("steps");
    QTest::addColumn<int>("selected");
    QTest::newRow("back to where the user came from") << "1T2t" << 1;
    QTest::newRow("through both tabs of the group") << "1T23t" << 1;
    QTest::newRow("unselected group goes") << "T21t" << 1;
    QTest::newRow("from one group into another") << "0TP24p" << 2;
    QTest::newRow("then the first group too") << "0TP24pt" << 0;
    QTest::newRow("shown again, selection stays") << "1T2tT" << 1;
    QTest::newRow("came from a hidden group") << "1T2P4tp" << 1;
}

void TestContextual::selectionWhenHidden()
{
    QFETCH(QString, steps);
    QFETCH(int, selected);
    Contextual host;
    for (const QChar step : steps) {
        if (step.isDigit())
            host.tabs.at(step.digitValue())->trigger();
        else if (step == QLatin1Char('T'))
            host.table.show();
        else if (step == QLatin1Char('t'))
            host.table.hide();
        else if (step == QLatin1Char('P'))
            host.picture.show();
        else if (step == QLatin1Char('p'))
            host.picture.hide();
        // Exactly one tab selected, and never a hidden one.
        QCOMPARE(host.bar.categoryGroup()->checkedAction()
                     ? host.bar.categoryGroup()->checkedAction()->isVisible()
                     : false,
                 true);
    }
    QCOMPARE(host.selectedTab(), selected);
}

void TestContextual::groupGoes()
{
    auto* host = new Contextual;
    // The tab the user came from is gone: the nearest one before the group.
    host->tabs.at(0)->trigger();
    host->tabs.at(1)->trigger();
    host->table.show();
    host->tabs.at(3)->trigger();
    host->bar.removeAction(host->tabs.at(1));
    host->bar.removeAction(host->tabs.at(0));
    host->table.hide();
    // Only the hidden picture tab remains: nothing is selected.
    QCOMPARE(host->bar.categoryGroup()->checkedAction(), nullptr);

    // A hidden group destroyed gives its tabs back as ordinary tabs.
    {
        RibbonContextualTabGroup* group =
            new RibbonContextualTabGroup(QStringLiteral("Chart Tools"), Qt::blue);
        auto* tab = new RibbonCategoriesPanelAction(QStringLiteral("Chart"), &host->window);
        group->addTab(tab);
        host->bar.addContextualTabGroup(group);
        QVERIFY(!tab->isVisible());
        delete group;
        QVERIFY(tab->isVisible());
        QCOMPARE(host->bar.contextualTabGroups().size(), 2);
    }
    // Removing a group keeps its tabs, shown.
    host->bar.removeContextualTabGroup(&host->picture);
    QVERIFY(host->tabs.at(4)->isVisible());
    QVERIFY(!host->tabButton(4)->isHidden());
    delete host;
}

ORU_TEST_MAIN(TestContextual)
#include "tst_contextual.moc"
