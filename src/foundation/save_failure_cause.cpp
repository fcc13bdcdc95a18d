#include "foundation/save_failure_cause.h"

#include <sys/stat.h>

#include <cerrno>

#include "foundation/error_report.h"

namespace q7 {
namespace {

struct Cause {
  int number;
  const char* text;
};

constexpr Cause kCauses[] = {
    {err::kDiskFull, "the disk is full"},
    {err::kPermission, "permission refused (a read-only file or folder)"},
    {err::kPathNotFound, "the folder does not exist"},
    {err::kDeviceIo, "input/output error on the disk"},
    {err::kPathAccess, "not a regular file"},
    {err::kDeviceName, "a device, not a file"},
};

constexpr Cause kUnusablePaths[] = {
    {ELOOP, "a loop of symbolic links"},
    {ENAMETOOLONG, "the name is too long (a file name holds at most 255 bytes)"},
};

}  // namespace

std::string saveFailureCause(int failureNumber) {
  for (const Cause& cause : kCauses)
    if (cause.number == failureNumber) return cause.text;
  return "cannot be written";
}

std::string saveFailureCause(int failureNumber, const std::filesystem::path& path) {
  const std::string unusable = unusablePathCause(path);
  return unusable.empty() ? saveFailureCause(failureNumber) : unusable;
}

std::string unusablePathCause(const std::filesystem::path& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) == 0) return {};
  const int error = errno;
  for (const Cause& cause : kUnusablePaths)
    if (cause.number == error) return cause.text;
  return {};
}

}  // namespace q7
