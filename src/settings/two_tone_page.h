#pragma once
// The two-tone frame's controls as the option model names them.
#include <string>

namespace q7 {

// The cell of grid 0/1 at row 1..8, column 1..5: "vsfgGridTwoTone(0)(1,1)".
std::string twoToneCellName(int grid, int row, int column);

}  // namespace q7
