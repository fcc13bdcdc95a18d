#include "channels/radio_charset.h"

#include <gtest/gtest.h>

#include "foundation/error_report.h"

namespace q7 {
namespace {

TEST(RadioCharset, TableEntriesByNumber) {
  const RadioCharset& table = radioCharset();
  const std::pair<std::uint16_t, const char*> cases[] = {
      {0, " "},     {32, " "},    {33, "!"},     {34, " "},   {35, "#"},
      {65, "A"},    {126, "~"},   {127, " "},    {128, ""},   {999, ""},
      {1000, "一"}, {1001, "丁"}, {21901, "龥"}, {21902, ""}, {0xFFFF, ""},
  };
  for (const auto& [number, text] : cases) EXPECT_EQ(table.character(number), text) << number;
}

TEST(RadioCharset, CharactersFindTheirFirstNumber) {
  const RadioCharset& table = radioCharset();
  EXPECT_EQ(table.number(U' '), 0);
  EXPECT_EQ(table.number(U'!'), 33);
  EXPECT_EQ(table.number(U'A'), 65);
  EXPECT_EQ(table.number(U'一'), 1000);
  EXPECT_EQ(table.number(U'龥'), 21901);
  for (const char32_t absent : {U'"', U'あ', U'\u00E9', U'\uFF01', U'\u9FA6'}) {
    EXPECT_EQ(table.number(absent), kNoCharacter);
  }
}

TEST(RadioCharset, EveryCharacterGoesBackToTheFirstEntryHoldingIt) {
  const RadioCharset& table = radioCharset();
  for (int number = 0; number < kCharsetSize; ++number) {
    const std::u32string point = toCodePoints(table.character(static_cast<std::uint16_t>(number)));
    if (point.empty()) continue;
    const std::uint16_t first = table.number(point.front());
    EXPECT_LE(first, number);
    EXPECT_EQ(table.character(first), table.character(static_cast<std::uint16_t>(number)));
  }
}

TEST(RadioCharset, InformationLinesEncodeAndShow) {
  CodeplugImage image;
  encodeInfoLine(image, 1, "AB");
  EXPECT_EQ(image.word(0x300), 65);
  EXPECT_EQ(image.word(0x302), 66);
  for (std::size_t a = 0x304; a < 0x320; a += 2) EXPECT_EQ(image.word(a), 0) << a;
  EXPECT_EQ(decodeInfoLine(image, 1), "AB");

  encodeInfoLine(image, 2, "对讲机\"TARN Q7\" 01234567");
  EXPECT_EQ(image.word(0x320), 1000 + (U'对' - 0x4E00));
  EXPECT_EQ(image.word(0x326), kNoCharacter);
  EXPECT_EQ(decodeInfoLine(image, 2), "对讲机TARN Q7 012");
  EXPECT_EQ(decodeInfoLine(image, 1), "AB");
}

TEST(RadioCharset, ErasedAndUnassignedNumbersShowNothing) {
  CodeplugImage image;
  for (std::size_t a = 0x300; a < 0x340; ++a) image[a] = 0xFF;
  EXPECT_EQ(decodeInfoLine(image, 1), "");
  image.setWord(0x300, 500);
  image.setWord(0x302, 0x03E8);
  image.setWord(0x304, 0x558D);
  image.setWord(0x306, 0x558E);
  EXPECT_EQ(decodeInfoLine(image, 1), "一龥");
  EXPECT_THROW(decodeInfoLine(image, 3), Failure);
}

TEST(RadioCharset, MalformedUtf8CountsAsOneUnknownCharacterPerByte) {
  EXPECT_EQ(toCodePoints("a\xE4\xB8"), (std::u32string{U'a', 0xFFFD, 0xFFFD}));
  EXPECT_EQ(toCodePoints("\xE4\xB8\x80"), std::u32string{U'一'});
  EXPECT_EQ(toUtf8(U'龥'), "龥");
}

}  // namespace
}  // namespace q7
