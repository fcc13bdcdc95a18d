// The channel grid without the mouse, and choosing channels with it: row
// headers select channels, keys open every cell, Tab walks the grid and out
// of it, the row highlight follows the current cell, and what the grid made
// of a typed frequency is told in the status bar.
#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QTabWidget>

#include "channels/ui/channel_window_fixture.h"
#include "support/ui/wheel.h"
#include "support/ui/window_focus.h"

namespace q7 {
namespace {

const QColor kHighlight(194, 121, 240);
const QColor kNormal(255, 255, 255);

class ChannelWindowKeys : public test::WindowFixture {
 protected:
  ChannelWindowKeys() { EXPECT_TRUE(test::activate(window.get())); }

  void clickHeader(int channel, Qt::KeyboardModifiers modifiers = {}) {
    QHeaderView* header = grid()->verticalHeader();
    const int y =
        header->sectionViewportPosition(channel - 1) + header->sectionSize(channel - 1) / 2;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, modifiers, {header->width() / 2, y});
  }
  QWidget* focus() const { return QApplication::focusWidget(); }
  void key(int k, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(focus(), static_cast<Qt::Key>(k), modifiers);
    QCoreApplication::processEvents();
  }
  // Typed key by key into whatever has the focus then, as a keyboard does.
  void keys(const char* text) {
    for (const char* c = text; *c; ++c) {
      QTest::keyClicks(focus(), QString(QChar(*c)));
      QCoreApplication::processEvents();
    }
  }
  std::vector<int> selected() const { return grid()->selectedChannels(); }
};

TEST_F(ChannelWindowKeys, RowHeadersSelectChannels) {
  clickHeader(1);
  EXPECT_EQ(selected(), (std::vector<int>{1}));
  clickHeader(3, Qt::ShiftModifier);
  EXPECT_EQ(selected(), (std::vector<int>{1, 2, 3}));
  clickHeader(6, Qt::ControlModifier);
  EXPECT_EQ(selected(), (std::vector<int>{1, 2, 3, 6}));
  clickHeader(2, Qt::ControlModifier);
  EXPECT_EQ(selected(), (std::vector<int>{1, 3, 6}));
  clickHeader(8);
  key(Qt::Key_Down, Qt::ShiftModifier);
  key(Qt::Key_Down, Qt::ShiftModifier);
  EXPECT_EQ(selected(), (std::vector<int>{8, 9, 10}));
  key(Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(selected().size(), 16u);
}

TEST_F(ChannelWindowKeys, DraggingOverTheHeadersSelectsTheChannelsPassed) {
  QHeaderView* header = grid()->verticalHeader();
  const auto middle = [header](int channel) {
    return QPoint(header->width() / 2, header->sectionViewportPosition(channel - 1) +
                                           header->sectionSize(channel - 1) / 2);
  };
  QTest::mousePress(header->viewport(), Qt::LeftButton, {}, middle(4));
  QMouseEvent move(QEvent::MouseMove, middle(7), header->viewport()->mapToGlobal(middle(7)),
                   Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(header->viewport(), &move);
  QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, middle(7));
  EXPECT_EQ(selected(), (std::vector<int>{4, 5, 6, 7}));
}

TEST_F(ChannelWindowKeys, ClickingACellStillEditsIt) {
  clickHeader(2);
  clickCell(5, 1);
  EXPECT_NE(qobject_cast<QLineEdit*>(grid()->openEditor()), nullptr);
  EXPECT_EQ(selected(), (std::vector<int>{5}));
}

// A channel with a receive and a transmit tone, typed without the mouse.
TEST_F(ChannelWindowKeys, AChannelWithTonesByKeyboardOnly) {
  grid()->setFocus();
  grid()->setCursorCell(3, 1);
  keys("446.1");
  key(Qt::Key_Return);
  EXPECT_EQ(cell(3, 1), "446.1");
  EXPECT_EQ(grid()->cursorCell(), (CellPos{3, 2}));
  key(Qt::Key_Tab);
  ASSERT_EQ(grid()->cursorCell(), (CellPos{3, 3}));
  keys("88.5");  // typing opens the tone box with what is typed
  ASSERT_TRUE(toneBox()->isVisible());
  EXPECT_EQ(toneBox()->currentText(), "88.5");
  key(Qt::Key_Return);
  EXPECT_FALSE(toneBox()->isVisible());
  EXPECT_EQ(cell(3, 3), "88.5");
  EXPECT_EQ(cell(3, 4), "88.5");

  key(Qt::Key_Tab);
  ASSERT_EQ(grid()->cursorCell(), (CellPos{3, 4}));
  key(Qt::Key_F2);  // F2 opens it on the stored tone
  ASSERT_TRUE(toneBox()->isVisible());
  EXPECT_EQ(toneBox()->currentText(), "88.5");
  key(Qt::Key_A, Qt::ControlModifier);
  keys("023i");
  key(Qt::Key_Return);
  EXPECT_EQ(cell(3, 4), "D023I");
  EXPECT_EQ(cell(3, 3), "88.5");
  window->storeChannels();
  EXPECT_EQ(state.image.word(0x30 + 8), 885);
  EXPECT_EQ(state.image.word(0x30 + 10), 0xA813);
}

TEST_F(ChannelWindowKeys, ToneBoxOpensWithEnterAndAltDownAndEscLeavesTheTone) {
  typeInto(4, 1, "446.1");
  grid()->setFocus();
  grid()->setCursorCell(4, 3);
  key(Qt::Key_Return);
  ASSERT_TRUE(toneBox()->isVisible());
  keys("100");
  key(Qt::Key_Escape);
  EXPECT_FALSE(toneBox()->isVisible());
  EXPECT_EQ(cell(4, 3), "None");
  EXPECT_TRUE(grid()->hasFocus());

  key(Qt::Key_Down, Qt::AltModifier);
  ASSERT_TRUE(toneBox()->isVisible());
  EXPECT_TRUE(toneBox()->view()->isVisible()) << "Alt+Down opens the list";
  toneBox()->hidePopup();
}

TEST_F(ChannelWindowKeys, TabLeavesTheGridAfterTheLastCellAndShiftTabBeforeTheFirst) {
  grid()->setFocus();
  grid()->setCursorCell(16, 12);
  key(Qt::Key_Tab);
  EXPECT_EQ(grid()->cursorCell(), (CellPos{16, 13}));
  EXPECT_TRUE(grid()->hasFocus());
  key(Qt::Key_Tab);
  EXPECT_TRUE(test::isPartOf(focus(), child<QTabWidget>("sstabSetMode"))) << "the option pages";

  grid()->setFocus();
  grid()->setCursorCell(1, 2);
  key(Qt::Key_Backtab);
  EXPECT_EQ(grid()->cursorCell(), (CellPos{1, 1}));
  key(Qt::Key_Backtab);
  EXPECT_FALSE(grid()->hasFocus());
}

TEST_F(ChannelWindowKeys, TheRowHighlightFollowsTheCurrentCell) {
  typeInto(1, 1, "446.1");
  typeInto(2, 1, "446.2");
  clickCell(1, 5);
  EXPECT_EQ(grid()->cellBackground(1, 5), kHighlight);
  key(Qt::Key_Escape);  // the option list the click opened
  key(Qt::Key_Down);
  EXPECT_EQ(grid()->cellBackground(1, 5), kNormal);
  EXPECT_EQ(grid()->cellBackground(2, 5), kHighlight);
  key(Qt::Key_Tab);
  EXPECT_EQ(grid()->cellBackground(2, 7), kHighlight);
}

TEST_F(ChannelWindowKeys, ALockedGridShowsItsCurrentCellReadably) {
  typeInto(1, 1, "446.1");
  shell.toggleChannelLock();
  ASSERT_TRUE(state.locked());
  const QPalette palette = grid()->palette();
  const QColor back = palette.color(QPalette::Highlight);
  const QColor text = palette.color(QPalette::HighlightedText);
  EXPECT_GT(std::abs(back.lightness() - text.lightness()), 128)
      << back.name().toStdString() << " on " << text.name().toStdString();
}

struct TypedNote {
  const char* typed;
  int column;
  const char* shown;
  const char* note;
};

TEST_F(ChannelWindowKeys, TheStatusBarSaysWhatBecameOfATypedFrequency) {
  const TypedNote cases[] = {
      {"500", 1, "470", "500 is above the band 400–470 MHz: set to 470.00000"},
      {"446.0031", 1, "446.005", "446.0031 is off the channel step: set to 446.00500"},
      {"446,5", 1, "446.005", "446,5 is not a frequency"},
      {"+5", 2, "451.005", ""},
      {"-7.6", 2, "438.405", ""},
      {"-60", 2, "400", "386.005 is below the band 400–470 MHz: set to 400.00000"},
  };
  for (const TypedNote& c : cases) {
    shell.panels.clear();
    const CodeplugImage before = state.image;
    typeInto(6, c.column, c.typed);
    EXPECT_EQ(cell(6, c.column), c.shown) << c.typed;
    EXPECT_EQ(shell.panelText(kNoticePanel), c.note) << c.typed;
    if (std::string(c.typed) == "446,5") {
      EXPECT_EQ(state.image, before);
    }
  }
}

}  // namespace
}  // namespace q7
