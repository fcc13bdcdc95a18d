#include "settings/key_page.h"

#include <gtest/gtest.h>

#include "pages_fixture.h"

namespace q7 {
namespace {

using test::Pages;

constexpr const char* kShortLists[] = {"listSk1Short", "listSk2Short"};
constexpr const char* kLongLists[] = {"listSk1Long", "listSk2Long"};
constexpr const char* kAllLists[] = {"listSk1Short", "listSk1Long", "listSk2Short", "listSk2Long"};
constexpr std::uint16_t kListByte[] = {0x360, 0x361, 0x362, 0x363};

// The code a position stands for, by the position ranges of each list.
int shortCode(int p) {
  return p <= 8 ? p : p <= 12 ? p + 1 : p <= 21 ? p + 2 : p + 4;
}
int longCode(int p) {
  return p <= 13 ? p : p <= 22 ? p + 1 : p + 3;
}

TEST(KeyPage, PositionsStoreTheirFunctionCodes) {
  Pages t;
  t.pages.initOpt();
  for (std::size_t i = 0; i < 4; ++i) {
    const bool shortPress = i % 2 == 0;
    const int count = shortPress ? 25 : 26;
    ASSERT_EQ(t.pages.control(kAllLists[i]).items.size(), static_cast<std::size_t>(count));
    for (int p = 0; p < count; ++p) {
      t.pages.choose(kAllLists[i], p);
      const int code = shortPress ? shortCode(p) : longCode(p);
      EXPECT_EQ(t.image[kListByte[i]], code) << kAllLists[i] << " position " << p;
      EXPECT_EQ(t.pages.control(kAllLists[i]).selected, p);
      EXPECT_EQ(t.pages.control(kAllLists[i]).items[static_cast<std::size_t>(p)],
                t.captions(411 + code));
    }
  }
}

TEST(KeyPage, LoadingResetsCodesTheListDoesNotOffer) {
  struct Case {
    std::uint8_t stored;
    std::uint8_t shortAfter;
    std::uint8_t longAfter;
    const char* longShown;
  };
  const Case cases[] = {
      {9, 0, 9, "10--Squelch Off Momentary"},
      {14, 0, 0, "1--Off"},
      {24, 0, 0, "1--Off"},
      {25, 0, 0, "1--Off"},
      {26, 26, 26, "25--Switch Tail Del Mode"},
      {28, 28, 28, "27--Volume --"},
      {29, 0, 0, "1--Off"},
      {30, 0, 0, "1--Off"},
      {31, 0, 0, "1--Off"},
      {0xFF, 0, 0, "1--Off"},
  };
  for (const Case& c : cases) {
    Pages t;
    for (std::uint16_t address : kListByte) t.image[address] = c.stored;
    t.pages.initOpt();
    for (std::size_t i = 0; i < 4; ++i) {
      const bool shortPress = i % 2 == 0;
      EXPECT_EQ(t.image[kListByte[i]], shortPress ? c.shortAfter : c.longAfter)
          << kAllLists[i] << " " << int(c.stored);
    }
    for (const char* list : kLongLists) EXPECT_EQ(t.shown(list), c.longShown) << int(c.stored);
  }
  Pages t;
  t.image[0x360] = 26;
  t.pages.initOpt();
  EXPECT_EQ(t.pages.control("listSk1Short").selected, 22);
  EXPECT_EQ(t.shown("listSk1Short"), "25--Switch Tail Del Mode");
  for (const char* list : kShortLists) EXPECT_EQ(t.pages.control(list).items.size(), 25u);
}

TEST(KeyPage, HoldTimesAreFiftyMillisecondSteps) {
  Pages t;
  t.image[0x365] = 40;
  t.image[0x366] = 255;
  t.pages.initOpt();
  EXPECT_EQ(t.shown("cboSk1LongTime"), "2.00s");
  EXPECT_EQ(t.shown("cboSk2LongTime"), "12.75s");
  EXPECT_EQ(t.pages.control("cboSk2LongTime").items.size(), 256u);
  t.pages.choose("cboSk1LongTime", 10);
  EXPECT_EQ(t.shown("cboSk1LongTime"), "0.50s");
  EXPECT_EQ(t.image[0x365], 10);
}

TEST(KeyPage, CommitStoresTheShownFunctionsAgain) {
  Pages t;
  t.image[0x361] = 9;
  t.image[0x363] = 27;
  t.pages.initOpt();
  for (std::uint16_t address : kListByte) t.image[address] = 0x55;  // edited in the memory view
  commitKeyLists(t.pages);
  EXPECT_EQ(t.image[0x360], 0);
  EXPECT_EQ(t.image[0x361], 9);
  EXPECT_EQ(t.image[0x362], 0);
  EXPECT_EQ(t.image[0x363], 27);
}

TEST(KeyPage, CommitBeforeAnyLoadingLeavesTheBytesAlone) {
  Pages t;
  for (std::uint16_t address : kListByte) t.image[address] = 21;
  commitKeyLists(t.pages);
  for (std::uint16_t address : kListByte) EXPECT_EQ(t.image[address], 21);
}

}  // namespace
}  // namespace q7
