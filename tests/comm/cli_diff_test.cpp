// "q7cli diff" on crafted pairs of data files, as typed.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <map>
#include <nlohmann/json.hpp>

#include "comm/pattern_file.h"
#include "comm/sim_process.h"
#include "support/temp_dir.h"

namespace q7 {
namespace {

const std::filesystem::path kSample = std::filesystem::path(Q7_DATA_DIR) / "Data" / "Sample.dat";

struct Output {
  int exitCode;
  std::string out;
  std::string err;
};

Output diff(const test::TempDir& dir, const std::string& arguments) {
  const auto out = dir / "out.txt";
  const auto result =
      test::runCli("diff " + arguments + " >'" + out.string() + "'", dir / "err.txt");
  return {result.exitCode, test::fileBytesText(out), result.errorOutput};
}

// Sample.dat with `change` applied to its radio bytes.
std::filesystem::path changedSample(const test::TempDir& dir,
                                    const std::function<void(std::vector<std::uint8_t>&)>& change) {
  auto bytes = test::fileBytes(kSample);
  std::vector<std::uint8_t> radio(bytes.begin() + kFileHeaderSize, bytes.end());
  change(radio);
  std::copy(radio.begin(), radio.end(), bytes.begin() + kFileHeaderSize);
  const auto path = dir / "changed.dat";
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  return path;
}

struct DiffCase {
  const char* what;
  std::function<void(std::vector<std::uint8_t>&)> change;
  std::string lines;
};

TEST(CliDiff, NamesWhatDiffersTheWayShowNamesIt) {
  const DiffCase cases[] = {
      {"time-out timer", [](auto& r) { r[0x130] = 6; }, "Time-out Timer[s] (cboTot) 60s -> 90s\n"},
      {"channel 3 receive frequency",
       [](auto& r) {
         const std::uint8_t bcd[] = {0x75, 0x18, 0x60, 0x44};  // 446.01875 MHz
         std::copy(std::begin(bcd), std::end(bcd), r.begin() + 0x30);
       },
       "channel 3 RX frequency 435 -> 446.01875\n"},
      {"a byte no field shows", [](auto& r) { r[0x3C5] = 0xA5; }, "0x3C5 FF -> A5\n"},
      {"the band's upper limit, as a frequency",
       [](auto& r) { r[0x37C] = 0x48; },  // 470 -> 480 MHz, BCD of 100 kHz steps
       "band 400 - 470 MHz -> 400 - 480 MHz\nband upper limit 470 -> 480\n"},
      {"a field and a loose byte",
       [](auto& r) {
         r[0x130] = 0;
         r[0x3C6] = 0x00;
       },
       "Time-out Timer[s] (cboTot) 60s -> Off\n0x3C6 FF -> 00\n"},
  };
  for (const DiffCase& c : cases) {
    test::TempDir dir;
    const auto changed = changedSample(dir, c.change);
    const Output result = diff(dir, "'" + kSample.string() + "' '" + changed.string() + "'");
    EXPECT_EQ(result.exitCode, 1) << c.what << result.err;
    EXPECT_EQ(result.out, c.lines) << c.what;
  }
}

TEST(CliDiff, EqualFilesSayNothingAndExitZero) {
  test::TempDir dir;
  const Output result = diff(dir, "'" + kSample.string() + "' '" + kSample.string() + "'");
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, "");
}

TEST(CliDiff, JsonListsFieldsAndBytes) {
  test::TempDir dir;
  const auto changed = changedSample(dir, [](auto& r) {
    r[0x130] = 6;
    r[0x3C5] = 0xA5;
  });
  const Output result = diff(dir, "--json '" + kSample.string() + "' '" + changed.string() + "'");
  EXPECT_EQ(result.exitCode, 1) << result.err;
  EXPECT_NE(result.out.find("\"name\": \"Time-out Timer[s] (cboTot)\""), std::string::npos);
  EXPECT_NE(result.out.find("\"before\": \"60s\""), std::string::npos);
  EXPECT_NE(result.out.find("\"address\": 965"), std::string::npos) << result.out;
}

// In JSON each value has one form: frequencies as the grid shows them, an
// empty value as "", the off tone as "None"; the plain text shows empty as "".
TEST(CliDiff, JsonGivesEachValueInOneForm) {
  test::TempDir dir;
  // Channel 3 erased: its record reads FF throughout.
  const auto changed =
      changedSample(dir, [](auto& r) { std::fill_n(r.begin() + 0x30, 0x10, std::uint8_t{0xFF}); });
  const Output json = diff(dir, "--json '" + kSample.string() + "' '" + changed.string() + "'");
  EXPECT_EQ(json.exitCode, 1) << json.err;
  const auto fields = nlohmann::json::parse(json.out)["fields"];
  std::map<std::string, std::pair<std::string, std::string>> byName;
  for (const auto& field : fields) byName[field["name"]] = {field["before"], field["after"]};
  EXPECT_EQ(byName["channel 3 RX frequency"], (std::pair<std::string, std::string>{"435", ""}));
  EXPECT_EQ(byName["channel 3 TX frequency"].second, "");
  const Output plain = diff(dir, "'" + kSample.string() + "' '" + changed.string() + "'");
  EXPECT_NE(plain.out.find("channel 3 RX frequency 435 -> \"\"\n"), std::string::npos) << plain.out;
  EXPECT_EQ(json.out.find("\\\"\\\""), std::string::npos) << json.out;
  EXPECT_EQ(json.out.find("none"), std::string::npos) << json.out;
}

TEST(CliDiff, AFileThatCannotBeOpenedIsAUsageError) {
  test::TempDir dir;
  const std::string cases[] = {"'" + kSample.string() + "' '" + (dir / "none.dat").string() + "'",
                               "'" + (dir / "none.dat").string() + "' '" + kSample.string() + "'",
                               "'" + kSample.string() + "'"};
  for (const std::string& arguments : cases) {
    const Output result = diff(dir, arguments);
    EXPECT_EQ(result.exitCode, 2) << arguments;
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find("q7cli"), std::string::npos) << result.err;
  }
}

}  // namespace
}  // namespace q7
