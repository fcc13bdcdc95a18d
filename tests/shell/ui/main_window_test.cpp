#include "shell/ui/main_window.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QToolBar>
#include <fstream>
#include <tuple>

#include "channels/ui/channel_grid_view.h"
#include "channels/ui/channel_window.h"
#include "foundation/error_report.h"
#include "foundation/setting_keys.h"
#include "shell/ui/about_box.h"
#include "shell/ui/compare_window.h"
#include "shell/ui/error_list_window.h"
#include "support/scripted_prompts.h"
#include "support/shipped_program.h"
#include "support/temp_dir.h"
#include "support/ui/modal_answer.h"

namespace q7 {
namespace {

class MainWindowTest : public ::testing::Test {
 protected:
  // Each test starts with an empty error list, whatever ran before it.
  MainWindowTest() { errorReporter().clear(); }
  // The shipped files beside the program, with these "Setting" keys.
  void shipped(const std::map<std::string, std::string>& keys) {
    test::shipProgramFiles(dir.path(), keys);
    state.programFolder = dir.path();
  }
  std::unique_ptr<MainWindow> startIn(int language) {
    shipped({{"FirRun", "0"}, {"COM", "4"}, {"Language", std::to_string(language)}});
    auto window = std::make_unique<MainWindow>(state, prompts);
    EXPECT_EQ(window->start(), StartupOutcome::Started);
    return window;
  }
  QString text(MainWindow& w, const char* name) { return w.action(name)->text(); }

  test::TempDir dir;
  AppState state;
  test::ScriptedPrompts prompts;
};

TEST_F(MainWindowTest, CaptionsInEachLanguage) {
  struct Case {
    int language;
    const char* file;
    const char* readButton;
    const char* ready;
    const char* traditionalEntry;
    const char* notPresent;
  };
  const Case cases[] = {
      {1, "文件(&F)", "读频", "就绪", "中文繁体(&T)", "不存在"},
      {2, "文件(&F)", "讀頻", "就緒", "中文繁體(&T)", "不存在"},
      {3, "&File", "Read", "Ready", "Traditional Chinese", "not present"},
  };
  for (const Case& c : cases) {
    auto w = startIn(c.language);
    EXPECT_EQ(w->windowTitle(), "TARN Q7");
    EXPECT_EQ(text(*w, "mnuFile"), QString::fromUtf8(c.file));
    EXPECT_EQ(text(*w, "tlbRead"), QString::fromUtf8(c.readButton));
    EXPECT_EQ(text(*w, "mnuLangSel1"), QString::fromUtf8(c.traditionalEntry));
    EXPECT_EQ(w->panelText(kNoticePanel), c.ready);
    EXPECT_EQ(w->panelText(kPortPanel), std::string("COM4  ") + c.notPresent);
    EXPECT_TRUE(w->action("mnuLangSel" + QString::number(c.language == 1   ? 0
                                                         : c.language == 2 ? 1
                                                                           : 2))
                    ->isChecked());
    state.closing = true;
  }
}

TEST_F(MainWindowTest, StartUpLoadsTheTemplateWithTheDefaultBand) {
  auto w = startIn(3);
  const auto templ = readImageFile(dir / "dhcpqec.def", 1040);
  for (std::size_t a = 0x10; a < 0x379; ++a) EXPECT_EQ(state.image[a], templ[a + 16]) << a;
  EXPECT_EQ(state.image[0x37A], 0x40);
  EXPECT_EQ(state.image[0x37C], 0x47);
  EXPECT_TRUE(errorReporter().lines().empty());
  state.closing = true;
}

TEST_F(MainWindowTest, MenuOrderShortcutsAndToolbar) {
  auto w = startIn(3);
  QStringList fileEntries;
  for (QAction* a : w->findChild<QMenu*>("mnuFile")->actions()) {
    fileEntries << (a->isSeparator() ? "-" : a->objectName());
  }
  EXPECT_EQ(fileEntries, (QStringList{"mnuFileNew", "mnuFileOpen", "mnuFileRecent", "mnuFileSave",
                                      "mnuFileSaveAs", "-", "mnuPrint", "mnuPrintPreview",
                                      "mnuExportPdf", "-", "mnuCompare", "mnuExportCh",
                                      "mnuImportCh", "mnuOpenChannelPlan", "-", "mnuExit"}));
  QStringList languages;
  for (QAction* a : w->findChild<QMenu*>("mnuLangSetting")->actions()) {
    languages << a->objectName();
  }
  EXPECT_EQ(languages, (QStringList{"mnuLangSel0", "mnuLangSel2", "mnuLangSel1"}));
  EXPECT_EQ(w->action("mnuFileNew")->shortcut(), QKeySequence("Ctrl+N"));
  EXPECT_EQ(w->action("mnuWriteFre")->shortcut(), QKeySequence("Ctrl+W"));
  EXPECT_EQ(w->action("mnuFileSaveAs")->shortcut(), QKeySequence("Ctrl+Shift+S"));
  EXPECT_EQ(w->action("mnuPrint")->shortcut(), QKeySequence("Ctrl+P"));
  EXPECT_EQ(w->action("mnuCut")->shortcut(), QKeySequence("Ctrl+X"));
  EXPECT_EQ(w->action("mnuCopy")->shortcut(), QKeySequence("Ctrl+C"));
  EXPECT_EQ(w->action("mnuPaste")->shortcut(), QKeySequence("Ctrl+V"));
  QStringList captions;
  for (QAction* a : w->findChild<QToolBar*>("tlbMdiFrmMain")->actions()) captions << a->text();
  EXPECT_EQ(captions,
            (QStringList{"New", "Open", "Save", "Read", "Write", "Port", "Help", "Exit"}));
  EXPECT_NE(w->findChild<QLabel*>("statusAddress")->text().indexOf("File Name:"), -1);
  state.closing = true;
}

TEST_F(MainWindowTest, ExitAsksAndNoKeepsEverything) {
  auto w = startIn(3);
  w->show();
  w->tlbMdiFrmMain_ButtonClick("Exit");
  EXPECT_TRUE(w->isVisible());
  EXPECT_FALSE(state.closing);
  ASSERT_EQ(prompts.questions.size(), 1u);
  EXPECT_EQ(prompts.questions[0].text, "Are you sure want to exit?");
  prompts.answers = {true};
  w->close();
  EXPECT_FALSE(w->isVisible());
  EXPECT_TRUE(state.closing);
}

TEST_F(MainWindowTest, LanguageChangeStoresRestartsAndClosesWithoutAsking) {
  auto w = startIn(1);
  w->show();
  w->action("mnuLangSel0")->trigger();
  EXPECT_FALSE(w->restartArguments());
  EXPECT_TRUE(prompts.messages.empty());
  EXPECT_TRUE(w->action("mnuLangSel0")->isChecked());

  w->action("mnuLangSel2")->trigger();
  EXPECT_EQ(readSetting(ProfileFile(dir / "corvane.def"), key::kLanguage), "3");
  ASSERT_EQ(prompts.messages.size(), 1u);
  // Said in the language the dealer reads when choosing another.
  EXPECT_EQ(prompts.messages[0].text, "语言已更改，需要重新启动软件。");
  EXPECT_TRUE(w->restartArguments());
  EXPECT_TRUE(prompts.questions.empty());
  EXPECT_FALSE(w->isVisible());
  EXPECT_TRUE(w->action("mnuLangSel2")->isChecked());
  EXPECT_FALSE(w->action("mnuLangSel0")->isChecked());
}

TEST_F(MainWindowTest, LockFaceTogglesCheckMarkStatusAndSetting) {
  auto w = startIn(3);
  w->action("mnuLockFace")->trigger();
  EXPECT_TRUE(w->action("mnuLockFace")->isChecked());
  EXPECT_EQ(w->panelText(kNoticePanel), "Interface Locked");
  EXPECT_EQ(readSetting(ProfileFile(dir / "corvane.def"), key::kChannelLock), "ShowLock");
  w->action("mnuLockFace")->trigger();
  EXPECT_FALSE(w->action("mnuLockFace")->isChecked());
  EXPECT_EQ(w->panelText(kNoticePanel), "Ready");
  state.closing = true;
}

TEST_F(MainWindowTest, StoredLockIsOnFromTheFirstMoment) {
  shipped({{"FirRun", "0"}, {"Language", "3"}, {"ChannelLock", "ShowLock"}});
  MainWindow w(state, prompts);
  ASSERT_EQ(w.start(), StartupOutcome::Started);
  EXPECT_TRUE(w.action("mnuLockFace")->isChecked());
  EXPECT_EQ(w.panelText(kNoticePanel), "Interface Locked");
  ASSERT_NE(w.channelWindow(), nullptr);
  EXPECT_EQ(w.channelWindow()->findChild<QAbstractItemView*>("vsfgGridCh")->editTriggers(),
            QAbstractItemView::NoEditTriggers);
  EXPECT_FALSE(w.channelWindow()->findChild<QWidget*>("fraSysSet1")->isEnabled());
  state.closing = true;
}

TEST_F(MainWindowTest, FirstReportShowsTheErrorList) {
  auto w = startIn(3);
  EXPECT_TRUE(errorReporter().lines().empty());
  EXPECT_EQ(w->findChild<ErrorListWindow*>(), nullptr);
  guard("mdifrmMain->OpenFile", [] { throw Failure(err::kFileNotFound, "x"); });
  guard("mdifrmMain->SaveFile", [] { throw Failure(err::kDiskFull, "y"); });
  auto* list = w->findChild<ErrorListWindow*>();
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->entryCount(), 4);
  EXPECT_EQ(list->objectName(), "frmShowErr");
  state.closing = true;
  errorReporter().clear();
}

// A main window whose memory view cannot be prepared, as a failing start-up step.
class WindowFailingAtMemoryView : public MainWindow {
 public:
  using MainWindow::MainWindow;

 private:
  void initMemoryGrid() override { throw Failure(err::kInternal, "memory view"); }
};

TEST_F(MainWindowTest, FailedStartShowsTheWindowWithTheErrorListAndOnlyExit) {
  shipped({{"FirRun", "0"}, {"Language", "3"}});
  WindowFailingAtMemoryView w(state, prompts);
  ASSERT_EQ(w.start(), StartupOutcome::Failed);
  auto* list = w.findChild<ErrorListWindow*>();
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->entryCount(), 2);
  EXPECT_EQ(w.action("mnuFile")->text(), "&File");
  for (const char* name : {"mnuFileOpen", "mnuFileSave", "mnuReadFre", "tlbRead", "mnuSet"})
    EXPECT_FALSE(w.action(name)->isEnabled()) << name;
  w.show();
  w.action("mnuExit")->trigger();
  EXPECT_FALSE(w.isVisible());
  EXPECT_TRUE(prompts.questions.empty());
  errorReporter().clear();
}

TEST_F(MainWindowTest, SettingsNotPreparedYetCloseAtOnceWithoutAWindow) {
  shipped({{"FirRun", "2"}});
  MainWindow w(state, prompts);
  EXPECT_EQ(w.start(), StartupOutcome::CloseAtOnce);
  EXPECT_EQ(w.findChild<ErrorListWindow*>(), nullptr);
  EXPECT_EQ(readSetting(ProfileFile(dir / "corvane.def"), key::kFirRunCheck), "1");
}

// A file opened only to be compared reports nothing to the error list.
TEST_F(MainWindowTest, CompareWithFileReportsNothingTheDealerDidNotDo) {
  auto w = startIn(3);
  prompts.fileNames = {(std::filesystem::path(Q7_DATA_DIR) / "Data" / "Sample.dat").string()};
  w->action("mnuCompare")->trigger();
  ASSERT_NE(w->compareWindow(), nullptr);
  EXPECT_NE(w->compareWindow()->list()->toPlainText().indexOf("channel 1 RX frequency"), -1);
  EXPECT_TRUE(errorReporter().lines().empty());
  EXPECT_EQ(w->findChild<ErrorListWindow*>(), nullptr);
  state.closing = true;
}

// Help -> About names the product as the window title does, in each language.
TEST_F(MainWindowTest, AboutNamesTheProductAsTheTitleDoes) {
  const std::tuple<int, const char*, const char*> cases[] = {
      {1, "TARN Q7系列对讲机编程软件", "用于TARN Q7"},
      {2, "TARN Q7系列對講機編程軟體", "用於TARN Q7"},
      {3, "TARN Q7 Radio Programming Software", "For TARN Q7"},
  };
  for (const auto& [language, title, useRange] : cases) {
    auto w = startIn(language);
    QString shownTitle, shownRange;
    const test::ModalAnswer answer([&](QWidget* box) {
      shownTitle = box->findChild<QLabel*>("lblTitle")->text();
      shownRange = box->findChild<QLabel*>("lblUseRange")->text();
      QTest::mouseClick(box->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    });
    w->action("mnuAboutSoft")->trigger();
    EXPECT_TRUE(answer.answered()) << language;
    EXPECT_EQ(shownTitle, QString::fromUtf8(title));
    EXPECT_EQ(shownRange, QString::fromUtf8(useRange));
    EXPECT_TRUE(shownTitle.startsWith(w->windowTitle()));
    state.closing = true;
  }
}

TEST(AboutBox, TextsAndFontsPerLanguage) {
  for (int language : {1, 2, 3, 9}) {
    AboutBox box(language, "Times New Roman");
    const QString version = box.findChild<QLabel*>("lblVersion")->text();
    EXPECT_EQ(version,
              language == 3 || language == 9 ? "Version 1.0" : QString::fromUtf8("版本 1.0"));
    EXPECT_EQ(box.findChild<QLabel*>("lblTitle")->font().pointSize(), 14);
    EXPECT_EQ(box.findChild<QLabel*>("lblTitle")->font().family(), "Times New Roman");
  }
  AboutBox english(3, "Times New Roman");
  EXPECT_EQ(english.windowTitle(), "About");
  EXPECT_EQ(english.findChild<QPushButton*>("cmdOK")->text(), "OK");
}

// The product's name in the title and range lines, and the maker's lines:
// the copyright holder and the licence, in each language.
TEST(AboutBox, NamesTheProductAndItsLicencePerLanguage) {
  struct Case {
    int language;
    const char* title;
    const char* useRange;
    const char* copyright;
    const char* licenceWords;
  };
  const Case cases[] = {
      {1, "TARN Q7系列对讲机编程软件", "用于TARN Q7", "© 2026 q7cps 开发者",
       "GNU 通用公共许可证第 3 版"},
      {2, "TARN Q7系列對講機編程軟體", "用於TARN Q7", "© 2026 q7cps 開發者",
       "GNU 通用公共授權條款第 3 版"},
      {3, "TARN Q7 Radio Programming Software", "For TARN Q7", "© 2026 the q7cps developers",
       "GNU General Public License, version 3 or (at your option) any later version"},
  };
  for (const Case& c : cases) {
    AboutBox box(c.language, "Times New Roman");
    EXPECT_EQ(box.findChild<QLabel*>("lblTitle")->text(), QString::fromUtf8(c.title));
    EXPECT_EQ(box.findChild<QLabel*>("lblUseRange")->text(), QString::fromUtf8(c.useRange));
    const QStringList rights = box.findChild<QLabel*>("lblRights")->text().split('\n');
    ASSERT_EQ(rights.size(), 2) << c.language;
    EXPECT_EQ(rights[0], QString::fromUtf8(c.copyright));
    EXPECT_TRUE(rights[1].contains(QString::fromUtf8(c.licenceWords))) << c.language;
    EXPECT_TRUE(rights[1].contains("GPL-3.0-or-later")) << c.language;
    EXPECT_EQ(box.findChild<QLabel*>("lblRights")->font().family(), "Times New Roman");
  }
}

// Every channel grid header fits its column in each language, also when it
// is drawn bold as the current column's.
TEST_F(MainWindowTest, ChannelGridHeadersFitTheirColumns) {
  for (int language = 1; language <= 3; ++language) {
    auto w = startIn(language);
    auto* grid = w->channelWindow()->findChild<ChannelGridView*>("vsfgGridCh");
    const QHeaderView* header = grid->horizontalHeader();
    QFont bold = header->font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    for (int c = 1; c <= grid->dataColumns(); ++c) {
      const QString text = grid->headerText(c);
      EXPECT_LE(metrics.horizontalAdvance(text) + 8, header->sectionSize(c - 1))
          << language << ": " << text.toStdString();
    }
    state.closing = true;
  }
}

}  // namespace
}  // namespace q7
