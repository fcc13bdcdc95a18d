#include "shell/recent_files.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/temp_dir.h"

namespace q7 {
namespace {

using Paths = std::vector<std::filesystem::path>;

class RecentFilesTest : public ::testing::Test {
 protected:
  std::filesystem::path file(const std::string& name) {
    const auto path = dir / name;
    std::ofstream(path) << "x";
    return path;
  }
  test::TempDir dir;
  ProfileFile settings{dir / "corvane.def"};
};

TEST_F(RecentFilesTest, NewestFirstOnceEachAndAtMostEight) {
  RecentFiles recent(settings);
  EXPECT_TRUE(recent.existing().empty());
  Paths files;
  for (int i = 0; i < 10; ++i) files.push_back(file("f" + std::to_string(i) + ".dat"));
  for (const auto& f : files) recent.remember(f);
  EXPECT_EQ(recent.existing(), (Paths{files[9], files[8], files[7], files[6], files[5], files[4],
                                      files[3], files[2]}));
  recent.remember(files[5]);
  recent.remember(dir / "sub" / ".." / "f4.dat");
  EXPECT_EQ(recent.existing(), (Paths{files[4], files[5], files[9], files[8], files[7], files[6],
                                      files[3], files[2]}));
}

TEST_F(RecentFilesTest, KeptInTheSettingsFileForTheNextStart) {
  const auto a = file("a.dat");
  const auto b = file("b b.dat");
  RecentFiles(settings).remember(a);
  RecentFiles(settings).remember(b);
  ProfileFile reread(dir / "corvane.def");
  EXPECT_EQ(RecentFiles(reread).existing(), (Paths{b, a}));
  EXPECT_EQ(reread.read(kRecentSection, "File1", ""), b.string());
}

TEST_F(RecentFilesTest, FilesThatAreGoneAreDroppedWhenTheListIsShown) {
  const auto a = file("a.dat");
  const auto b = file("b.dat");
  const auto c = file("c.dat");
  RecentFiles recent(settings);
  for (const auto& f : {a, b, c}) recent.remember(f);
  std::filesystem::remove(b);
  std::filesystem::create_directory(dir / "folder.dat");
  recent.remember(dir / "folder.dat");
  EXPECT_EQ(recent.existing(), (Paths{c, a}));
  ProfileFile reread(dir / "corvane.def");
  EXPECT_EQ(reread.read(kRecentSection, "File2", ""), a.string());
  EXPECT_EQ(reread.read(kRecentSection, "File3", "none"), "");
}

}  // namespace
}  // namespace q7
