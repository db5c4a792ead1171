#pragma once

#include <oruRibbonApplication.h>

#include <QColor>
#include <QSize>
#include <QString>
#include <QStringList>

// What the command line asks of the demo.
struct DemoOptions
{
    QString skin = QStringLiteral("Blue"); // a name RibbonApplication::setRibbonStyle() takes
    QColor accent;                         // --accent: a "Custom" skin of this accent colour
    QSize size;                            // window size; empty keeps the default
    double scale = 0;  // --scale F: the scale factor the program started with (0: none)
    QString shotScene; // with --shot: the state to show before grabbing
    QString shotFile;  // with --shot: where the PNG goes
    bool rtl = false;  // --rtl: right to left (as Qt's own -reverse)
    QStringList files; // documents to open
    QString error;     // set when the command line is wrong

    static DemoOptions parse(const QStringList& arguments);
    // Qt reads its scale factor when the application object is built, so
    // --scale is looked for in the raw command line before that and set as
    // the scale factor of the process. Returns false when the value is bad.
    static bool applyScale(int argc, char** argv);
    bool wantsShot() const { return !shotScene.isEmpty(); }
};

// Shows the scene for a moment, then grabs the screen (so that popups are in
// the picture) into @p file. Returns the process exit code.
int takeShot(QWidget* window, const QString& file);
