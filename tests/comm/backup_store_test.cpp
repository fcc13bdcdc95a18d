#include "comm/backup_store.h"

#include <gtest/gtest.h>

#include <fstream>

#include "channels/radio_charset.h"
#include "support/temp_dir.h"

namespace q7 {
namespace {

std::tm at(int year, int month, int day, int hour, int minute) {
  std::tm t{};
  t.tm_year = year - 1900;
  t.tm_mon = month - 1;
  t.tm_mday = day;
  t.tm_hour = hour;
  t.tm_min = minute;
  return t;
}

TEST(BackupStore, FileNamesCarryDateTimeKindAndTheSafeInformationLine) {
  struct Case {
    BackupKind kind;
    std::string line;
    int suffix;
    std::string name;
  };
  const Case cases[] = {
      {BackupKind::Read, "SHOP42", 1, "2026-12-08_1532_read_SHOP42.dat"},
      {BackupKind::Write, "SHOP42", 1, "2026-12-08_1532_write_SHOP42.dat"},
      {BackupKind::Read, "", 1, "2026-12-08_1532_read.dat"},
      {BackupKind::Read, "   ", 1, "2026-12-08_1532_read.dat"},
      {BackupKind::Read, "A/B:C*D?", 1, "2026-12-08_1532_read_ABCD.dat"},
      {BackupKind::Read, "a;b|c<d>e\"f'g`h$i&j!k\\l", 1, "2026-12-08_1532_read_abcdefghijkl.dat"},
      {BackupKind::Read, "Main St 12", 1, "2026-12-08_1532_read_Main_St_12.dat"},
      {BackupKind::Read, "..", 1, "2026-12-08_1532_read.dat"},
      {BackupKind::Read, "车队", 1, "2026-12-08_1532_read_车队.dat"},
      {BackupKind::Write, "X", 3, "2026-12-08_1532_write_X_3.dat"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(backupFileName(at(2026, 12, 8, 15, 32), c.kind, c.line, c.suffix), c.name) << c.line;
}

TEST(BackupStore, ASecondBackupInTheSameMinuteGetsASuffix) {
  test::TempDir dir;
  CodeplugImage image;
  std::fill(image.bytes().begin(), image.bytes().end(), std::uint8_t{0xFF});
  encodeInfoLine(image, 1, "SHOP 42");
  const auto when = std::chrono::system_clock::now();
  const auto first = saveBackup(dir / "Backups", image, BackupKind::Read, when);
  image[0x100] = 0x12;
  const auto second = saveBackup(dir / "Backups", image, BackupKind::Read, when);
  EXPECT_NE(first, second);
  EXPECT_NE(first.filename().string().find("_read_SHOP_42.dat"), std::string::npos);
  EXPECT_NE(second.filename().string().find("_read_SHOP_42_2.dat"), std::string::npos);
  EXPECT_EQ(readImageFile(first, kDataFileSize)[0x100 + kFileHeaderSize], 0xFF);
  EXPECT_EQ(readImageFile(second, kDataFileSize)[0x100 + kFileHeaderSize], 0x12);
}

TEST(BackupStore, OnlyTheNewestBackupsAreKeptAndOtherFilesStay) {
  test::TempDir dir;
  const auto start = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
  for (int i = 0; i < 5; ++i) {
    const auto path = dir / ("2026-12-0" + std::to_string(9 - i) + "_1200_read.dat");
    std::ofstream(path) << i;
    std::filesystem::last_write_time(path, start + std::chrono::minutes(i));
  }
  std::ofstream(dir / "notes.txt") << "keep";
  std::ofstream(dir / "fleet.dat") << "keep";
  pruneBackups(dir.path(), 3);
  // Files 0 and 1 were written first, whatever their names say.
  EXPECT_FALSE(std::filesystem::exists(dir / "2026-12-09_1200_read.dat"));
  EXPECT_FALSE(std::filesystem::exists(dir / "2026-12-08_1200_read.dat"));
  for (const char* kept : {"2026-12-07_1200_read.dat", "2026-12-06_1200_read.dat",
                           "2026-12-05_1200_read.dat", "notes.txt", "fleet.dat"})
    EXPECT_TRUE(std::filesystem::exists(dir / kept)) << kept;
}

TEST(BackupStore, SavingPrunesBeyondTwoHundred) {
  test::TempDir dir;
  const auto old = std::filesystem::file_time_type::clock::now() - std::chrono::hours(2);
  for (std::size_t i = 0; i < kBackupsKept; ++i) {
    const auto path = dir / ("2020-01-01_0000_read_" + std::to_string(i) + ".dat");
    std::ofstream(path) << i;
    std::filesystem::last_write_time(path, old + std::chrono::seconds(i));
  }
  CodeplugImage image;
  const auto saved =
      saveBackup(dir.path(), image, BackupKind::Write, std::chrono::system_clock::now());
  EXPECT_TRUE(std::filesystem::exists(saved));
  EXPECT_FALSE(std::filesystem::exists(dir / "2020-01-01_0000_read_0.dat"));
  EXPECT_TRUE(std::filesystem::exists(dir / "2020-01-01_0000_read_1.dat"));
  std::size_t count = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path()))
    ++count;
  EXPECT_EQ(count, kBackupsKept);
}

}  // namespace
}  // namespace q7
