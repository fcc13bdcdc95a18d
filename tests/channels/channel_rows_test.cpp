#include "channels/channel_rows.h"

#include <gtest/gtest.h>

#include <functional>

#include "channels/report_watch.h"
#include "channels/rows_fixture.h"

namespace q7 {
namespace {

using Rows = test::RowsFixture;
using test::firstChannels;
using test::rxOf;
using Command = std::function<RowEdit(AppState&, ChannelGrid&)>;

struct MoveCase {
  const char* name;
  std::map<int, std::int32_t> channels;
  Command command;
  std::vector<int> order;  // channel i + 1 holds what channel order[i] held; 0: emptied
  std::vector<int> changed;
  ChannelSelection selection;
};

std::map<int, std::int32_t> unsorted() {
  // Channel 6 stays empty; 2 and 4 share a frequency.
  return {{1, 44630000}, {2, 44610000}, {3, 44620000}, {4, 44610000}, {5, 44600000}, {7, 44500000}};
}

const MoveCase kMoveCases[] = {
    {"insert pushes the channels from the current one down",
     firstChannels(5),
     [](AppState& s, ChannelGrid& g) { return insertChannel(s, g, 3); },
     {1, 2, 0, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15},
     {3, 4, 5, 6},
     {3}},
    {"insert at the first channel",
     firstChannels(2),
     [](AppState& s, ChannelGrid& g) { return insertChannel(s, g, 1); },
     {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15},
     {1, 2, 3},
     {1}},
    {"clear leaves the others in place",
     firstChannels(5),
     [](AppState& s, ChannelGrid& g) {
       return clearChannels(s, g, {5, 2});
     },
     {1, 0, 3, 4, 0},
     {2, 5},
     {2, 5}},
    {"delete and shift up closes the gaps",
     firstChannels(5),
     [](AppState& s, ChannelGrid& g) {
       return deleteAndShiftUp(s, g, {4, 2, 2});
     },
     {1, 3, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 0, 0},
     {2, 3, 4, 5, 15, 16},
     {2}},
    {"move up a block",
     firstChannels(5),
     [](AppState& s, ChannelGrid& g) {
       return moveUp(s, g, {3, 4});
     },
     {1, 3, 4, 2},
     {2, 3, 4},
     {2, 3}},
    {"move up two apart",
     firstChannels(5),
     [](AppState& s, ChannelGrid& g) {
       return moveUp(s, g, {2, 5});
     },
     {2, 1, 3, 5, 4},
     {1, 2, 4, 5},
     {1, 4}},
    {"move down two apart",
     firstChannels(5),
     [](AppState& s, ChannelGrid& g) {
       return moveDown(s, g, {2, 4});
     },
     {1, 3, 2, 5, 4},
     {2, 3, 4, 5},
     {3, 5}},
    {"move down into an empty slot",
     firstChannels(5),
     [](AppState& s, ChannelGrid& g) {
       return moveDown(s, g, {4, 5});
     },
     {1, 2, 3, 6, 4, 5},
     {4, 5, 6},
     {5, 6}},
    {"move down onto the last channel",
     firstChannels(16),
     [](AppState& s, ChannelGrid& g) { return moveDown(s, g, {15}); },
     {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 16, 15},
     {15, 16},
     {16}},
    {"sort all used channels, gaps staying",
     unsorted(),
     [](AppState& s, ChannelGrid& g) { return sortByRxFrequency(s, g, {3}); },
     {7, 5, 2, 4, 3, 6, 1},
     {1, 2, 3, 5, 7},
     {3}},
    {"sort with nothing selected sorts all",
     unsorted(),
     [](AppState& s, ChannelGrid& g) { return sortByRxFrequency(s, g, {}); },
     {7, 5, 2, 4, 3, 6, 1},
     {1, 2, 3, 5, 7},
     {}},
    {"sort only within the selection",
     unsorted(),
     [](AppState& s, ChannelGrid& g) {
       return sortByRxFrequency(s, g, {2, 3, 4, 5});
     },
     {1, 5, 2, 4, 3},
     {2, 3, 5},
     {2, 3, 4, 5}},
    {"sort a selection with an empty slot",
     unsorted(),
     [](AppState& s, ChannelGrid& g) {
       return sortByRxFrequency(s, g, {5, 6, 7});
     },
     {1, 2, 3, 4, 7, 6, 5},
     {5, 7},
     {5, 6, 7}},
};

TEST_F(Rows, WholeChannelsMoveWithTheirBitmapBitTonesAndForeignBits) {
  for (const MoveCase& c : kMoveCases) {
    SCOPED_TRACE(c.name);
    state.image = state.templateImage;
    for (auto& byte : state.image.bytes()) byte = 0xFF;
    grid.showChTblGrid();
    makeChannels(c.channels);
    const auto before = channelSlots();
    test::ReportWatch watch;
    const RowEdit edit = c.command(state, grid);
    EXPECT_FALSE(edit.refused()) << edit.reason;
    expectOrder(before, c.order);
    EXPECT_EQ(edit.changedRows, c.changed);
    EXPECT_EQ(edit.selection, c.selection);
    EXPECT_TRUE(watch.locations().empty());
  }
}

TEST_F(Rows, TheGridShowsWhatTheImageHoldsAfterAMove) {
  makeChannels(firstChannels(3));
  const std::vector<std::string> third = {text(3, 1), text(3, 2), text(3, 3), text(3, 4),
                                          text(3, 6), text(3, 7), text(3, 12)};
  moveUp(state, grid, {3});
  const std::vector<std::string> second = {text(2, 1), text(2, 2), text(2, 3), text(2, 4),
                                           text(2, 6), text(2, 7), text(2, 12)};
  EXPECT_EQ(second, third);
  EXPECT_EQ(text(3, 3), "D023N");  // channel 2's receive tone, one row down
  EXPECT_EQ(grid.table().value(2, col::kRx), rxOf(3));
}

TEST_F(Rows, ThePttIdPauseBitOfAChannelTravelsWithIt) {
  makeChannels(firstChannels(2));
  ASSERT_EQ(recordByte(2, 13) & kPttIdPause, kPttIdPause);
  moveUp(state, grid, {2});
  EXPECT_EQ(recordByte(1, 13) & kPttIdPause, kPttIdPause);
  EXPECT_EQ(recordByte(2, 13) & kPttIdPause, 0);
}

struct RefusedCase {
  const char* name;
  Command command;
  RowRefusal refusal;
  const char* reason;
};

const RefusedCase kRefusedCases[] = {
    {"insert with the last channel in use",
     [](AppState& s, ChannelGrid& g) { return insertChannel(s, g, 3); }, RowRefusal::kPushPastEnd,
     "The last channel is in use; inserting a channel would push it out."},
    {"insert outside the grid", [](AppState& s, ChannelGrid& g) { return insertChannel(s, g, 17); },
     RowRefusal::kNothingSelected, "No channel is selected."},
    {"move up the first channel",
     [](AppState& s, ChannelGrid& g) {
       return moveUp(s, g, {3, 1});
     },
     RowRefusal::kAtTop, "The selection is already at the top."},
    {"move down the last channel", [](AppState& s, ChannelGrid& g) { return moveDown(s, g, {16}); },
     RowRefusal::kAtBottom, "The selection is already at the bottom."},
    {"delete nothing",
     [](AppState& s, ChannelGrid& g) {
       return deleteAndShiftUp(s, g, {0, 17});
     },
     RowRefusal::kNothingSelected, "No channel is selected."},
    {"fill down from an empty channel",
     [](AppState& s, ChannelGrid& g) {
       return fillDown(s, g, {14, 15}, 6);
     },
     RowRefusal::kFirstEmpty,
     "The first selected channel is empty; there is nothing to fill down."},
};

TEST_F(Rows, RefusedCommandsChangeNothingAndSayWhy) {
  std::map<int, std::int32_t> channels = firstChannels(5);
  channels[16] = rxOf(16);
  makeChannels(channels);
  const CodeplugImage before = state.image;
  for (const RefusedCase& c : kRefusedCases) {
    SCOPED_TRACE(c.name);
    const RowEdit edit = c.command(state, grid);
    EXPECT_EQ(edit.refusal, c.refusal);
    EXPECT_EQ(edit.reason, c.reason);
    EXPECT_TRUE(edit.changedRows.empty());
    EXPECT_EQ(state.image, before);
  }
}

TEST_F(Rows, ALockedGridRefusesEveryCommand) {
  makeChannels(firstChannels(4));
  state.lockState = kLockedText;
  const CodeplugImage before = state.image;
  const Command commands[] = {
      [](AppState& s, ChannelGrid& g) { return insertChannel(s, g, 1); },
      [](AppState& s, ChannelGrid& g) { return clearChannels(s, g, {1}); },
      [](AppState& s, ChannelGrid& g) { return deleteAndShiftUp(s, g, {1}); },
      [](AppState& s, ChannelGrid& g) { return moveUp(s, g, {2}); },
      [](AppState& s, ChannelGrid& g) { return moveDown(s, g, {2}); },
      [](AppState& s, ChannelGrid& g) { return sortByRxFrequency(s, g, {}); },
      [](AppState& s, ChannelGrid& g) {
        return fillDown(s, g, {1, 2}, 6);
      },
      [](AppState& s, ChannelGrid& g) {
        return applyColumns(s, g, {1, 2}, {{6}, ChannelEntry{}});
      },
  };
  for (const Command& command : commands) {
    const RowEdit edit = command(state, grid);
    EXPECT_EQ(edit.refusal, RowRefusal::kLocked);
    EXPECT_EQ(edit.reason, "The channel interface is locked; unlock it to change channels.");
    EXPECT_EQ(state.image, before);
  }
}

TEST_F(Rows, RefusalsSpeakTheInterfaceLanguage) {
  state.captions = CaptionTable(kTraditionalChinese);
  state.lockState = kLockedText;
  EXPECT_EQ(insertChannel(state, grid, 1).reason, "信道介面已鎖定，解鎖後才能修改頻道。");
}

}  // namespace
}  // namespace q7
