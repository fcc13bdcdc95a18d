#include "channels/tone_codec.h"

#include <gtest/gtest.h>

#include "channels/channel_transfer.h"
#include "channels/report_watch.h"
#include "foundation/caption_table.h"

namespace q7 {
namespace {

ToneCodec englishTones() {
  return ToneCodec::fromSettings(ProfileFile(std::string(Q7_DATA_DIR) + "/corvane.def"), kEnglish);
}

TEST(ToneCodec, ListHoldsOffFiftyCtcssAndBothDcsForms) {
  const ToneCodec tones = englishTones();
  const auto& list = tones.list();
  ASSERT_EQ(list.size(), 261u);
  EXPECT_EQ(list[0], "None");
  EXPECT_EQ(list[1], "67.0");
  EXPECT_EQ(list[9], "88.5");
  EXPECT_EQ(list[50], "254.1");
  EXPECT_EQ(list[51], "D023N");
  EXPECT_EQ(list[155], "D754N");
  EXPECT_EQ(list[156], "D023I");
  EXPECT_EQ(list[260], "D754I");
}

TEST(ToneCodec, MissingCtcssKeysGiveZeroAndOffTextFollowsTheLanguage) {
  const ToneCodec tones = ToneCodec::fromSettings(ProfileFile("/nonexistent/corvane.def"), 1);
  EXPECT_EQ(tones.list()[0], "无");
  EXPECT_EQ(tones.list()[1], "0");
  EXPECT_EQ(tones.list()[50], "0");
  EXPECT_EQ(toneOffText(kTraditionalChinese), "無");
  EXPECT_EQ(toneOffText(9), "None");
}

TEST(ToneCodec, WordsShowAsTexts) {
  const ToneCodec tones = englishTones();
  const std::pair<std::uint16_t, const char*> cases[] = {
      {0xFFFF, "None"}, {0x0375, "88.5"},  {0x0258, "60.0"},  {0x0A5A, "265.0"},
      {0x0A5B, "None"}, {0x0257, "None"},  {0x2813, "D023N"}, {0x29FF, "D777N"},
      {0x2A00, "None"}, {0xA9EC, "D754I"}, {0xA800, "D000I"}, {0x27FF, "None"},
  };
  for (const auto& [word, text] : cases)
    EXPECT_EQ(tones.qtDqtIicToChar(word), text) << std::hex << word;
}

TEST(ToneCodec, TextsEncodeToWords) {
  const ToneCodec tones = englishTones();
  const std::pair<const char*, std::uint16_t> cases[] = {
      {"None", 0xFFFF},  {"", 0xFFFF},      {"88.5", 0x0375},  {"D023N", 0x2813},
      {"D023I", 0xA813}, {"D754I", 0xA9EC}, {"D754N", 0x29EC}, {"254.1", 2541},
  };
  for (const auto& [text, word] : cases) EXPECT_EQ(tones.qtDqtCharToIic(text), word) << text;
  EXPECT_THROW(tones.qtDqtCharToIic("X1"), Failure);
  EXPECT_THROW(tones.qtDqtCharToIic("D08N"), Failure);
  EXPECT_THROW(tones.qtDqtCharToIic("7000"), Failure);
}

TEST(ToneCodec, TypedTextsAreNormalised) {
  const ToneCodec tones = englishTones();
  const std::pair<const char*, const char*> cases[] = {
      {"88.5", "88.5"},   {"88.50", "88.5"}, {"88.45", "88.4"},  {"88.55", "88.6"},
      {"100", "100.0"},   {"023", "D023N"},  {"885", "None"},    {"023i", "D023I"},
      {"023n", "D023N"},  {"023x", "D023N"}, {"23i", "None"},    {"D023", "D023N"},
      {"D023i", "D023I"}, {"D08N", "None"},  {"D024N", "D024N"}, {"", "None"},
      {"None", "None"},   {"d023", "None"},  {"59.9", "None"},   {"265", "265.0"},
  };
  for (const auto& [typed, result] : cases) EXPECT_EQ(tones.normalise(typed), result) << typed;
}

TEST(ToneCodec, AToneTextThatIsNoToneLeavesTheChannelBytesWithAReport) {
  const ToneCodec tones = englishTones();
  CodeplugImage image;
  ChannelTable table;
  table.tone(1, col::kRxTone) = "88.5";
  table.tone(1, col::kTxTone) = "bad";
  image.setWord(recordAddress(1) + kTxToneOffset, 0x1234);
  test::ReportWatch watch;
  ciCtdcsDecSol(image, table, tones, 1);
  ciCtdcsEncSol(image, table, tones, 1);
  EXPECT_EQ(image.word(recordAddress(1) + kRxToneOffset), 0x0375);
  EXPECT_EQ(image.word(recordAddress(1) + kTxToneOffset), 0x1234);
  EXPECT_EQ(watch.locations(), std::vector<std::string>{"modChMem->QtDqtCharToIic"});
}

}  // namespace
}  // namespace q7
