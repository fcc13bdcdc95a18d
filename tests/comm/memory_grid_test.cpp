#include "comm/memory_grid.h"

#include <gtest/gtest.h>

#include "foundation/error_report.h"

namespace q7 {
namespace {

TEST(MemoryGrid, RowsAndLabelsFollowTheTableMaximumCutAtTheRadioTop) {
  EXPECT_EQ(gridRowCount(0x3FF), 64);
  EXPECT_EQ(gridRowLabel(63), "03F0H");
  EXPECT_EQ(gridRowLabel(0), "0000H");
  EXPECT_EQ(gridRowCount(0x1FFF), 64);
  EXPECT_EQ(gridRowCount(0x00F), 1);
  EXPECT_EQ(gridRowCount(0x010), 2);
}

TEST(MemoryGrid, Conversions) {
  EXPECT_EQ(hexToBits("92"), "10010010");
  EXPECT_EQ(hexToBits("a-F"), "10101111");
  EXPECT_EQ(bitsToNumber("10010010"), 146);
  EXPECT_EQ(bitsToNumber(""), 0);
  EXPECT_THROW(bitsToNumber(std::string(17, '1')), Failure);
  EXPECT_EQ(bitListing("10010010"), "B7:1 B6:0 B5:0 B4:1   B3:0 B2:0 B1:1 B0:0 ");
  EXPECT_EQ(separateChar("1G"), (std::array<int, 4>{0, 1, 0, 0}));
  EXPECT_EQ(cellValue("1G"), 0x10);
  EXPECT_EQ(cellValue("123"), 0x123);
  EXPECT_EQ(cellValue(""), 0);
}

TEST(MemoryGrid, TooltipShowsAddressBitsAndDecimal) {
  EXPECT_EQ(cellTipText(1, 1, "92"),
            "地址为: 0x0000    二进制:10010010    B7:1 B6:0 B5:0 B4:1   B3:0 B2:0 B1:1 B0:0 "
            "    十进制146    \r\n");
  EXPECT_EQ(cellTipText(3, 16, "0A").substr(0, 17), "地址为: 0x002F");
}

TEST(MemoryGrid, CommitStoresTheEditedCellOnlyAndRefusesAValueAbove255) {
  CodeplugImage image;
  image[2] = 0x99;
  image[3] = 0x42;
  commitGridCell("1G", 0, image);
  commitGridCell("7F", 1, image);
  EXPECT_THROW(commitGridCell("123", 2, image), Failure);
  EXPECT_EQ(image[0], 0x10);
  EXPECT_EQ(image[1], 0x7F);
  EXPECT_EQ(image[2], 0x99);
  EXPECT_EQ(image[3], 0x42);
}

TEST(MemoryGrid, ChangedCellsAreTheNonEmptyCellsThatDifferFromTheImage) {
  CodeplugImage image;
  image[0x123] = 0x42;
  const CellText cell = [](long a) { return a == 0x200 ? std::string() : std::string("00"); };
  EXPECT_EQ(changedCells(cell, 0x3FF, image), std::vector<long>{0x123});
}

TEST(MemoryGrid, FillValueByBaseClampedAndRefused) {
  struct Case {
    const char* text;
    FillBase base;
    std::optional<int> value;
  };
  const Case cases[] = {
      {"FF", FillBase::Hex, 255},
      {"1A", FillBase::Hex, 26},
      {"300", FillBase::Decimal, 255},
      {"17", FillBase::Decimal, 17},
      {"101", FillBase::Binary, 5},
      {"111111111", FillBase::Binary, 255},
      {"-1", FillBase::Decimal, std::nullopt},
      {"abc", FillBase::Decimal, std::nullopt},
      {"", FillBase::Hex, std::nullopt},
      {"G1", FillBase::Hex, std::nullopt},
      {"102", FillBase::Binary, std::nullopt},
      {"-5", FillBase::Hex, std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(fillValue(c.text, c.base), c.value) << c.text;
}

TEST(MemoryGrid, FillSetsTheInclusiveRangeAndNothingWhenReversed) {
  CodeplugImage image;
  fillImage(image, 0x10, 0x12, 0xAB);
  EXPECT_EQ(image[0x0F], 0);
  EXPECT_EQ(image[0x10], 0xAB);
  EXPECT_EQ(image[0x12], 0xAB);
  EXPECT_EQ(image[0x13], 0);
  fillImage(image, 0x20, 0x1F, 0xCD);
  EXPECT_EQ(image[0x1F], 0);
  fillImage(image, 0x3FE, 0x1FFF, 0x11);
  EXPECT_EQ(image[0x3FF], 0x11);
  EXPECT_EQ(image[0x400], 0);
}

}  // namespace
}  // namespace q7
