// q7cli's standard streams as typed: "-" reads standard input and "-o -"
// writes standard output; an output that is no regular file is written where
// it stands (a pipe, /dev/stdout added to a log) and never replaced; a write
// to standard output that fails ends with exit 2 and the cause.
#include <unistd.h>

#include <gtest/gtest.h>

#include <fstream>

#include "comm/pattern_file.h"
#include "comm/sim_process.h"
#include "support/temp_dir.h"

namespace q7 {
namespace {

using test::fileBytesText;

const std::filesystem::path kSample = std::filesystem::path(Q7_DATA_DIR) / "Data" / "Sample.dat";

std::string quote(const std::filesystem::path& path) {
  return "'" + path.string() + "'";
}

test::CommandResult cli(const test::TempDir& dir, const std::string& arguments) {
  return test::runCli(arguments, dir / "err.txt");
}

// What a verb writes to a file, and what the same verb writes through
// the streams, for each verb that reads a data file and writes a result.
struct StreamCase {
  const char* toFile;    // {in} the input file, {out} the output file
  const char* toStream;  // the same from standard input to standard output
};

const StreamCase kStreamCases[] = {
    {"normalize {in} -o {out}", "normalize - -o - <{in} >{out}"},
    {"export {in} -o {out}", "export - -o - <{in} >{out}"},
    {"export --channels {in} -o {out}", "export --channels - --output - <{in} >{out}"},
    {"export {in} -o {out}", "export {in} -o /dev/stdout >{out}"},
    {"show --json {in} >{out}", "show --json - <{in} >{out}"},
    {"show {in} >{out}", "show /dev/stdin <{in} >{out}"},
    {"normalize {in} -o {out}", "normalize /dev/fd/5 -o /dev/fd/6 5<{in} 6>{out}"},
};

std::string withFiles(std::string text, const std::filesystem::path& in,
                      const std::filesystem::path& out) {
  for (const auto& [name, path] : {std::pair{"{in}", in}, std::pair{"{out}", out}}) {
    for (auto at = text.find(name); at != std::string::npos; at = text.find(name))
      text.replace(at, std::string(name).size(), quote(path));
  }
  return text;
}

TEST(CliStreams, StandardInputAndOutputGiveWhatFilesGive) {
  const test::TempDir dir;
  for (const StreamCase& c : kStreamCases) {
    const auto wanted = dir / "wanted";
    const auto got = dir / "got";
    const auto byFile = cli(dir, withFiles(c.toFile, kSample, wanted));
    ASSERT_EQ(byFile.exitCode, 0) << c.toFile << "\n" << byFile.errorOutput;
    const auto byStream = cli(dir, withFiles(c.toStream, kSample, got));
    EXPECT_EQ(byStream.exitCode, 0) << c.toStream << "\n" << byStream.errorOutput;
    EXPECT_FALSE(fileBytesText(wanted).empty()) << c.toFile;
    EXPECT_EQ(fileBytesText(got), fileBytesText(wanted)) << c.toStream;
    EXPECT_FALSE(std::filesystem::exists(dir / "-")) << c.toStream;
  }
}

TEST(CliStreams, AFleetFileComesBackThroughAPipe) {
  const test::TempDir dir;
  ASSERT_EQ(cli(dir, "normalize " + quote(kSample) + " -o " + quote(dir / "want.dat")).exitCode, 0);
  const auto piped =
      cli(dir, "export " + quote(kSample) + " -o - | '" + test::binaryPath("q7cli").string() +
                   "' import - -o " + quote(dir / "got.dat"));
  EXPECT_EQ(piped.exitCode, 0) << piped.errorOutput;
  EXPECT_EQ(piped.errorOutput, "Saved: " + (dir / "got.dat").string() + "\n");
  EXPECT_EQ(fileBytesText(dir / "got.dat"), fileBytesText(dir / "want.dat"));
  const auto diffed = cli(dir, "diff - " + quote(kSample) + " <" + quote(dir / "got.dat"));
  EXPECT_EQ(diffed.exitCode, 0) << diffed.errorOutput;
}

TEST(CliStreams, StandardOutputAddedToALogKeepsTheLogsEarlierLines) {
  const test::TempDir dir;
  const auto log = dir / "log.txt";
  std::ofstream(log) << "earlier line\n";
  const auto result =
      cli(dir, "export --channels " + quote(kSample) + " -o /dev/stdout >>" + quote(log));
  EXPECT_EQ(result.exitCode, 0) << result.errorOutput;
  const std::string text = fileBytesText(log);
  EXPECT_EQ(text.rfind("earlier line\nLocation,", 0), 0u) << text;
  EXPECT_EQ(result.errorOutput, "Saved: /dev/stdout\n");
}

TEST(CliStreams, ADeviceIsWrittenWhereItStandsNeverReplaced) {
  const test::TempDir dir;
  std::filesystem::create_symlink("/dev/null", dir / "null.dat");
  for (const std::string& output : {std::string("/dev/null"), (dir / "null.dat").string()}) {
    const auto result = cli(dir, "normalize " + quote(kSample) + " -o " + quote(output));
    EXPECT_EQ(result.exitCode, 0) << output << "\n" << result.errorOutput;
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
  }
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "null.dat"));
}

// Each verb that writes to standard output, with standard output a full
// disk or a pipe nobody reads any more.
const char* const kStandardOutputVerbs[] = {
    "show {in}",        "show --json {in}",    "diff {in} {blank}",
    "export {in} -o -", "normalize {in} -o -", "--help",
};

TEST(CliStreams, AFailedWriteToStandardOutputEndsWithExit2AndTheCause) {
  const test::TempDir dir;
  const auto blank = dir / "blank.dat";
  std::ofstream(blank, std::ios::binary) << std::string(1040, '\xFF');
  int closed[2];
  ASSERT_EQ(::pipe(closed), 0);
  ::close(closed[0]);  // the reader is gone
  const std::pair<std::string, std::string> outputs[] = {
      {" >/dev/full", "No space left on device"},
      {" >&" + std::to_string(closed[1]), "Broken pipe"},
  };
  for (std::string verb : kStandardOutputVerbs) {
    verb = withFiles(verb, kSample, kSample);
    if (const auto at = verb.find("{blank}"); at != std::string::npos)
      verb.replace(at, 7, quote(blank));
    for (const auto& [redirect, cause] : outputs) {
      const auto result = cli(dir, verb + redirect);
      EXPECT_EQ(result.exitCode, 2) << verb << redirect;
      EXPECT_NE(result.errorOutput.find("standard output"), std::string::npos)
          << verb << redirect << "\n"
          << result.errorOutput;
      EXPECT_NE(result.errorOutput.find(cause), std::string::npos) << verb << redirect << "\n"
                                                                   << result.errorOutput;
    }
  }
  ::close(closed[1]);
}

}  // namespace
}  // namespace q7
