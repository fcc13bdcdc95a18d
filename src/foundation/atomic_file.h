#pragma once
// Replaces a file in one step: the content goes to a fresh temporary file in
// the folder of the real target (a symbolic link is followed to the file it
// names), is flushed to the disk, takes the target's mode and is then renamed
// over the target, so a failure never leaves half a file behind and a longer
// old file keeps no tail. Only regular files the user may write are replaced.
#include <filesystem>
#include <string_view>

namespace q7 {

// 0 when the file was replaced; otherwise the failure number (error_report.h)
// that names the cause, with the old file left untouched.
int writeFileAtomically(const std::filesystem::path& target, std::string_view content);

// The failure number for a system error code met while saving.
int saveFailureFor(int systemError);

}  // namespace q7
