#include "shell/file_commands.h"

#include <gtest/gtest.h>

#include <fstream>

#include "foundation/error_report.h"
#include "shell/recent_files.h"
#include "support/scripted_prompts.h"
#include "support/shell_fakes.h"
#include "support/temp_dir.h"

namespace q7 {
namespace {

void putBytes(const std::filesystem::path& path, std::vector<std::uint8_t> bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::uint8_t> fileOf(std::uint8_t fill) {
  std::vector<std::uint8_t> bytes(1040, fill);
  bytes[0x379 + 16] = 0x00;
  return bytes;
}

class FileCommandsTest : public ::testing::Test {
 protected:
  FileCommandsTest() : files(state, prompts, status) {
    state.programFolder = dir.path();
    state.captions = CaptionTable(kEnglish);
    putBytes(dir / "dhcpqec.def", fileOf(0xAA));
    files.setViews(&views);
    files.generateDatFolder();
    errorReporter().clear();
  }
  test::TempDir dir;
  AppState state;
  test::ScriptedPrompts prompts;
  test::RecordingStatus status;
  test::RecordingViews views;
  FileCommands files;
};

TEST_F(FileCommandsTest, DataFolderAndDefaultPath) {
  EXPECT_TRUE(std::filesystem::is_directory(dir / "Data"));
  EXPECT_EQ(state.currentDataPath, dir / "Data" / "Untitled.dat");
  EXPECT_EQ(status.panelText(kFilePanel), "File Name:" + (dir / "Data" / "Untitled.dat").string());
}

TEST_F(FileCommandsTest, NewKeepsModelAndBandAndAsksFirst) {
  files.initTempArray();
  for (std::size_t i = 889; i <= 893; ++i) state.image[i] = static_cast<std::uint8_t>(i);
  state.image[100] = 0x01;
  files.markUnchanged();
  state.currentDataPath = dir / "other.dat";
  files.newFile();  // answered No
  EXPECT_EQ(state.image[100], 0x01);
  EXPECT_EQ(state.currentDataPath, dir / "other.dat");
  ASSERT_EQ(prompts.questions.size(), 1u);
  EXPECT_EQ(prompts.questions[0].text, "All data will be cleared,continue?");
  EXPECT_EQ(prompts.questions[0].title, "Notice");

  prompts.answers = {true};
  files.newFile();
  EXPECT_EQ(state.image[100], 0xAA);
  for (std::size_t i = 889; i <= 893; ++i) EXPECT_EQ(state.image[i], static_cast<std::uint8_t>(i));
  EXPECT_EQ(state.currentDataPath, state.defaultDataPath);
  EXPECT_NE(std::find(views.calls.begin(), views.calls.end(), "showNew"), views.calls.end());
}

TEST_F(FileCommandsTest, TemplateImageKeepsTheFileLayout) {
  auto bytes = fileOf(0x00);
  bytes[16 * 3] = 0x77;  // file offset 48 = radio address 0x20
  putBytes(dir / "dhcpqec.def", bytes);
  files.initTempArray();
  EXPECT_EQ(state.templateImage[48], 0x77);
  EXPECT_EQ(state.image[0x20], 0x77);
}

TEST_F(FileCommandsTest, MissingTemplateFallsBackToTheBuiltInBlankAndReports) {
  std::filesystem::remove(dir / "dhcpqec.def");
  state.image[0x37A] = 0x12;
  files.initTempArray();
  EXPECT_EQ(state.image[0x37A], 0x40);
  EXPECT_EQ(state.image[0x37C], 0x47);
  EXPECT_EQ(errorReporter().lines().size(), 2u);
}

TEST_F(FileCommandsTest, OpenLoadsShowsAndSetsThePath) {
  auto bytes = fileOf(0x11);
  bytes[0] = 'X';  // the identifier is not checked
  putBytes(dir / "a.dat", bytes);
  files.openFile((dir / "a.dat").string());
  EXPECT_EQ(state.image[0x10], 0x11);
  EXPECT_EQ(state.currentDataPath, dir / "a.dat");
  // Shown, then taken as the unchanged image with the grid's channels encoded.
  EXPECT_EQ(views.calls, (std::vector<std::string>{"show", "store"}));
}

TEST_F(FileCommandsTest, OpenRefusesShortOrMissingFilesAndKeepsTheImage) {
  state.image[0x100] = 0x5C;
  putBytes(dir / "short.dat", std::vector<std::uint8_t>(1000, 0x11));
  for (const char* name : {"short.dat", "none.dat"}) {
    files.openFile((dir / name).string());
    EXPECT_EQ(state.image[0x100], 0x5C);
    EXPECT_EQ(prompts.messages.back().text, "Wrong file type!");
    EXPECT_EQ(prompts.messages.back().icon, PromptIcon::Critical);
  }
  EXPECT_NE(state.currentDataPath, dir / "short.dat");
  EXPECT_EQ(errorReporter().lines().size(), 4u);
}

TEST_F(FileCommandsTest, CancelledDialogsChangeNothing) {
  state.image[0x100] = 0x5C;
  const auto path = state.currentDataPath;
  files.openFile("");
  prompts.answers = {true};
  files.saveFile();
  EXPECT_EQ(state.image[0x100], 0x5C);
  EXPECT_EQ(state.currentDataPath, path);
  EXPECT_FALSE(std::filesystem::exists(path));
  EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(FileCommandsTest, SaveAsWritesAndReopensTheSameBytes) {
  for (std::size_t i = 0; i < 1024; ++i) state.image[i] = static_cast<std::uint8_t>(i * 3);
  const CodeplugImage before = state.image;
  prompts.answers = {true};
  prompts.fileNames = {(dir / "b.dat").string()};
  files.saveFile();
  EXPECT_EQ(prompts.dialogDirs.back(), (dir / "Data").string());
  EXPECT_EQ(std::filesystem::file_size(dir / "b.dat"), 1040u);
  EXPECT_EQ(views.calls, (std::vector<std::string>{"commit", "store", "store"}));
  for (std::size_t i = 16; i < 1024; ++i) EXPECT_EQ(state.image[i], before[i]) << i;
  state.image[0x200] = 0;
  files.openFile((dir / "b.dat").string());
  for (std::size_t i = 16; i < 1024; ++i) EXPECT_EQ(state.image[i], before[i]) << i;
  EXPECT_EQ(state.image[0], 'Q');
}

TEST_F(FileCommandsTest, AChangedImageIsOfferedForSavingBeforeItIsReplaced) {
  files.initTempArray();
  files.markUnchanged();
  EXPECT_TRUE(files.offerToSave());
  EXPECT_TRUE(prompts.questions.empty());

  state.image[0x100] = 0x5C;
  prompts.answers = {true};  // save first: the dialog is cancelled, so New does not go on
  files.newFile();
  ASSERT_EQ(prompts.questions.size(), 1u);
  EXPECT_EQ(prompts.questions[0].text, "TempData has changed,Do you want to save it now?");
  EXPECT_EQ(state.image[0x100], 0x5C);

  prompts.answers = {true};
  prompts.fileNames = {(dir / "kept.dat").string()};
  EXPECT_TRUE(files.offerToSave());
  EXPECT_EQ(readImageFile(dir / "kept.dat", kDataFileSize)[0x100 + 16], 0x5C);
  prompts.questions.clear();
  EXPECT_TRUE(files.offerToSave());  // saved: nothing to ask
  EXPECT_TRUE(prompts.questions.empty());

  state.image[0x101] = 0x01;
  prompts.answers = {false};  // No: go on without saving
  EXPECT_TRUE(files.offerToSave());
  EXPECT_EQ(prompts.questions.size(), 1u);
}

TEST_F(FileCommandsTest, FailedSaveKeepsImageFileAndPathAndSaysSo) {
  putBytes(dir / "old.dat", fileOf(0x33));
  state.currentDataPath = dir / "old.dat";
  state.image[0x100] = 0x99;
  const CodeplugImage before = state.image;
  prompts.fileNames = {(dir / "missing" / "x.dat").string()};
  files.saveAsFile();
  EXPECT_EQ(state.image, before);
  EXPECT_EQ(state.currentDataPath, dir / "old.dat");
  EXPECT_EQ(prompts.messages.back().text, "Save file failed!");
  EXPECT_EQ(std::filesystem::file_size(dir / "old.dat"), 1040u);
  EXPECT_FALSE(errorReporter().lines().empty());
}

// Open starts in the current file's folder; Save and Save As offer the file
// itself once the user opened or saved it, never the default name.
TEST_F(FileCommandsTest, OpenStartsInTheFilesFolderAndSaveAsOffersTheFile) {
  prompts.answers = {true};
  files.saveFile();
  EXPECT_EQ(prompts.dialogDirs, (std::vector<std::string>{(dir / "Data").string()}));
  std::filesystem::create_directory(dir / "work");
  putBytes(dir / "work" / "a.dat", fileOf(0x11));
  files.openFile((dir / "work" / "a.dat").string());
  prompts.dialogDirs.clear();
  files.openFile("");
  prompts.answers = {true};
  files.saveFile();
  files.saveAsFile();
  const std::string folder = (dir / "work").string();
  const std::string opened = (dir / "work" / "a.dat").string();
  EXPECT_EQ(prompts.dialogDirs, (std::vector<std::string>{folder, opened, opened}));

  prompts.fileNames = {(dir / "work" / "b.dat").string()};
  files.saveAsFile();
  files.saveAsFile();
  EXPECT_EQ(prompts.dialogDirs.back(), (dir / "work" / "b.dat").string());

  prompts.answers = {true};
  files.newFile();
  files.saveAsFile();
  EXPECT_EQ(prompts.dialogDirs.back(), (dir / "Data").string());
}

TEST_F(FileCommandsTest, FilesOpenedOrSavedJoinTheRecentFiles) {
  state.settings = ProfileFile(dir / "corvane.def");
  putBytes(dir / "a.dat", fileOf(0x11));
  putBytes(dir / "short.dat", {1, 2, 3});
  putBytes(dir / kDefaultsFileName, fileOf(0x44));
  files.openFile((dir / "a.dat").string());
  files.openFile((dir / "short.dat").string());
  files.openFile((dir / kDefaultsFileName).string());
  prompts.fileNames = {(dir / "b.dat").string()};
  files.saveAsFile();
  EXPECT_EQ(RecentFiles(state.settings).existing(),
            (std::vector<std::filesystem::path>{dir / "b.dat", dir / "a.dat"}));
}

TEST_F(FileCommandsTest, OpenRecentAsksAboutUnsavedChangesFirst) {
  putBytes(dir / "a.dat", fileOf(0x11));
  files.initTempArray();
  files.markReplaced();
  state.image[0x100] = 0x55;
  prompts.answers = {true};  // save first; the dialog is cancelled
  files.openRecent((dir / "a.dat").string());
  ASSERT_EQ(prompts.questions.size(), 1u);
  EXPECT_EQ(prompts.questions[0].text, "TempData has changed,Do you want to save it now?");
  EXPECT_EQ(state.image[0x100], 0x55);
  files.openRecent((dir / "a.dat").string());  // answered No: opened
  EXPECT_EQ(state.image[0x100], 0x11);
  EXPECT_EQ(state.currentDataPath, dir / "a.dat");
}

TEST_F(FileCommandsTest, SavingAfterTheShippedDefaultsGoesToTheDataFolder) {
  for (const char* shipped : {kDefaultsFileName, kTemplateFileName}) {
    putBytes(dir / shipped, fileOf(0x44));
    files.openFile((dir / shipped).string());
    ASSERT_EQ(state.currentDataPath, dir / shipped);
    prompts.dialogDirs.clear();
    prompts.answers = {true};
    prompts.fileNames = {(dir / "Data" / "mine.dat").string()};
    files.saveFile();
    EXPECT_EQ(prompts.dialogDirs, (std::vector<std::string>{(dir / "Data").string()}));
    EXPECT_EQ(state.currentDataPath, dir / "Data" / "mine.dat");
    std::filesystem::remove(dir / "Data" / "mine.dat");
  }
}

TEST_F(FileCommandsTest, TheShippedTemplateAndDefaultsAreNeverOverwritten) {
  putBytes(dir / kDefaultsFileName, fileOf(0x44));
  state.image[0x100] = 0x99;
  for (const auto& chosen : {dir / kDefaultsFileName, dir / "Data" / ".." / kTemplateFileName}) {
    prompts.fileNames = {chosen.string()};
    EXPECT_FALSE(files.saveAsFile());
    EXPECT_EQ(prompts.messages.back().text, "Save file failed!");
  }
  EXPECT_EQ(readImageFile(dir / kDefaultsFileName, kDataFileSize)[0x100 + 16], 0x44);
  EXPECT_EQ(readImageFile(dir / kTemplateFileName, kDataFileSize)[0x100 + 16], 0xAA);
}

}  // namespace
}  // namespace q7
