#pragma once

#include <QStringList>

class QWidget;

// Shows the documents a start asked for in @p window: its title names the
// last one and a line at the top lists all received so far. This is where
// the editor will open the documents instead.
void showRequestedFiles(QWidget* window, const QStringList& files);
