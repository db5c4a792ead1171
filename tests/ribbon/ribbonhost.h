#pragma once

// A main window with three tabs of named commands, as a host builds it.

#include <oruRibbonButtonNormal.h>
#include <oruRibbonCatSimpleAction.h>
#include <oruRibbonCategoriesPanelAction.h>
#include <oruRibbonCategoryAction.h>
#include <oruRibbonMainWindow.h>
#include <oruRibbonMenuBar.h>
#include <oruRibbonMenuBarButton.h>
#include <oruRibbonQuickAccessBar.h>

#include <QLabel>
#include <QtTest>

struct RibbonHost
{
    oru::RibbonMainWindow window;
    oru::RibbonMenuBar& bar = *window.ribbonMenuBar();
    oru::RibbonQuickAccessBar& qab = *bar.quickAccessBar();
    QLabel central;
    QList<oru::RibbonCategoriesPanelAction*> tabs;
    QList<oru::RibbonCatSimpleAction*> commands;

    /// @p names: one tab per entry, one command per letter ("ab" gives the
    /// commands a and b on that tab).
    explicit RibbonHost(const QStringList& names = {QStringLiteral("abc"), QStringLiteral("de"),
                                                    QStringLiteral("f")})
    {
        for (int t = 0; t < names.size(); ++t) {
            auto* tab =
                new oru::RibbonCategoriesPanelAction(QStringLiteral("Tab %1").arg(t), &window);
            tab->setObjectName(QStringLiteral("tab%1").arg(t));
            auto* category = new oru::RibbonCategoryAction(QStringLiteral("Group"), &window);
            for (const QChar c : names.at(t)) {
                auto* action = new oru::RibbonCatSimpleAction(
                    QString(c), oru::RibbonCatSimpleAction::Large, &window);
                action->setObjectName(QString(c));
                category->addAction(action);
                commands.append(action);
            }
            tab->addCategory(category);
            if (t == 0)
                tab->setChecked(true);
            bar.addAction(tab);
            tabs.append(tab);
        }
        window.setCentralWidget(&central);
        window.setGeometry(100, 100, 900, 500);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    ~RibbonHost() { window.setCentralWidget(nullptr); }

    oru::RibbonCatSimpleAction* command(const QString& name) const
    {
        for (oru::RibbonCatSimpleAction* action : commands)
            if (action->objectName() == name)
                return action;
        return nullptr;
    }
    QStringList commandNames() const
    {
        QStringList names;
        for (oru::RibbonSimpleAction* action : qab.commands())
            names << action->objectName();
        return names;
    }
    /// The quick access bar's command buttons in their order, without the
    /// customize button and the chevron.
    QList<oru::RibbonButtonNormal*> qabButtons() const
    {
        QList<oru::RibbonButtonNormal*> row;
        for (auto* button : qab.findChildren<oru::RibbonButtonNormal*>(Qt::FindDirectChildrenOnly))
            if (button->actions().value(0) != qab.customizeAction() &&
                button->actions().value(0) != qab.overflowAction())
                row.append(button);
        std::sort(row.begin(), row.end(), [](QWidget* a, QWidget* b) { return a->x() < b->x(); });
        return row;
    }
    oru::RibbonMenuBarButton* tabButton(int index) const
    {
        for (QObject* object : tabs.at(index)->associatedObjects())
            if (auto* button = qobject_cast<oru::RibbonMenuBarButton*>(object))
                return button;
        return nullptr;
    }
    int selectedTab() const
    {
        for (int i = 0; i < tabs.size(); ++i)
            if (tabs.at(i)->isChecked())
                return i;
        return -1;
    }
};
