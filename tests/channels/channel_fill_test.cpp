// Fill Down and Edit Selected Channels: chosen columns into several channels.
#include <gtest/gtest.h>

#include "channels/channel_rows.h"
#include "channels/rows_fixture.h"

namespace q7 {
namespace {

using Fill = test::RowsFixture;
using test::firstChannels;
using test::rxOf;

struct FillCase {
  const char* name;
  int column;
  ChannelSelection selection;
  // Cell texts of `column` in channels 1..5 afterwards.
  std::vector<std::string> texts;
  std::vector<int> changed;
};

// Channels 1..4 are in use (see RowsFixture::makeChannel), 5 is empty.
const FillCase kFillCases[] = {
    {"an option column", 6, {1, 2, 3}, {"Low", "Low", "Low", "High", ""}, {2}},
    {"the bitmap column", col::kBitmapOption, {2, 3, 4}, {"Add", "Del", "Del", "Del", ""}, {3}},
    {"a frequency",
     col::kRx,
     {4, 1, 2},
     {"440.0125", "440.0125", "440.0375", "440.0125", ""},
     {2, 4}},
    {"the receive tone", col::kRxTone, {1, 2, 3, 4}, {"88.5", "88.5", "88.5", "88.5", ""}, {2, 4}},
    {"the transmit tone", col::kTxTone, {3, 4}, {"100.0", "100.0", "D754I", "D754I", ""}, {4}},
    {"only used channels take an option", 6, {1, 5}, {"Low", "High", "Low", "High", ""}, {}},
    {"an empty channel takes RX",
     col::kRx,
     {1, 5},
     {"440.0125", "440.025", "440.0375", "440.05", "440.0125"},
     {5}},
    {"one channel fills nothing", 6, {2}, {"Low", "High", "Low", "High", ""}, {}},
};

TEST_F(Fill, FillDownCopiesTheFirstSelectedChannelsValue) {
  for (const FillCase& c : kFillCases) {
    SCOPED_TRACE(c.name);
    for (auto& byte : state.image.bytes()) byte = 0xFF;
    grid.showChTblGrid();
    makeChannels(firstChannels(4));
    const RowEdit edit = fillDown(state, grid, c.selection, c.column);
    EXPECT_FALSE(edit.refused()) << edit.reason;
    for (int n = 1; n <= 5; ++n)
      EXPECT_EQ(text(n, c.column), c.texts[static_cast<std::size_t>(n - 1)]) << "channel " << n;
    EXPECT_EQ(edit.changedRows, c.changed);
  }
}

TEST_F(Fill, FillDownKeepsEveryOtherPartOfTheChannel) {
  makeChannels(firstChannels(3));
  const auto before = channelSlots();
  fillDown(state, grid, {1, 2, 3}, 12);  // Scrambler: byte 15 bits 0..2
  for (int n = 2; n <= 3; ++n) {
    const ChannelSlot after = takeSlot(state.image, n);
    const ChannelSlot& was = before[static_cast<std::size_t>(n - 1)];
    EXPECT_EQ(after.record[15] & 0x07, 1) << n;
    EXPECT_EQ(after.record[15] & 0xF8, was.record[15] & 0xF8) << n;
    EXPECT_EQ(after.bitmapBit, was.bitmapBit) << n;
    for (std::size_t i = 0; i < 15; ++i) EXPECT_EQ(after.record[i], was.record[i]) << n << " " << i;
  }
}

TEST_F(Fill, EditSelectedChannelsAppliesOnlyTheChosenColumns) {
  makeChannels(firstChannels(4));
  ColumnEdit edit;
  edit.columns = {col::kTx, 5, col::kRxTone};
  edit.values.tx = 44500000;
  edit.values.rxTone = "D131N";
  edit.values.options[5] = 1;  // Narrow
  edit.values.options[6] = 1;  // not chosen: stays as each channel has it
  const RowEdit done = applyColumns(state, grid, {2, 3, 5}, edit);
  EXPECT_EQ(done.changedRows, (std::vector<int>{2, 3}));
  EXPECT_EQ(done.selection, (ChannelSelection{2, 3, 5}));
  for (const int n : {2, 3}) {
    EXPECT_EQ(text(n, col::kTx), "445") << n;
    EXPECT_EQ(text(n, col::kRxTone), "D131N") << n;
    EXPECT_EQ(text(n, 5), "Narrow") << n;
  }
  EXPECT_EQ(text(2, col::kTxTone), "100.0");  // the channel's own transmit tone stays
  EXPECT_EQ(text(3, col::kTxTone), "D754I");
  EXPECT_EQ(text(2, 6), "High");
  EXPECT_EQ(text(3, 6), "Low");
  EXPECT_EQ(text(2, col::kRx), "440.025");
  EXPECT_EQ(text(5, col::kRx), "");  // an empty slot takes no TX
  EXPECT_EQ(text(4, col::kTx), "445.05");
}

TEST_F(Fill, EditSelectedChannelsTypesFrequenciesAsTheGridDoes) {
  makeChannels(firstChannels(2));
  ColumnEdit receiveOnly{{col::kTx}, {}};
  receiveOnly.values.tx = kNoFrequency;
  applyColumns(state, grid, {1}, receiveOnly);
  EXPECT_EQ(text(1, col::kTx), "");
  EXPECT_EQ(text(1, col::kTxTone), "");
  EXPECT_FALSE(frequencyPresent(state.image, recordAddress(1) + kTxOffset));

  ColumnEdit noRx{{col::kRx}, {}};  // an RX of none would delete: ignored
  EXPECT_TRUE(applyColumns(state, grid, {2}, noRx).changedRows.empty());
  EXPECT_EQ(grid.table().value(2, col::kRx), rxOf(2));

  ColumnEdit beyondBand{{col::kRx}, {}};
  beyondBand.values.rx = 50000000;
  applyColumns(state, grid, {2, 3}, beyondBand);
  EXPECT_EQ(text(2, col::kRx), "470");
  EXPECT_EQ(text(3, col::kRx), "470");
  EXPECT_EQ(text(2, col::kTx), "445.025");  // a channel's TX stays
  EXPECT_EQ(text(3, col::kTx), "470");      // an empty slot became a channel
}

}  // namespace
}  // namespace q7
