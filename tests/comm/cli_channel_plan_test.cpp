// "q7cli import --channels" of plans in the layout other radio tools write
// (the plans in tests/plans, written for these tests): the columns this radio
// has no field for are ignored, a plain import of a plan with rows that do not
// fit names each row and writes nothing, and --skip-unfit imports the rest.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <nlohmann/json.hpp>

#include "channels/decimal_text.h"
#include "comm/pattern_file.h"
#include "comm/sim_process.h"
#include "support/temp_dir.h"

namespace q7 {
namespace {

const std::filesystem::path kPlans =
    std::filesystem::path(__FILE__).parent_path().parent_path() / "plans";
constexpr const char* kDropped = "Name and Comment are dropped: this radio has no channel names";

std::string quote(const std::filesystem::path& path) {
  return "'" + path.string() + "'";
}

struct Channel {
  int rx, tx;
  std::string txTone, rxTone, width, power, scan;
};

struct PlanCase {
  const char* plan;
  std::vector<std::string> unfit;   // each row that does not fit, as named
  std::map<int, Channel> channels;  // what --skip-unfit imports; every other slot is unused
};

std::vector<PlanCase> planCases() {
  PlanCase uhf{"uhf22.csv", {}, {}};
  for (int location = 17; location <= 22; ++location)
    uhf.unfit.push_back("row " + std::to_string(location + 1) +
                        " Location: " + std::to_string(location) + " is past channel 16");
  const char* tones[][2] = {{"None", "None"}, {"", "None"}, {"88.5", "88.5"}, {"D071N", "D071N"}};
  for (int i = 0; i < 16; ++i) {
    const int rx = 44600625 + 1250 * i;
    // The "Tone" rows send rToneFreq, 67.0 Hz plus the row's index.
    const std::string tx = i % 4 == 1 ? std::to_string(67 + i) + ".0" : tones[i % 4][0];
    uhf.channels[i + 1] = {
        rx, rx, tx, tones[i % 4][1], i % 2 ? "Narrow" : "Wide", "High", i == 5 ? "Del" : "Add"};
  }
  return {
      uhf,
      {"mixed_crlf.csv",
       {"row 2 Frequency: 145.500000 is outside the band 400-470",
        "row 3 Frequency: 145.600000 is outside the band 400-470",
        "row 7 Mode: DV is not FM or NFM"},
       {{3, {43350000, 43350000, "None", "None", "Wide", "High", "Add"}},
        {4, {43910000, 43150000, "88.5", "None", "Wide", "Low", "Add"}},
        {5, {44650000, 44650000, "D023N", "D754N", "Narrow", "Low", "Del"}}}},
      {"named_watts.csv",
       {"row 7 Tone: TSQL-R is not a tone mode of this radio"},
       {{1, {44600625, 44600625, "D023I", "D023I", "Narrow", "High", "Add"}},
        {2, {44601875, 44601875, "100.0", "100.0", "Narrow", "Low", "Add"}},
        {3, {44603125, 44603125, "D754N", "D754I", "Wide", "High", "Del"}}}},
  };
}

std::string expectedLines(const std::filesystem::path& plan, const std::vector<std::string>& lines,
                          const std::string& prefix) {
  std::string text = "q7cli import: " + plan.string() + ": " + kDropped + "\n";
  for (const std::string& line : lines)
    text += "q7cli import: " + plan.string() + ": " + prefix + line + "\n";
  return text;
}

void expectChannels(const nlohmann::json& shown, const PlanCase& c) {
  for (int slot = 1; slot <= 16; ++slot) {
    const auto& got = shown["channels"][static_cast<std::size_t>(slot - 1)];
    const auto want = c.channels.find(slot);
    if (want == c.channels.end()) {
      EXPECT_EQ(got["rx"], "") << c.plan << " channel " << slot;
      continue;
    }
    const Channel& w = want->second;
    EXPECT_EQ(got["rx"], decimalText(w.rx, 5)) << c.plan << " channel " << slot;
    EXPECT_EQ(got["tx"], decimalText(w.tx, 5)) << c.plan << " channel " << slot;
    EXPECT_EQ(got["txTone"], w.txTone) << c.plan << " channel " << slot;
    EXPECT_EQ(got["rxTone"], w.rxTone) << c.plan << " channel " << slot;
    EXPECT_EQ(got["options"]["5"]["text"], w.width) << c.plan << " channel " << slot;
    EXPECT_EQ(got["options"]["6"]["text"], w.power) << c.plan << " channel " << slot;
    EXPECT_EQ(got["options"]["7"]["text"], w.scan) << c.plan << " channel " << slot;
  }
}

TEST(CliChannelPlan, APlainImportNamesEachRowThatDoesNotFitAndWritesNothing) {
  const test::TempDir dir;
  for (const PlanCase& c : planCases()) {
    const auto plan = kPlans / c.plan;
    const auto out = dir / "out.dat";
    const auto result =
        test::runCli("import --channels " + quote(plan) + " -o " + quote(out), dir / "err.txt");
    EXPECT_EQ(result.exitCode, 2) << c.plan;
    EXPECT_EQ(result.errorOutput, expectedLines(plan, c.unfit, "")) << c.plan;
    EXPECT_FALSE(std::filesystem::exists(out)) << c.plan;
  }
}

TEST(CliChannelPlan, SkipUnfitImportsTheRowsThatFitAndNamesTheRest) {
  const test::TempDir dir;
  for (const PlanCase& c : planCases()) {
    const auto plan = kPlans / c.plan;
    const auto out = dir / "out.dat";
    const auto result = test::runCli(
        "import --channels --skip-unfit " + quote(plan) + " -o " + quote(out), dir / "err.txt");
    EXPECT_EQ(result.exitCode, 0) << c.plan;
    EXPECT_EQ(result.errorOutput,
              expectedLines(plan, c.unfit, "left out: ") + "Saved: " + out.string() + "\n")
        << c.plan;
    const auto json = dir / "show.json";
    ASSERT_EQ(
        test::runCli("show --json " + quote(out) + " >" + quote(json), dir / "err.txt").exitCode,
        0);
    expectChannels(nlohmann::json::parse(test::fileBytesText(json)), c);
  }
}

TEST(CliChannelPlan, SkipUnfitStillRefusesATableWithFaultsOfItsOwn) {
  const test::TempDir dir;
  const auto plan = dir / "colour.csv";
  std::ofstream(plan) << "Location,Frequency,Colour\n1,446.0,red\n";
  const auto result =
      test::runCli("import --channels --skip-unfit " + quote(plan) + " -o " + quote(dir / "o.dat"),
                   dir / "err.txt");
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_EQ(result.errorOutput,
            "q7cli import: " + plan.string() + ": row 1 Colour: no such column\n");
  EXPECT_FALSE(std::filesystem::exists(dir / "o.dat"));
}

}  // namespace
}  // namespace q7
