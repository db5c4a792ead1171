// A ribbon program from zero: one tab, one group, one button.
#include <oruRibbonApplication.h>
#include <oruRibbonCatSimpleAction.h>
#include <oruRibbonCategoriesPanelAction.h>
#include <oruRibbonCategoryAction.h>
#include <oruRibbonMainWindow.h>
#include <oruRibbonMenuBar.h>

#include <QLabel>
#include <QStyle>

// Every ribbon program has one application object derived from
// RibbonApplication; initInstance() says whether this process goes on.
class HelloApp : public oru::RibbonApplication
{
public:
    using RibbonApplication::RibbonApplication;
    bool initInstance() override { return true; }
};

int main(int argc, char** argv)
{
    HelloApp app(argc, argv);
    if (!app.initInstance())
        return 0;
    app.setRibbonStyle(oru::RibbonApplication::Blue);

    oru::RibbonMainWindow window;
    window.setTitle(QStringLiteral("Hello"));
    auto* label = new QLabel(QStringLiteral("Press the button on the ribbon."));
    label->setAlignment(Qt::AlignCenter);
    window.setCentralWidget(label);

    // The ribbon is described by actions: a tab holds groups, a group holds
    // the actions of its controls. The window parents them all, so they are
    // deleted with it; the ribbon only builds widgets that show them.
    auto* tab = new oru::RibbonCategoriesPanelAction(QStringLiteral("Home"), &window);
    auto* group = new oru::RibbonCategoryAction(QStringLiteral("Greeting"), &window);
    auto* hello = new oru::RibbonCatSimpleAction(
        app.style()->standardIcon(QStyle::SP_DialogYesButton), QStringLiteral("Say hello"),
        oru::RibbonCatSimpleAction::Large, &window);
    QObject::connect(hello, &QAction::triggered, label,
                     [label] { label->setText(QStringLiteral("Hello, ribbon!")); });

    group->addAction(hello);
    tab->addCategory(group);
    // Adding the tab to the ribbon bar creates its tab button and its page;
    // the checked tab's page is the one shown.
    window.ribbonMenuBar()->addAction(tab);
    tab->setChecked(true);

    window.resize(800, 500);
    window.show();
    return app.exec();
}
