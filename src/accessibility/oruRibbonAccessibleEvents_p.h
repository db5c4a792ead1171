#pragma once

class QComboBox;
class QObject;

namespace oru {

/// Tells assistive technology that a tab (@p object itself for @p item -1,
/// else the painted item of that index) became selected or lost its selection: a state change of
/// "selected", and for the newly selected tab a selection event, which is
/// what screen readers announce a tab switch by. Nothing while no assistive
/// technology listens.
void notifyAccessibleSelection(QObject* object, int item, bool selected);

/// Tells assistive technology that @p object (for @p item -1, else its
/// painted item of that index) was checked or unchecked. Call it once the
/// new state is in place: screen readers read it when the event arrives.
void notifyAccessibleChecked(QObject* object, int item);

/// Names the edit field of an editable ribbon combo box as the box itself
/// is named; call it when the box turns editable or its action changes.
void nameComboEditor(QComboBox* box);

} // namespace oru
