#pragma once
// The cause of a save that failed, in a few words for a command line: one
// text for each failure number the atomic file writer gives.
#include <string>

namespace q7 {

// "the disk is full", "permission refused", ...; a general text for a number
// the writer does not give.
std::string saveFailureCause(int failureNumber);

}  // namespace q7
