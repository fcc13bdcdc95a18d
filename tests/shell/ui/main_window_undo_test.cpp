// Undo and Redo over each kind of change a user makes, through the doors a
// user uses: typing into the grid, keys on an option list, a dialog opened
// from an option page, the Delete All button, the band list; Ctrl+Z, Ctrl+Y
// and the Edit menu; the title's asterisk while the image differs from the
// file last opened or saved; what a language change does with unsaved work.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <functional>

#include "channels/ui/channel_grid_view.h"
#include "channels/ui/channel_window.h"
#include "foundation/error_report.h"
#include "shell/edit_history.h"
#include "shell/ui/main_window.h"
#include "support/scripted_prompts.h"
#include "support/shipped_program.h"
#include "support/temp_dir.h"
#include "support/ui/modal_answer.h"
#include "support/ui/window_focus.h"

namespace q7 {
namespace {

const QString kTitle = "TARN Q7";
const QString kChangedTitle = "TARN Q7 *";

// Public, so that the table of changes below can drive it.
class MainWindowUndoTest : public ::testing::Test {
 public:
  MainWindowUndoTest() {
    test::shipProgramFiles(dir.path(), {{"FirRun", "0"}, {"Language", "3"}, {"COM", "1"}});
    std::filesystem::copy_file(std::filesystem::path(Q7_DATA_DIR) / "Data" / "Sample.dat", sample);
    errorReporter().clear();
    state.programFolder = dir.path();
    window = std::make_unique<MainWindow>(state, prompts);
    EXPECT_EQ(window->start(), StartupOutcome::Started);
    EXPECT_TRUE(test::activate(window.get()));
  }
  ~MainWindowUndoTest() override { state.closing = true; }

  // What the input queued has run, and after it the look for a change.
  static void settle() { QTest::qWait(20); }
  void shortcut(Qt::Key key) {
    test::activate(window.get());
    QTest::keyClick(window.get(), key, Qt::ControlModifier);
    settle();
  }
  void openSample() {
    prompts.fileNames.push_back(sample.string());
    shortcut(Qt::Key_O);
  }
  // Edit, then the entry, clicked with the mouse.
  void clickEditEntry(const char* entry) {
    test::activate(window.get());
    QMenuBar* bar = window->menuBar();
    auto* edit = window->findChild<QMenu*>("mnuEdit");
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(edit->menuAction()).center());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(edit));
    QTest::mouseClick(edit, Qt::LeftButton, {},
                      edit->actionGeometry(window->action(entry)).center());
    settle();
  }
  template <class Widget>
  Widget* child(const char* name) {
    auto* widget = window->channelWindow()->findChild<Widget*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  // The option page that holds `widget` comes to the front by a click on its tab.
  void showPageOf(QWidget* widget) {
    auto* tabs = child<QTabWidget>("sstabSetMode");
    for (int i = 0; i < tabs->count(); ++i) {
      if (!tabs->widget(i)->isAncestorOf(widget)) continue;
      QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(i).center());
    }
  }
  void pressDownOn(QComboBox* list) {
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    settle();
  }
  ChannelGridView* grid() { return child<ChannelGridView>("vsfgGridCh"); }
  void typeIntoCell(int row, int column, const char* text) {
    test::activate(window.get());
    QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {},
                      grid()->cellRect(row, column).center());
    QWidget* editor = QApplication::focusWidget();
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    settle();
  }
  CodeplugImage shown() { return window->files().pendingImage(); }

  test::TempDir dir;
  std::filesystem::path sample = dir / "Sample.dat";
  AppState state;
  test::ScriptedPrompts prompts;
  std::unique_ptr<MainWindow> window;
};

struct UserChange {
  const char* name;
  std::function<void(MainWindowUndoTest&)> make;
};

TEST_F(MainWindowUndoTest, EachKindOfChangeIsUndoneAndRedone) {
  const UserChange changes[] = {
      {"typed into the grid", [](auto& t) { t.typeIntoCell(1, 1, "440"); }},
      {"an option list turned with the keys",
       [](auto& t) {
         auto* list = t.template child<QComboBox>("cboTot");
         t.showPageOf(list);
         t.pressDownOn(list);
       }},
      {"a step of the volume dialog",
       [](auto& t) {
         auto* button = t.template child<QPushButton>("cmdTwoWayVolSet");
         t.showPageOf(button);
         test::ModalAnswer answer([](QWidget* dialog) {
           auto* step = dialog->findChild<QComboBox*>("cboVolumeDat(1)");
           step->setFocus();
           QTest::keyClick(step, Qt::Key_Down);
           QTest::mouseClick(dialog->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
         });
         QTest::mouseClick(button, Qt::LeftButton);
         EXPECT_TRUE(answer.answered());
         // Without a window manager the main window is given the focus back.
         EXPECT_TRUE(test::workElsewhere(t.window.get()));
       }},
      {"every channel deleted",
       [](auto& t) {
         QTest::mouseClick(t.template child<QPushButton>("cmdDelAllCh"), Qt::LeftButton);
       }},
      {"another band", [](auto& t) { t.pressDownOn(t.template child<QComboBox>("cboFrequency")); }},
  };
  for (const UserChange& change : changes) {
    SCOPED_TRACE(change.name);
    openSample();
    EXPECT_FALSE(window->action("mnuUndo")->isEnabled()) << "nothing before the Open";
    EXPECT_EQ(window->windowTitle(), kTitle);
    const CodeplugImage opened = shown();
    change.make(*this);
    settle();
    const CodeplugImage changed = shown();
    ASSERT_FALSE(sameFiledBytes(changed, opened));
    EXPECT_EQ(window->windowTitle(), kChangedTitle);

    shortcut(Qt::Key_Z);
    EXPECT_TRUE(sameFiledBytes(shown(), opened));
    EXPECT_EQ(window->windowTitle(), kTitle);
    EXPECT_FALSE(window->action("mnuUndo")->isEnabled());

    clickEditEntry("mnuRedo");
    EXPECT_TRUE(sameFiledBytes(shown(), changed));
    EXPECT_EQ(window->windowTitle(), kChangedTitle);
    EXPECT_FALSE(window->action("mnuRedo")->isEnabled());

    clickEditEntry("mnuUndo");
    EXPECT_TRUE(sameFiledBytes(shown(), opened));
    shortcut(Qt::Key_Y);
    EXPECT_TRUE(sameFiledBytes(shown(), changed));
  }
  EXPECT_TRUE(errorReporter().lines().empty());
}

TEST_F(MainWindowUndoTest, StepsGoBackOneAtATimeAndASaveClearsOnlyTheAsterisk) {
  openSample();
  const CodeplugImage opened = shown();
  typeIntoCell(1, 1, "440");
  const CodeplugImage first = shown();
  const QString channel2 = grid()->cellText(2, 1);
  typeIntoCell(2, 1, "441");
  EXPECT_EQ(grid()->cellText(2, 1), "441");

  prompts.fileNames.push_back((dir / "saved.dat").string());
  prompts.answers = {true};  // Save asks whether to save the data first
  shortcut(Qt::Key_S);
  ASSERT_TRUE(std::filesystem::exists(dir / "saved.dat"));
  EXPECT_EQ(window->windowTitle(), kTitle);

  shortcut(Qt::Key_Z);
  EXPECT_TRUE(sameFiledBytes(shown(), first));
  EXPECT_EQ(grid()->cellText(2, 1), channel2);
  EXPECT_EQ(window->windowTitle(), kChangedTitle) << "it now differs from the saved file";
  shortcut(Qt::Key_Z);
  EXPECT_TRUE(sameFiledBytes(shown(), opened));
  EXPECT_FALSE(window->action("mnuUndo")->isEnabled());
}

const char* const kSaveQuestion = "TempData has changed,Do you want to save it now?";

// Restore Default Setting replaces the image as Open does: a changed image is
// offered for saving first, and the change is one step Undo takes back.
TEST_F(MainWindowUndoTest, RestoreDefaultSettingAsksFirstAndUndoTakesItBack) {
  openSample();
  typeIntoCell(1, 1, "440");
  const CodeplugImage edited = shown();
  auto* restore = child<QPushButton>("cmdDefSet");

  prompts.answers = {true};  // save first, then cancel the file dialog
  QTest::mouseClick(restore, Qt::LeftButton);
  settle();
  ASSERT_EQ(prompts.questions.size(), 1u);
  EXPECT_EQ(prompts.questions[0].text, kSaveQuestion);
  EXPECT_TRUE(sameFiledBytes(shown(), edited)) << "a cancelled save stops it";

  prompts.answers = {false};
  QTest::mouseClick(restore, Qt::LeftButton);
  settle();
  ASSERT_EQ(prompts.questions.size(), 2u);
  const CodeplugImage defaults = shown();
  EXPECT_FALSE(sameFiledBytes(defaults, edited));
  EXPECT_EQ(window->windowTitle(), kTitle);

  shortcut(Qt::Key_Z);
  EXPECT_TRUE(sameFiledBytes(shown(), edited));
  EXPECT_EQ(window->windowTitle(), kChangedTitle);
  shortcut(Qt::Key_Y);
  EXPECT_TRUE(sameFiledBytes(shown(), defaults));
  shortcut(Qt::Key_Z);

  prompts.questions.clear();
  window->close();
  ASSERT_FALSE(prompts.questions.empty());
  EXPECT_EQ(prompts.questions[0].text, kSaveQuestion) << "the work taken back is offered at exit";
}

// A language change after an edit asks once; No closes the window with the
// new copy's arguments, which open the saved file again in the same window.
TEST_F(MainWindowUndoTest, ALanguageChangeAsksOnceAndTheNewCopyReopensTheFile) {
  openSample();
  const CodeplugImage saved = shown();
  typeIntoCell(1, 1, "440");
  window->show();
  window->resize(900, 650);
  const QSize size = window->size();
  prompts.answers = {false};
  window->action("mnuLangSel0")->trigger();
  ASSERT_EQ(prompts.questions.size(), 1u);
  EXPECT_EQ(prompts.questions[0].text, kSaveQuestion);
  EXPECT_FALSE(window->isVisible());
  const auto arguments = window->restartArguments();
  ASSERT_TRUE(arguments);

  AppState again;
  again.programFolder = dir.path();
  test::ScriptedPrompts answers;
  MainWindow next(again, answers);
  ASSERT_EQ(next.start(), StartupOutcome::Started);
  next.resume(*arguments);
  EXPECT_EQ(again.language, kSimplifiedChinese);
  EXPECT_EQ(again.currentDataPath, sample);
  EXPECT_TRUE(sameFiledBytes(next.files().pendingImage(), saved));
  EXPECT_EQ(next.size(), size);
  EXPECT_TRUE(answers.questions.empty());
  again.closing = true;
}

// Yes and a cancelled Save As keep the language and the window: no restart.
TEST_F(MainWindowUndoTest, ALanguageChangeWhoseSaveIsCancelledChangesNothing) {
  openSample();
  typeIntoCell(1, 1, "440");
  window->show();
  prompts.answers = {true};
  window->action("mnuLangSel0")->trigger();
  EXPECT_EQ(prompts.questions.size(), 1u);
  EXPECT_TRUE(prompts.messages.empty());
  EXPECT_FALSE(window->restartArguments());
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(state.settings.read("Setting", "Language", ""), "3");
  EXPECT_TRUE(window->action("mnuLangSel2")->isChecked());
  EXPECT_FALSE(window->action("mnuLangSel0")->isChecked());
}

TEST_F(MainWindowUndoTest, TheEditMenuComesAfterFileWithItsShortcuts) {
  QStringList menus;
  for (QAction* a : window->menuBar()->actions()) menus << a->menu()->objectName();
  EXPECT_EQ(menus, (QStringList{"mnuFile", "mnuEdit", "mnuProgram", "mnuSet", "mnuHelp"}));
  EXPECT_EQ(window->action("mnuUndo")->text(), "&Undo");
  EXPECT_EQ(window->action("mnuUndo")->shortcut(), QKeySequence("Ctrl+Z"));
  EXPECT_EQ(window->action("mnuRedo")->shortcut(), QKeySequence("Ctrl+Y"));
}

}  // namespace
}  // namespace q7
