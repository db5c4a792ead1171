#include "appmenudemo.h"
#include "framedemo.h"
#include "openrequests.h"
#include "options.h"
#include "ribbonpage.h"
#include "skinview.h"
#include "tarnwickapp.h"

#include <cstdio>

int main(int argc, char** argv)
{
    TarnwickApp app(argc, argv);
    const DemoOptions options = DemoOptions::parse(app.arguments());
    if (!options.error.isEmpty()) {
        std::fprintf(stderr,
                     "tarnwick: %s\nusage: tarnwick [--skin blue|silver|black] [--size WxH] "
                     "[--shot SCENE FILE.png] [FILE...]\n",
                     qPrintable(options.error));
        return 2;
    }
    // A start while Tarnwick runs hands its files over and ends. Screenshots
    // always run on their own.
    if (!options.wantsShot() && !app.initInstance())
        return 0;
    app.setRibbonStyle(options.skin);
    if (options.wantsShot() && isRibbonPageScene(options.shotScene))
        return runRibbonPageScene(options);
    if (options.wantsShot() && isAppMenuScene(options.shotScene))
        return runAppMenuScene(options);

    SkinView window;
    window.resize(options.size.isEmpty() ? QSize(1000, 760) : options.size);
    window.show();
    app.setActivationWindow(&window);
    showRequestedFiles(&window, options.files);
    QObject::connect(&app, &TarnwickApp::openRequested, &window,
                     [&window](const QStringList& files) { showRequestedFiles(&window, files); });
    app.endInit();

    if (options.wantsShot()) {
        if (options.shotScene == QLatin1String("window"))
            return takeShot(openFrameDemo(&window), options.shotFile);
        if (options.shotScene != QLatin1String("main")) {
            std::fprintf(stderr, "tarnwick: unknown scene '%s' (main, window)\n",
                         qPrintable(options.shotScene));
            return 2;
        }
        return takeShot(&window, options.shotFile);
    }
    return app.exec();
}
