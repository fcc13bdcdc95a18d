#pragma once
// A closed drop-down list under a turning mouse wheel would change its value
// (and so the image) while the dealer only means to scroll the page past it.
// A guarded list takes the wheel only while it has the keyboard focus; else
// the wheel goes on to its parent, so the scroll area or grid around it
// scrolls. The wheel does not give the list the focus either.
//
// A list laid over a grid cell (an in-cell editor, the tone box) has the
// focus from the click that opened it, not from a choice of the dealer's, and
// Qt closes an in-cell editor as soon as it loses the focus: such a list
// never takes the wheel, which scrolls the grid. Its entries are picked from
// its drop-down or with the keys.
class QComboBox;

namespace q7 {

enum class WheelTurns { WhileFocused, Never };

// Guards `box`; every drop-down list the windows make, in-cell editors too.
void guardWheel(QComboBox* box, WheelTurns turns = WheelTurns::WhileFocused);
bool isWheelGuarded(const QComboBox* box);

}  // namespace q7
