#pragma once
// The cause of a save that failed, in a few words for a command line: one
// text for each failure number the atomic file writer gives.
#include <filesystem>
#include <string>

namespace q7 {

// "the disk is full", "permission refused", ...; a general text for a number
// the writer does not give.
std::string saveFailureCause(int failureNumber);
// The same for a save of `path`: a name the system cannot follow (a loop of
// symbolic links, a name too long) is said as such.
std::string saveFailureCause(int failureNumber, const std::filesystem::path& path);

// Why the system cannot even look at `path` ("a loop of symbolic links",
// "the name is too long ..."); empty when it can.
std::string unusablePathCause(const std::filesystem::path& path);

}  // namespace q7
