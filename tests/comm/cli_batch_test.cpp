// q7cli write --serials against q7sim radios: one radio after another on one
// port, several ports at once, radios that fail or differ, the end of the
// dealer's input and Ctrl+C. Every radio written holds the data file as the
// desktop program sends it, with its own serial number in information line 1.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <regex>
#include <set>

#include "channels/radio_charset.h"
#include "comm/desktop_write.h"
#include "comm/pattern_file.h"
#include "comm/radio_transfer.h"
#include "comm/sim_process.h"
#include "foundation/memory_map.h"
#include "support/temp_dir.h"

namespace q7 {
namespace {

using test::CliProcess;
using test::desktopWrite;
using test::fileBytes;
using test::patternFile;
using test::runCli;
using test::SimProcess;

const std::vector<std::string> kSerials = {"SN0001", "SN0002", "SN-0003-long-serial-number"};
// What information line 1 holds of each: its first 16 characters.
const std::vector<std::string> kStored = {"SN0001", "SN0002", "SN-0003-long-ser"};

std::string quoted(const std::filesystem::path& path) {
  return "'" + path.string() + "'";
}

std::filesystem::path serialFile(const test::TempDir& dir) {
  const auto path = dir / "serials.ini";
  std::ofstream file(path);
  file << "[SerialNo]\n";
  for (std::size_t i = 0; i < kSerials.size(); ++i) file << i + 1 << "=" << kSerials[i] << "\n";
  return path;
}

std::string infoLine1(const std::vector<std::uint8_t>& dataFile) {
  CodeplugImage image;
  image.loadFileLayout(dataFile);
  const std::string line = decodeInfoLine(image, 1);
  return line.substr(0, line.find_last_not_of(' ') + 1);
}

// A radio's memory (as a data file) holds the written range of `wanted`,
// information line 1 aside, and `serial` in information line 1.
void expectRadioHolds(const std::vector<std::uint8_t>& radio,
                      const std::vector<std::uint8_t>& wanted, const std::string& serial) {
  ASSERT_EQ(radio.size(), kDataFileSize);
  EXPECT_EQ(infoLine1(radio), serial);
  for (std::size_t a = 0x010; a <= 0x37F; ++a) {
    const bool volumeSteps = a >= 0x1A0 && a <= 0x1AB;  // never sent
    const bool infoLine = a >= map::kInfoLines && a < map::kInfoLines + 2 * kInfoLineChars;
    if (volumeSteps || infoLine) continue;
    EXPECT_EQ(radio[a + kFileHeaderSize], wanted[a + kFileHeaderSize]) << serial << " at " << a;
  }
}

std::vector<std::string> csvFields(const std::string& line) {
  std::vector<std::string> fields(1);
  bool inQuotes = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '"' && inQuotes && i + 1 < line.size() && line[i + 1] == '"') {
      fields.back() += '"';
      ++i;
    } else if (c == '"') {
      inQuotes = !inQuotes;
    } else if (c == ',' && !inQuotes) {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  return fields;
}

struct LogLine {
  std::string port, serial, result, verify;
};

// The log's lines after its header; each line's time is checked on the way.
std::vector<LogLine> logLines(const std::filesystem::path& log) {
  std::ifstream in(log);
  std::string line;
  std::getline(in, line);
  EXPECT_EQ(line, "time,port,serial,result,verify");
  const std::regex isoTime(R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d[+-]\d\d:\d\d)");
  std::vector<LogLine> lines;
  while (std::getline(in, line)) {
    const auto fields = csvFields(line);
    EXPECT_EQ(fields.size(), 5u) << line;
    if (fields.size() != 5) continue;
    EXPECT_TRUE(std::regex_match(fields[0], isoTime)) << fields[0];
    lines.push_back({fields[1], fields[2], fields[3], fields[4]});
  }
  return lines;
}

// Each radio image by the serial number in its information line 1.
std::map<std::string, std::vector<std::uint8_t>> imagesBySerial(
    const std::vector<std::filesystem::path>& files) {
  std::map<std::string, std::vector<std::uint8_t>> images;
  for (const auto& file : files) images[infoLine1(fileBytes(file))] = fileBytes(file);
  return images;
}

std::vector<std::filesystem::path> filesIn(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) files.push_back(entry);
  return files;
}

TEST(CliBatch, OnePortAsksForEveryRadioAndGivesEachItsSerial) {
  test::TempDir dir;
  const auto source = patternFile(dir);
  const auto saved = dir / "radio.dat";
  SimProcess sim({"--class", "31", "--save", saved.string(), "--baud", "0"});
  CliProcess cli({"write", source.string(), "--serials", serialFile(dir).string(), "--port",
                  sim.device(), "--backup-folder", (dir / "bk").string(), "--log",
                  (dir / "log.csv").string()});
  for (std::size_t i = 0; i < kSerials.size(); ++i) {
    ASSERT_TRUE(cli.waitForLine("Connect radio " + std::to_string(i + 1) + " of 3 (serial " +
                                kStored[i] + ") and press Enter"));
    cli.type("\n");
  }
  const auto result = cli.finish();
  EXPECT_EQ(result.exitCode, 0) << result.errorOutput;
  EXPECT_NE(result.errorOutput.find("Batch: 3 of 3 radios written"), std::string::npos)
      << result.errorOutput;
  sim.stop();
  // Each write backs up the radio first: the backups of radios 2 and 3 hold
  // radios 1 and 2 as written; the simulator's memory holds radio 3.
  std::vector<std::filesystem::path> radios = filesIn(dir / "bk");
  radios.push_back(saved);
  const auto images = imagesBySerial(radios);
  const auto wanted = desktopWrite(source);
  for (const std::string& serial : kStored) {
    ASSERT_TRUE(images.count(serial)) << serial;
    expectRadioHolds(images.at(serial), wanted, serial);
  }
  const auto lines = logLines(dir / "log.csv");
  ASSERT_EQ(lines.size(), 3u);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_EQ(lines[i].port, sim.device());
    EXPECT_EQ(lines[i].serial, kStored[i]);
    EXPECT_EQ(lines[i].result, "written");
    EXPECT_EQ(lines[i].verify, "verified");
  }
}

// Three radios on three ports at once, the middle simulator as given.
struct PortsCase {
  std::vector<std::string> middleRadio;  // q7sim options of the second port's radio
  int exitCode;
  const char* middleResult;  // what its log line starts with
  const char* middleVerify;
};

TEST(CliBatch, SeveralPortsWriteAtOnceEachRadioWithItsOwnSerial) {
  const PortsCase cases[] = {
      {{}, 0, "written", "verified"},
      {{"--hangup-after", "20"}, 1, "failed: ", "skipped"},
      {{"--corrupt-write", "123"}, 3, "written", "differs at 0x123"},
  };
  for (const PortsCase& c : cases) {
    test::TempDir dir;
    const auto source = patternFile(dir);
    std::vector<std::unique_ptr<SimProcess>> sims;
    std::string ports;
    for (int i = 0; i < 3; ++i) {
      std::vector<std::string> arguments = {
          "--class", "31",     "--baud",
          "0",       "--save", (dir / ("radio" + std::to_string(i) + ".dat")).string()};
      if (i == 1) arguments.insert(arguments.end(), c.middleRadio.begin(), c.middleRadio.end());
      sims.push_back(std::make_unique<SimProcess>(arguments));
      ports += " --port " + sims.back()->device();
    }
    const auto result =
        runCli("write " + quoted(source) + " --serials " + quoted(serialFile(dir)) + ports +
                   " --no-backup --log " + quoted(dir / "log.csv") + " </dev/null",
               dir / "err.txt");
    EXPECT_EQ(result.exitCode, c.exitCode) << result.errorOutput;
    for (auto& sim : sims) sim->stop();
    const auto lines = logLines(dir / "log.csv");
    ASSERT_EQ(lines.size(), 3u) << result.errorOutput;
    const auto wanted = desktopWrite(source);
    std::set<std::string> serials;
    for (const LogLine& line : lines) {
      serials.insert(line.serial);
      const auto sim = std::find_if(sims.begin(), sims.end(),
                                    [&](const auto& s) { return s->device() == line.port; });
      ASSERT_NE(sim, sims.end()) << line.port;
      const auto index = sim - sims.begin();
      EXPECT_NE(result.errorOutput.find("port " + line.port + ": Radio "), std::string::npos);
      if (index == 1) {
        EXPECT_EQ(line.result.rfind(c.middleResult, 0), 0u) << line.result;
        EXPECT_EQ(line.verify, c.middleVerify);
        continue;
      }
      EXPECT_EQ(line.result, "written");
      EXPECT_EQ(line.verify, "verified");
      expectRadioHolds(fileBytes(dir / ("radio" + std::to_string(index) + ".dat")), wanted,
                       line.serial);
    }
    EXPECT_EQ(serials, std::set<std::string>(kStored.begin(), kStored.end()));
  }
}

TEST(CliBatch, AfterAFailedRadioTheDealerIsAskedForTheNext) {
  test::TempDir dir;
  const auto source = patternFile(dir);
  SimProcess sim({"--class", "31", "--baud", "0", "--hangup-after", "20"});
  CliProcess cli({"write", source.string(), "--serials", serialFile(dir).string(), "--port",
                  sim.device(), "--no-backup", "--log", (dir / "log.csv").string()});
  for (int radio = 1; radio <= 3; ++radio) {
    ASSERT_TRUE(cli.waitForLine("Connect radio " + std::to_string(radio) + " of 3"));
    cli.type("\n");
  }
  const auto result = cli.finish();
  EXPECT_EQ(result.exitCode, 1) << result.errorOutput;
  const auto lines = logLines(dir / "log.csv");
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_NE(lines[0].result.find("hung up"), std::string::npos) << lines[0].result;
  for (const LogLine& line : lines) {
    EXPECT_EQ(line.result.rfind("failed: ", 0), 0u) << line.result;
    EXPECT_EQ(line.verify, "skipped");
  }
}

TEST(CliBatch, TheEndOfInputEndsTheBatchAfterTheRadiosDone) {
  test::TempDir dir;
  const auto source = patternFile(dir);
  const auto saved = dir / "radio.dat";
  SimProcess sim({"--class", "31", "--save", saved.string(), "--baud", "0"});
  CliProcess cli({"write", source.string(), "--serials", serialFile(dir).string(), "--port",
                  sim.device(), "--no-backup", "--log", (dir / "log.csv").string()});
  ASSERT_TRUE(cli.waitForLine("Connect radio 1 of 3"));
  cli.type("\n");
  ASSERT_TRUE(cli.waitForLine("Connect radio 2 of 3"));
  cli.endInput();
  const auto result = cli.finish();
  // Not every radio of the file was written: not a success.
  EXPECT_EQ(result.exitCode, 1) << result.errorOutput;
  EXPECT_NE(result.errorOutput.find("Batch: 1 of 3 radios written"), std::string::npos)
      << result.errorOutput;
  sim.stop();
  const auto lines = logLines(dir / "log.csv");
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].serial, kStored[0]);
  expectRadioHolds(fileBytes(saved), desktopWrite(source), kStored[0]);
}

TEST(CliBatch, InputThatEndsBeforeTheFirstRadioIsNoSuccess) {
  test::TempDir dir;
  SimProcess sim({"--class", "31", "--baud", "0"});
  CliProcess cli({"write", patternFile(dir).string(), "--serials", serialFile(dir).string(),
                  "--port", sim.device(), "--no-backup", "--log", (dir / "log.csv").string()});
  ASSERT_TRUE(cli.waitForLine("Connect radio 1 of 3"));
  cli.endInput();
  const auto result = cli.finish();
  EXPECT_EQ(result.exitCode, 1) << result.errorOutput;
  EXPECT_NE(result.errorOutput.find("Batch: 0 of 3 radios written"), std::string::npos)
      << result.errorOutput;
  EXPECT_TRUE(logLines(dir / "log.csv").empty());
}

// The log is as large as q7cli may make a file: the first radio's line cannot
// be added, and no radio follows that the log would not record.
TEST(CliBatch, ALogThatCannotBeWrittenStopsTheBatchBeforeTheNextRadio) {
  constexpr rlim_t kLargestFile = 4096;
  test::TempDir dir;
  const auto log = dir / "log.csv";
  std::ofstream(log) << "time,port,serial,result,verify\n" << std::string(kLargestFile - 31, '#');
  ASSERT_EQ(std::filesystem::file_size(log), kLargestFile);
  SimProcess sim({"--class", "31", "--baud", "0"});
  CliProcess cli({"write", patternFile(dir).string(), "--serials", serialFile(dir).string(),
                  "--port", sim.device(), "--no-backup", "--no-verify", "--log", log.string()},
                 test::Output::Pipe, kLargestFile);
  ASSERT_TRUE(cli.waitForLine("Connect radio 1 of 3"));
  cli.type("\n");
  ASSERT_TRUE(cli.waitForLine("cannot add to the log"));
  cli.endInput();
  const auto result = cli.finish();
  EXPECT_EQ(result.exitCode, 2) << result.errorOutput;
  EXPECT_EQ(result.errorOutput.find("radio 2 of 3"), std::string::npos) << result.errorOutput;
  EXPECT_NE(result.errorOutput.find("Batch: 1 of 3 radios written"), std::string::npos)
      << result.errorOutput;
}

// Ctrl+C pressed `presses` times once the backup of radio 1 is done and its
// write has begun. For the second press the radio stops listening in the
// middle of the write, so the write is surely still in hand: the press comes
// once q7cli says it is retrying.
struct InterruptCase {
  int presses;
  std::vector<std::string> radioFault;
  const char* result;  // what the radio's log line starts with
  const char* verify;
};

// The backup read of 000..3FF is 69 frames; the write's 36th frame is a block.
const std::vector<std::string> kStopsInTheWrite = {"--stop-after", std::to_string(69 + 36)};

TEST(CliBatch, CtrlCFinishesTheRadioInHandThenStops) {
  const InterruptCase cases[] = {
      {1, {}, "written", "verified"},
      {2, kStopsInTheWrite, "failed: stopped", "skipped"},
  };
  for (const InterruptCase& c : cases) {
    test::TempDir dir;
    const auto source = patternFile(dir);
    const auto saved = dir / "radio.dat";
    std::vector<std::string> simArguments = {"--class", "31", "--save", saved.string()};
    simArguments.insert(simArguments.end(), c.radioFault.begin(), c.radioFault.end());
    SimProcess sim(simArguments);  // at wire speed
    CliProcess cli(
        {"write", source.string(), "--serials", serialFile(dir).string(), "--port", sim.device(),
         "--backup-folder", (dir / "bk").string(), "--log", (dir / "log.csv").string()},
        test::Output::Terminal);  // where the progress bar is drawn
    ASSERT_TRUE(cli.waitForLine("Connect radio 1 of 3"));
    cli.type("\n");
    ASSERT_TRUE(cli.waitForLine("100%"));  // the backup's progress line ends as the write begins
    cli.signal(SIGINT);
    ASSERT_TRUE(cli.waitForLine("Ctrl+C: the batch ends once the radios in hand are done"));
    if (c.presses == 2) {
      ASSERT_TRUE(cli.waitForLine("retrying; Ctrl+C stops"));
      cli.signal(SIGINT);
    }
    const auto result = cli.finish();
    EXPECT_EQ(result.exitCode, 130) << result.errorOutput;
    EXPECT_EQ(result.errorOutput.find("radio 2 of 3"), std::string::npos) << result.errorOutput;
    sim.stop();
    const auto lines = logLines(dir / "log.csv");
    ASSERT_EQ(lines.size(), 1u) << result.errorOutput;
    EXPECT_EQ(lines[0].result.rfind(c.result, 0), 0u) << lines[0].result;
    EXPECT_EQ(lines[0].verify, c.verify);
    if (c.presses == 1) expectRadioHolds(fileBytes(saved), desktopWrite(source), kStored[0]);
  }
}

TEST(CliBatch, CtrlCWhileTheDealerIsAskedEndsTheBatchAtOnce) {
  test::TempDir dir;
  const auto source = patternFile(dir);
  SimProcess sim({"--class", "31", "--baud", "0"});
  CliProcess cli({"write", source.string(), "--serials", serialFile(dir).string(), "--port",
                  sim.device(), "--no-backup", "--log", (dir / "log.csv").string()});
  ASSERT_TRUE(cli.waitForLine("Connect radio 1 of 3"));
  cli.signal(SIGINT);
  const auto result = cli.finish();
  EXPECT_EQ(result.exitCode, 130) << result.errorOutput;
  EXPECT_TRUE(logLines(dir / "log.csv").empty());
}

}  // namespace
}  // namespace q7
