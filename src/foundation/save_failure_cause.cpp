#include "foundation/save_failure_cause.h"

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

}  // namespace

std::string saveFailureCause(int failureNumber) {
  for (const Cause& cause : kCauses)
    if (cause.number == failureNumber) return cause.text;
  return "cannot be written";
}

}  // namespace q7
