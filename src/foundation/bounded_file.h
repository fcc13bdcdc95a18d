#pragma once
// Reading a file the user may have replaced with anything: only a regular
// file of at most a given size is opened. A pipe would block the read for
// ever, a device such as /dev/zero would never end it, a huge file would
// fill the memory.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace q7 {

// The largest settings or serial number file read.
inline constexpr std::uintmax_t kLargestTextFile = 128u << 20;

enum class BoundedRead { Missing, Refused, Unreadable, Read };

// The whole file into `text` when it is a regular file of at most `largest` bytes.
BoundedRead readBoundedFile(const std::filesystem::path& path, std::string& text,
                            std::uintmax_t largest = kLargestTextFile);

// One line naming the file and why it is not read ("PATH: not a regular file
// (a folder, a device or a pipe)", "PATH: larger than 128 MiB"); nullopt for
// a file that is read, or that does not exist.
std::optional<std::string> refusedFile(const std::filesystem::path& path,
                                       std::uintmax_t largest = kLargestTextFile);

}  // namespace q7
