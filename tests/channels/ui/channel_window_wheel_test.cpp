// Only a deliberate choice changes the image: a wheel turned over the
// channel window's drop-down lists while the dealer scrolls, and an in-cell
// list left without a pick, change nothing.
#include <gtest/gtest.h>

#include <QScrollBar>
#include <QTabWidget>
#include <functional>

#include "channels/ui/channel_window_fixture.h"
#include "foundation/ui/wheel_guard.h"
#include "support/ui/wheel.h"
#include "support/ui/window_focus.h"

namespace q7 {
namespace {

class ChannelWindowWheel : public test::WindowFixture {
 protected:
  ChannelWindowWheel() { EXPECT_TRUE(test::activate(window.get())); }
  QComboBox* list(const char* name) const { return child<QComboBox>(name); }
  QComboBox* cellList() const { return qobject_cast<QComboBox*>(grid()->openEditor()); }
};

// Regression: one notch over the band list started a blank image.
TEST_F(ChannelWindowWheel, TheBandAndModelListsLetAPassingWheelScrollOn) {
  typeInto(1, 1, "446.1");
  grid()->setFocus();
  const CodeplugImage before = state.image;
  const int newFiles = shell.newFiles;
  for (const char* name : {"cboFrequency", "cboModel"}) {
    ASSERT_TRUE(list(name)->isVisible()) << name;
    for (int notches : {-1, -1, 1, -3}) {
      EXPECT_TRUE(test::isPartOf(test::turnWheel(list(name), notches), list(name))) << name;
    }
    EXPECT_FALSE(list(name)->hasFocus()) << name;
  }
  EXPECT_EQ(list("cboFrequency")->currentIndex(), kDefaultBand);
  EXPECT_EQ(list("cboModel")->currentIndex(), 0);
  EXPECT_EQ(shell.newFiles, newFiles);
  EXPECT_EQ(state.image, before);
  EXPECT_EQ(cell(1, 1), "446.1");
  EXPECT_EQ(window->bandLimits().upper, 47000000);
}

TEST_F(ChannelWindowWheel, AFocusedBandListTurnsWithTheWheel) {
  typeInto(1, 1, "446.1");
  list("cboFrequency")->setFocus();
  const int newFiles = shell.newFiles;
  test::turnWheel(list("cboFrequency"));
  EXPECT_EQ(list("cboFrequency")->currentIndex(), kDefaultBand + 1);
  EXPECT_EQ(window->bandLimits().upper, 48000000);
  EXPECT_EQ(shell.newFiles, newFiles + 1);
  EXPECT_EQ(cell(1, 1), "") << "the chosen band starts a new image";
}

// The tone box and the in-cell lists have the focus from the click that
// opened them: the wheel over them scrolls the grid.
TEST_F(ChannelWindowWheel, TheToneBoxIgnoresTheWheel) {
  typeInto(4, 1, "446.1");
  clickCell(4, 3);
  ASSERT_TRUE(toneBox()->isVisible());
  ASSERT_TRUE(toneBox()->hasFocus());
  EXPECT_TRUE(isWheelGuarded(toneBox()));
  test::turnWheel(toneBox(), -2);
  test::turnWheel(toneBox()->lineEdit(), 1);
  EXPECT_EQ(toneBox()->currentText(), "None");
  const CodeplugImage before = state.image;
  window->commitPendingEdit();
  window->storeChannels();
  EXPECT_EQ(cell(4, 3), "None");
  EXPECT_EQ(state.image, before);
}

TEST_F(ChannelWindowWheel, ACellListIgnoresTheWheelAndTakesAPickedEntry) {
  window->resize(1000, 300);  // the grid scrolls
  typeInto(6, 1, "446.1");
  const CodeplugImage before = state.image;
  clickCell(6, 8);
  ASSERT_NE(cellList(), nullptr);
  ASSERT_TRUE(cellList()->hasFocus());
  EXPECT_TRUE(isWheelGuarded(cellList()));
  const int top = grid()->verticalScrollBar()->value();
  test::turnWheel(cellList(), -1);
  ASSERT_NE(cellList(), nullptr);
  EXPECT_EQ(cellList()->currentText(), "Off");
  EXPECT_GT(grid()->verticalScrollBar()->value(), top) << "the grid scrolls instead";
  EXPECT_EQ(cell(6, 8), "Off");
  EXPECT_EQ(state.image, before);

  QTest::keyClick(cellList(), Qt::Key_Down);  // a choice: the list commits it at once
  EXPECT_EQ(cell(6, 8), "Carrier");
  EXPECT_EQ(state.image[0x60 + 12] & 0x18, 0x08);
}

// An option whose stored bits lie above its codes shows item 0; storing the
// channel would rewrite those bits, so leaving the list must not store.
TEST_F(ChannelWindowWheel, ACellListLeftWithoutAPickStoresNothing) {
  typeInto(1, 1, "446.1");
  state.image[0x10 + 12] |= 0x18;
  window->showImage();
  const CodeplugImage before = state.image;
  const std::vector<std::function<void()>> leave = {
      [this] { QTest::keyClick(cellList(), Qt::Key_Escape); },
      [this] { QTest::keyClick(cellList(), Qt::Key_Return); },
      [this] { list("cboModel")->setFocus(); },
      [this] {  // the window loses the focus: Qt stores and closes the editor
        ASSERT_TRUE(test::workElsewhere(window.get()));
      }};
  for (std::size_t way = 0; way < leave.size(); ++way) {
    clickCell(1, 8);
    ASSERT_NE(cellList(), nullptr) << way;
    ASSERT_EQ(cellList()->currentText(), "Off");
    leave[way]();
    QCoreApplication::processEvents();
    EXPECT_EQ(grid()->openEditor(), nullptr) << way;
    EXPECT_EQ(cell(1, 8), "Off") << way;
    EXPECT_EQ(state.image, before) << way;
  }
}

// The same for a frequency cell: its text again would have been snapped,
// clamped into the band and stored with every channel.
TEST_F(ChannelWindowWheel, AFrequencyCellLeftWithoutTypingStoresNothing) {
  typeInto(2, 1, "446.1");
  state.image[0x20 + 3] = 0x48;  // RX 486.1 MHz from a file: out of the band, kept
  window->showImage();
  const CodeplugImage before = state.image;
  ASSERT_EQ(cell(2, 1), "486.1");
  for (bool enter : {true, false}) {
    clickCell(2, 1);
    auto* editor = qobject_cast<QLineEdit*>(grid()->openEditor());
    ASSERT_NE(editor, nullptr);
    if (enter) {
      QTest::keyClick(editor, Qt::Key_Return);
    } else {
      list("cboModel")->setFocus();
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(cell(2, 1), "486.1") << enter;
    EXPECT_EQ(state.image, before) << enter;
  }
  typeInto(2, 1, "486.1");  // typed, it is an edit: clamped to the band's top
  EXPECT_EQ(cell(2, 1), "470");
}

}  // namespace
}  // namespace q7
