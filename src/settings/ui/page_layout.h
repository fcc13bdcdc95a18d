#pragma once
// Laying out the controls of an option page: lists with their labels in
// columns, check boxes below them, all inside a scroll area so that a page
// stays usable on a small screen.
#include <string>
#include <vector>

#include "settings/ui/control_binder.h"

class QGridLayout;
class QWidget;

namespace q7 {

// A scrolling grid filling `frame` (which must have no layout yet).
QGridLayout* scrollingGrid(QWidget* frame);

// The Tab key goes through `order` one after the other.
void chainTabOrder(const std::vector<QWidget*>& order);

// Adds the controls from `row` on: each list as a label and widget pair,
// `columns` pairs to a row (three grid columns each: label, list, and the
// short button (">>") that follows the list, if any), then each captioned
// button on a row of its own, then the check boxes, `columns` to a row. The
// Tab key follows the same order. Returns the next free row.
int addControls(ControlBinder& binder, QGridLayout* grid, const std::vector<std::string>& controls,
                int columns, int row);

}  // namespace q7
