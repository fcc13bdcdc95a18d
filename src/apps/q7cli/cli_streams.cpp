#include "cli_streams.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <stdexcept>

#include "foundation/atomic_file.h"
#include "foundation/save_failure_cause.h"

namespace q7::cli {
namespace {

namespace fs = std::filesystem;

struct StreamName {
  const char* name;
  int fd;
};

constexpr StreamName kStreamNames[] = {
    {"/dev/stdin", STDIN_FILENO},
    {"/dev/stdout", STDOUT_FILENO},
    {"/dev/stderr", STDERR_FILENO},
};

constexpr const char* kDescriptorFolders[] = {"/dev/fd/", "/proc/self/fd/"};

std::optional<int> descriptorNumber(const std::string& name) {
  for (const std::string folder : kDescriptorFolders) {
    if (!name.starts_with(folder)) continue;
    const char* first = name.data() + folder.size();
    const char* last = name.data() + name.size();
    int fd = -1;
    const auto [end, error] = std::from_chars(first, last, fd);
    if (error == std::errc() && end == last && first != last) return fd;
  }
  return std::nullopt;
}

std::runtime_error failure(const std::string& name, bool output, const std::string& cause) {
  return std::runtime_error((output ? "cannot write to " : "cannot read ") +
                            shownName(name, output) + ": " + cause);
}

std::string readDescriptor(int fd, const std::string& name, std::size_t limit) {
  std::string content;
  char chunk[65536];
  while (content.size() < limit) {
    const ssize_t n = ::read(fd, chunk, std::min(sizeof chunk, limit - content.size()));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) throw failure(name, false, std::strerror(errno));
    if (n == 0) break;
    content.append(chunk, static_cast<std::size_t>(n));
  }
  return content;
}

std::string readRegularFile(const std::string& name, std::size_t limit) {
  if (const std::string unusable = unusablePathCause(name); !unusable.empty())
    throw std::runtime_error(name + ": " + unusable);
  std::error_code ec;
  const fs::file_status status = fs::status(name, ec);
  if (!fs::exists(status)) throw std::runtime_error(name + ": no such file");
  if (!fs::is_regular_file(status))
    throw std::runtime_error(name + ": not a regular file (a folder, a device or a pipe)");
  const int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw std::runtime_error(name + ": cannot be read");
  try {
    std::string content = readDescriptor(fd, name, limit);
    ::close(fd);
    return content;
  } catch (...) {
    ::close(fd);
    throw;
  }
}

void writeDescriptor(int fd, const std::string& name, std::string_view content) {
  while (!content.empty()) {
    const ssize_t n = ::write(fd, content.data(), content.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) throw failure(name, true, std::strerror(n < 0 ? errno : EIO));
    content.remove_prefix(static_cast<std::size_t>(n));
  }
}

// A pipe, a terminal or a device: written where it stands, never replaced.
bool isWrittenInPlace(const std::string& name) {
  std::error_code ec;
  const fs::file_status status = fs::status(name, ec);
  return fs::exists(status) && !fs::is_regular_file(status) && !fs::is_directory(status);
}

void writeInPlace(const std::string& name, std::string_view content) {
  const int fd = ::open(name.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) throw failure(name, true, std::strerror(errno));
  try {
    writeDescriptor(fd, name, content);
  } catch (...) {
    ::close(fd);
    throw;
  }
  if (::close(fd) != 0) throw failure(name, true, std::strerror(errno));
}

class NullBuffer : public std::streambuf {
 protected:
  int overflow(int c) override { return c; }
};

bool gQuiet = false;

}  // namespace

std::optional<int> streamDescriptor(const std::string& name, bool output) {
  if (name == "-") return output ? STDOUT_FILENO : STDIN_FILENO;
  for (const StreamName& stream : kStreamNames)
    if (name == stream.name) return stream.fd;
  return descriptorNumber(name);
}

std::string shownName(const std::string& name, bool output) {
  if (name != "-") return name;
  return output ? "standard output" : "standard input";
}

std::string readInput(const std::string& name, std::size_t limit) {
  if (const auto fd = streamDescriptor(name, false)) return readDescriptor(*fd, name, limit);
  return readRegularFile(name, limit);
}

void writeOutput(const std::string& name, std::string_view content) {
  if (const auto fd = streamDescriptor(name, true)) {
    std::cout.flush();
    return writeDescriptor(*fd, name, content);
  }
  if (isWrittenInPlace(name)) return writeInPlace(name, content);
  const int failed = writeFileAtomically(name, content);
  if (failed != 0)
    throw std::runtime_error("cannot save " + name + ": " + saveFailureCause(failed, name));
}

void setQuiet(bool quiet) {
  gQuiet = quiet;
}

std::ostream& info() {
  static NullBuffer nothing;
  static std::ostream silent(&nothing);
  return gQuiet ? silent : std::cerr;
}

bool progressShown() {
  return !gQuiet && ::isatty(STDERR_FILENO) == 1;
}

}  // namespace q7::cli
