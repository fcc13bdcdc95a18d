#include "foundation/bounded_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace q7 {
namespace {

bool readable(const struct stat& status, std::uintmax_t largest) {
  return S_ISREG(status.st_mode) && static_cast<std::uintmax_t>(status.st_size) <= largest;
}

}  // namespace

BoundedRead readBoundedFile(const std::filesystem::path& path, std::string& text,
                            std::uintmax_t largest) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0)
    return errno == ENOENT || errno == ENOTDIR ? BoundedRead::Missing : BoundedRead::Unreadable;
  if (!readable(status, largest)) return BoundedRead::Refused;
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return BoundedRead::Unreadable;
  // Checked again on what was opened: the name may have changed hands meanwhile.
  BoundedRead result = ::fstat(fd, &status) == 0 && readable(status, largest)
                           ? BoundedRead::Read
                           : BoundedRead::Refused;
  char chunk[65536];
  while (result == BoundedRead::Read) {
    const ssize_t n = ::read(fd, chunk, sizeof chunk);
    if (n == 0) break;
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      result = BoundedRead::Unreadable;
    } else {
      text.append(chunk, static_cast<std::size_t>(n));
      if (text.size() > largest) result = BoundedRead::Refused;
    }
  }
  ::close(fd);
  return result;
}

std::optional<std::string> refusedFile(const std::filesystem::path& path, std::uintmax_t largest) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0 || readable(status, largest)) return std::nullopt;
  if (!S_ISREG(status.st_mode))
    return path.string() + ": not a regular file (a folder, a device or a pipe)";
  return path.string() + ": larger than " + std::to_string(largest >> 20) + " MiB";
}

}  // namespace q7
