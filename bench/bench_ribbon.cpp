#include <oruRibbonCatSimpleAction.h>
#include <oruRibbonCategoriesPanelAction.h>
#include <oruRibbonCategoryAction.h>
#include <oruRibbonCategoryLayout.h>
#include <oruRibbonCategoryPanel.h>
#include <oruRibbonCategoryPanels.h>
#include <oruRibbonCategoryWrapper.h>
#include <oruRibbonMainWindow.h>
#include <oruTestApp.h>

#include <memory>
#include <vector>

using namespace oru;

// The automatic row search over runs of small controls, and the collapse
// pass of a whole page while the window is dragged narrower and wider.
class BenchRibbon : public QObject
{
    Q_OBJECT

private slots:
    void arrangeRun_data()
    {
        QTest::addColumn<QVector<int>>("widths");
        // Icon-only buttons (22) mixed with captioned medium ones.
        const QVector<int> pattern = {22, 22, 61, 22, 74, 22, 22, 48, 22, 90, 22, 22, 35, 22, 22, 64};
        for (int n : {4, 8, 12, 16})
            QTest::newRow(qPrintable(QStringLiteral("%1 mixed").arg(n))) << pattern.mid(0, n);
        for (int n : {4, 8, 12, 16})
            QTest::newRow(qPrintable(QStringLiteral("%1 equal").arg(n))) << QVector<int>(n, 22);
        QVector<int> spread;
        for (int i = 0; i < 16; ++i)
            spread << (i % 2 ? 3 + 7 * i : 97 - 5 * i);
        for (int n : {4, 8, 12, 16})
            QTest::newRow(qPrintable(QStringLiteral("%1 spread").arg(n))) << spread.mid(0, n);
    }

    void arrangeRun()
    {
        QFETCH(QVector<int>, widths);
        QVector<int> rows;
        QBENCHMARK {
            rows = RibbonCategoryLayout::arrangeRun(widths);
        }
        QCOMPARE(rows.size(), widths.size());
    }

    void pageRelayoutSweep()
    {
        RibbonMainWindow owner;
        RibbonCategoryPanels stack(*owner.ribbonMenuBar());
        RibbonCategoriesPanelAction tab(QStringLiteral("Home"), nullptr);
        std::vector<std::unique_ptr<RibbonCategoryAction>> categories;
        std::vector<std::unique_ptr<RibbonCatSimpleAction>> actions;
        for (int c = 0; c < 8; ++c) {
            categories.push_back(std::make_unique<RibbonCategoryAction>(
                QStringLiteral("Group number %1").arg(c), nullptr));
            for (int a = 0; a < 2 + c % 3; ++a)
                actions.push_back(std::make_unique<RibbonCatSimpleAction>(
                    QStringLiteral("Large %1").arg(a), RibbonCatSimpleAction::Large, nullptr));
            for (int a = 0; a < 3 + c % 4; ++a)
                actions.push_back(std::make_unique<RibbonCatSimpleAction>(
                    QStringLiteral("Item %1").arg(a), RibbonCatSimpleAction::Medium, nullptr));
        }
        size_t next = 0;
        for (int c = 0; c < 8; ++c) {
            for (int a = 0; a < 2 + c % 3 + 3 + c % 4; ++a)
                categories[size_t(c)]->addAction(actions[next++].get());
            tab.addCategory(categories[size_t(c)].get());
        }
        stack.addAction(&tab);
        RibbonCategoryPanelLayout* layout = stack.page(&tab)->pageLayout();
        int collapsed = 0;
        QBENCHMARK {
            // One drag from wide to narrow and back, 10 pixels a step.
            for (int w = 2400; w >= 300; w -= 10)
                layout->setGeometry(QRect(0, 0, w, 85));
            for (int w = 300; w <= 2400; w += 10)
                layout->setGeometry(QRect(0, 0, w, 85));
        }
        for (RibbonCategoryWrapper* wrapper : layout->wrappers())
            collapsed += wrapper->isColapsed() ? 1 : 0;
        QCOMPARE(collapsed, 0);
    }
};

ORU_TEST_MAIN(BenchRibbon)
#include "bench_ribbon.moc"
