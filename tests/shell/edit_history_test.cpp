#include "shell/edit_history.h"

#include <gtest/gtest.h>

namespace q7 {
namespace {

CodeplugImage imageWith(std::size_t address, std::uint8_t value) {
  CodeplugImage image;
  image[address] = value;
  return image;
}

TEST(EditHistory, UndoAndRedoWalkTheStepsAndANewChangeDropsWhatCouldBeRedone) {
  EditHistory history;
  history.reset(imageWith(0x100, 1));
  EXPECT_FALSE(history.canUndo());
  EXPECT_TRUE(history.record(imageWith(0x100, 2)));
  EXPECT_TRUE(history.record(imageWith(0x100, 3)));
  EXPECT_EQ(history.undo()[0x100], 2);
  EXPECT_EQ(history.undo()[0x100], 1);
  EXPECT_FALSE(history.canUndo());
  EXPECT_EQ(history.redo()[0x100], 2);
  EXPECT_TRUE(history.canRedo());
  EXPECT_TRUE(history.record(imageWith(0x100, 9)));
  EXPECT_FALSE(history.canRedo());
  EXPECT_EQ(history.undo()[0x100], 2);
}

TEST(EditHistory, OnlyTheRadioBytesADataFileKeepsMakeAStep) {
  EditHistory history;
  history.reset(imageWith(0x100, 1));
  EXPECT_FALSE(history.record(imageWith(0x100, 1)));
  CodeplugImage headerOnly = imageWith(0x100, 1);
  headerOnly[0x00] = 0x51;   // the identifier a save puts in front
  headerOnly[0x400] = 0x77;  // the spare copy beyond the radio's memory
  EXPECT_FALSE(history.record(headerOnly));
  EXPECT_TRUE(history.record(imageWith(0x010, 1)));
  EXPECT_TRUE(history.record(imageWith(0x3FF, 1)));
}

// One byte changed alone, at each edge of the range a data file keeps.
TEST(EditHistory, AByteAtEachEdgeOfTheFiledRangeIsAStepAndOneBesideItIsNot) {
  const struct {
    std::size_t address;
    bool step;
  } cases[] = {{0x00F, false}, {0x010, true}, {0x3FF, true}, {0x400, false}};
  for (const auto& c : cases) {
    EditHistory history;
    history.reset(CodeplugImage{});
    EXPECT_EQ(history.record(imageWith(c.address, 0x42)), c.step) << std::hex << c.address;
    EXPECT_EQ(sameFiledBytes(CodeplugImage{}, imageWith(c.address, 0x42)), !c.step);
  }
}

TEST(EditHistory, TheOldestStepsGoBeyondTheDepth) {
  EditHistory history;
  history.reset(CodeplugImage());
  for (std::size_t n = 1; n <= EditHistory::kDepth + 10; ++n) {
    ASSERT_TRUE(history.record(imageWith(0x200, static_cast<std::uint8_t>(n % 200 + 1))));
  }
  std::size_t undone = 0;
  while (history.canUndo()) {
    history.undo();
    ++undone;
  }
  EXPECT_EQ(undone, EditHistory::kDepth - 1);
}

TEST(EditHistory, ASettledStepReplacesTheCurrentOneWithoutAddingAStep) {
  EditHistory history;
  history.reset(imageWith(0x100, 1));
  history.record(imageWith(0x100, 2));
  history.undo();
  history.settle(imageWith(0x101, 5));
  EXPECT_FALSE(history.canUndo());
  EXPECT_FALSE(history.record(imageWith(0x101, 5)));
  EXPECT_EQ(history.redo()[0x100], 2);
}

}  // namespace
}  // namespace q7
