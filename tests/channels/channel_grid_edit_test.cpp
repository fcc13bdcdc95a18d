#include <gtest/gtest.h>

#include "channels/grid_fixture.h"
#include "channels/report_watch.h"

namespace q7 {
namespace {

using GridEdit = test::GridFixture;

TEST_F(GridEdit, TypingRxIntoAnEmptyRowMakesAWholeChannelAndWritesTheImage) {
  test::ReportWatch watch;
  typeRx(1, "446.0031");
  EXPECT_EQ(text(1, 1), "446.005");
  EXPECT_EQ(text(1, 2), "446.005");
  EXPECT_EQ(text(1, 3), "None");
  EXPECT_EQ(text(1, 4), "None");
  EXPECT_EQ(text(1, 5), "Wide");
  EXPECT_EQ(text(1, 7), "Add");
  EXPECT_EQ(text(1, 12), "Off");
  EXPECT_EQ(grid.cursor(), (CellPos{1, 2}));
  const std::uint8_t expected[] = {0x00, 0x05, 0x60, 0x44, 0x00, 0x05, 0x60, 0x44,
                                   0xFF, 0xFF, 0xFF, 0xFF, 0x80, 0x4F, 0xFE, 0xF8};
  for (std::size_t i = 0; i < kRecordSize; ++i) EXPECT_EQ(recordByte(1, i), expected[i]) << i;
  EXPECT_TRUE(watch.locations().empty());
}

TEST_F(GridEdit, TypedFrequenciesMoveOntoTheStepAndIntoTheBand) {
  const std::pair<const char*, const char*> cases[] = {
      {"500", "470"},
      {"300", "400"},
      {"446.006", "446.00625"},
      {"145.0125", "400"},
      {"446.00625", "446.00625"},
      {"99999999999", "400"},  // too large to hold: raised to the lower limit
  };
  int row = 1;
  for (const auto& [typed, shown] : cases) {
    typeRx(row, typed);
    EXPECT_EQ(text(row, 1), shown) << typed;
    EXPECT_FALSE(grid.cell(row, 1).outOfBand);
    ++row;
  }
}

TEST_F(GridEdit, EmptyingRxClearsTheRowButNotTheImage) {
  typeRx(2, "446.1");
  const CodeplugImage written = state.image;
  grid.click(2, 1);
  ASSERT_TRUE(grid.beforeEdit(2, 1).allowed);
  grid.afterEdit(2, 1, "");
  for (int column = 1; column <= grid.columns(); ++column) {
    EXPECT_EQ(text(2, column), "");
    EXPECT_EQ(grid.table().value(2, column), -1);
  }
  EXPECT_EQ(grid.table().tone(2, col::kRxTone), "");
  EXPECT_EQ(grid.cursor(), (CellPos{2, 1}));
  EXPECT_EQ(state.image, written);

  typeRx(2, "446.2");  // a new channel on the cleared row takes the defaults again
  EXPECT_EQ(text(2, 7), "Add");
  EXPECT_EQ(recordByte(2, 2), 0x62);
}

TEST_F(GridEdit, EmptyingTxMakesTheChannelReceiveOnly) {
  typeRx(3, "446.1");
  grid.click(3, 2);
  grid.afterEdit(3, 2, "");
  EXPECT_EQ(text(3, 2), "");
  EXPECT_EQ(text(3, 4), "");
  EXPECT_EQ(grid.table().value(3, col::kTx), kNoFrequency);
  EXPECT_EQ(grid.table().tone(3, col::kTxTone), "");

  grid.click(3, 4);  // no transmit tone without TX: the cursor goes to TX
  EXPECT_EQ(grid.cursor(), (CellPos{3, 2}));
  EXPECT_FALSE(grid.takeEditRequest());
  EXPECT_FALSE(grid.toneBox().visible());

  grid.afterEdit(3, 2, "440.5");
  EXPECT_EQ(text(3, 2), "440.5");
  EXPECT_EQ(text(3, 4), "None");
  EXPECT_EQ(grid.cursor(), (CellPos{3, 3}));
  EXPECT_EQ(recordByte(3, 6), 0x05);
  EXPECT_EQ(recordByte(3, 7), 0x44);
}

TEST_F(GridEdit, EditPermissionsFollowTheChannelAndTheColumn) {
  for (int column = 1; column <= grid.columns(); ++column) {
    EXPECT_EQ(grid.beforeEdit(4, column).allowed, column == 1) << "empty row, column " << column;
  }
  typeRx(4, "446.1");
  EXPECT_TRUE(grid.beforeEdit(4, 1).allowed);
  EXPECT_TRUE(grid.beforeEdit(4, 2).allowed);
  EXPECT_FALSE(grid.beforeEdit(4, 3).allowed);
  EXPECT_FALSE(grid.beforeEdit(4, 4).allowed);
  EXPECT_EQ(grid.editMode(), EditMode::kNone);
  const EditPermission option = grid.beforeEdit(4, 8);
  EXPECT_TRUE(option.allowed);
  EXPECT_EQ(option.dropList, (std::vector<std::string>{"Off", "Carrier", "QT/DQT"}));
  EXPECT_EQ(grid.editMode(), EditMode::kKeyboard);
  EXPECT_FALSE(grid.beforeEdit(0, 1).allowed);
  EXPECT_FALSE(grid.beforeEdit(4, 14).allowed);
}

TEST_F(GridEdit, PickingAnOptionStoresItsPosition) {
  typeRx(5, "446.1");
  grid.click(5, 8);
  EXPECT_TRUE(grid.takeEditRequest());
  grid.afterEdit(5, 8, "QT/DQT");
  EXPECT_EQ(grid.table().value(5, 8), 2);
  EXPECT_EQ(text(5, 8), "QT/DQT");
  EXPECT_EQ(recordByte(5, 12) & 0x18, 0x10);
  grid.afterEdit(5, 8, "not in the list");
  EXPECT_EQ(grid.table().value(5, 8), 2);
}

TEST_F(GridEdit, ClickingAnEmptyRowStartsEditingItsRx) {
  grid.click(6, 9);
  EXPECT_EQ(grid.cursor(), (CellPos{6, 1}));
  EXPECT_TRUE(grid.takeEditRequest());
  EXPECT_FALSE(grid.takeEditRequest());
  EXPECT_EQ(grid.highlightRow(), 6);
}

TEST_F(GridEdit, ToneBoxNormalisesWhatIsTypedAndCopiesReceiveToTransmit) {
  typeRx(7, "446.1");
  grid.click(7, 3);
  ASSERT_TRUE(grid.toneBox().visible());
  EXPECT_EQ(grid.toneBox().text, "None");
  grid.setToneBoxText("023");
  grid.click(7, 5);  // clicking elsewhere commits the tone box first
  EXPECT_FALSE(grid.toneBox().visible());
  EXPECT_EQ(text(7, 3), "D023N");
  EXPECT_EQ(text(7, 4), "D023N");
  EXPECT_EQ(grid.table().tone(7, col::kTxTone), "D023N");

  grid.click(7, 4);
  grid.setToneBoxText("88.50");
  grid.toneBoxLostFocus();
  EXPECT_EQ(text(7, 3), "D023N");
  EXPECT_EQ(text(7, 4), "88.5");

  grid.click(7, 3);
  grid.setToneBoxText("885");
  grid.toneBoxLostFocus();
  EXPECT_EQ(text(7, 3), "None");
}

TEST_F(GridEdit, ToneOnAReceiveOnlyChannelLeavesTransmitEmpty) {
  typeRx(8, "446.1");
  grid.click(8, 2);
  grid.afterEdit(8, 2, "");
  grid.click(8, 3);
  grid.setToneBoxText("D754I");
  grid.toneBoxLostFocus();
  EXPECT_EQ(text(8, 3), "D754I");
  EXPECT_EQ(text(8, 4), "");
  EXPECT_EQ(grid.table().tone(8, col::kTxTone), "");
}

TEST_F(GridEdit, DoubleClickCopiesBetweenRxAndTxAndCyclesOptions) {
  typeRx(9, "446.1");
  grid.click(9, 2);
  grid.afterEdit(9, 2, "");
  grid.dblClick(9, 2);
  EXPECT_EQ(text(9, 2), "446.1");
  EXPECT_EQ(text(9, 4), "None");
  EXPECT_EQ(grid.table().value(9, col::kTx), 44610000);

  grid.click(9, 4);
  grid.setToneBoxText("D023N");
  grid.toneBoxLostFocus();
  grid.click(9, 3);
  grid.dblClick(9, 3);  // receive tone takes the transmit tone, also in the open tone box
  EXPECT_EQ(text(9, 3), "D023N");
  grid.toneBoxLostFocus();
  EXPECT_EQ(grid.table().tone(9, col::kRxTone), "D023N");

  const std::vector<std::string> cycle = {"Narrow", "Wide", "Narrow"};
  for (const std::string& shown : cycle) {
    grid.dblClick(9, 5);
    EXPECT_EQ(text(9, 5), shown);
  }
  for (int step = 1; step <= 8; ++step) grid.dblClick(9, 12);
  EXPECT_EQ(text(9, 12), "Off");
  grid.dblClick(9, 12);
  EXPECT_EQ(text(9, 12), "1");
}

TEST_F(GridEdit, DoubleClickDoesNothingOnRxOnAnEmptyRowOrWithoutTx) {
  grid.dblClick(10, 5);
  EXPECT_EQ(text(10, 5), "");
  typeRx(10, "446.1");
  grid.click(10, 2);
  grid.afterEdit(10, 2, "");
  grid.dblClick(10, 3);
  EXPECT_EQ(text(10, 3), "None");
  EXPECT_EQ(text(10, 4), "");
  grid.dblClick(10, 1);
  EXPECT_EQ(text(10, 1), "446.1");
}

TEST_F(GridEdit, PopupEnablesDeletionOnUsedChannelsOnly) {
  typeRx(11, "446.1");
  PopupState used = grid.popup(11);
  EXPECT_TRUE(used.deleteOne);
  EXPECT_TRUE(used.deleteAll);
  EXPECT_FALSE(used.lockChecked);
  EXPECT_EQ(grid.popupRow(), 11);
  PopupState empty = grid.popup(12);
  EXPECT_FALSE(empty.deleteOne);
  EXPECT_TRUE(empty.deleteAll);

  state.lockState = kLockedText;
  PopupState locked = grid.popup(11);
  EXPECT_FALSE(locked.deleteOne);
  EXPECT_FALSE(locked.deleteAll);
  EXPECT_TRUE(locked.lockChecked);
}

TEST_F(GridEdit, LockRefusesEveryEdit) {
  typeRx(13, "446.1");
  state.lockState = kLockedText;
  const CodeplugImage before = state.image;
  EXPECT_FALSE(grid.beforeEdit(13, 1).allowed);
  grid.click(13, 3);
  EXPECT_FALSE(grid.toneBox().visible());
  grid.afterEdit(13, 1, "");
  grid.afterEdit(14, 1, "446.2");
  grid.dblClick(13, 5);
  EXPECT_EQ(text(13, 1), "446.1");
  EXPECT_EQ(text(13, 5), "Wide");
  EXPECT_EQ(text(14, 1), "");
  EXPECT_EQ(state.image, before);
}

}  // namespace
}  // namespace q7
