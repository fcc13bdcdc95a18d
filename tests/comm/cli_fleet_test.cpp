// "q7cli export" and "q7cli import" as typed: fleet files (JSON) and CSV
// channel tables of the shipped files come back as the bytes "q7cli
// normalize" writes, a table written by hand builds the channels it names,
// and a file with faults names each on a line of its own and writes nothing.
#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>

#include "comm/pattern_file.h"
#include "comm/sim_process.h"
#include "support/temp_dir.h"

namespace q7 {
namespace {

const std::filesystem::path kData(Q7_DATA_DIR);
const std::filesystem::path kSample = kData / "Data" / "Sample.dat";

std::string quote(const std::filesystem::path& path) {
  return "'" + path.string() + "'";
}

test::CommandResult cli(const test::TempDir& dir, const std::string& arguments) {
  return test::runCli(arguments, dir / "err.txt");
}

void writeText(const std::filesystem::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// Runs a command that must succeed.
void run(const test::TempDir& dir, const std::string& arguments) {
  const auto result = cli(dir, arguments);
  ASSERT_EQ(result.exitCode, 0) << arguments << "\n" << result.errorOutput;
}

nlohmann::json shown(const test::TempDir& dir, const std::filesystem::path& file) {
  const auto out = dir / "show.json";
  run(dir, "show --json " + quote(file) + " >" + quote(out));
  return nlohmann::json::parse(test::fileBytesText(out));
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

const std::filesystem::path kShipped[] = {kSample, kData / "dhcpqec.def",
                                          kData / "DefRadioSet.def"};

TEST(CliFleet, ShippedFilesComeBackFromTheirFleetFile) {
  const test::TempDir dir;
  for (const auto& file : kShipped) {
    run(dir, "normalize " + quote(file) + " -o " + quote(dir / "want.dat"));
    run(dir, "export " + quote(file) + " -o " + quote(dir / "radio.json"));
    run(dir, "import " + quote(dir / "radio.json") + " -o " + quote(dir / "got.dat"));
    EXPECT_EQ(test::fileBytes(dir / "got.dat"), test::fileBytes(dir / "want.dat")) << file;
  }
}

TEST(CliFleet, ShippedFilesComeBackFromTheirChannelTable) {
  const test::TempDir dir;
  for (const auto& file : kShipped) {
    run(dir, "normalize " + quote(file) + " -o " + quote(dir / "want.dat"));
    run(dir, "export --channels " + quote(file) + " -o " + quote(dir / "channels.csv"));
    run(dir, "import --channels " + quote(dir / "channels.csv") + " --base " + quote(file) +
                 " -o " + quote(dir / "got.dat"));
    EXPECT_EQ(test::fileBytes(dir / "got.dat"), test::fileBytes(dir / "want.dat")) << file;
    // Into the template: the same channels, so the same table again.
    run(dir, "import --channels " + quote(dir / "channels.csv") + " -o " + quote(dir / "new.dat"));
    run(dir, "export --channels " + quote(dir / "new.dat") + " -o " + quote(dir / "again.csv"));
    EXPECT_EQ(test::fileBytesText(dir / "again.csv"), test::fileBytesText(dir / "channels.csv"))
        << file;
  }
}

TEST(CliFleet, AnEditedFleetFileChangesThatValue) {
  const test::TempDir dir;
  run(dir, "export " + quote(kSample) + " -o " + quote(dir / "radio.json"));
  const std::string json = test::fileBytesText(dir / "radio.json");
  std::string edited = replaced(json, "\"rx\": \"435\"", "\"rx\": \"436.5\"");
  edited = replaced(edited, "\"cboTot\": \"60s\"", "\"cboTot\": \"90s\"");
  writeText(dir / "edited.json", edited);
  run(dir, "import " + quote(dir / "edited.json") + " -o " + quote(dir / "edited.dat"));
  const auto report = shown(dir, dir / "edited.dat");
  EXPECT_EQ(report["channels"][2]["rx"], "436.5");
  EXPECT_EQ(report["channels"][2]["tx"], "435");
  EXPECT_EQ(report["options"]["cboTot"]["text"], "90s");
  EXPECT_EQ(report["channels"][0]["rx"], "446.00625");
}

TEST(CliFleet, AHandWrittenTableBuildsItsChannels) {
  const test::TempDir dir;
  // As a spreadsheet saves it: a byte order mark, CR LF line ends, quoted fields.
  writeText(dir / "plan.csv",
            "\xEF\xBB\xBFLocation,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
            "DtcsPolarity,Mode,Power,Skip,Comment\r\n"
            "1,\"Base, north\",446.006250,,0.000000,TSQL,88.5,88.5,023,NN,FM,High,,\r\n"
            "2,,440.000000,+,5.000000,DTCS,88.5,88.5,023,NN,NFM,Low,S,\"says \"\"hi\"\"\"\r\n"
            "3,,430.000000,split,440.000000,Tone,100.0,88.5,023,NN,FM,High,,\r\n");
  run(dir, "import --channels " + quote(dir / "plan.csv") + " -o " + quote(dir / "plan.dat"));
  const auto channels = shown(dir, dir / "plan.dat")["channels"];
  struct Want {
    const char *rx, *tx, *rxTone, *txTone, *width, *power, *scan;
  };
  const Want want[] = {{"446.00625", "446.00625", "88.5", "88.5", "Wide", "High", "Add"},
                       {"440", "445", "D023N", "D023N", "Narrow", "Low", "Del"},
                       {"430", "440", "None", "100.0", "Wide", "High", "Add"}};
  for (std::size_t i = 0; i < std::size(want); ++i) {
    const auto& channel = channels[i];
    EXPECT_EQ(channel["rx"], want[i].rx) << i;
    EXPECT_EQ(channel["tx"], want[i].tx) << i;
    EXPECT_EQ(channel["rxTone"], want[i].rxTone) << i;
    EXPECT_EQ(channel["txTone"], want[i].txTone) << i;
    EXPECT_EQ(channel["options"]["5"]["text"], want[i].width) << i;
    EXPECT_EQ(channel["options"]["6"]["text"], want[i].power) << i;
    EXPECT_EQ(channel["options"]["7"]["text"], want[i].scan) << i;
  }
  for (std::size_t i = std::size(want); i < channels.size(); ++i) EXPECT_EQ(channels[i]["rx"], "");
}

TEST(CliFleet, EachTonePlanOfATableGivesItsTones) {
  struct Plan {
    const char* columns;  // Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,CrossMode,RxDtcsCode
    const char* txTone;
    const char* rxTone;
  };
  const Plan plans[] = {
      {",88.5,88.5,023,NN,,", "None", "None"},
      {"Tone,100.0,88.5,023,NN,,", "100.0", "None"},
      {"TSQL,88.5,123.0,023,NN,,", "123.0", "123.0"},
      {"DTCS,88.5,88.5,023,NR,,", "D023N", "D023I"},
      {"Cross,67.0,88.5,023,NR,Tone->DTCS,754", "67.0", "D754I"},
      {"Cross,88.5,88.5,114,RN,DTCS->,023", "D114I", "None"},
      {"Cross,88.5,88.5,023,NN,->Tone,023", "None", "88.5"},
      {"Cross,88.5,88.5,023,NN,DTCS->DTCS,754", "D023N", "D754N"},
      {"Cross,71.9,94.8,023,NN,Tone->Tone,023", "71.9", "94.8"},
  };
  const test::TempDir dir;
  std::string table =
      "Location,Frequency,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,CrossMode,RxDtcsCode\n";
  for (std::size_t i = 0; i < std::size(plans); ++i)
    table += std::to_string(i + 1) + ",446.000000," + plans[i].columns + "\n";
  writeText(dir / "tones.csv", table);
  run(dir, "import --channels " + quote(dir / "tones.csv") + " -o " + quote(dir / "tones.dat"));
  const auto channels = shown(dir, dir / "tones.dat")["channels"];
  for (std::size_t i = 0; i < std::size(plans); ++i) {
    EXPECT_EQ(channels[i]["txTone"], plans[i].txTone) << plans[i].columns;
    EXPECT_EQ(channels[i]["rxTone"], plans[i].rxTone) << plans[i].columns;
  }
}

struct FaultCase {
  const char* what;
  std::vector<std::pair<std::string, std::string>> edits;  // text replaced in the exported file
  std::vector<std::string> lines;                          // after "q7cli import: FILE: "
};

// Each fault is one line, the exit code is 2, and no file is written or changed.
void expectRefused(const test::TempDir& dir, const std::string& arguments,
                   const std::filesystem::path& input, const std::vector<std::string>& lines,
                   const char* what) {
  const auto untouched = dir / "untouched.dat";
  writeText(untouched, "old contents");
  for (const auto& output : {dir / "absent.dat", untouched}) {
    const auto result = cli(dir, arguments + " -o " + quote(output));
    EXPECT_EQ(result.exitCode, 2) << what;
    std::string expected;
    for (const std::string& line : lines)
      expected += "q7cli import: " + input.string() + ": " + line + "\n";
    EXPECT_EQ(result.errorOutput, expected) << what;
  }
  EXPECT_FALSE(std::filesystem::exists(dir / "absent.dat")) << what;
  EXPECT_EQ(test::fileBytesText(untouched), "old contents") << what;
}

TEST(CliFleet, AFleetFileWithFaultsNamesEachAndWritesNothing) {
  const test::TempDir dir;
  run(dir, "export " + quote(kSample) + " -o " + quote(dir / "radio.json"));
  const std::string json = test::fileBytesText(dir / "radio.json");
  const FaultCase cases[] = {
      {"unknown option", {{"\"cboTot\"", "\"cboColour\""}}, {"option cboColour: no such option"}},
      {"value not in the list",
       {{"\"cboTot\": \"60s\"", "\"cboTot\": \"61s\""}},
       {"option cboTot: \"61s\" is not in its list"}},
      {"frequency outside the band",
       {{"\"rx\": \"435\"", "\"rx\": \"999.0\""}},
       {"channel 3 rx: 999.0 is outside the band 400-470"}},
      {"a tone that is none",
       {{"\"rxTone\": \"None\"", "\"rxTone\": \"D999N\""}},
       {"channel 1 rxTone: D999N is not a tone (None, 60.0..265.0 Hz or D023N, D023I)"}},
      {"a volume position beyond the table",
       {{"\"steps\": [\n      63,", "\"steps\": [\n      256,"}},
       {"volume step 1: 256 is not a position 0-255"}},
      {"a volume position below the table",
       {{"\"steps\": [\n      63,", "\"steps\": [\n      -1,"}},
       {"volume step 1: -1 is not a position 0-255"}},
      {"unknown channel option",
       {{"\"Talk Around\"", "\"Colour\""}},
       {"channel 1 Colour: no such channel option"}},
      {"two faults",
       {{"\"rx\": \"435\"", "\"rx\": \"abc\""}, {"\"cboSql\": \"5\"", "\"cboSql\": \"10\""}},
       {"option cboSql: \"10\" is not in its list", "channel 3 rx: abc is not a frequency in MHz"}},
  };
  for (const FaultCase& c : cases) {
    std::string edited = json;
    for (const auto& [from, to] : c.edits) edited = replaced(edited, from, to);
    const auto input = dir / "faulty.json";
    writeText(input, edited);
    expectRefused(dir, "import " + quote(input), input, c.lines, c.what);
  }
  const auto broken = dir / "broken.json";
  writeText(broken, json.substr(0, json.size() / 2));
  const auto result = cli(dir, "import " + quote(broken) + " -o " + quote(dir / "absent.dat"));
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_EQ(result.errorOutput.rfind("q7cli import: " + broken.string() + ": not JSON: ", 0), 0u)
      << result.errorOutput;
  EXPECT_EQ(std::count(result.errorOutput.begin(), result.errorOutput.end(), '\n'), 1);
  EXPECT_FALSE(std::filesystem::exists(dir / "absent.dat"));
}

TEST(CliFleet, AChannelTableWithFaultsNamesEachAndWritesNothing) {
  const test::TempDir dir;
  const std::string header =
      "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
      "Mode,Power,Skip,Comment\n";
  const std::string good = "1,,446.006250,,0.000000,,88.5,88.5,023,NN,FM,High,,\n";
  const std::pair<std::string, std::vector<std::string>> cases[] = {
      {header + good + "2,,999.000000,,0,,88.5,88.5,023,NN,FM,High,,\n",
       {"row 3 Frequency: 999.000000 is outside the band 400-470"}},
      {header + "1,,446.0,x,0,,88.5,88.5,023,NN,FM,High,,\n",
       {"row 2 Duplex: x is not empty, +, -, split or off"}},
      {header + "1,,446.0,+,40.0,,88.5,88.5,023,NN,FM,High,,\n",
       {"row 2 Offset: TX 486.000000 is outside the band 400-470"}},
      {header + "1,,446.0,,0,TSQL,88.5,12,023,NN,AM,Max,X,\n",
       {"row 2 cToneFreq: 12 is not a tone (None, 60.0..265.0 Hz or D023N, D023I)",
        "row 2 Mode: AM is not FM or NFM", "row 2 Power: Max is not one of its choices",
        "row 2 Skip: X is not empty or S"}},
      {header + "1,,446.0,,0,DTCS,88.5,88.5,093,NX,FM,High,,\n",
       {"row 2 DtcsCode: 093 is not a DCS code"}},
      {header + good + good, {"row 3 Location: 1 is given twice"}},
      {"Location,Frequency,Colour\n1,446.0,red\n", {"row 1 Colour: no such column"}},
  };
  for (const auto& [table, lines] : cases) {
    const auto input = dir / "faulty.csv";
    writeText(input, table);
    expectRefused(dir, "import --channels " + quote(input), input, lines, table.c_str());
  }
}

TEST(CliFleet, AnInputThatCannotBeReadEndsWithOneLine) {
  const test::TempDir dir;
  const auto missing = dir / "missing.json";
  const std::pair<std::string, std::string> cases[] = {
      {"import " + quote(missing) + " -o " + quote(dir / "out.dat"),
       "q7cli import: " + missing.string() + ": no such file\n"},
      {"import " + quote(dir.path()) + " -o " + quote(dir / "out.dat"),
       "q7cli import: " + dir.path().string() +
           ": not a regular file (a folder, a device or a pipe)\n"},
      {"export " + quote(missing) + " -o " + quote(dir / "out.json"),
       "q7cli export: " + missing.string() + ": no such file\n"},
  };
  for (const auto& [arguments, line] : cases) {
    const auto result = cli(dir, arguments);
    EXPECT_EQ(result.exitCode, 2) << arguments;
    EXPECT_EQ(result.errorOutput, line) << arguments;
  }
  const auto result = cli(dir, "import --base " + quote(kSample) + " " + quote(missing) + " -o " +
                                   quote(dir / "out.dat"));
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_NE(result.errorOutput.find("--base requires --channels"), std::string::npos)
      << result.errorOutput;
  EXPECT_FALSE(std::filesystem::exists(dir / "out.dat"));
  EXPECT_FALSE(std::filesystem::exists(dir / "out.json"));
}

}  // namespace
}  // namespace q7
