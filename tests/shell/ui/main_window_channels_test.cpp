// File -> Export Channels... and Import Channels... in the desktop program,
// driven through the menu entries with the file dialogs answered: the table
// written holds the grid, a table read replaces the channels the grid shows
// and the program saves, rows that do not fit are listed before anything
// changes (OK imports the rest as one undo step, Cancel nothing), and a
// table with faults of its own changes nothing.
#include <gtest/gtest.h>

#include <QAction>
#include <fstream>
#include <sstream>

#include "channels/ui/channel_window.h"
#include "channels/ui/flex_grid.h"
#include "shell/ui/main_window.h"
#include "support/scripted_prompts.h"
#include "support/shipped_program.h"
#include "support/temp_dir.h"

namespace q7 {
namespace {

const char kHeader[] =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "Mode,Power,Skip,Comment\n";

class MainWindowChannelsTest : public ::testing::Test {
 protected:
  // The program in Simplified Chinese: the tables stay in English all the same.
  MainWindowChannelsTest() {
    test::shipProgramFiles(dir.path(), {{"FirRun", "0"}, {"Language", "1"}});
    state.programFolder = dir.path();
    window = std::make_unique<MainWindow>(state, prompts);
    EXPECT_EQ(window->start(), StartupOutcome::Started);
    prompts.fileNames = {(std::filesystem::path(Q7_DATA_DIR) / "Data" / "Sample.dat").string()};
    window->action("mnuFileOpen")->trigger();
  }
  ~MainWindowChannelsTest() override { state.closing = true; }

  void choose(const char* action, const std::filesystem::path& file) {
    prompts.fileNames = {file.string()};
    window->action(action)->trigger();
  }
  QString shown(int row, int column) {
    return window->channelWindow()->findChild<FlexGrid*>("vsfgGridCh")->cellText(row, column);
  }
  static std::string fileText(const std::filesystem::path& path) {
    std::stringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
  }

  test::TempDir dir;
  AppState state;
  test::ScriptedPrompts prompts;
  std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowChannelsTest, MenuEntriesAreCaptionedInTheInterfaceLanguage) {
  EXPECT_EQ(window->action("mnuExportCh")->text(), QString::fromUtf8("导出信道(&X)..."));
  EXPECT_EQ(window->action("mnuImportCh")->text(), QString::fromUtf8("导入信道(&M)..."));
}

TEST_F(MainWindowChannelsTest, ExportWritesTheChannelsTheGridShows) {
  choose("mnuExportCh", dir / "channels.csv");
  const std::string table = fileText(dir / "channels.csv");
  EXPECT_EQ(table.rfind(std::string(kHeader, sizeof kHeader - 2), 0), 0u) << table;
  EXPECT_NE(table.find("\r\n1,,446.006250,,0.000000,,88.5,88.5,023,NN,FM,High,,,"),
            std::string::npos)
      << table;
  EXPECT_NE(table.find("\r\n4,,462.562500,off,"), std::string::npos) << table;
  EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(MainWindowChannelsTest, AnExportThatCannotBeSavedSaysWhy) {
  const auto path = dir / "no such folder" / "channels.csv";
  choose("mnuExportCh", path);
  ASSERT_EQ(prompts.messages.size(), 1u);
  const std::string text = prompts.messages[0].text;
  EXPECT_EQ(text.rfind("无法保存信道表:\n" + path.string() + "\n", 0), 0u) << text;
  EXPECT_GT(text.size(), ("无法保存信道表:\n" + path.string() + "\n").size()) << text;
}

TEST_F(MainWindowChannelsTest, ImportReplacesTheChannelsAndSaveStoresThem) {
  std::ofstream(dir / "plan.csv") << kHeader
                                  << "1,,446.006250,,0,TSQL,88.5,88.5,023,NN,FM,High,,\n"
                                     "2,,440.000000,+,5.000000,DTCS,88.5,88.5,023,NN,NFM,Low,S,\n";
  choose("mnuImportCh", dir / "plan.csv");
  EXPECT_TRUE(prompts.messages.empty());
  EXPECT_EQ(shown(1, 3), "88.5");
  EXPECT_EQ(shown(2, 1), "440");
  EXPECT_EQ(shown(2, 2), "445");
  EXPECT_EQ(shown(2, 4), "D023N");
  EXPECT_EQ(shown(3, 1), "");  // Sample.dat's channel 3 is gone
  choose("mnuFileSaveAs", dir / "plan.dat");
  const auto saved = readImageFile(dir / "plan.dat", kDataFileSize);
  // Channel 2 (record 0x20, file offset 0x30): RX 440, TX 445 MHz in BCD, low byte first.
  const std::uint8_t channel2[] = {0x00, 0x00, 0x00, 0x44, 0x00, 0x00, 0x50, 0x44};
  for (std::size_t i = 0; i < std::size(channel2); ++i)
    EXPECT_EQ(saved[kFileHeaderSize + 0x20 + i], channel2[i]) << i;
  EXPECT_EQ(saved[kFileHeaderSize + 0x33], 0xFF);  // channel 3 unused
}

const char kUnfitPlan[] =
    "1,Gate,446.006250,,0,,88.5,88.5,023,NN,FM,5.0W,,\n"
    "2,,999.000000,,0,,88.5,88.5,023,NN,AM,High,,\n"
    "17,,440.000000,,0,,88.5,88.5,023,NN,FM,High,,\n";
const char kUnfitList[] =
    "以下各行不适合本机，不会导入:\n"
    "row 3 Frequency: 999.000000 is outside the band 400-470\n"
    "row 3 Mode: AM is not FM or NFM\n"
    "row 4 Location: 17 is past channel 16\n"
    "Name and Comment are dropped: this radio has no channel names\n\n"
    "按“确定”导入其余各行，按“取消”不作任何更改。";

TEST_F(MainWindowChannelsTest, RowsThatDoNotFitAreListedAndCancelChangesNothing) {
  std::ofstream(dir / "bad.csv") << kHeader << kUnfitPlan;
  prompts.answers = {false};
  choose("mnuImportCh", dir / "bad.csv");
  ASSERT_EQ(prompts.questions.size(), 1u);
  EXPECT_EQ(prompts.questions[0].text, kUnfitList);
  EXPECT_TRUE(prompts.messages.empty());
  EXPECT_EQ(shown(3, 1), "435");
  EXPECT_EQ(shown(2, 1), "446.01875");
}

TEST_F(MainWindowChannelsTest, OkImportsTheRowsThatFitAsOneUndoStep) {
  std::ofstream(dir / "bad.csv") << kHeader << kUnfitPlan;
  prompts.answers = {true};
  choose("mnuImportCh", dir / "bad.csv");
  ASSERT_EQ(prompts.questions.size(), 1u);
  EXPECT_EQ(shown(1, 1), "446.00625");
  EXPECT_EQ(shown(2, 1), "");  // its row does not fit: the slot is unused
  EXPECT_EQ(shown(3, 1), "");
  ASSERT_TRUE(window->action("mnuUndo")->isEnabled());
  window->action("mnuUndo")->trigger();
  EXPECT_EQ(shown(2, 1), "446.01875");
  EXPECT_EQ(shown(3, 1), "435");
  EXPECT_FALSE(window->action("mnuUndo")->isEnabled());
}

TEST_F(MainWindowChannelsTest, ATableWithFaultsOfItsOwnIsListedAndChangesNothing) {
  std::ofstream(dir / "bad.csv") << "Location,Frequency,Colour\n1,440.0,red\n";
  choose("mnuImportCh", dir / "bad.csv");
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].text,
            "信道表有以下错误，未导入任何信道:\n"
            "row 1 Colour: no such column");
  EXPECT_TRUE(prompts.questions.empty());
  EXPECT_EQ(shown(1, 1), "446.00625");
}

TEST_F(MainWindowChannelsTest, ALockedChannelInterfaceRefusesTheImport) {
  std::ofstream(dir / "plan.csv") << kHeader << "1,,440.000000,,0,,88.5,88.5,023,NN,FM,High,,\n";
  window->action("mnuLockFace")->trigger();
  choose("mnuImportCh", dir / "plan.csv");
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].text, "信道界面已锁定，解锁后才能导入信道。");
  EXPECT_EQ(shown(1, 1), "446.00625");
  window->action("mnuLockFace")->trigger();
  choose("mnuImportCh", dir / "plan.csv");
  EXPECT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(shown(1, 1), "440");
}

}  // namespace
}  // namespace q7
