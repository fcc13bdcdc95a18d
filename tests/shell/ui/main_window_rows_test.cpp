// The Edit menu's row commands through the user's doors: row headers clicked
// with and without Shift, the shortcuts and the menu; each command
// is one undo step and the lock refuses it with its notice.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "channels/row_caption_rows.h"
#include "channels/ui/channel_grid_view.h"
#include "channels/ui/channel_window.h"
#include "foundation/error_report.h"
#include "shell/ui/main_window.h"
#include "support/scripted_prompts.h"
#include "support/shipped_program.h"
#include "support/temp_dir.h"
#include "support/ui/window_focus.h"

namespace q7 {
namespace {

class MainWindowRowsTest : public ::testing::Test {
 public:
  MainWindowRowsTest() {
    test::shipProgramFiles(dir.path(), {{"FirRun", "0"}, {"Language", "3"}, {"COM", "1"}});
    std::filesystem::copy_file(std::filesystem::path(Q7_DATA_DIR) / "Data" / "Sample.dat", sample);
    errorReporter().clear();
    state.programFolder = dir.path();
    window = std::make_unique<MainWindow>(state, prompts);
    EXPECT_EQ(window->start(), StartupOutcome::Started);
    EXPECT_TRUE(test::activate(window.get()));
    prompts.fileNames.push_back(sample.string());
    press(Qt::Key_O, Qt::ControlModifier);
  }
  ~MainWindowRowsTest() override { state.closing = true; }

  // What the input queued has run, and after it the look for a change.
  static void settle() { QTest::qWait(20); }
  void press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    test::activate(window.get());
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window.get(), key,
                    modifiers);
    settle();
  }
  ChannelGridView* grid() {
    return window->channelWindow()->findChild<ChannelGridView*>("vsfgGridCh");
  }
  void clickHeader(int channel, Qt::KeyboardModifiers modifiers = {}) {
    test::activate(window.get());
    QHeaderView* header = grid()->verticalHeader();
    const int y =
        header->sectionViewportPosition(channel - 1) + header->sectionSize(channel - 1) / 2;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, modifiers, {header->width() / 2, y});
    settle();
  }
  QString rx(int channel) { return grid()->cellText(channel, 1); }
  QStringList rxs(int first, int last) {
    QStringList list;
    for (int c = first; c <= last; ++c) list << rx(c);
    return list;
  }

  test::TempDir dir;
  std::filesystem::path sample = dir / "Sample.dat";
  AppState state;
  test::ScriptedPrompts prompts;
  std::unique_ptr<MainWindow> window;
};

struct RowKey {
  const char* name;
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
};
const RowKey kRowKeys[] = {
    {"Ctrl+I", Qt::Key_I, Qt::ControlModifier},
    {"Ctrl+Shift+Delete", Qt::Key_Delete, Qt::ControlModifier | Qt::ShiftModifier},
    {"Ctrl+Down", Qt::Key_Down, Qt::ControlModifier},
    {"Ctrl+Up", Qt::Key_Up, Qt::ControlModifier},
    {"Ctrl+D", Qt::Key_D, Qt::ControlModifier},
};

// Channels 2 and 3 selected: each command changes the channels, and one
// Ctrl+Z takes the whole change back.
TEST_F(MainWindowRowsTest, EachCommandIsOneUndoStep) {
  const QStringList all = rxs(1, 16);
  for (const RowKey& k : kRowKeys) {
    clickHeader(2);
    clickHeader(3, Qt::ShiftModifier);
    const CodeplugImage before = state.image;
    press(k.key, k.modifiers);
    EXPECT_NE(state.image, before) << k.name;
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(rxs(1, 16), all) << k.name;
    EXPECT_EQ(state.image, before) << k.name;
  }
}

TEST_F(MainWindowRowsTest, SortByRxFromTheEditMenuIsOneUndoStep) {
  const QStringList all = rxs(1, 16);
  test::activate(window.get());
  QMenuBar* bar = window->menuBar();
  auto* edit = window->findChild<QMenu*>("mnuEdit");
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(edit->menuAction()).center());
  ASSERT_TRUE(QTest::qWaitForWindowExposed(edit));
  QTest::mouseClick(edit, Qt::LeftButton, {},
                    edit->actionGeometry(window->action("mnuSortRx")).center());
  settle();
  EXPECT_NE(rxs(1, 16), all);
  QStringList used;
  for (const QString& f : rxs(1, 16)) {
    if (!f.isEmpty()) used << f;
  }
  for (int i = 1; i < used.size(); ++i) EXPECT_LE(used[i - 1].toDouble(), used[i].toDouble());
  press(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(rxs(1, 16), all);
}

TEST_F(MainWindowRowsTest, TheLockRefusesEveryCommandWithItsNotice) {
  window->action("mnuLockFace")->trigger();
  ASSERT_TRUE(state.locked());
  const std::string notice = state.caption(row::kRowsLocked);
  const CodeplugImage before = state.image;
  for (const RowKey& k : kRowKeys) {
    clickHeader(2);
    press(k.key, k.modifiers);
    EXPECT_EQ(state.image, before) << k.name;
    EXPECT_EQ(window->panelText(kNoticePanel), notice) << k.name;
  }
}

}  // namespace
}  // namespace q7
