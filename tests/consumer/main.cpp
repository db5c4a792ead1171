#include <oruRibbonApplication.h>
#include <oruRibbonStyle.h>

#include <cstdio>

class ConsumerApp : public oru::RibbonApplication
{
public:
    using RibbonApplication::RibbonApplication;
    bool initInstance() override { return true; }
};

// Exits 0 only when the installed library hands out a loaded skin.
int main(int argc, char** argv)
{
    ConsumerApp app(argc, argv);
    app.setRibbonStyle(oru::RibbonApplication::Black);
    const oru::RibbonStyle* skin = ConsumerApp::theApp()->ribbonStyle();
    const bool ok = skin->mainClientColor() == QColor(83, 83, 83) && !skin->mainButton().isNull();
    std::printf("consumer: %s\n", ok ? "skin loaded" : "skin missing");
    // The translations are compiled into the library.
    const bool translated = app.loadTranslations(QLocale(QLocale::German));
    std::printf("consumer: %s\n", translated ? "translations found" : "translations missing");
    return ok && translated ? 0 : 1;
}
