#include "foundation/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <sstream>

#include "foundation/codeplug_image.h"
#include "foundation/error_report.h"
#include "support/temp_dir.h"

namespace q7 {
namespace {

namespace fs = std::filesystem;

std::string contentOf(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void put(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

fs::perms permsOf(const fs::path& path) {
  return fs::status(path).permissions();
}

std::size_t entriesIn(const fs::path& folder) {
  return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), {}));
}

TEST(AtomicSave, KeepsTheModeOfTheFileItReplaces) {
  test::TempDir dir;
  for (const auto mode : {fs::perms(0600), fs::perms(0640), fs::perms(0664)}) {
    put(dir / "a.dat", "old");
    fs::permissions(dir / "a.dat", mode);
    EXPECT_EQ(writeFileAtomically(dir / "a.dat", "new"), 0);
    EXPECT_EQ(contentOf(dir / "a.dat"), "new");
    EXPECT_EQ(permsOf(dir / "a.dat"), mode);
  }
}

TEST(AtomicSave, ANewFileFollowsTheUmask) {
  test::TempDir dir;
  const mode_t old = ::umask(022);
  EXPECT_EQ(writeFileAtomically(dir / "a.dat", "new"), 0);
  ::umask(old);
  EXPECT_EQ(permsOf(dir / "a.dat"), fs::perms(0644));
}

TEST(AtomicSave, WritesThroughSymbolicLinksToTheFileTheyName) {
  test::TempDir dir;
  fs::create_directory(dir / "real");
  put(dir / "real" / "a.dat", "old");
  fs::create_symlink("real/a.dat", dir / "hop");
  fs::create_symlink(dir / "hop", dir / "link.dat");
  EXPECT_EQ(writeFileAtomically(dir / "link.dat", "new"), 0);
  EXPECT_TRUE(fs::is_symlink(dir / "link.dat"));
  EXPECT_TRUE(fs::is_symlink(dir / "hop"));
  EXPECT_EQ(contentOf(dir / "real" / "a.dat"), "new");
  // The temporary file lived beside the real file and is gone.
  EXPECT_EQ(entriesIn(dir / "real"), 1u);
  EXPECT_EQ(entriesIn(dir.path()), 3u);
}

TEST(AtomicSave, ADanglingLinkCreatesTheFileItNames) {
  test::TempDir dir;
  fs::create_symlink("made.dat", dir / "link.dat");
  EXPECT_EQ(writeFileAtomically(dir / "link.dat", "new"), 0);
  EXPECT_TRUE(fs::is_symlink(dir / "link.dat"));
  EXPECT_EQ(contentOf(dir / "made.dat"), "new");
}

TEST(AtomicSave, ALinkLoopIsRefused) {
  test::TempDir dir;
  fs::create_symlink("b", dir / "a");
  fs::create_symlink("a", dir / "b");
  EXPECT_EQ(writeFileAtomically(dir / "a", "new"), err::kPathAccess);
}

TEST(AtomicSave, NamesOfTheLongestLengthSave) {
  test::TempDir dir;
  for (const std::size_t length : {247u, 248u, 251u, 255u}) {
    const auto target = dir / std::string(length, 'n');
    EXPECT_EQ(writeFileAtomically(target, "new"), 0) << length;
    EXPECT_EQ(contentOf(target), "new") << length;
    fs::remove(target);
  }
  EXPECT_EQ(entriesIn(dir.path()), 0u);
}

TEST(AtomicSave, ARegularFileNamedLikeATemporaryOneIsLeftAlone) {
  test::TempDir dir;
  put(dir / "elsewhere", "keep");
  fs::create_symlink(dir / "elsewhere", dir / "a.dat.q7tmp");
  EXPECT_EQ(writeFileAtomically(dir / "a.dat", "new"), 0);
  EXPECT_EQ(contentOf(dir / "elsewhere"), "keep");
  EXPECT_EQ(contentOf(dir / "a.dat"), "new");
}

TEST(AtomicSave, AReadOnlyFileIsRefusedAndKept) {
  test::TempDir dir;
  put(dir / "a.dat", "old");
  fs::permissions(dir / "a.dat", fs::perms(0444));
  EXPECT_EQ(writeFileAtomically(dir / "a.dat", "new"), err::kPermission);
  EXPECT_EQ(contentOf(dir / "a.dat"), "old");
  EXPECT_EQ(permsOf(dir / "a.dat"), fs::perms(0444));
  EXPECT_EQ(entriesIn(dir.path()), 1u);
}

TEST(AtomicSave, WhatIsNotARegularFileIsNeverReplaced) {
  test::TempDir dir;
  fs::create_directory(dir / "folder.dat");
  EXPECT_EQ(writeFileAtomically(dir / "folder.dat", "new"), err::kPathAccess);
  EXPECT_TRUE(fs::is_directory(dir / "folder.dat"));
  ASSERT_EQ(::mkfifo((dir / "pipe.dat").c_str(), 0644), 0);
  EXPECT_EQ(writeFileAtomically(dir / "pipe.dat", "new"), err::kPathAccess);
  EXPECT_TRUE(fs::is_fifo(dir / "pipe.dat"));
  EXPECT_EQ(writeFileAtomically("/dev/null", "new"), 320);
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
  fs::create_symlink("/dev/null", dir / "null.dat");
  EXPECT_EQ(writeFileAtomically(dir / "null.dat", "new"), 320);
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

TEST(AtomicSave, AMissingFolderIsNamedAsSuch) {
  test::TempDir dir;
  EXPECT_EQ(writeFileAtomically(dir / "nowhere" / "a.dat", "new"), err::kPathNotFound);
  put(dir / "file", "x");
  EXPECT_EQ(writeFileAtomically(dir / "file" / "a.dat", "new"), err::kPathNotFound);
  EXPECT_EQ(writeFileAtomically("", "new"), err::kPathNotFound);
}

TEST(AtomicSave, AFolderTheUserCannotWriteIsAPermissionFailure) {
  if (::geteuid() == 0) GTEST_SKIP() << "root may write any folder";
  test::TempDir dir;
  fs::create_directory(dir / "locked");
  fs::permissions(dir / "locked", fs::perms(0555));
  EXPECT_EQ(writeFileAtomically(dir / "locked" / "a.dat", "new"), err::kPermission);
  fs::permissions(dir / "locked", fs::perms(0755));
}

TEST(AtomicSave, SystemErrorsNameTheirCause) {
  const std::pair<int, int> table[] = {
      {ENOSPC, err::kDiskFull},      {EDQUOT, err::kDiskFull},  {EACCES, err::kPermission},
      {EPERM, err::kPermission},     {EROFS, err::kPermission}, {ENOENT, err::kPathNotFound},
      {ENOTDIR, err::kPathNotFound}, {EIO, err::kDeviceIo},     {EBUSY, err::kPathAccess},
  };
  for (const auto& [systemError, number] : table) {
    EXPECT_EQ(saveFailureFor(systemError), number) << systemError;
  }
}

TEST(AtomicSave, ADataFileSaveThrowsTheCause) {
  test::TempDir dir;
  put(dir / "a.dat", "old");
  fs::permissions(dir / "a.dat", fs::perms(0444));
  try {
    writeDataFile(dir / "a.dat", CodeplugImage());
    FAIL() << "a read-only file was replaced";
  } catch (const Failure& failure) {
    EXPECT_EQ(failure.number(), err::kPermission);
    EXPECT_EQ(failure.source(), (dir / "a.dat").string());
  }
}

}  // namespace
}  // namespace q7
