#include "tarnwickapp.h"

#include "options.h"

TarnwickApp::TarnwickApp(int& argc, char** argv)
    : RibbonSingletonApplication(QStringLiteral("tarnwick"), argc, argv)
{
    setApplicationName(QStringLiteral("Tarnwick"));
    setOrganizationName(QStringLiteral("vazaveVurovi"));
    connect(this, &RibbonSingletonApplication::messageReceived, this,
            [this](const QString& message) {
                const QStringList files = filesOfMessage(message);
                if (!files.isEmpty())
                    emit openRequested(files);
            });
}

QStringList TarnwickApp::filesOfMessage(const QString& message)
{
    // The first field is the program path; options (--skin ...) are skipped
    // the same way as on our own command line.
    return DemoOptions::parse(message.split(QLatin1Char(';'))).files;
}
