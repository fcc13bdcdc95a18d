// Every tone the grid offers, checked against the radio's published tone
// tables written out here: the list text, the tone word of each text and the
// text of each word.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "channels/tone_codec.h"
#include "foundation/caption_table.h"

namespace q7 {
namespace {

// CTCSS tones in tenths of a hertz, in list order.
constexpr int kCtcssTenths[kCtcssCount] = {
    670,  693,  719,  744,  770,  797,  825,  854,  885,  915,  948,  974,  1000,
    1035, 1072, 1109, 1148, 1188, 1230, 1273, 1318, 1365, 1413, 1462, 1514, 1567,
    1598, 1622, 1655, 1679, 1713, 1738, 1773, 1799, 1835, 1862, 1899, 1928, 1966,
    1995, 2035, 2065, 2107, 2181, 2257, 2291, 2336, 2418, 2503, 2541};

// DCS codes as octal numbers, in list order.
constexpr int kDcsOctal[kDcsCount] = {
    023,  025,  026,  031,  032,  036,  043,  047,  051,  053,  054,  065,  071,  072,  073,
    074,  0114, 0115, 0116, 0122, 0125, 0131, 0132, 0134, 0143, 0145, 0152, 0155, 0156, 0162,
    0165, 0172, 0174, 0205, 0212, 0223, 0225, 0226, 0243, 0244, 0245, 0246, 0251, 0252, 0255,
    0261, 0263, 0265, 0266, 0271, 0274, 0306, 0311, 0315, 0325, 0331, 0332, 0343, 0346, 0351,
    0356, 0364, 0365, 0371, 0411, 0412, 0413, 0423, 0431, 0432, 0445, 0446, 0452, 0454, 0455,
    0462, 0464, 0465, 0466, 0503, 0506, 0516, 0523, 0526, 0532, 0546, 0565, 0606, 0612, 0624,
    0627, 0631, 0632, 0645, 0654, 0662, 0664, 0703, 0712, 0723, 0731, 0732, 0734, 0743, 0754};

struct ExpectedTone {
  std::string text;
  std::uint16_t word;
};

std::string ctcssText(int tenths) {
  return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

std::string dcsText(int code, char suffix) {
  std::string digits = {char('0' + code / 64), char('0' + code / 8 % 8), char('0' + code % 8)};
  return "D" + digits + suffix;
}

// Position 1..260 of the tone list: its text and its word.
ExpectedTone expectedAt(int position) {
  if (position <= kCtcssCount) {
    const int tenths = kCtcssTenths[position - 1];
    return {ctcssText(tenths), static_cast<std::uint16_t>(tenths)};
  }
  const int dcs = position - kCtcssCount - 1;
  const bool inverted = dcs >= kDcsCount;
  const int code = kDcsOctal[dcs % kDcsCount];
  return {dcsText(code, inverted ? 'I' : 'N'),
          static_cast<std::uint16_t>((inverted ? 0xA800 : 0x2800) + code)};
}

class ToneTable : public ::testing::Test {
 protected:
  const ToneCodec tones =
      ToneCodec::fromSettings(ProfileFile(std::string(Q7_DATA_DIR) + "/corvane.def"), kEnglish);
};

TEST_F(ToneTable, OffersOffThenEveryCtcssAndDcsToneInOrder) {
  ASSERT_EQ(tones.list().size(), 261u);
  EXPECT_EQ(tones.list()[0], "None");
  for (int p = 1; p < kToneListSize; ++p) EXPECT_EQ(tones.list()[p], expectedAt(p).text) << p;
}

TEST_F(ToneTable, EveryToneTextEncodesToItsWord) {
  EXPECT_EQ(tones.qtDqtCharToIic("None"), kToneOff);
  for (int p = 1; p < kToneListSize; ++p) {
    const ExpectedTone tone = expectedAt(p);
    EXPECT_EQ(tones.qtDqtCharToIic(tone.text), tone.word) << tone.text;
  }
}

TEST_F(ToneTable, EveryToneWordShowsItsText) {
  EXPECT_EQ(tones.qtDqtIicToChar(kToneOff), "None");
  for (int p = 1; p < kToneListSize; ++p) {
    const ExpectedTone tone = expectedAt(p);
    EXPECT_EQ(tones.qtDqtIicToChar(tone.word), tone.text) << std::hex << tone.word;
  }
}

TEST_F(ToneTable, EveryToneSurvivesBothRoundTrips) {
  for (int p = 1; p < kToneListSize; ++p) {
    const ExpectedTone tone = expectedAt(p);
    EXPECT_EQ(tones.qtDqtIicToChar(tones.qtDqtCharToIic(tone.text)), tone.text);
    EXPECT_EQ(tones.qtDqtCharToIic(tones.qtDqtIicToChar(tone.word)), tone.word) << tone.text;
  }
}

TEST_F(ToneTable, TheDcsCodeListHoldsEveryCodeInOrder) {
  for (int i = 0; i < kDcsCount; ++i)
    EXPECT_EQ(std::string("D") + kDcsCodes[i] + "N", dcsText(kDcsOctal[i], 'N')) << i;
}

}  // namespace
}  // namespace q7
