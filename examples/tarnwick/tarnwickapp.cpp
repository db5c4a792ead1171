#include "tarnwickapp.h"

TarnwickApp::TarnwickApp(int& argc, char** argv) : RibbonApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Tarnwick"));
    setOrganizationName(QStringLiteral("vazaveVurovi"));
}
