// The file menu's printing, PDF export and recent files in the desktop
// program, driven through the menu entries and shortcuts with the dialogs
// answered; the PDF is read back as text with pdftotext.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QPrintDialog>
#include <QProcess>
#include <QTest>

#include "channels/ui/channel_window.h"
#include "foundation/error_report.h"
#include "shell/ui/main_window.h"
#include "support/scripted_prompts.h"
#include "support/shipped_program.h"
#include "support/temp_dir.h"
#include "support/ui/modal_answer.h"
#include "support/ui/pdf_text.h"

namespace q7 {
namespace {

const std::filesystem::path kSample = std::filesystem::path(Q7_DATA_DIR) / "Data" / "Sample.dat";

class MainWindowFilesTest : public ::testing::Test {
 protected:
  MainWindowFilesTest() { errorReporter().clear(); }
  ~MainWindowFilesTest() override { state.closing = true; }

  // A program start in this test's folder (the settings file stays between starts).
  void start(int language) {
    if (window) window->close();
    window.reset();
    if (!std::filesystem::exists(dir / "corvane.def"))
      test::shipProgramFiles(dir.path(), {{"FirRun", "0"}});
    ProfileFile(dir / "corvane.def").write("Setting", "Language", std::to_string(language));
    state = AppState();
    state.programFolder = dir.path();
    window = std::make_unique<MainWindow>(state, prompts);
    ASSERT_EQ(window->start(), StartupOutcome::Started);
    state.closing = true;  // no question when the window goes
  }
  void open(const std::filesystem::path& file) {
    prompts.fileNames = {file.string()};
    window->action("mnuFileOpen")->trigger();
  }
  QMenu* recentMenu() {
    QMenu* menu = window->findChild<QMenu*>("mnuFileRecent");
    menu->popup(QPoint(0, 0));
    EXPECT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }));
    return menu;
  }
  QStringList recentEntries() {
    QMenu* menu = recentMenu();
    QStringList texts;
    for (QAction* a : menu->actions()) texts << a->text();
    menu->hide();
    return texts;
  }

  test::TempDir dir;
  AppState state;
  test::ScriptedPrompts prompts;
  std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowFilesTest, ExportPdfHoldsTheChannelsAndOptionsInEachLanguage) {
  struct Case {
    int language;
    const char* entry;
    const char* channels;
    const char* page;
  };
  const Case cases[] = {
      {1, "导出 PDF(&D)...", "信道", "通用设置"},
      {2, "匯出 PDF(&D)...", "信道", "通用設置"},
      {3, "Export P&DF...", "Channels", "Common Set"},
  };
  for (const Case& c : cases) {
    start(c.language);
    open(kSample);
    EXPECT_EQ(window->action("mnuExportPdf")->text(), QString::fromUtf8(c.entry));
    const auto pdf = dir / ("sample-" + std::to_string(c.language) + ".pdf");
    prompts.fileNames = {pdf.string()};
    prompts.dialogDirs.clear();
    window->action("mnuExportPdf")->trigger();
    EXPECT_EQ(prompts.dialogDirs,
              (std::vector<std::string>{
                  (std::filesystem::path(kSample).replace_extension(".pdf")).string()}));
    const std::string text = test::pdfText(pdf);
    EXPECT_NE(text.find("Sample.dat"), std::string::npos);
    EXPECT_NE(text.find(c.channels), std::string::npos) << c.language;
    EXPECT_NE(text.find(c.page), std::string::npos) << c.language;
    test::expectChannelsAndOptions(text, kSample);
    EXPECT_TRUE(prompts.messages.empty());
  }
}

TEST_F(MainWindowFilesTest, ExportPdfThatCannotBeWrittenSaysSo) {
  start(3);
  prompts.fileNames = {(dir / "missing" / "out.pdf").string()};
  window->action("mnuExportPdf")->trigger();
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].text,
            "The PDF file could not be written: " + (dir / "missing" / "out.pdf").string());
  EXPECT_FALSE(std::filesystem::exists(dir / "missing"));
  // No file of the user's is open: the dialog starts in the data folder.
  EXPECT_EQ(prompts.dialogDirs, std::vector<std::string>{(dir / "Data").string()});
}

TEST_F(MainWindowFilesTest, CtrlPOpensThePrintDialog) {
  start(3);
  window->show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  bool printDialog = false;
  test::ModalAnswer close([&](QWidget* modal) {
    printDialog = qobject_cast<QPrintDialog*>(modal) != nullptr;
    QTest::keyClick(modal, Qt::Key_Escape);
  });
  QTest::keyClick(window.get(), Qt::Key_P, Qt::ControlModifier);
  EXPECT_TRUE(close.answered());
  EXPECT_TRUE(printDialog);
}

TEST_F(MainWindowFilesTest, OpenRecentAfterARestart) {
  const auto kept = dir / "kept.dat";
  const auto gone = dir / "gone.dat";
  std::filesystem::copy_file(kSample, kept);
  std::filesystem::copy_file(kSample, gone);
  start(3);
  EXPECT_EQ(recentEntries(), QStringList{"(none)"});
  open(kept);
  open(gone);
  EXPECT_EQ(recentEntries(), (QStringList{"&1 " + QString::fromStdString(gone.string()),
                                          "&2 " + QString::fromStdString(kept.string())}));

  start(3);
  std::filesystem::remove(gone);
  EXPECT_EQ(window->action("mnuFileRecent")->text(), "Open &Recent");
  QMenu* menu = recentMenu();
  ASSERT_EQ(menu->actions().size(), 1);
  EXPECT_EQ(menu->actions()[0]->text(), "&1 " + QString::fromStdString(kept.string()));
  menu->actions()[0]->trigger();
  menu->hide();
  EXPECT_EQ(state.currentDataPath, kept);
  EXPECT_EQ(window->panelText(kFilePanel), "File Name:" + kept.string());
}

TEST_F(MainWindowFilesTest, TheCommandLinesFileOpensOnceStarted) {
  start(3);
  window->openWhenStarted(kSample.string());
  ASSERT_TRUE(QTest::qWaitFor([this] { return state.currentDataPath == kSample; }));
  EXPECT_EQ(window->panelText(kFilePanel), "File Name:" + kSample.string());

  window->openWhenStarted((dir / "none.dat").string());
  ASSERT_TRUE(QTest::qWaitFor([this] { return !prompts.messages.empty(); }));
  EXPECT_EQ(prompts.messages[0].text, "Wrong file type!");
  EXPECT_EQ(state.currentDataPath, kSample);
}

TEST_F(MainWindowFilesTest, CtrlShiftSOffersTheOpenedFile) {
  start(3);
  open(kSample);
  window->show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  prompts.dialogDirs.clear();
  QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(prompts.dialogDirs, std::vector<std::string>{kSample.string()});
}

}  // namespace
}  // namespace q7
