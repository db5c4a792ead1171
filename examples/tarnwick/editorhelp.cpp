#include "editorhelp.h"

#include <oruRibbonHelpWindow.h>

#include <QCoreApplication>
#include <QDir>

using namespace oru;

QString tarnwickHelpCollection()
{
    return QDir(QCoreApplication::applicationDirPath())
        .filePath(QStringLiteral("help/tarnwick.qhc"));
}

RibbonHelpWindow* showTarnwickHelp(QWidget* owner, const QString& keyword)
{
    auto* help = owner->findChild<RibbonHelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
    const bool created = !help;
    if (created) {
        help = new RibbonHelpWindow(tarnwickHelpCollection());
        // A window of its own, deleted with its owner.
        help->setParent(owner, help->windowFlags() | Qt::Window);
        help->setWindowTitle(QCoreApplication::translate("TarnwickHelp", "Tarnwick Help"));
        help->resize(900, 620);
    }
    if (!keyword.isEmpty()) {
        help->showHelp(keyword);
    } else if (created) {
        help->showHelp(help->homeUrl());
    } else {
        help->show();
        help->raise();
    }
    return help;
}
