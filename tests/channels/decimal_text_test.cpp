#include "channels/decimal_text.h"

#include <gtest/gtest.h>

namespace q7 {
namespace {

TEST(DecimalText, RecognisesTypedNumbers) {
  for (const char* text : {"446", "446.00625", " 88.5 ", "-5", "+7", ".5", "5.", "023"}) {
    EXPECT_TRUE(isNumeric(text)) << text;
  }
  for (const char* text : {"", " ", ".", "-", "1.2.3", "D023", "12a", "1 2", "无"}) {
    EXPECT_FALSE(isNumeric(text)) << text;
  }
}

TEST(DecimalText, ScalesExactlyAndRoundsHalvesToEven) {
  struct Case {
    const char* text;
    int decimals;
    std::int64_t expected;
  };
  const Case cases[] = {
      {"446.0031", 5, 44600310},
      {"446.00625", 5, 44600625},
      {"88.5", 1, 885},
      {"88.25", 1, 882},
      {"88.35", 1, 884},
      {"88.351", 1, 884},
      {"-0.05", 1, 0},
      {"-0.15", 1, -2},
      {"123.456", 5, 12345600},
      {"0.5", 0, 0},
      {"1.5", 0, 2},
      {"2.5", 0, 2},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(scaledHalfEven(c.text, c.decimals), c.expected) << c.text;
  }
  EXPECT_EQ(scaledHalfEven("abc", 1), std::nullopt);
  EXPECT_EQ(scaledHalfEven("99999999999999999999", 0), std::nullopt);
}

TEST(DecimalText, DividesHalvesToEven) {
  EXPECT_EQ(divideHalfEven(12345600, 10000), 1235);
  EXPECT_EQ(divideHalfEven(12345000, 10000), 1234);
  EXPECT_EQ(divideHalfEven(12355000, 10000), 1236);
  EXPECT_EQ(divideHalfEven(-750, 500), -2);
  EXPECT_EQ(divideHalfEven(-1250, 500), -2);
}

TEST(DecimalText, ShowsFrequenciesWithoutTrailingZeros) {
  EXPECT_EQ(decimalText(44600625, 5), "446.00625");
  EXPECT_EQ(decimalText(44610000, 5), "446.1");
  EXPECT_EQ(decimalText(44600000, 5), "446");
  EXPECT_EQ(decimalText(-150, 2), "-1.5");
  EXPECT_EQ(decimalText(42, 0), "42");
}

// The numbers of the option lists show every place.
TEST(DecimalText, KeptZerosShowEveryPlace) {
  constexpr auto kept = TrailingZeros::Kept;
  EXPECT_EQ(decimalText(0, 2, kept), "0.00");
  EXPECT_EQ(decimalText(5, 2, kept), "0.05");
  EXPECT_EQ(decimalText(1275, 2, kept), "12.75");
  EXPECT_EQ(decimalText(15, 1, kept), "1.5");
  EXPECT_EQ(decimalText(270, 0, kept), "270");
}

TEST(DecimalText, FormatsCellsLikeTheGridFormats) {
  struct Case {
    const char* format;
    const char* text;
    const char* shown;
  };
  const Case cases[] = {
      {"###.#####", "446.00625", "446.00625"},
      {"###.#####", "446.1", "446.1"},
      {"###.#####", "446", "446"},
      {"#0.00000", "5", "5.00000"},
      {"#0.00000", "0.5", "0.50000"},
      {"00000", "42", "00042"},
      {"###.#####", "None", "None"},
      {"###.#####", "", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(formatNumber(c.format, c.text), c.shown) << c.text;
}

}  // namespace
}  // namespace q7
