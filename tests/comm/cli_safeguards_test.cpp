// The dealer's safeguards of q7cli against q7sim: backups of reads and of the
// radio before a write, and the read-back check after a write.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "comm/pattern_file.h"
#include "comm/sim_process.h"
#include "support/temp_dir.h"

namespace q7 {
namespace {

using test::fileBytes;
using test::patternFile;
using test::runCli;
using test::SimProcess;

const std::filesystem::path kSample = std::filesystem::path(Q7_DATA_DIR) / "Data" / "Sample.dat";

std::string shellQuoted(const std::filesystem::path& path) {
  return "'" + path.string() + "'";
}

std::vector<std::filesystem::path> filesIn(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> files;
  if (!std::filesystem::exists(folder)) return files;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) files.push_back(entry);
  return files;
}

// The radio bytes of a data file (file offset = address + 16).
std::vector<std::uint8_t> radioBytes(const std::filesystem::path& file) {
  const auto bytes = fileBytes(file);
  return {bytes.begin() + kFileHeaderSize, bytes.end()};
}

TEST(CliSafeguards, AReadKeepsABackupOfWhatItRead) {
  test::TempDir dir;
  SimProcess sim({"--image", kSample.string(), "--baud", "0"});
  const auto output = dir / "read.dat";
  const auto result = runCli("read --port " + sim.device() + " -o " + shellQuoted(output) +
                                 " --backup-folder " + shellQuoted(dir / "bk"),
                             dir / "err.txt");
  ASSERT_EQ(result.exitCode, 0) << result.errorOutput;
  const auto backups = filesIn(dir / "bk");
  ASSERT_EQ(backups.size(), 1u);
  EXPECT_NE(backups[0].filename().string().find("_read"), std::string::npos);
  EXPECT_EQ(fileBytes(backups[0]), fileBytes(output));
  EXPECT_NE(result.errorOutput.find("Backup: " + backups[0].string()), std::string::npos);
}

TEST(CliSafeguards, AWriteBacksUpTheRadioFirstThenVerifies) {
  test::TempDir dir;
  const auto source = patternFile(dir);
  SimProcess sim({"--image", kSample.string(), "--class", "31", "--baud", "0"});
  const auto result = runCli("write --port " + sim.device() + " " + shellQuoted(source) +
                                 " --backup-folder " + shellQuoted(dir / "bk"),
                             dir / "err.txt");
  EXPECT_EQ(result.exitCode, 0) << result.errorOutput;
  EXPECT_NE(result.errorOutput.find("\nVerified\n"), std::string::npos) << result.errorOutput;
  const auto backups = filesIn(dir / "bk");
  ASSERT_EQ(backups.size(), 1u);
  EXPECT_NE(backups[0].filename().string().find("_write"), std::string::npos);
  auto before = radioBytes(kSample);
  before[0x3D4] = 31;  // the class the simulator was given
  EXPECT_EQ(radioBytes(backups[0]), before);
}

// A radio that stores one written byte wrongly: the check names it, unless
// the byte is one the check leaves out.
struct CorruptCase {
  const char* address;
  const char* range;
  int exitCode;
  const char* named;
};

TEST(CliSafeguards, TheReadBackNamesTheByteTheRadioStoredWrongly) {
  const CorruptCase cases[] = {
      {"123", "", 3, "at 0x123\n"},
      {"10", "", 3, "at 0x010\n"},
      {"37F", "", 3, "at 0x37F\n"},
      {"3E0", " --start 0 --end 3FF", 0, "\nVerified\n"},   // the radio's parameter area
      {"200", " --start 10 --end 1FF", 0, "\nVerified\n"},  // outside the written range
  };
  for (const CorruptCase& c : cases) {
    test::TempDir dir;
    const auto source = patternFile(dir);
    SimProcess sim({"--corrupt-write", c.address, "--class", "31", "--baud", "0"});
    const auto result =
        runCli("write --no-backup --port " + sim.device() + " " + shellQuoted(source) + c.range,
               dir / "err.txt");
    EXPECT_EQ(result.exitCode, c.exitCode) << c.address << result.errorOutput;
    EXPECT_NE(result.errorOutput.find(c.named), std::string::npos) << result.errorOutput;
  }
}

TEST(CliSafeguards, AWriteWhoseBackupFailsDoesNotStart) {
  test::TempDir dir;
  const auto source = patternFile(dir);
  const auto blocker = dir / "file";
  std::ofstream(blocker) << "x";
  struct FailCase {
    std::vector<std::string> sim;
    std::string backupFolder;
    std::string said;
  };
  const FailCase cases[] = {
      {{"--hangup-after", "20"},
       (dir / "bk").string(),
       "% of the backup read; nothing was written"},
      {{}, (blocker / "bk").string(), "cannot make the backup folder"},
  };
  for (const FailCase& c : cases) {
    const auto saved = dir / "saved.dat";
    std::vector<std::string> arguments = {"--image",      kSample.string(), "--save",
                                          saved.string(), "--baud",         "0"};
    arguments.insert(arguments.end(), c.sim.begin(), c.sim.end());
    SimProcess sim(arguments);
    const auto result = runCli("write --port " + sim.device() + " " + shellQuoted(source) +
                                   " --backup-folder " + shellQuoted(c.backupFolder),
                               dir / "err.txt");
    sim.stop();
    EXPECT_EQ(result.exitCode, 1) << result.errorOutput;
    EXPECT_NE(result.errorOutput.find(c.said), std::string::npos) << result.errorOutput;
    EXPECT_NE(result.errorOutput.find("nothing was written"), std::string::npos);
    EXPECT_EQ(radioBytes(saved), radioBytes(kSample));
    EXPECT_TRUE(filesIn(dir / "bk").empty());
  }
}

TEST(CliSafeguards, NoBackupAndNoVerifyLeaveBothOut) {
  test::TempDir dir;
  const auto source = patternFile(dir);
  SimProcess sim({"--corrupt-write", "123", "--class", "31", "--baud", "0"});
  const auto result =
      runCli("write --no-backup --no-verify --port " + sim.device() + " " + shellQuoted(source) +
                 " --backup-folder " + shellQuoted(dir / "bk"),
             dir / "err.txt");
  EXPECT_EQ(result.exitCode, 0) << result.errorOutput;
  EXPECT_EQ(result.errorOutput.find("Verif"), std::string::npos) << result.errorOutput;
  EXPECT_FALSE(std::filesystem::exists(dir / "bk"));
}

}  // namespace
}  // namespace q7
