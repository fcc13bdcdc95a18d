#include "settings/radio_id.h"

#include <gtest/gtest.h>

#include "shell/error_report.h"

namespace q7 {
namespace {

TEST(RadioId, DigitsAreNibblesLowFirst) {
  CodeplugImage image;
  for (int k = 0; k < 6; ++k) setRadioIdDigit(image, k, k + 1);
  EXPECT_EQ(image[0x3E9], 0x21);
  EXPECT_EQ(image[0x3EA], 0x43);
  EXPECT_EQ(image[0x3EB], 0x65);
  setRadioIdDigit(image, 0, 0);
  EXPECT_EQ(image[0x3E9], 0x2C);
  EXPECT_EQ(image[0x3E8], 0);
  EXPECT_EQ(image[0x3EC], 0);
}

TEST(RadioId, StoredNibblesShowTheirDigitOrOff) {
  CodeplugImage image;
  struct Case {
    int nibble;
    int position;
  };
  const Case cases[] = {{0x0, 0}, {0x1, 1}, {0x9, 9}, {0xA, 0}, {0xC, 0}, {0xF, 0}};
  for (const Case& c : cases) {
    for (int k = 0; k < 6; ++k) {
      image[0x3E9 + k / 2] = static_cast<std::uint8_t>(c.nibble << ((k % 2) * 4));
      EXPECT_EQ(radioIdPosition(image, k), c.position) << c.nibble << " digit " << k;
    }
  }
}

TEST(RadioId, LoadingWritesOffAsC) {
  // Loading selects each digit's position, which runs the list's handler.
  CodeplugImage image;
  image[0x3E9] = 0x50;
  for (int k = 0; k < 6; ++k) setRadioIdDigit(image, k, radioIdPosition(image, k));
  EXPECT_EQ(image[0x3E9], 0x5C);
  EXPECT_EQ(image[0x3EA], 0xCC);
  EXPECT_EQ(image[0x3EB], 0xCC);
}

TEST(RadioId, OnlySixDigitsAndTenPositions) {
  CodeplugImage image;
  EXPECT_THROW(radioIdPosition(image, 6), Failure);
  EXPECT_THROW(setRadioIdDigit(image, -1, 1), Failure);
  EXPECT_THROW(setRadioIdDigit(image, 0, 10), Failure);
  EXPECT_EQ(image[0x3E9], 0);
  const std::vector<std::string> items = radioIdItems(CaptionTable(kEnglish));
  EXPECT_EQ(items, (std::vector<std::string>{"Off", "1", "2", "3", "4", "5", "6", "7", "8", "9"}));
}

}  // namespace
}  // namespace q7
