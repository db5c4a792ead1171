#include "editorwindow.h"
#include "options.h"
#include "skinchoice.h"
#include "skinview.h"

#include "tarnwickapp.h"
#include "themeicon.h"

#include <cstdio>

int main(int argc, char** argv)
{
    // A bad --scale value is reported by the option parser below.
    DemoOptions::applyScale(argc, argv);
    TarnwickApp app(argc, argv);
    useOxygenIconTheme();
    const DemoOptions options = DemoOptions::parse(app.arguments());
    if (!options.error.isEmpty()) {
        std::fprintf(
            stderr,
            "tarnwick: %s\nusage: tarnwick [--skin blue|silver|black|modernlight|moderndark] "
            "[--accent COLOUR] [--size WxH] "
            "[--scale F] [--rtl] [--shot SCENE FILE.png] [FILE...]\n",
            qPrintable(options.error));
        return 2;
    }
    // A start while Tarnwick runs hands its files over and ends. Screenshots
    // always run on their own.
    if (!options.wantsShot() && !app.initInstance())
        return 0;
    app.setRibbonStyle(options.skin);
    // The skin scenes show their own skin; customaccent a red accent unless
    // --accent names another.
    const QString& scene = options.shotScene;
    if (scene == QLatin1String("modernlight"))
        app.setRibbonStyle(QStringLiteral("Modern Light"));
    else if (scene == QLatin1String("moderndark"))
        app.setRibbonStyle(QStringLiteral("Modern Dark"));
    registerCustomSkin(options.accent);
    if (options.accent.isValid() || scene == QLatin1String("customaccent"))
        app.setRibbonStyle(QStringLiteral("Custom"));
    if (options.rtl)
        app.setLayoutDirection(Qt::RightToLeft);

    // Scene dispatch. The editor is the program and shows most scenes
    // itself; the skin sheet is a scene of its own.
    if (isEditorScene(options.shotScene))
        return runEditor(options);
    if (options.shotScene != QLatin1String("skins")) {
        std::fprintf(
            stderr,
            "tarnwick: unknown scene '%s' (main, appmenu, submenu, collapsed, "
            "collapsedpopup, menu, gallery, palettepopup, colorpicker, viewpopup, "
            "fonts, statusbar, menustyle, options, help, tabbar, window, minimised, "
            "minimisedpopup, contextual, qatmenu, screentip, qatoptions, keytips, keytipspage, "
            "keytipsmenu, qatoverflow, simplified, simplifiedoverflow, modernlight, moderndark, "
            "customaccent, rtl, skins)\n",
            qPrintable(options.shotScene));
        return 2;
    }
    SkinView window;
    window.resize(options.size.isEmpty() ? QSize(1000, 760) : options.size);
    window.show();
    return takeShot(&window, options.shotFile);
}
