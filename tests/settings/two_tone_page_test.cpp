// The two-tone frame as the option model shows it.
#include <gtest/gtest.h>

#include "settings/two_tone_page.h"
#include "signalling_pages.h"

namespace q7 {
namespace {

using test::SignallingPages;

std::string cell(const SignallingPages& t, int grid, int row, int column) {
  return t.text(twoToneCellName(grid, row, column));
}

TEST(TwoTonePage, GeneralOptions) {
  SignallingPages t;
  t.image[0x3E4] = 3;
  t.image[0x3DE] = 0;
  t.image[0x3DF] = 0xFE;
  t.pages.initOpt();
  EXPECT_EQ(t.shown("cboTtPreCarTime"), "60");
  EXPECT_EQ(t.shown("cboTtAutoRstTimer"), "Off");
  EXPECT_FALSE(t.pages.control("chkTtBeep").checked);
  EXPECT_EQ(t.pages.control("cboTtPreCarTime").labelRow, 245);
  EXPECT_EQ(t.pages.control("chkTtBeep").labelRow, 340);
  t.chooseItem("cboTtAutoRstTimer", "12s");
  EXPECT_EQ(t.image[0x3DE], 12);
  t.pages.click("chkTtBeep", true);
  EXPECT_EQ(t.image[0x3DF], 0xFF);
}

TEST(TwoTonePage, RecordsNineToSixteenAreTheSecondGrid) {
  SignallingPages t(0xFF);
  const std::uint8_t record9[] = {0x10, 0x27, 15, 0x20, 0x4E, 20, 3, 0x5A};
  for (std::size_t i = 0; i < 8; ++i) t.image[0x2C0 + i] = record9[i];
  t.pages.initOpt();
  EXPECT_EQ(cell(t, 1, 1, 1), "1000.0");
  EXPECT_EQ(cell(t, 1, 1, 2), "1.5");
  EXPECT_EQ(cell(t, 1, 1, 3), "2000.0");
  EXPECT_EQ(cell(t, 1, 1, 4), "2.0");
  EXPECT_EQ(cell(t, 1, 1, 5), "0.3");
  EXPECT_EQ(cell(t, 0, 1, 1), "");
}

TEST(TwoTonePage, EditingACellStoresTheWholeTable) {
  SignallingPages t(0xFF);
  t.pages.initOpt();
  t.pages.type(twoToneCellName(1, 8, 1), "100");
  EXPECT_EQ(cell(t, 1, 8, 1), "288.5");
  EXPECT_EQ(cell(t, 1, 8, 2), "1.0");
  EXPECT_EQ(t.bytes(0x2F8, 8), (std::vector<int>{0x45, 0x0B, 10, 0xFF, 0xFF, 0xFF, 0xFF, 0x5A}));
  t.pages.type(twoToneCellName(1, 8, 3), "abc");
  EXPECT_EQ(cell(t, 1, 8, 3), "1500.0");
  EXPECT_EQ(cell(t, 1, 8, 5), "1.0");
  EXPECT_EQ(t.bytes(0x2FB, 4), (std::vector<int>{0x98, 0x3A, 10, 10}));
  t.pages.type(twoToneCellName(1, 8, 1), "");
  t.pages.type(twoToneCellName(1, 8, 3), "");
  EXPECT_EQ(t.bytes(0x280, 0x80), std::vector<int>(0x80, 0xFF));
}

TEST(TwoTonePage, LoadingRepairsTimesButDoesNotStoreTheGrids) {
  SignallingPages t;
  // Record 1 in use but with no valid tone: an edit would empty it, a load does not.
  const std::uint8_t record1[] = {0x00, 0x00, 0xC8, 0x00, 0x00, 0xC8, 0x30, 0x5A};
  const std::uint8_t record2[] = {0x10, 0x27, 0xC8, 0x10, 0x27, 0x65, 0x30, 0x5A};
  for (std::size_t i = 0; i < 8; ++i) {
    t.image[0x280 + i] = record1[i];
    t.image[0x288 + i] = record2[i];
  }
  t.pages.initOpt();
  EXPECT_EQ(t.bytes(0x280, 8), (std::vector<int>{0, 0, 0xC8, 0, 0, 0xC8, 0x30, 0x5A}));
  EXPECT_EQ(t.bytes(0x288, 8), (std::vector<int>{0x10, 0x27, 10, 0x10, 0x27, 10, 5, 0x5A}));
  EXPECT_EQ(cell(t, 0, 2, 2), "1.0");
  EXPECT_EQ(cell(t, 0, 2, 5), "0.5");
}

TEST(TwoTonePage, LoadingBlankAndErasedImagesChangesNoTwoToneByte) {
  for (std::uint8_t fill : {0x00, 0xFF}) {
    SignallingPages t(fill);
    t.pages.initOpt();
    EXPECT_EQ(t.bytes(0x280, 0x80), std::vector<int>(0x80, fill)) << int(fill);
    EXPECT_EQ(t.image[0x3E4], fill);
    EXPECT_EQ(t.image[0x3DE], fill);
    EXPECT_EQ(t.image[0x3DF], fill);
    for (int grid = 0; grid < 2; ++grid) {
      for (int row = 1; row <= 8; ++row) {
        for (int column = 1; column <= 5; ++column) EXPECT_EQ(cell(t, grid, row, column), "");
      }
    }
  }
}

}  // namespace
}  // namespace q7
