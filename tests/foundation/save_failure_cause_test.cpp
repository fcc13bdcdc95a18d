// The cause of a failed save as q7cli names it: from the system's error
// through the atomic writer's failure number to one distinct text each.
#include "foundation/save_failure_cause.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <set>

#include "foundation/atomic_file.h"
#include "foundation/error_report.h"

namespace q7 {
namespace {

struct CauseCase {
  int systemError;
  const char* cause;
};

const CauseCase kCauses[] = {
    {ENOSPC, "the disk is full"},
    {EDQUOT, "the disk is full"},
    {EFBIG, "the disk is full"},
    {EACCES, "permission refused (a read-only file or folder)"},
    {EPERM, "permission refused (a read-only file or folder)"},
    {EROFS, "permission refused (a read-only file or folder)"},
    {ENOENT, "the folder does not exist"},
    {ENOTDIR, "the folder does not exist"},
    {EIO, "input/output error on the disk"},
    {ELOOP, "not a regular file"},
};

TEST(SaveFailureCause, EachSystemErrorGivesItsCause) {
  for (const CauseCase& c : kCauses)
    EXPECT_EQ(saveFailureCause(saveFailureFor(c.systemError)), c.cause) << c.systemError;
}

TEST(SaveFailureCause, TheCausesAreDistinct) {
  const int numbers[] = {err::kDiskFull,   err::kPermission, err::kPathNotFound, err::kDeviceIo,
                         err::kPathAccess, err::kDeviceName, err::kFileNotFound};
  std::set<std::string> texts;
  for (int n : numbers) texts.insert(saveFailureCause(n));
  EXPECT_EQ(texts.size(), std::size(numbers));
}

}  // namespace
}  // namespace q7
