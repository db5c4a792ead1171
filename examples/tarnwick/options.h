#pragma once

#include <oruRibbonApplication.h>

#include <QSize>
#include <QString>
#include <QStringList>

// What the command line asks of the demo.
struct DemoOptions
{
    oru::RibbonApplication::eRibbonStyle skin = oru::RibbonApplication::Blue;
    QSize size;             // window size; empty keeps the default
    QString shotScene;      // with --shot: the state to show before grabbing
    QString shotFile;       // with --shot: where the PNG goes
    QStringList files;      // documents to open
    QString error;          // set when the command line is wrong

    static DemoOptions parse(const QStringList& arguments);
    bool wantsShot() const { return !shotScene.isEmpty(); }
};

// Shows the scene for a moment, then grabs the screen (so that popups are in
// the picture) into @p file. Returns the process exit code.
int takeShot(QWidget* window, const QString& file);
