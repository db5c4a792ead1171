#include "auxscenes.h"

#include "editorhelp.h"
#include "editorwindow.h"

#include <oruRibbonHelpWindow.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

bool isAuxScene(const QString& scene)
{
    return scene == QLatin1String("options") || scene == QLatin1String("help") ||
           scene == QLatin1String("tabbar");
}

bool prepareAuxScene(EditorWindow& window, const QString& scene)
{
    if (scene == QLatin1String("options")) {
        window.showOptions();
    } else if (scene == QLatin1String("help")) {
        oru::RibbonHelpWindow* help = showTarnwickHelp(&window);
        help->setGeometry(180, 110, 900, 620);
    } else if (scene == QLatin1String("tabbar")) {
        // A few documents, so that the strip has tabs to show and to scroll.
        static QTemporaryDir dir;
        const QStringList names = {
            QStringLiteral("Letter to the council.txt"),  QStringLiteral("Notes.txt"),
            QStringLiteral("Shopping list.txt"),          QStringLiteral("Chapter one.txt"),
            QStringLiteral("Minutes of the meeting.txt"), QStringLiteral("Recipes.txt")};
        for (const QString& name : names) {
            QFile file(dir.filePath(name));
            if (!file.open(QIODevice::WriteOnly))
                return false;
            file.write(QStringLiteral("This is %1.\n").arg(name).toUtf8());
            file.close();
            if (!window.openFile(file.fileName()))
                return false;
        }
        QCoreApplication::processEvents();
    }
    return true;
}
