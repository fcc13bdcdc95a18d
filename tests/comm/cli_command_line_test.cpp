// q7cli's command line as typed: what it refuses before anything is opened,
// its help and version, and the files and devices it will not take.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "comm/sim_process.h"
#include "support/temp_dir.h"

namespace q7 {
namespace {

using test::runCli;
using test::SimProcess;

std::string fileText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string quoted(const std::filesystem::path& path) {
  return "'" + path.string() + "'";
}

std::filesystem::path sampleFile(const test::TempDir& dir) {
  const auto path = dir / "sample.dat";
  std::filesystem::copy_file(test::binaryPath("Data/Sample.dat"), path);
  return path;
}

std::string withWords(std::string line,
                      const std::vector<std::pair<std::string, std::string>>& words) {
  for (const auto& [name, value] : words) {
    for (auto at = line.find(name); at != std::string::npos; at = line.find(name))
      line.replace(at, name.size(), value);
  }
  return line;
}

long lineCount(const std::string& text) {
  return std::count(text.begin(), text.end(), '\n');
}

struct UsageCase {
  const char* arguments;
  const char* named;  // a word the one line of the reason holds
};

// Each of these ends with exit code 2 and one line, sends nothing to the
// radio and writes no file.
const UsageCase kUsageCases[] = {
    {"read --strat 3F0 --port {port} -o {out}", "--strat"},
    {"write --strat 10 --port {port} {file}", "--strat"},
    {"write --port {port} {file} --end", "--end"},
    {"read --port {port} -o {out} --start 3G", "3G"},
    {"read --port {port} -o {out} --end 400", "400"},
    {"write --port {port} {file} --start 10 --end 400", "400"},
    {"read --port {port} -o {out} --start 20 --end 10", "range"},
    {"read -o {out}", "--port"},
    {"read --port {port}", "--output"},
    {"read --port {port} -o {dir}", "is a folder"},
    {"read --port {port} -o {dir}/missing/x.dat", "no such folder"},
    {"read --port {port} -o {out} --trace {dir}", "is a folder"},
    {"normalize {file} -o {dir}/missing/x.dat", "no such folder"},
    {"read --port {port} --port 2 -o {out}", "--port"},
    {"write --port {port} --port 2 {file}", "--serials"},
    {"write --port {port} {file} --log {out}", "--serials"},
    {"write {file} --serials {dir}/none.ini --port {port}", "none.ini"},
    {"write {file} --serials {noserials} --port {port}", "no serial numbers"},
    {"write {file} --serials {serials} --port {port} --port {port}", "given twice"},
    {"write {file} --serials {serials} --port {port} --port 2 --trace {out}", "--trace"},
    {"write {file} --serials {serials} --port {port} --start 20 --end 10", "range"},
    {"write {file} --serials {serials} --port {port} --log {dir}", "is a folder"},
    {"write {file} --serials {fifo} --port {port}", "pipe.ini: not a regular file"},
    {"write {file} --serials /dev/zero --port {port}", "/dev/zero: not a regular file"},
    {"show {file} --lang 4", "--lang"},
    {"frobnicate", "frobnicate"},
    {"", "subcommand"},
};

TEST(CliCommandLine, AWrongCommandLineEndsWithOneLineBeforeAnythingIsOpened) {
  test::TempDir dir;
  const auto stats = dir / "stats.json";
  SimProcess sim({"--baud", "0", "--stats", stats.string()});
  const auto out = dir / "out.dat";
  const auto serials = dir / "serials.ini";
  std::ofstream(serials) << "[SerialNo]\n1=SN1\n";
  const auto noSerials = dir / "other.ini";
  std::ofstream(noSerials) << "[Other]\n1=SN1\n";
  const auto fifo = dir / "pipe.ini";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  for (const UsageCase& c : kUsageCases) {
    const std::string arguments = withWords(c.arguments, {{"{port}", sim.device()},
                                                          {"{out}", quoted(out)},
                                                          {"{file}", quoted(sampleFile(dir))},
                                                          {"{serials}", quoted(serials)},
                                                          {"{noserials}", quoted(noSerials)},
                                                          {"{fifo}", quoted(fifo)},
                                                          {"{dir}", dir.path().string()}});
    const auto result = runCli(arguments, dir / "err.txt");
    EXPECT_EQ(result.exitCode, 2) << arguments;
    EXPECT_EQ(lineCount(result.errorOutput), 1) << arguments << "\n" << result.errorOutput;
    EXPECT_NE(result.errorOutput.find(c.named), std::string::npos) << result.errorOutput;
    EXPECT_FALSE(std::filesystem::exists(out)) << arguments;
    EXPECT_FALSE(std::filesystem::exists(dir / "batch-log.csv")) << arguments;
    std::filesystem::remove(dir / "sample.dat");
  }
  sim.stop();
  EXPECT_NE(fileText(stats).find("\"bytesToRadio\": 0,"), std::string::npos) << fileText(stats);
}

TEST(CliCommandLine, HelpListsTheVerbsOptionsAndExitCodesAndVersionNamesTheProgram) {
  test::TempDir dir;
  const auto out = dir / "out.txt";
  const struct {
    std::string arguments;
    std::vector<std::string> words;
  } cases[] = {
      {"--help", {"read", "write", "show", "normalize", "ports", "130 stopped", "2 usage"}},
      {"read --help", {"--port", "--start", "--end", "--trace", "--output", "1 transfer failed"}},
      {"write --help", {"--port", "--start", "--end", "FILE.dat"}},
      {"show --help", {"--json", "--lang"}},
      {"--version", {"q7cli 1."}},
  };
  for (const auto& c : cases) {
    const auto result = runCli(c.arguments + " >" + quoted(out), dir / "err.txt");
    EXPECT_EQ(result.exitCode, 0) << c.arguments;
    const std::string text = fileText(out);
    for (const std::string& word : c.words)
      EXPECT_NE(text.find(word), std::string::npos) << c.arguments << " lacks " << word;
  }
}

TEST(CliCommandLine, AFileOrADeviceThatIsNoSerialPortIsLeftUntouched) {
  test::TempDir dir;
  const auto mine = sampleFile(dir);
  const std::string before = fileText(mine);
  std::filesystem::copy_file(mine, dir / "other.dat");
  for (const std::string& port :
       {quoted(mine), std::string("/dev/zero"), std::string("/dev/null")}) {
    const auto result =
        runCli("write --port " + port + " " + quoted(dir / "other.dat"), dir / "err.txt");
    EXPECT_EQ(result.exitCode, 1) << port;
    EXPECT_NE(result.errorOutput.find("not a serial port"), std::string::npos)
        << result.errorOutput;
  }
  EXPECT_EQ(fileText(mine), before);
}

TEST(CliCommandLine, AnInputThatIsNoRegularFileIsRefusedWithOneLine) {
  test::TempDir dir;
  const auto fifo = dir / "pipe.dat";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const std::string verbs[] = {"show", "normalize -o " + quoted(dir / "n.dat"),
                               "write --port /dev/null"};
  for (const std::string& verb : verbs) {
    for (const auto& input : {fifo, dir.path()}) {
      const auto result = runCli(verb + " " + quoted(input), dir / "err.txt");
      EXPECT_EQ(result.exitCode, 2) << verb;
      EXPECT_EQ(lineCount(result.errorOutput), 1) << result.errorOutput;
      EXPECT_NE(result.errorOutput.find("not a regular file"), std::string::npos)
          << result.errorOutput;
    }
  }
  EXPECT_FALSE(std::filesystem::exists(dir / "n.dat"));
}

// q7cli beside a settings file that is a pipe or a link to /dev/zero: every
// verb that reads the settings ends at once with one line naming the file.
TEST(CliCommandLine, ASettingsFileThatIsNoRegularFileIsRefusedWithOneLine) {
  test::TempDir dir;
  const auto program = dir / "q7cli";
  std::filesystem::copy_file(test::binaryPath("q7cli"), program);
  const auto settings = dir / "corvane.def";
  const auto sample = sampleFile(dir);
  const std::string verbs[] = {"ports", "read --port /dev/null -o " + quoted(dir / "r.dat"),
                               "write --port /dev/null " + quoted(sample)};
  for (const bool pipe : {true, false}) {
    std::filesystem::remove(settings);
    if (pipe)
      ASSERT_EQ(mkfifo(settings.c_str(), 0600), 0);
    else
      std::filesystem::create_symlink("/dev/zero", settings);
    for (const std::string& verb : verbs) {
      const std::string command = quoted(program) + " " + verb + " 2>" + quoted(dir / "err.txt");
      const int status = std::system(command.c_str());
      const std::string said = fileText(dir / "err.txt");
      EXPECT_EQ(WEXITSTATUS(status), 2) << verb << said;
      EXPECT_EQ(lineCount(said), 1) << said;
      EXPECT_NE(said.find(settings.string() + ": not a regular file"), std::string::npos) << said;
    }
  }
  EXPECT_FALSE(std::filesystem::exists(dir / "r.dat"));
}

TEST(CliCommandLine, APortHeldByAnotherProgramIsInUseAndFreeAgainAfterARun) {
  test::TempDir dir;
  SimProcess sim({"--baud", "0"});
  const auto out = dir / "read.dat";
  const std::string read = "read --no-backup --port " + sim.device() + " -o " + quoted(out);
  {
    const int held = ::open(sim.device().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(held, 0);
    ASSERT_EQ(flock(held, LOCK_EX | LOCK_NB), 0);
    const auto busy = runCli(read, dir / "err.txt");
    ::close(held);
    EXPECT_EQ(busy.exitCode, 1);
    // The holder is this test's own process, named with its pid.
    EXPECT_NE(
        busy.errorOutput.find(": in use by q7core_tests (pid " + std::to_string(::getpid()) + ")"),
        std::string::npos)
        << busy.errorOutput;
    EXPECT_FALSE(std::filesystem::exists(out));
  }
  // One run after the other: each lets the port go for the next.
  for (int run = 0; run < 2; ++run) {
    const auto result = runCli(read, dir / "err.txt");
    EXPECT_EQ(result.exitCode, 0) << result.errorOutput;
  }
}

struct SaveCase {
  const char* target;
  const char* cause;
};

// Output names that pass the checks before the work but fail at the save.
const SaveCase kSaveCases[] = {
    {"read-only.dat", "permission refused"},
    {"into-missing-folder.dat", "the folder does not exist"},
    {"loop.dat", "a loop of symbolic links"},
};

void prepareSaveTargets(const test::TempDir& dir) {
  std::ofstream(dir / "read-only.dat") << "kept";
  std::filesystem::permissions(dir / "read-only.dat", std::filesystem::perms::owner_read);
  std::filesystem::create_symlink(dir / "gone" / "x.dat", dir / "into-missing-folder.dat");
  std::filesystem::create_symlink(dir / "loop.dat", dir / "loop.dat");
}

TEST(CliCommandLine, ASaveThatFailsNamesItsCauseOnOneLine) {
  test::TempDir dir;
  prepareSaveTargets(dir);
  SimProcess sim({"--baud", "0"});
  const std::string verbs[] = {"normalize " + quoted(sampleFile(dir)) + " -o",
                               "read --no-backup --port " + sim.device() + " -o"};
  for (const std::string& verb : verbs) {
    for (const SaveCase& c : kSaveCases) {
      const auto result = runCli(verb + " " + quoted(dir / c.target), dir / "err.txt");
      EXPECT_EQ(result.exitCode, 2) << verb << " " << c.target;
      const auto said = result.errorOutput.substr(result.errorOutput.rfind("q7cli"));
      EXPECT_EQ(lineCount(said), 1) << result.errorOutput;
      EXPECT_NE(said.find("cannot save " + (dir / c.target).string() + ": " + c.cause),
                std::string::npos)
          << said;
    }
  }
  EXPECT_EQ(fileText(dir / "read-only.dat"), "kept");
  EXPECT_FALSE(std::filesystem::exists(dir / "gone"));
}

}  // namespace
}  // namespace q7
