#include "foundation/file_locations.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/temp_dir.h"

namespace q7 {
namespace {

namespace fs = std::filesystem;

std::string contents(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void put(const fs::path& path, const std::string& text) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

class FileLocationsTest : public ::testing::Test {
 protected:
  UserFolders user() const { return {dir / "config", dir / "documents"}; }
  // Shipped files as a build tree has them: beside the program.
  fs::path buildTree() {
    const fs::path bin = dir / "build" / "bin";
    put(bin / "corvane.def", "[Setting]\r\nFirRun=1\r\n");
    put(bin / "dhcpqec.def", "template");
    put(bin / "Data" / "Sample.dat", "sample");
    return bin;
  }
  // Shipped files as an install has them: in ../share/q7cps of the program.
  fs::path installed() {
    const fs::path share = dir / "usr" / "share" / "q7cps";
    put(share / "corvane.def", "[Setting]\r\nFirRun=1\r\n");
    put(share / "dhcpqec.def", "template");
    put(share / "Data" / "Sample.dat", "sample");
    fs::create_directories(dir / "usr" / "bin");
    return dir / "usr" / "bin";
  }
  static bool writable(const fs::path&) { return true; }
  static bool readOnly(const fs::path&) { return false; }

  test::TempDir dir;
};

TEST_F(FileLocationsTest, WhereEachLayoutKeepsItsFiles) {
  struct Case {
    const char* layout;
    bool installedLayout;
    bool folderWritable;
    bool inUserFolders;
  };
  const Case cases[] = {
      {"build tree, writable", false, true, false},
      {"build tree, read-only", false, false, true},
      {"installed, writable", true, true, true},
      {"installed, read-only", true, false, true},
  };
  for (const Case& c : cases) {
    const fs::path exe = c.installedLayout ? installed() : buildTree();
    const fs::path shipped = c.installedLayout ? dir / "usr" / "share" / "q7cps" : exe;
    const FileLocations where = locateFiles(exe, user(), c.folderWritable ? writable : readOnly);
    EXPECT_EQ(where.programFolder, shipped) << c.layout;
    EXPECT_EQ(where.inUserFolders, c.inUserFolders) << c.layout;
    EXPECT_EQ(where.settingsFolder, c.inUserFolders ? user().settings : shipped) << c.layout;
    EXPECT_EQ(where.dataFolder, c.inUserFolders ? user().data : shipped / "Data") << c.layout;
  }
}

TEST_F(FileLocationsTest, NoShippedFilesAnywhereStaysBesideTheProgram) {
  const FileLocations where = locateFiles(dir.path(), user(), writable);
  EXPECT_EQ(where.programFolder, dir.path());
  EXPECT_EQ(where.settingsFolder, dir.path());
  EXPECT_FALSE(where.inUserFolders);
}

TEST_F(FileLocationsTest, SeedingCopiesTheShippedFilesWritableForTheUser) {
  const fs::path exe = installed();
  fs::permissions(dir / "usr" / "share" / "q7cps" / "corvane.def", fs::perms::owner_read);
  const FileLocations where = locateFiles(exe, user(), writable);
  seedUserFiles(where);
  EXPECT_EQ(contents(user().settings / "corvane.def"), "[Setting]\r\nFirRun=1\r\n");
  EXPECT_EQ(contents(user().data / "Sample.dat"), "sample");
  const auto mode = fs::status(user().settings / "corvane.def").permissions();
  EXPECT_NE(mode & fs::perms::owner_write, fs::perms::none);
  EXPECT_FALSE(fs::exists(user().settings / "dhcpqec.def"));
}

TEST_F(FileLocationsTest, SeedingNeverReplacesTheUsersOwnCopies) {
  const fs::path exe = installed();
  put(user().settings / "corvane.def", "[Setting]\r\nLanguage=1\r\n");
  put(user().data / "Sample.dat", "edited");
  seedUserFiles(locateFiles(exe, user(), writable));
  EXPECT_EQ(contents(user().settings / "corvane.def"), "[Setting]\r\nLanguage=1\r\n");
  EXPECT_EQ(contents(user().data / "Sample.dat"), "edited");
}

TEST_F(FileLocationsTest, BesideTheProgramNothingIsSeeded) {
  seedUserFiles(locateFiles(buildTree(), user(), writable));
  EXPECT_FALSE(fs::exists(user().settings));
  EXPECT_FALSE(fs::exists(user().data));
}

TEST_F(FileLocationsTest, WritableCheckOfTheSystem) {
  EXPECT_TRUE(folderWritable(dir.path()));
  EXPECT_FALSE(folderWritable(dir / "missing"));
}

}  // namespace
}  // namespace q7
