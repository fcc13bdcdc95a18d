// q7cli show and normalize: a data file opened as the desktop program opens it.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "comm/pattern_file.h"
#include "comm/sim_process.h"
#include "shell/codeplug_report.h"
#include "support/opened_file.h"
#include "support/temp_dir.h"

namespace q7 {
namespace {

using test::runCli;

using test::fileBytes;

std::string fileText(const std::filesystem::path& path) {
  const auto bytes = fileBytes(path);
  return {bytes.begin(), bytes.end()};
}

std::filesystem::path filled(const test::TempDir& dir, const std::string& name, std::size_t size,
                             std::uint8_t value) {
  const auto path = dir / name;
  std::ofstream(path, std::ios::binary) << std::string(size, static_cast<char>(value));
  return path;
}

std::string quoted(const std::filesystem::path& path) {
  return "'" + path.string() + "'";
}

TEST(CliOpenEndToEnd, NormalizeOfAnErasedFileGivesWhatTheDesktopSaves) {
  test::TempDir dir;
  const auto erased = filled(dir, "erased.dat", kDataFileSize, 0xFF);
  const auto output = dir / "normal.dat";
  const auto result =
      runCli("normalize " + quoted(erased) + " -o " + quoted(output), dir / "err.txt");
  ASSERT_EQ(result.exitCode, 0) << result.errorOutput;

  test::OpenedFile desktop(erased, kEnglish);
  desktop.editor.storeChannels();
  const auto saved = desktop.state.image.toFileLayout();
  EXPECT_EQ(fileBytes(output), saved);
  EXPECT_NE(saved, fileBytes(erased));  // the refresh corrected the erased bytes
  EXPECT_EQ(fileBytes(erased), std::vector<std::uint8_t>(kDataFileSize, 0xFF));
}

TEST(CliOpenEndToEnd, AFileThatCannotBeOpenedIsRefusedAndNothingIsWritten) {
  test::TempDir dir;
  const struct {
    std::filesystem::path file;
    std::string reason;
  } cases[] = {
      {filled(dir, "short.dat", kDataFileSize - 1, 0xFF), "not a data file"},
      {dir / "missing.dat", "no such file"},
  };
  for (const auto& c : cases) {
    const auto output = dir / "out.dat";
    const auto normalize =
        runCli("normalize " + quoted(c.file) + " -o " + quoted(output), dir / "err.txt");
    EXPECT_NE(normalize.exitCode, 0) << c.file;
    EXPECT_FALSE(std::filesystem::exists(output)) << c.file;
    EXPECT_NE(normalize.errorOutput.find(c.reason), std::string::npos) << normalize.errorOutput;
    EXPECT_EQ(std::count(normalize.errorOutput.begin(), normalize.errorOutput.end(), '\n'), 1)
        << normalize.errorOutput;

    const auto shown = dir / "shown.txt";
    const auto show = runCli("show " + quoted(c.file) + " >" + quoted(shown), dir / "err.txt");
    EXPECT_NE(show.exitCode, 0) << c.file;
    EXPECT_NE(show.errorOutput.find(c.reason), std::string::npos) << show.errorOutput;
    EXPECT_EQ(fileText(shown), "");
  }
}

TEST(CliOpenEndToEnd, ShowPrintsTheReportOfTheOpenedFileAndLeavesItAsItWas) {
  test::TempDir dir;
  const auto file = dir / "defaults.dat";
  std::filesystem::copy_file(std::filesystem::path(Q7_DATA_DIR) / "DefRadioSet.def", file);
  const auto before = fileBytes(file);
  const auto shown = dir / "shown.json";
  const auto result =
      runCli("show " + quoted(file) + " --json --lang 2 >" + quoted(shown), dir / "err.txt");
  ASSERT_EQ(result.exitCode, 0) << result.errorOutput;

  const test::OpenedFile desktop(file, kTraditionalChinese);
  EXPECT_EQ(fileText(shown), toJson(codeplugReport(desktop.editor, desktop.state)));
  EXPECT_EQ(fileBytes(file), before);

  const auto plain = dir / "shown.txt";
  ASSERT_EQ(runCli("show " + quoted(file) + " >" + quoted(plain), dir / "err.txt").exitCode, 0);
  const test::OpenedFile english(file, kEnglish);
  EXPECT_EQ(fileText(plain), toPlainText(codeplugReport(english.editor, english.state)));
}

}  // namespace
}  // namespace q7
