#pragma once
// Where a verb's input comes from and its output goes. "-" is standard
// input or standard output; /dev/stdin, /dev/stdout, /dev/stderr and
// /dev/fd/N name descriptors the program already holds and are used as they
// are (so "-o /dev/stdout >> log.txt" adds to log.txt). An output that is
// not a regular file (a pipe, a terminal, a device) is written to directly;
// a regular file is replaced in one step by the atomic save. Failures throw
// std::runtime_error with one line naming the file and the cause.
#include <cstddef>
#include <limits>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace q7::cli {

// The descriptor that `name` stands for, when it names a stream of this
// program rather than a file.
std::optional<int> streamDescriptor(const std::string& name, bool output);

// "standard output" for "-", else the name.
std::string shownName(const std::string& name, bool output);

// The input `name` up to its end or `limit` bytes: a stream or a regular
// file. Anything else (a folder, a device, a named pipe) is refused.
std::string readInput(const std::string& name,
                      std::size_t limit = std::numeric_limits<std::size_t>::max());

// Writes `content` to the output `name`.
void writeOutput(const std::string& name, std::string_view content);

// --quiet: only failures and the final result line are said.
void setQuiet(bool quiet);
// Where lines go that --quiet silences: standard error, or nowhere.
std::ostream& info();
// Whether a progress bar is drawn: on a terminal, and not with --quiet.
bool progressShown();

}  // namespace q7::cli
