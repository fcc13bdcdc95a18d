// What q7cli says, as typed: the progress bar only on a terminal, --quiet
// keeping failures and the result line, every line in English, and a
// sentence of its own for each port and file name it cannot use.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "comm/pattern_file.h"
#include "comm/sim_process.h"
#include "support/temp_dir.h"

namespace q7 {
namespace {

using test::SimProcess;

const std::filesystem::path kSample = std::filesystem::path(Q7_DATA_DIR) / "Data" / "Sample.dat";

std::string quote(const std::filesystem::path& path) {
  return "'" + path.string() + "'";
}

test::CommandResult cli(const test::TempDir& dir, const std::string& arguments) {
  return test::runCli(arguments, dir / "err.txt");
}

bool isEnglish(const std::string& text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// q7cli with its standard error on a terminal (a pty of the test), all it
// wrote there, and its exit code.
test::CommandResult onTerminal(const std::vector<std::string>& arguments) {
  const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
  if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) return {};
  const std::string slaveName = ::ptsname(master);
  const pid_t pid = ::fork();
  if (pid == 0) {
    const int slave = ::open(slaveName.c_str(), O_RDWR | O_NOCTTY);
    ::dup2(slave, STDERR_FILENO);
    ::close(slave);
    ::close(master);
    const std::string program = test::binaryPath("q7cli").string();
    std::vector<char*> argv = {const_cast<char*>(program.c_str())};
    for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  std::string said;
  char chunk[4096];
  // The terminal ends (EIO) once the program and its copy of the slave are gone.
  for (ssize_t n = ::read(master, chunk, sizeof chunk); n > 0;
       n = ::read(master, chunk, sizeof chunk))
    said.append(chunk, static_cast<std::size_t>(n));
  int status = 0;
  ::waitpid(pid, &status, 0);
  ::close(master);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, said};
}

constexpr const char* kBar = "] 100%";

TEST(CliMessages, TheProgressBarIsDrawnOnlyOnATerminal) {
  const test::TempDir dir;
  SimProcess sim({"--baud", "0", "--image", kSample.string()});
  const auto out = dir / "read.dat";
  const auto terminal =
      onTerminal({"read", "--no-backup", "--port", sim.device(), "-o", out.string()});
  EXPECT_EQ(terminal.exitCode, 0) << terminal.errorOutput;
  EXPECT_NE(terminal.errorOutput.find(kBar), std::string::npos) << terminal.errorOutput;
  EXPECT_NE(terminal.errorOutput.find("\r["), std::string::npos);
  const auto file = cli(dir, "read --no-backup --port " + sim.device() + " -o " + quote(out));
  EXPECT_EQ(file.exitCode, 0) << file.errorOutput;
  EXPECT_EQ(file.errorOutput, "Read Successful: " + out.string() + "\n");
  const auto quiet =
      onTerminal({"--quiet", "read", "--no-backup", "--port", sim.device(), "-o", out.string()});
  EXPECT_EQ(quiet.errorOutput, "Read Successful: " + out.string() + "\r\n");
}

TEST(CliMessages, QuietKeepsFailuresAndTheResultLine) {
  const test::TempDir dir;
  SimProcess sim({"--baud", "0", "--class", "31", "--image", kSample.string()});
  const std::string port = " --port " + sim.device() + " --backup-folder " + quote(dir / "backups");
  const auto loud = cli(dir, "write" + port + " " + quote(kSample));
  EXPECT_EQ(loud.exitCode, 0) << loud.errorOutput;
  EXPECT_NE(loud.errorOutput.find("Backup: "), std::string::npos) << loud.errorOutput;
  EXPECT_NE(loud.errorOutput.find("Write Successful: "), std::string::npos);
  const auto quiet = cli(dir, "write --quiet" + port + " " + quote(kSample));
  EXPECT_EQ(quiet.exitCode, 0) << quiet.errorOutput;
  EXPECT_EQ(quiet.errorOutput, "Verified\n");
  const auto read = cli(dir, "-q read" + port + " -o " + quote(dir / "r.dat"));
  EXPECT_EQ(read.errorOutput, "Read Successful: " + (dir / "r.dat").string() + "\n");
  const auto failed = cli(dir, "read --quiet --port " + quote(kSample) + " -o " + quote(dir / "x"));
  EXPECT_EQ(failed.exitCode, 1);
  EXPECT_NE(failed.errorOutput.find("not a serial port"), std::string::npos) << failed.errorOutput;
}

// A hang-up in the closing exchanges of a write, after every block went
// out: the line names it in English, with nothing of the error list's words.
TEST(CliMessages, AHangUpAfterTheBlocksIsSaidInEnglish) {
  const test::TempDir dir;
  for (const char* frame : {"64", "66", "68"}) {
    SimProcess sim({"--baud", "0", "--class", "31", "--hangup-after", frame});
    const auto result =
        cli(dir, "write --no-backup --no-verify --port " + sim.device() + " " + quote(kSample));
    EXPECT_EQ(result.exitCode, 1) << frame << "\n" << result.errorOutput;
    EXPECT_TRUE(isEnglish(result.errorOutput)) << frame << "\n" << result.errorOutput;
    EXPECT_NE(result.errorOutput.find("q7cli write: "), std::string::npos) << result.errorOutput;
  }
}

struct SentenceCase {
  const char* arguments;  // {dir} the test's folder, {sample} a data file
  const char* sentence;
};

const SentenceCase kSentences[] = {
    {"read --port 99999999999 -o {dir}/a.dat",
     "port 99999999999 is out of range: port numbers "
     "are 1 to 16"},
    {"read --port 0 -o {dir}/a.dat", "port 0 is out of range"},
    {"write --port 17 {sample}", "port 17 is out of range"},
    {"read --port '' -o {dir}/a.dat", "the port is empty"},
    {"show {dir}/loop", "{dir}/loop: a loop of symbolic links"},
    {"normalize {sample} -o {dir}/loop", "cannot save {dir}/loop: a loop of symbolic links"},
    {"show {dir}/{long}", "the name is too long"},
    {"normalize {sample} -o {dir}/{long}", "the name is too long"},
    {"--bogus", "unknown option --bogus"},
    {"--bogus show {sample}", "unknown option --bogus"},
    {"show {sample} --bogus", "--bogus"},
};

std::string filled(std::string text, const test::TempDir& dir) {
  const std::pair<std::string, std::string> words[] = {
      {"{dir}", dir.path().string()},
      {"{sample}", kSample.string()},
      {"{long}", std::string(256, 'n')},
  };
  for (const auto& [name, value] : words)
    for (auto at = text.find(name); at != std::string::npos; at = text.find(name))
      text.replace(at, name.size(), value);
  return text;
}

TEST(CliMessages, EachUnusableNameHasASentenceOfItsOwn) {
  const test::TempDir dir;
  std::filesystem::create_symlink(dir / "loop", dir / "loop");
  for (const SentenceCase& c : kSentences) {
    const std::string arguments = filled(c.arguments, dir);
    const auto result = cli(dir, arguments);
    EXPECT_EQ(result.exitCode, 2) << arguments;
    EXPECT_EQ(std::count(result.errorOutput.begin(), result.errorOutput.end(), '\n'), 1)
        << arguments << "\n"
        << result.errorOutput;
    EXPECT_NE(result.errorOutput.find(filled(c.sentence, dir)), std::string::npos)
        << arguments << "\n"
        << result.errorOutput;
  }
  EXPECT_FALSE(std::filesystem::exists(dir / "a.dat"));
}

TEST(CliMessages, ANameOfTheLongestLengthSaves) {
  const test::TempDir dir;
  const auto longest = dir / std::string(255, 'n');
  const auto result = cli(dir, "normalize " + quote(kSample) + " -o " + quote(longest));
  EXPECT_EQ(result.exitCode, 0) << result.errorOutput;
  ASSERT_EQ(cli(dir, "normalize " + quote(kSample) + " -o " + quote(dir / "short")).exitCode, 0);
  EXPECT_EQ(test::fileBytes(longest), test::fileBytes(dir / "short"));
}

}  // namespace
}  // namespace q7
