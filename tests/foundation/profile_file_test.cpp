#include "foundation/profile_file.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "foundation/bounded_file.h"
#include "foundation/setting_keys.h"
#include "support/temp_dir.h"

namespace q7 {
namespace {

std::string slurp(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

void put(const std::filesystem::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

TEST(ProfileFile, ReadTrimsCutsAndFallsBack) {
  test::TempDir dir;
  put(dir / "s.def",
      "; comment\r\n[setting]\r\nlanguage =  3  \r\nTableMaxAddr=0123456789ABCDEF012\r\n");
  const ProfileFile file(dir / "s.def");
  EXPECT_EQ(file.read("Setting", "LANGUAGE", "2", 8), "3");
  EXPECT_EQ(file.read("Setting", "TableMaxAddr", "1FFF", 14), "0123456789ABCD");
  EXPECT_EQ(file.read("Setting", "COM", "1", 8), "1");
  EXPECT_EQ(file.read("Other", "Language", "x", 8), "x");
}

TEST(ProfileFile, NumbersThatAreNotNumbersTakeTheDefault) {
  test::TempDir dir;
  put(dir / "s.def", "[Setting]\nCOM=abc\nDatNum=1039\nLanguage=99999\nDefColor=255\n");
  const ProfileFile file(dir / "s.def");
  EXPECT_EQ(readSettingInt(file, key::kCom), 1);
  EXPECT_EQ(readSettingInt(file, key::kDatNum), 1039);
  EXPECT_EQ(readSettingInt(file, key::kLanguage), 2);
  EXPECT_EQ(readSettingColour(file, key::kDefColor), 255);
  EXPECT_EQ(readSettingColour(file, key::kOverColor), 8421631);
}

TEST(ProfileFile, WriteChangesOnlyThatLineAndKeepsTheRest) {
  test::TempDir dir;
  put(dir / "s.def", "; keep me\r\n[Setting]\r\nFirRun=1\r\nCOM=2\r\n\r\n[ChInfo]\r\n1000=a\r\n");
  ProfileFile file(dir / "s.def");
  ASSERT_TRUE(file.write("SETTING", "firrun", "0"));
  EXPECT_EQ(slurp(dir / "s.def"),
            "; keep me\r\n[Setting]\r\nfirrun=0\r\nCOM=2\r\n\r\n[ChInfo]\r\n1000=a\r\n");
  ASSERT_TRUE(file.write("Setting", "Language", "3"));
  ASSERT_TRUE(file.write("New", "k", "v"));
  EXPECT_EQ(slurp(dir / "s.def"),
            "; keep me\r\n[Setting]\r\nfirrun=0\r\nCOM=2\r\nLanguage=3\r\n\r\n[ChInfo]\r\n"
            "1000=a\r\n\r\n[New]\r\nk=v\r\n");
}

TEST(ProfileFile, WriteCreatesAMissingFile) {
  test::TempDir dir;
  ProfileFile file(dir / "new.def");
  ASSERT_TRUE(file.write("Setting", "FirRun", "1"));
  EXPECT_EQ(slurp(dir / "new.def"), "[Setting]\r\nFirRun=1\r\n");
}

TEST(ProfileFile, UnwritableFileKeepsTheValueInMemory) {
  test::TempDir dir;
  ProfileFile file(dir / "missing-folder" / "s.def");
  EXPECT_FALSE(file.write("Setting", "COM", "5"));
  EXPECT_EQ(file.read("Setting", "COM", "1", 8), "5");
}

TEST(ProfileFile, SectionListsKeysInFileOrder) {
  test::TempDir dir;
  put(dir / "s.def", "[CTCSS_LIST]\n1=67.0\n2= 71.9 \n[Next]\n1=x\n");
  const ProfileFile file(dir / "s.def");
  const auto entries = file.section("ctcss_list");
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[1], std::make_pair(std::string("2"), std::string("71.9")));
}

TEST(ProfileFile, CutCountsCharactersNotBytes) {
  EXPECT_EQ(cutToChars("宋体宋体", 3), "宋体宋");
  EXPECT_EQ(cutToChars("ab", 5), "ab");
}

}  // namespace
TEST(ProfileFile, QuotesAreDroppedAndOnlyTheFirstSectionCounts) {
  test::TempDir dir;
  put(dir / "s.def", "[A]\n1=\"quoted\"\n2='single'\n3=\"open\n[B]\n[a]\n4=later\n");
  const ProfileFile file(dir / "s.def");
  EXPECT_EQ(file.read("A", "1", ""), "quoted");
  EXPECT_EQ(file.read("A", "4", "none"), "none");
  const auto entries = file.section("A");
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"1", "quoted"}, {"2", "single"}, {"3", "\"open"}};
  EXPECT_EQ(entries, expected);
}

// What stored settings and serial number files rely on, one rule a case.
TEST(ProfileFile, TheReaderKeepsWhatStoredFilesRelyOn) {
  const struct {
    const char* rule;
    std::string text;
    const char* key;
    const char* value;  // read with the fallback "none"
  } cases[] = {
      {"an empty quoted value is empty", "[S]\n5=\"\"\n", "5", ""},
      {"the first of two equal keys wins", "[S]\nk=first\nK=second\n", "k", "first"},
      {"a byte order mark is dropped", "\xEF\xBB\xBF[S]\nk=v\n", "k", "v"},
      {"a # line is no key", "[S]\n#k=v\n", "#k", "none"},
      {"a ; line is no key", "[S]\n;k=v\n", ";k", "none"},
  };
  for (const auto& c : cases) {
    test::TempDir dir;
    put(dir / "s.def", c.text);
    const ProfileFile file(dir / "s.def");
    EXPECT_EQ(file.read("S", c.key, "none"), c.value) << c.rule;
    const auto entries = file.section("S");
    const bool listed = std::any_of(entries.begin(), entries.end(), [&](const auto& entry) {
      return entry.first == c.key && entry.second == c.value;
    });
    EXPECT_EQ(listed, std::string(c.value) != "none") << c.rule;
  }
}

// A file that is no regular file of a sensible size is never opened for
// reading: it reads as empty at once, and says why in one line naming it.
TEST(ProfileFile, SpecialAndHugeFilesAreRefused) {
  test::TempDir dir;
  const auto fifo = dir / "fifo.def";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const auto zero = dir / "zero.def";
  std::filesystem::create_symlink("/dev/zero", zero);
  const auto huge = dir / "huge.def";
  put(huge, "[Setting]\nLanguage=1\n");
  std::filesystem::resize_file(huge, kLargestTextFile + 1);
  const struct {
    std::filesystem::path path;
    const char* why;
  } cases[] = {{fifo, "not a regular file"}, {zero, "not a regular file"}, {huge, "larger than"}};
  for (const auto& c : cases) {
    const ProfileFile file(c.path);
    EXPECT_EQ(file.read("Setting", "Language", "3"), "3") << c.path;
    EXPECT_TRUE(file.section("Setting").empty()) << c.path;
    EXPECT_EQ(file.health(), ProfileFile::Health::Unreadable) << c.path;
    const auto refused = refusedFile(c.path);
    ASSERT_TRUE(refused) << c.path;
    EXPECT_EQ(refused->rfind(c.path.string() + ": " + c.why, 0), 0u) << *refused;
  }
  put(dir / "s.def", "[Setting]\n");
  EXPECT_FALSE(refusedFile(dir / "s.def"));
  EXPECT_FALSE(refusedFile(dir / "absent.def"));
}

// The file is read once while it stays as it is, and again once it changed.
TEST(ProfileFile, AChangedFileIsReadAgain) {
  test::TempDir dir;
  put(dir / "s.def", "[Setting]\nLanguage=1\n");
  ProfileFile file(dir / "s.def");
  EXPECT_EQ(file.read("Setting", "Language", ""), "1");
  put(dir / "s.def", "[Setting]\nLanguage=22\n");  // another program's change
  EXPECT_EQ(file.read("Setting", "Language", ""), "22");
  EXPECT_TRUE(file.write("Setting", "COM", "3"));
  EXPECT_EQ(file.read("Setting", "COM", ""), "3");
  EXPECT_EQ(file.read("Setting", "Language", ""), "22");
}

TEST(ProfileFile, AMissingSectionComesFromTheBuiltInCopy) {
  test::TempDir dir;
  put(dir / "s.def", "[Setting]\nLanguage=1\n");
  ProfileFile file(dir / "s.def");
  file.setBuiltIn("[Setting]\nLanguage=3\nCOM=4\n[CTCSS_LIST]\n1=67.0\n");
  EXPECT_EQ(file.read("Setting", "Language", ""), "1");
  EXPECT_EQ(file.read("Setting", "COM", "1"), "1");
  EXPECT_EQ(file.section("CTCSS_LIST").size(), 1u);
}

}  // namespace q7
