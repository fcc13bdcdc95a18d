#pragma once
// Replaces a file in one step: the content goes to a temporary file in the
// same folder, which is then renamed over the target, so a failure never leaves
// half a file behind and a longer old file keeps no tail.
#include <filesystem>
#include <string_view>

namespace q7 {

// Returns false (and leaves the old file untouched) when anything fails.
bool writeFileAtomically(const std::filesystem::path& target, std::string_view content);

}  // namespace q7
