#include "settings/option_kinds.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace q7 {
namespace {

TEST(BitField, ReadsAndWritesItsBitsOnly) {
  struct Case {
    std::uint8_t mask, before;
    int write;
    std::uint8_t after;
    int read;
  };
  const Case cases[] = {
      {0xFF, 0x12, 0x34, 0x34, 0x34}, {bit(0), 0xFE, 1, 0xFF, 1}, {bit(5), 0xFF, 0, 0xDF, 0},
      {0x07, 0xF8, 5, 0xFD, 5},       {0xF0, 0x0E, 3, 0x3E, 3},   {0x1F, 0xE0, 0x15, 0xF5, 0x15},
      {0xF0, 0x0E, 0x1F, 0xFE, 0x0F},  // a value wider than the field loses its high bits
  };
  for (const Case& c : cases) {
    CodeplugImage image;
    image[0x3E3] = c.before;
    const BitField field{0x3E3, c.mask};
    field.write(image, c.write);
    EXPECT_EQ(image[0x3E3], c.after) << int(c.mask);
    EXPECT_EQ(field.read(image), c.read) << int(c.mask);
  }
}

TEST(Coding, OffsetAndTableMapBothWays) {
  const OffsetCoding offset{134};
  EXPECT_EQ(offset.position(153), 19);
  EXPECT_EQ(offset.position(0x80), -6);
  EXPECT_EQ(offset.value(19, 0), 153);

  constexpr CodeRange kRatio[] = {{144, 142, 144}, {146, 145, 146}, {165, 163, 170}};
  const TableCoding table{kRatio};
  const int positions[][2] = {{141, -1}, {142, 0}, {144, 0}, {145, 1},
                              {163, 2},  {170, 2}, {171, -1}};
  for (const auto& [value, position] : positions)
    EXPECT_EQ(table.position(value), position) << value;
  EXPECT_EQ(table.value(1, 99), 146);
  EXPECT_EQ(table.value(3, 99), 0);
  EXPECT_EQ(table.value(-1, 99), 0);
}

TEST(ItemList, CaptionRowsThenNumbers) {
  const CaptionTable english(kEnglish);
  const CaptionTable simplified(kSimplifiedChinese);
  // Time-out timer: "Off" and 15s .. 270s.
  const ItemList tot{.firstRow = 260,
                     .rowCount = 1,
                     .numbers = {.first = 1, .last = 18, .scale = 15, .suffixRow = 261}};
  const std::vector<std::string> totItems = buildItems(tot, english);
  ASSERT_EQ(totItems.size(), 19u);
  EXPECT_EQ(totItems[0], "Off");
  EXPECT_EQ(totItems[4], "60s");
  EXPECT_EQ(totItems[18], "270s");
  EXPECT_EQ(buildItems(tot, simplified)[1], "15秒");
  // Hold times: 0.00s .. 12.75s.
  const ItemList hold{
      .numbers = {.first = 0, .last = 255, .scale = 5, .decimals = 2, .suffixRow = 395}};
  const std::vector<std::string> holdItems = buildItems(hold, english);
  EXPECT_EQ(holdItems.front(), "0.00s");
  EXPECT_EQ(holdItems[40], "2.00s");
  EXPECT_EQ(holdItems.back(), "12.75s");
  // Emergency channel: caption, blank, number.
  const ItemList alarm{.firstRow = 385,
                       .rowCount = 1,
                       .numbers = {.first = 1, .last = 16, .prefixRow = 386, .joint = " "}};
  EXPECT_EQ(buildItems(alarm, english)[16], "Fixed CH: 16");
}

// A model holding one option of each generic kind.
struct GenericPages {
  CodeplugImage image;
  CaptionTable captions{kEnglish};
  OptionPages pages{image, captions, {}};
  OffsetCoding offset{134};
  ListOption checked{.control = "cboChecked",
                     .field = {0x100},
                     .items = {.numbers = {.first = 0, .last = 32}},
                     .coding = &offset,
                     .fallback = 153};
  ListOption unchecked{.control = "cboUnchecked",
                       .field = {0x101, 0xF0},
                       .items = {.numbers = {.first = 1, .last = 4}}};
  FlagOption flag{.control = "chkPlain", .field = {0x102, bit(3)}};
  FlagOption inverted{.control = "chkInverted", .field = {0x102, bit(6)}, .inverted = true};

  GenericPages() {
    addList(pages, checked);
    addList(pages, unchecked);
    addFlag(pages, flag);
    addFlag(pages, inverted);
  }
  void load() {
    for (const char* step : {"cboChecked", "cboUnchecked", "chkPlain", "chkInverted"})
      pages.loadSteps().at(step)(pages);
  }
};

TEST(GenericOptions, ListLoadingCorrectsOnlyValuesWithoutAnItem) {
  struct Case {
    std::uint8_t checkedByte;
    int checkedShown;
    std::uint8_t checkedAfter;
  };
  const Case cases[] = {{0x86, 0, 0x86}, {0xA6, 32, 0xA6}, {0x85, 19, 153}, {0xA7, 19, 153}};
  for (const Case& c : cases) {
    GenericPages t;
    t.image[0x100] = c.checkedByte;
    t.load();
    EXPECT_EQ(t.pages.control("cboChecked").selected, c.checkedShown) << int(c.checkedByte);
    EXPECT_EQ(t.image[0x100], c.checkedAfter) << int(c.checkedByte);
  }
}

TEST(GenericOptions, UncheckedListShowsNothingForAValueBeyondItAndKeepsTheByte) {
  GenericPages t;
  t.image[0x101] = 0x7C;  // field value 7, list of four items
  t.load();
  EXPECT_EQ(t.pages.control("cboUnchecked").selected, -1);
  EXPECT_EQ(t.image[0x101], 0x7C);
  t.pages.choose("cboUnchecked", 2);
  EXPECT_EQ(t.image[0x101], 0x2C);
}

TEST(GenericOptions, FlagsFollowTheirBitInvertedOrNot) {
  struct Case {
    std::uint8_t byte;
    bool plain, inverted;
  };
  const Case cases[] = {
      {0x00, false, true}, {0x08, true, true}, {0x40, false, false}, {0xFF, true, false}};
  for (const Case& c : cases) {
    GenericPages t;
    t.image[0x102] = c.byte;
    t.load();
    EXPECT_EQ(t.pages.control("chkPlain").checked, c.plain) << int(c.byte);
    EXPECT_EQ(t.pages.control("chkInverted").checked, c.inverted) << int(c.byte);
    EXPECT_EQ(t.image[0x102], c.byte);
  }
  GenericPages t;
  t.image[0x102] = 0xB7;
  t.pages.click("chkPlain", true);
  EXPECT_EQ(t.image[0x102], 0xBF);
  t.pages.click("chkInverted", true);
  EXPECT_EQ(t.image[0x102], 0xBF);  // checked = bit clear, and it was clear
  t.pages.click("chkInverted", false);
  EXPECT_EQ(t.image[0x102], 0xFF);
  t.pages.click("chkPlain", false);
  EXPECT_EQ(t.image[0x102], 0xF7);
}

}  // namespace
}  // namespace q7
