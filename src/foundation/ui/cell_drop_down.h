#pragma once
// The drop-down editor of a grid cell. It opens on the cell's value, or on no
// entry when that value is not in the list (a stored 9.9 s among durations up
// to 9.7 s), and it remembers whether the user picked an entry. Leaving it
// without a pick (Esc, Enter, focus away) must leave the cell as it was:
// only a picked entry is an edit.
#include <QStringList>
#include <optional>

class QComboBox;
class QWidget;

namespace q7 {

// A list of `items` that never takes the wheel (see wheel_guard.h).
QComboBox* makeCellDropDown(QWidget* parent, const QStringList& items);
// Shows the cell's value: its entry, or none.
void showCellValue(QComboBox* box, const QString& value);
// The entry the user picked since the editor opened, if any.
std::optional<QString> pickedEntry(const QComboBox* box);

}  // namespace q7
