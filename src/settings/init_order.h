#pragma once
// The order in which InitOpt runs the load steps of the option pages. It
// matters: handlers that enable other controls or copy values run during
// loading, so a controlling option loads before the options it governs.
#include <span>

namespace q7 {

// Names of the load steps (a control's name, or a step loading a group of
// controls such as the ten VOX compare levels), first to last.
std::span<const char* const> initOrder();

}  // namespace q7
