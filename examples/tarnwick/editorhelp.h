#pragma once

#include <QString>

class QWidget;

namespace oru {
class RibbonHelpWindow;
}

// Path of Tarnwick's compiled help collection, built next to the program.
QString tarnwickHelpCollection();

// Shows Tarnwick's help window (created on first use and owned by @p owner):
// the page indexed under @p keyword, or the home page without one.
oru::RibbonHelpWindow* showTarnwickHelp(QWidget* owner, const QString& keyword = QString());
