// The memory view's grid: rows, change marks, edit commit, tooltip, partial fill.
#include "comm/ui/memory_view.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>

#include "comm/ui/part_fill_dialog.h"
#include "shell/error_report.h"
#include "support/scripted_prompts.h"
#include "support/shell_fakes.h"

namespace q7 {
namespace {

class MemoryViewTest : public ::testing::Test {
 protected:
  MemoryViewTest() {
    state.captions = CaptionTable(kEnglish);
    state.ranges.tableMax = 0x3FF;
    state.ranges.fillStart = 0;
    state.ranges.fillEnd = 0x3FF;
    view.setGridMemDat();
  }
  QTableWidgetItem* cell(long address) const {
    return view.grid()->item(static_cast<int>(address / 16), static_cast<int>(address % 16));
  }
  int redCells() const {
    int red = 0;
    for (long a = 0; a < 1024; ++a) red += cell(a)->foreground().color() == Qt::red;
    return red;
  }

  AppState state;
  test::ScriptedPrompts prompts;
  test::RecordingViews views;
  MemoryView view{state, prompts, views};
};

TEST_F(MemoryViewTest, SixtyFourRowsLabelledByTheirFirstAddress) {
  EXPECT_EQ(view.grid()->rowCount(), 64);
  EXPECT_EQ(view.grid()->columnCount(), 16);
  EXPECT_EQ(view.grid()->verticalHeaderItem(63)->text(), "03F0H");
  EXPECT_EQ(view.grid()->horizontalHeaderItem(10)->text(), "A");
}

TEST_F(MemoryViewTest, OnlyBytesChangedSinceTheLastRefreshAreMarkedRed) {
  view.tableFreDat();
  view.tableFreDat();
  EXPECT_EQ(redCells(), 0);
  state.image[0x123] = 0x5C;
  view.tableFreDat();
  EXPECT_EQ(redCells(), 1);
  EXPECT_EQ(cell(0x123)->foreground().color(), Qt::red);
  EXPECT_EQ(cell(0x123)->text(), "5C");
  view.cmdSetDefCol_Click();
  EXPECT_EQ(redCells(), 0);
}

TEST_F(MemoryViewTest, TypedCellsAreCommittedUntilAValueAbove255) {
  view.tableFreDat();
  cell(0x005)->setText("1G");
  EXPECT_EQ(state.image[0x005], 0x10);
  state.image[0x007] = 0x33;
  cell(0x004)->setText("123");
  EXPECT_NE(errorReporter().lines().back().find("frmMemDat->GridDataTemp"), std::string::npos);
  EXPECT_EQ(state.image[0x007], 0x33);
}

TEST_F(MemoryViewTest, TheTooltipListsTheBitsAndTheDecimalValue) {
  state.image[0] = 0x92;
  view.tableFreDat();
  const QString tip = view.cellTipHint(1, 1);
  EXPECT_TRUE(tip.contains("B7:1 B6:0 B5:0 B4:1   B3:0 B2:0 B1:1 B0:0 ")) << tip.toStdString();
  EXPECT_TRUE(tip.contains("十进制146"));
  EXPECT_TRUE(tip.startsWith("地址为: 0x0000"));
}

TEST_F(MemoryViewTest, FillWritesTheClampedValueAndShowsIt) {
  view.tableFreDat();
  PartFillDialog dialog(state, prompts, view);
  dialog.baseList()->setCurrentIndex(1);
  dialog.fillDataField()->setText("300");
  dialog.startField()->setText("10");
  dialog.endField()->setText("13");
  dialog.cmdFillData_Click();
  for (long a = 0x10; a <= 0x13; ++a) {
    EXPECT_EQ(state.image[static_cast<std::size_t>(a)], 255) << a;
    EXPECT_EQ(cell(a)->text(), "FF");
  }
  EXPECT_EQ(state.image[0x14], 0);
  EXPECT_EQ(state.ranges.fillStart, 0x10);
  EXPECT_EQ(state.ranges.fillEnd, 0x13);
}

TEST_F(MemoryViewTest, ANegativeOrNonNumericFillValueIsRefusedWithAMessage) {
  view.tableFreDat();
  const CodeplugImage before = state.image;
  PartFillDialog dialog(state, prompts, view);
  dialog.baseList()->setCurrentIndex(1);
  for (const char* text : {"-1", "abc"}) {
    dialog.fillDataField()->setText(text);
    dialog.cmdFillData_Click();
  }
  EXPECT_EQ(state.image, before);
  ASSERT_EQ(prompts.messages.size(), 2u);
  EXPECT_EQ(prompts.messages[0].text, "The fill value must be a number of 0 or more!");
}

TEST_F(MemoryViewTest, FillGridEncodesTheChannelsBeforeRefreshing) {
  state.image[0x20] = 0xAB;
  view.cmdFillGrid_Click();
  EXPECT_EQ(views.count("store"), 1);
  EXPECT_EQ(cell(0x20)->text(), "AB");
}

}  // namespace
}  // namespace q7
