// The Edit menu's row commands through the user's doors: row headers clicked
// with and without Shift, the shortcuts, the menu and the clipboard; each
// command is one undo step and the lock refuses it with its notice.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
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
  void clickCell(int channel, int column) {
    test::activate(window.get());
    const QRect cell = grid()->visualRect(grid()->model()->index(channel - 1, column - 1));
    QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, cell.center());
    settle();
  }
  // Channels `first`..`last` copied with Ctrl+C: the clipboard's text.
  QString copied(int first, int last) {
    clickHeader(first);
    clickHeader(last, Qt::ShiftModifier);
    press(Qt::Key_C, Qt::ControlModifier);
    return clipboard()->text();
  }
  // Another program's text on the clipboard, pasted with Ctrl+V at `channel`.
  void paste(const QString& text, int channel) {
    clipboard()->setText(text);
    clickHeader(channel);
    press(Qt::Key_V, Qt::ControlModifier);
  }
  // The RX frequency of a copied row.
  static double frequencyOf(const QString& line, QChar separator) {
    return line.section(separator, 2, 2).toDouble();
  }
  static QClipboard* clipboard() { return QGuiApplication::clipboard(); }
  // The header line of File -> Export Channels..., separated by `separator`.
  QString exportHeader(QChar separator) {
    const QString table = QString::fromStdString(window->channelWindow()->exportChannels());
    return table.section('\n', 0, 0).trimmed().replace(',', separator);
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
    {"Ctrl+X", Qt::Key_X, Qt::ControlModifier},
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
  paste(copied(1, 2), 10);
  EXPECT_EQ(state.image, before) << "Ctrl+V";
  EXPECT_TRUE(prompts.questions.empty());
  ASSERT_FALSE(prompts.messages.empty());
  EXPECT_EQ(prompts.messages.back().text, notice);
}

TEST_F(MainWindowRowsTest, CopyPutsTheChannelsWithTheExportHeaderOnTheClipboard) {
  const QStringList lines = copied(1, 3).split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 4);
  EXPECT_EQ(lines[0].trimmed(), exportHeader('\t'));
  for (int c = 1; c <= 3; ++c) {
    EXPECT_EQ(lines[c].section('\t', 0, 0).trimmed(), QString::number(c)) << c;
    EXPECT_EQ(frequencyOf(lines[c], '\t'), rx(c).toDouble()) << c;
  }
  const QMimeData* data = clipboard()->mimeData();
  ASSERT_TRUE(data->hasFormat("text/csv"));
  const QStringList csv = QString::fromUtf8(data->data("text/csv")).split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(csv.size(), 4);
  EXPECT_EQ(csv[0].trimmed(), exportHeader(','));
  EXPECT_EQ(frequencyOf(csv[2], ','), rx(2).toDouble());
}

// The rows of channels 1 and 2 as other programs put them on the clipboard.
struct PasteForm {
  const char* name;
  QString (*form)(const QString& tabbed, const QString& csv);
};
QString withoutHeader(const QString& text) {
  return text.section('\n', 1);
}
QString quotedCrLf(const QString& tabbed) {
  QStringList lines;
  for (const QString& line : tabbed.split('\n', Qt::SkipEmptyParts)) {
    QStringList fields;
    for (const QString& field : line.split('\t')) fields << '"' + field.trimmed() + '"';
    lines << fields.join('\t');
  }
  return lines.join("\r\n") + "\r\n";
}
const PasteForm kPasteForms[] = {
    {"tabs with header", [](const QString& t, const QString&) { return t; }},
    {"tabs without header", [](const QString& t, const QString&) { return withoutHeader(t); }},
    {"commas with header", [](const QString&, const QString& c) { return c; }},
    {"commas without header", [](const QString&, const QString& c) { return withoutHeader(c); }},
    {"spreadsheet CR LF, quoted", [](const QString& t, const QString&) { return quotedCrLf(t); }},
};

TEST_F(MainWindowRowsTest, PastedRowsLandFromTheCurrentChannelInOneUndoStep) {
  const QString tabbed = copied(1, 2);
  const QString csv = QString::fromUtf8(clipboard()->mimeData()->data("text/csv"));
  const QStringList source = rxs(1, 2);
  const QStringList all = rxs(1, 16);
  ASSERT_NE(rxs(10, 11), source);
  for (const PasteForm& f : kPasteForms) {
    prompts.answers = {true};
    prompts.questions.clear();
    paste(f.form(tabbed, csv), 10);
    EXPECT_EQ(rxs(10, 11), source) << f.name;
    EXPECT_TRUE(prompts.messages.empty()) << f.name;
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(rxs(1, 16), all) << f.name;
  }
}

TEST_F(MainWindowRowsTest, PastingOverChannelsInUseAsksFirst) {
  const QString text = copied(1, 2);
  const QStringList source = rxs(1, 2);
  const CodeplugImage before = state.image;
  ASSERT_FALSE(rx(2).isEmpty());
  ASSERT_NE(rxs(2, 3), source);
  prompts.answers = {false};
  paste(text, 2);
  ASSERT_EQ(prompts.questions.size(), 1u);
  EXPECT_EQ(state.image, before);
  prompts.answers = {true};
  paste(text, 2);
  EXPECT_EQ(prompts.questions.size(), 2u);
  EXPECT_EQ(rxs(2, 3), source);
}

TEST_F(MainWindowRowsTest, RowsThatDoNotFitAreListedAndTheOthersApplied) {
  const QString text = copied(1, 3);
  const QStringList source = rxs(1, 2);
  prompts.answers = {true};
  paste(text, 15);
  EXPECT_EQ(rxs(15, 16), source);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_NE(prompts.messages[0].text.find("channel 17: past the last channel"), std::string::npos)
      << prompts.messages[0].text;
}

TEST_F(MainWindowRowsTest, CutEmptiesTheChannelsAndPutsThemOnTheClipboard) {
  const QStringList cutRx = rxs(2, 3);
  const QStringList all = rxs(1, 16);
  clickHeader(2);
  clickHeader(3, Qt::ShiftModifier);
  press(Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(rxs(2, 3), QStringList({"", ""}));
  const QStringList lines = clipboard()->text().split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 3);
  EXPECT_EQ(frequencyOf(lines[1], '\t'), cutRx[0].toDouble());
  EXPECT_EQ(frequencyOf(lines[2], '\t'), cutRx[1].toDouble());
  press(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(rxs(1, 16), all);
}

TEST_F(MainWindowRowsTest, ThePopupCopiesAndPastesLikeTheEditMenu) {
  clickHeader(1);
  clickHeader(2, Qt::ShiftModifier);
  window->channelWindow()->findChild<QAction*>("mnuPopCopy")->trigger();
  EXPECT_EQ(clipboard()->text().split('\n', Qt::SkipEmptyParts).size(), 3);
  const QStringList source = rxs(1, 2);
  clickHeader(12);
  window->channelWindow()->findChild<QAction*>("mnuPopPaste")->trigger();
  EXPECT_EQ(rxs(12, 13), source);
  clickHeader(12);
  window->channelWindow()->findChild<QAction*>("mnuPopCut")->trigger();
  EXPECT_EQ(rx(12), "");
  EXPECT_EQ(rx(13), source[1]);
}

// In an open cell editor the keys are the editor's: no channel is copied or
// pasted.
TEST_F(MainWindowRowsTest, AnOpenCellEditorKeepsItsClipboardKeys) {
  const CodeplugImage before = state.image;
  clipboard()->setText("446.1");
  ASSERT_FALSE(rx(1).isEmpty());
  clickCell(1, 1);
  press(Qt::Key_F2, Qt::NoModifier);
  auto* editor = qobject_cast<QLineEdit*>(grid()->openEditor());
  ASSERT_NE(editor, nullptr);
  editor->selectAll();
  const QString selected = editor->selectedText();
  press(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(clipboard()->text(), selected);
  EXPECT_FALSE(clipboard()->mimeData()->hasFormat("text/csv"));
  clipboard()->setText("446.1");
  press(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(editor->text(), "446.1");
  EXPECT_EQ(state.image, before);
  EXPECT_TRUE(prompts.questions.empty());
}

}  // namespace
}  // namespace q7
