#pragma once

#include <oruRibbonApplication.h>

// Tarnwick's application object.
class TarnwickApp : public oru::RibbonApplication
{
    Q_OBJECT

public:
    TarnwickApp(int& argc, char** argv);
    bool initInstance() override { return true; }
};
