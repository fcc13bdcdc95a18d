#include "foundation/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "foundation/error_report.h"

namespace q7 {
namespace {

namespace fs = std::filesystem;

inline constexpr int kSaved = 0;
inline constexpr int kMostLinks = 40;
inline constexpr const char* kTemporaryName = ".q7save-XXXXXX";

// Follows symbolic links to the path of the file the data really goes to
// (which may not exist yet). Empty when the links loop.
fs::path realTarget(fs::path path) {
  std::error_code ec;
  for (int hop = 0; hop < kMostLinks; ++hop) {
    if (!fs::is_symlink(path, ec)) return path;
    const fs::path next = fs::read_symlink(path, ec);
    if (ec) return {};
    path = next.is_absolute() ? next : path.parent_path() / next;
  }
  return {};
}

// The failure number when the existing file must not be replaced, else 0.
int refusal(const fs::path& target, const struct stat& info) {
  if (S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode)) return err::kDeviceName;
  if (!S_ISREG(info.st_mode)) return err::kPathAccess;
  // A file marked read-only stays as it is, even for a user allowed to replace it.
  if ((info.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0) return err::kPermission;
  return kSaved;
}

mode_t newFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

bool writeAll(int fd, std::string_view content) {
  while (!content.empty()) {
    const ssize_t n = ::write(fd, content.data(), content.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = EIO;
      return false;
    }
    content.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

void syncFolder(const fs::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// Writes the temporary file `temp` (open as `fd`) and renames it over `target`.
int fillAndRename(int fd, const std::string& temp, const fs::path& target, std::string_view content,
                  const struct stat* old) {
  const mode_t mode = old ? (old->st_mode & 07777) : newFileMode();
  bool ok = writeAll(fd, content) && ::fchmod(fd, mode) == 0;
  if (ok && old && ::geteuid() == 0) {
    // The owner's file stays the owner's when root saves it.
    ok = ::fchown(fd, old->st_uid, old->st_gid) == 0;
  }
  ok = ok && ::fsync(fd) == 0;
  const int cause = errno;
  ok = ::close(fd) == 0 && ok;
  if (ok && ::rename(temp.c_str(), target.c_str()) == 0) return kSaved;
  const int failure = saveFailureFor(ok ? errno : cause);
  ::unlink(temp.c_str());
  return failure;
}

}  // namespace

int saveFailureFor(int systemError) {
  switch (systemError) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return err::kDiskFull;
    case EACCES:
    case EPERM:
    case EROFS:
      return err::kPermission;
    case ENOENT:
    case ENOTDIR:
      return err::kPathNotFound;
    case EIO:
      return err::kDeviceIo;
    default:
      return err::kPathAccess;
  }
}

int writeFileAtomically(const fs::path& given, std::string_view content) {
  if (given.empty()) return err::kPathNotFound;
  const fs::path target = realTarget(given);
  if (target.empty()) return err::kPathAccess;
  struct stat info {};
  const bool exists = ::stat(target.c_str(), &info) == 0;
  if (!exists && errno != ENOENT) return saveFailureFor(errno);
  if (exists) {
    if (const int refused = refusal(target, info)) return refused;
  }
  const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
  // A short temporary name, so that a target name of the longest length still saves.
  std::string temp = (folder / kTemporaryName).string();
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return saveFailureFor(errno);
  const int failure = fillAndRename(fd, temp, target, content, exists ? &info : nullptr);
  if (failure == kSaved) syncFolder(folder);
  return failure;
}

}  // namespace q7
