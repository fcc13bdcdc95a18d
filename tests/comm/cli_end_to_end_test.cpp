// q7cli against q7sim through a real pseudo-terminal.
#include <gtest/gtest.h>

#include <algorithm>

#include "comm/desktop_write.h"
#include "comm/pattern_file.h"
#include "comm/radio_transfer.h"
#include "comm/sim_process.h"
#include "foundation/codeplug_image.h"
#include "support/temp_dir.h"

namespace q7 {
namespace {

using test::patternFile;
using test::runCli;
using test::SimProcess;

using test::fileBytes;

TEST(CliEndToEnd, ReadGivesTheRadiosMemoryAsADataFile) {
  test::TempDir dir;
  const auto source = patternFile(dir);
  SimProcess sim({"--image", source.string(), "--baud", "0"});
  const auto output = dir / "read.dat";
  const auto result =
      runCli("read --port " + sim.device() + " -o '" + output.string() +
                 "' --start 0 --end 3FF --no-backup --trace '" + (dir / "trace.txt").string() + "'",
             dir / "err.txt");
  EXPECT_EQ(result.exitCode, 0) << result.errorOutput;
  EXPECT_NE(result.errorOutput.find("Read Successful"), std::string::npos);
  EXPECT_EQ(fileBytes(output), fileBytes(source));
  const auto trace = fileBytes(dir / "trace.txt");
  EXPECT_EQ(std::string(trace.begin(), trace.begin() + 16), "Tx: 50 52 4F 47 ");
}

TEST(CliEndToEnd, WriteStoresTheFileInTheRadio) {
  test::TempDir dir;
  const auto source = patternFile(dir);
  const auto saved = dir / "saved.dat";
  SimProcess sim({"--class", "31", "--save", saved.string(), "--baud", "0"});
  const auto result = runCli("write --port " + sim.device() + " '" + source.string() +
                                 "' --start 10 --end 37F --no-backup",
                             dir / "err.txt");
  EXPECT_EQ(result.exitCode, 0) << result.errorOutput;
  EXPECT_NE(result.errorOutput.find("Write Successful"), std::string::npos);
  sim.stop();
  const auto written = fileBytes(saved);
  // What the desktop program sends: the file opened (with the refresh's
  // corrections), channels and key lists committed, the write's adjustments.
  const auto wanted = test::desktopWrite(source);
  ASSERT_NE(wanted, fileBytes(source));  // opening the pattern changes bytes in the range
  ASSERT_EQ(written.size(), kDataFileSize);
  constexpr std::size_t kOffset = kFileHeaderSize;  // file offset = address + 16
  for (std::size_t a = 0x010; a <= 0x37F; ++a) {
    const bool skipped = a >= 0x1A0 && a <= 0x1AB;  // the radio takes only 0x1AC..0x1AF there
    EXPECT_EQ(written[a + kOffset], skipped ? 0xFF : wanted[a + kOffset]) << a;
  }
  EXPECT_EQ(written[0x3D0 + kOffset], 0xFF);
}

TEST(CliEndToEnd, AFailedReadWritesNoFileAndSaysWhy) {
  test::TempDir dir;
  SimProcess sim({"--hangup-after", "3", "--baud", "0"});
  const auto output = dir / "read.dat";
  const auto result = runCli("read --port " + sim.device() + " -o '" + output.string() +
                                 "' --start 0 --end 3FF --no-backup",
                             dir / "err.txt");
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_FALSE(std::filesystem::exists(output));
  EXPECT_NE(result.errorOutput.find("q7cli read: Communication failed"), std::string::npos)
      << result.errorOutput;
}

TEST(CliEndToEnd, APortThatDoesNotExistIsNamedInTheReason) {
  test::TempDir dir;
  const auto output = dir / "read.dat";
  const auto result =
      runCli("read --port '" + (dir / "nothing").string() + "' -o '" + output.string() + "'",
             dir / "err.txt");
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_FALSE(std::filesystem::exists(output));
  EXPECT_NE(result.errorOutput.find("cannot open the port"), std::string::npos);
  EXPECT_NE(result.errorOutput.find("nothing"), std::string::npos);
}

TEST(CliEndToEnd, AWriteCutOffAmidItsBlocksSaysTheRadioIsPartlyWritten) {
  test::TempDir dir;
  const auto source = patternFile(dir);
  SimProcess sim({"--hangup-after", "30", "--baud", "0"});
  const auto result = runCli(
      "write --no-backup --port " + sim.device() + " '" + source.string() + "'", dir / "err.txt");
  EXPECT_EQ(result.exitCode, 1);
  const std::string last =
      result.errorOutput.substr(result.errorOutput.rfind('\n', result.errorOutput.size() - 2) + 1);
  EXPECT_EQ(last.rfind("q7cli write: ", 0), 0u) << result.errorOutput;
  EXPECT_NE(last.find("hung up"), std::string::npos) << last;
  EXPECT_NE(last.find("% of the write"), std::string::npos) << last;
  EXPECT_NE(last.find("the radio is only partly written; write it again"), std::string::npos);
}

TEST(CliEndToEnd, CtrlCStopsAReadWithExitCode130OneLineAndNoFile) {
  test::TempDir dir;
  SimProcess sim({"--mute", "--baud", "0"});
  const auto output = dir / "read.dat";
  test::CliProcess cli({"read", "--port", sim.device(), "-o", output.string()});
  // The hint comes once the retries begin: Ctrl+C is taken from then on.
  ASSERT_TRUE(cli.waitForLine("Ctrl+C stops"));
  cli.signal(SIGINT);
  const auto result = cli.finish();
  EXPECT_EQ(result.exitCode, 130);
  EXPECT_EQ(std::count(result.errorOutput.begin(), result.errorOutput.end(), '\n'), 1)
      << result.errorOutput;
  EXPECT_EQ(result.errorOutput.rfind("q7cli read: stopped", 0), 0u) << result.errorOutput;
  EXPECT_FALSE(std::filesystem::exists(output));
}

}  // namespace
}  // namespace q7
