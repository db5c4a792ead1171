#pragma once

#include <oruRibbonSingletonApplication.h>

#include <QStringList>

// Tarnwick's application object. Only one Tarnwick runs per user and display:
// a later start hands its command line over and ends, and the running one
// emits openRequested() with the documents named there.
class TarnwickApp : public oru::RibbonSingletonApplication
{
    Q_OBJECT

public:
    TarnwickApp(int& argc, char** argv);

    // The documents named in a hand-over message ("path;arg;arg...").
    static QStringList filesOfMessage(const QString& message);

signals:
    // Documents to open, from a later start of the program.
    void openRequested(const QStringList& files);
};
