// A fleet file, a CSV table or other text given where q7cli takes a data
// file: every such verb ends with one line that says what the file is and how
// to make a data file of it, exit 2, and a write sends nothing to the radio.
#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>

#include "comm/pattern_file.h"
#include "comm/sim_process.h"
#include "support/temp_dir.h"

namespace q7 {
namespace {

const std::filesystem::path kSample = std::filesystem::path(Q7_DATA_DIR) / "Data" / "Sample.dat";

std::string quote(const std::filesystem::path& path) {
  return "'" + path.string() + "'";
}

struct OtherFile {
  const char* name;
  std::string what;  // after "FILE: "
};

// The three kinds, each as it would reach a dealer: a fleet file exported by
// q7cli, a channel table exported by q7cli, and a note of text.
std::vector<std::filesystem::path> otherFiles(const test::TempDir& dir) {
  const auto fleet = dir / "radio.json";
  const auto table = dir / "channels.csv";
  const auto note = dir / "note.txt";
  EXPECT_EQ(test::runCli("export " + quote(kSample) + " -o " + quote(fleet), dir / "e").exitCode,
            0);
  EXPECT_EQ(test::runCli("export --channels " + quote(kSample) + " -o " + quote(table), dir / "e")
                .exitCode,
            0);
  std::ofstream(note) << "Radios for the north site, to be written on Monday.\n";
  return {fleet, table, note};
}

std::string refusal(const std::string& verb, const std::filesystem::path& file) {
  const std::string name = file.string();
  if (file.extension() == ".json")
    return "q7cli " + verb + ": " + name +
           ": a fleet file (JSON), not a data file; make one with: q7cli import " + name +
           " -o OUT.dat\n";
  if (file.extension() == ".csv")
    return "q7cli " + verb + ": " + name +
           ": a CSV channel table, not a data file; make one with: q7cli import --channels " +
           name + " -o OUT.dat\n";
  return "q7cli " + verb + ": " + name +
         ": a text file, not a data file; data files come from q7cli read, q7cli import or the "
         "desktop program's Save\n";
}

TEST(CliNotADataFile, EveryVerbThatTakesADataFileRefusesTheOthers) {
  const test::TempDir dir;
  for (const auto& file : otherFiles(dir)) {
    const std::pair<std::string, std::string> verbs[] = {
        {"show", "show " + quote(file)},
        {"show", "show --json " + quote(file)},
        {"normalize", "normalize " + quote(file) + " -o " + quote(dir / "out.dat")},
        {"export", "export " + quote(file) + " -o " + quote(dir / "out.json")},
        {"export", "export --channels " + quote(file) + " -o " + quote(dir / "out.csv")},
        {"diff", "diff " + quote(kSample) + " " + quote(file)},
        {"diff", "diff " + quote(file) + " " + quote(kSample)},
        {"import", "import --channels " + quote(dir / "channels.csv") + " --base " + quote(file) +
                       " -o " + quote(dir / "out.dat")},
    };
    for (const auto& [verb, arguments] : verbs) {
      const auto result = test::runCli(arguments + " >" + quote(dir / "stdout.txt"), dir / "err");
      EXPECT_EQ(result.exitCode, 2) << arguments;
      EXPECT_EQ(result.errorOutput, refusal(verb, file)) << arguments;
      EXPECT_EQ(test::fileBytesText(dir / "stdout.txt"), "") << arguments;
    }
    for (const char* written : {"out.dat", "out.json", "out.csv"})
      EXPECT_FALSE(std::filesystem::exists(dir / written)) << file;
  }
}

TEST(CliNotADataFile, AWriteSendsNothingAndLeavesTheRadioAsItWas) {
  const test::TempDir dir;
  const auto files = otherFiles(dir);
  const auto untouched = dir / "untouched.dat";
  {
    test::SimProcess sim(
        {"--image", kSample.string(), "--save", untouched.string(), "--baud", "0"});
  }
  for (const auto& file : files) {
    for (const std::string& extra :
         std::vector<std::string>{"", " --serials " + quote(dir / "note.txt")}) {
      const auto saved = dir / "saved.dat";
      const auto stats = dir / "stats.json";
      test::SimProcess sim({"--image", kSample.string(), "--save", saved.string(), "--stats",
                            stats.string(), "--baud", "0"});
      const std::string arguments = "write --port " + sim.device() + " " + quote(file) + extra;
      const auto result = test::runCli(arguments, dir / "err");
      sim.stop();
      EXPECT_EQ(result.exitCode, 2) << arguments;
      EXPECT_EQ(result.errorOutput, refusal("write", file)) << arguments;
      EXPECT_EQ(nlohmann::json::parse(test::fileBytesText(stats))["bytesToRadio"], 0) << arguments;
      EXPECT_EQ(test::fileBytes(saved), test::fileBytes(untouched)) << arguments;
    }
  }
}

}  // namespace
}  // namespace q7
