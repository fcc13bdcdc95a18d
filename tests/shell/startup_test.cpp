#include "shell/startup.h"

#include <gtest/gtest.h>

#include <fstream>

#include "foundation/error_report.h"
#include "foundation/setting_keys.h"
#include "support/scripted_prompts.h"
#include "support/shell_fakes.h"
#include "support/temp_dir.h"

namespace q7 {
namespace {

class RecordingHost : public StartupHost {
 public:
  int locale = kLocaleUsEnglish;
  bool portUsable = true;
  std::vector<std::string> steps;
  int languageChecked = 0;
  bool lockApplied = false;

  int systemLocaleId() override { return locale; }
  void autoSetPort() override { steps.push_back("autoSetPort"); }
  bool verdictCom(int port) override {
    steps.push_back("verdictCom " + std::to_string(port));
    return portUsable;
  }
  void setLanguageChecks(int language) override { languageChecked = language; }
  void buildCharacterTable() override { steps.push_back("characters"); }
  void setAddressFields(const MemoryRanges&) override { steps.push_back("addresses"); }
  void loadVoiceSequence() override { steps.push_back("voice"); }
  void prepareCommandPair() override { steps.push_back("pair"); }
  void setSoftFace() override { steps.push_back("face"); }
  void initChannelWindow() override { steps.push_back("channels"); }
  void initMemoryGrid() override { steps.push_back("memory"); }
  void showChannelWindow() override { steps.push_back("show"); }
  void applyChannelLock(bool locked) override {
    lockApplied = locked;
    steps.push_back("lock");
  }
};

class StartupTest : public ::testing::Test {
 protected:
  StartupTest() : files(state, prompts, status), startup(state, host, files, status) {
    state.programFolder = dir.path();
  }
  void settings(const std::string& text) { std::ofstream(dir / "corvane.def") << text; }
  std::string setting(const SettingKey& k) {
    return readSetting(ProfileFile(dir / "corvane.def"), k);
  }

  test::TempDir dir;
  AppState state;
  test::ScriptedPrompts prompts;
  test::RecordingStatus status;
  RecordingHost host;
  FileCommands files;
  Startup startup;
};

TEST_F(StartupTest, FirRunTwoOrAbsentMarksTheFileAndClosesAtOnce) {
  for (const char* text : {"[Setting]\nFirRun=2\n", "[Setting]\nLanguage=1\n"}) {
    settings(text);
    state.quitWithoutAsking = false;
    EXPECT_EQ(startup.run(), StartupOutcome::CloseAtOnce);
    EXPECT_EQ(setting(key::kFirRunCheck), "1");
    EXPECT_TRUE(state.quitWithoutAsking);
    EXPECT_TRUE(host.steps.empty());
  }
}

TEST_F(StartupTest, MissingFileIsLaidDownAndStartsAsAFirstStart) {
  host.locale = kLocaleTraditionalChinese;
  EXPECT_EQ(startup.run(), StartupOutcome::Started);
  EXPECT_EQ(setting(key::kFirRunCheck), "0");
  EXPECT_EQ(setting(key::kLanguage), "2");
  EXPECT_EQ(state.language, kTraditionalChinese);
  EXPECT_EQ(state.caption(94), "就緒");
  EXPECT_EQ(ProfileFile(dir / "corvane.def").read("Setting", "DatNum", "", 8), "1039");
}

TEST_F(StartupTest, FirstStartDetectsTheLanguageFromTheLocale) {
  const std::pair<int, const char*> cases[] = {{1028, "2"}, {1033, "3"}, {2052, "1"}, {1041, "3"}};
  for (const auto& [locale, language] : cases) {
    settings("[Setting]\nFirRun=1\n");
    host.locale = locale;
    host.steps.clear();
    EXPECT_EQ(startup.run(), StartupOutcome::Started);
    EXPECT_EQ(setting(key::kLanguage), language) << locale;
    EXPECT_EQ(setting(key::kFirRunCheck), "0");
    EXPECT_EQ(host.steps.front(), "autoSetPort");
  }
}

TEST_F(StartupTest, NormalStartRunsTheStepsInOrder) {
  settings("[Setting]\nFirRun=0\nCOM=3\n");
  host.portUsable = false;
  ASSERT_EQ(startup.run(), StartupOutcome::Started);
  const std::vector<std::string> expected = {
      "characters", "verdictCom 3", "autoSetPort", "addresses", "voice", "pair",
      "face",       "channels",     "memory",      "show",      "lock"};
  EXPECT_EQ(host.steps, expected);
  EXPECT_EQ(state.port, 3);
}

TEST_F(StartupTest, UserFoldersHoldTheSettingsFileAndTheDataFolder) {
  state.settingsFolder = dir / "config";
  state.dataFolder = dir / "documents" / "q7cps";
  std::filesystem::create_directories(state.settingsFolder);
  std::ofstream(state.settingsFolder / "corvane.def") << "[Setting]\nFirRun=1\n";
  ASSERT_EQ(startup.run(), StartupOutcome::Started);
  EXPECT_EQ(readSetting(ProfileFile(state.settingsFolder / "corvane.def"), key::kFirRunCheck), "0");
  EXPECT_FALSE(std::filesystem::exists(dir / "corvane.def"));
  EXPECT_TRUE(std::filesystem::is_directory(state.dataFolder));
  EXPECT_FALSE(std::filesystem::exists(dir / "Data"));
  EXPECT_EQ(state.currentDataPath, state.dataFolder / "Untitled.dat");
}

TEST_F(StartupTest, LanguageAndFontRules) {
  const std::tuple<const char*, int, const char*> cases[] = {
      {"Language=7\n", kEnglish, "Times New Roman"},
      {"", kTraditionalChinese, "Times New Roman"},
      {"Language=1\n", kSimplifiedChinese, "宋体"},
      {"Language=0\n", kEnglish, "Times New Roman"},
  };
  for (const auto& [line, language, font] : cases) {
    settings(std::string("[Setting]\nFirRun=0\n") + line);
    startup.run();
    EXPECT_EQ(state.language, language) << line;
    EXPECT_EQ(host.languageChecked, language);
    EXPECT_EQ(state.fontFace, font);
  }
}

TEST_F(StartupTest, OutOfRangeNumbersFallBack) {
  settings(
      "[Setting]\nFirRun=0\nCOM=42\nDatNum=x\nOverColor=red\nTableMaxAddr=0123456789ABCDEF012\n"
      "ReadStartAddr=10\nReadEndAddr=zz\nChannelLock=ShowLock\n");
  startup.run();
  EXPECT_EQ(state.port, 1);
  EXPECT_EQ(state.image.size(), 1040u);
  EXPECT_EQ(state.overColor, 8421631);
  EXPECT_EQ(state.ranges.tableMaxText, "0123456789ABCD");
  EXPECT_EQ(state.ranges.readStart, 0x10);
  EXPECT_EQ(state.ranges.readEnd, 0x1FFF);
  EXPECT_EQ(state.ranges.fillEnd, state.ranges.tableMax);
  EXPECT_TRUE(host.lockApplied);
  EXPECT_EQ(state.currentDataPath, dir / "Data" / "Untitled.dat");
}

}  // namespace
TEST_F(StartupTest, ALanguageOutsideOneToThreeCountsAsThree) {
  const std::pair<const char*, int> cases[] = {
      {"1", kSimplifiedChinese}, {"2", kTraditionalChinese}, {"3", kEnglish},  {"99999", kEnglish},
      {"+3", kEnglish},          {"3.0", kEnglish},          {"-1", kEnglish}, {"x", kEnglish}};
  for (const auto& [text, language] : cases) EXPECT_EQ(languageSetting(text), language) << text;
  settings("[Setting]\nFirRun=0\nLanguage=99999\n");
  startup.run();
  EXPECT_EQ(state.language, kEnglish);
}

TEST_F(StartupTest, ADamagedSettingsFileIsKeptReportedOnceAndReadFromTheBuiltInCopy) {
  const std::string damaged("[Setting]\nFirRun=0\n\0\x01garbage\n", 29);
  settings(damaged);
  errorReporter().clear();
  EXPECT_EQ(startup.run(), StartupOutcome::Started);
  EXPECT_EQ(errorReporter().lines().size(), 2u);  // one report: separator and detail
  std::ifstream in(dir / "corvane.def", std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), damaged);
  EXPECT_FALSE(state.settings.section("CTCSS_LIST").empty());
  EXPECT_NE(state.settings.read("ChInfo", "1000", "", 254), "");
}

}  // namespace q7
