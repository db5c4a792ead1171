// libFuzzer harness: RibbonMenuBar::restoreState() on arbitrary bytes. A blob
// is either refused whole or restores a state that saves back to a blob that
// restores the same way.
#include <oruRibbonApplication.h>
#include <oruRibbonCatSimpleAction.h>
#include <oruRibbonCategoriesPanelAction.h>
#include <oruRibbonCategoryAction.h>
#include <oruRibbonMainWindow.h>
#include <oruRibbonMenuBar.h>

#include <cstdint>
#include <cstdlib>

namespace {

class FuzzApp : public oru::RibbonApplication
{
public:
    using RibbonApplication::RibbonApplication;
    bool initInstance() override { return true; }
};

oru::RibbonMainWindow* window = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int qtArgc = 1;
    static char* qtArgv[] = {(*argv)[0], nullptr};
    (void)argc;
    new FuzzApp(qtArgc, qtArgv);
    window = new oru::RibbonMainWindow;
    oru::RibbonMenuBar& bar = *window->ribbonMenuBar();
    for (const char* names : {"abc", "de"}) {
        auto* tab = new oru::RibbonCategoriesPanelAction(QString::fromLatin1(names), window);
        tab->setObjectName(QString::fromLatin1(names));
        auto* category = new oru::RibbonCategoryAction(QStringLiteral("Group"), window);
        for (const char* c = names; *c; ++c) {
            auto* action = new oru::RibbonCatSimpleAction(
                QString(QLatin1Char(*c)), oru::RibbonCatSimpleAction::Large, window);
            action->setObjectName(QString(QLatin1Char(*c)));
            category->addAction(action);
        }
        tab->addCategory(category);
        bar.addAction(tab);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    oru::RibbonMenuBar& bar = *window->ribbonMenuBar();
    const QByteArray blob(reinterpret_cast<const char*>(data), qsizetype(size));
    const QByteArray before = bar.saveState();
    if (!bar.restoreState(blob)) {
        if (bar.saveState() != before)
            std::abort(); // a refused blob changed something
        return 0;
    }
    const QByteArray saved = bar.saveState();
    if (!bar.restoreState(saved) || bar.saveState() != saved)
        std::abort(); // what was restored does not save and restore again
    return 0;
}
