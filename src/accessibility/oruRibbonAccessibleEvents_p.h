#pragma once

class QObject;

namespace oru {

/// Tells assistive technology that a tab (@p object itself for @p item -1,
/// else the painted item of that index) became selected or lost its selection: a state change of
/// "selected", and for the newly selected tab a selection event, which is
/// what screen readers announce a tab switch by. Nothing while no assistive
/// technology listens.
void notifyAccessibleSelection(QObject* object, int item, bool selected);

} // namespace oru
