#pragma once

#include <oruRibbonWindow.h>

#include <QPushButton>

// A secondary Tarnwick window with the library's own frame: notes on the
// left, a closable "Outline" pane on the right.
class FrameDemoWindow : public oru::RibbonWindow
{
    Q_OBJECT

public:
    FrameDemoWindow();
};

// Opens a FrameDemoWindow over @p near and returns it; it deletes itself
// when closed.
FrameDemoWindow* openFrameDemo(QWidget* near);

// A "Window" button that opens a FrameDemoWindow over @p parent's window.
QPushButton* createFrameDemoButton(QWidget* parent);
