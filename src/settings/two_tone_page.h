#pragma once
// The two-tone frame's controls as the option model names them.
#include <string>

namespace q7 {

// The cell of grid 0/1 at row 1..8, column 1..5: "vsfgGridTwoTone(0)(1,1)".
std::string twoToneCellName(int grid, int row, int column);

// The frame's captions are the same in every language.
inline constexpr const char* kTtPreCarTimeCaption = "预载波时间[毫秒]";
inline constexpr const char* kTtAutoRstTimerCaption = "自动复位定时器";
inline constexpr const char* kTtBeepCaption = "侧音";

}  // namespace q7
