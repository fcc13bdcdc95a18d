#include "settings/dtmf_code.h"

#include <gtest/gtest.h>

#include <vector>

#include "foundation/error_report.h"

namespace q7 {
namespace {

std::vector<int> bytesAt(const CodeplugImage& image, std::size_t address, std::size_t count) {
  std::vector<int> bytes;
  for (std::size_t i = 0; i < count; ++i) bytes.push_back(image[address + i]);
  return bytes;
}

TEST(DtmfFilter, KeepsOnlyWhatEachFieldAccepts) {
  struct Case {
    DtmfFilter filter;
    const char* typed;
    const char* kept;
  };
  const Case cases[] = {
      {DtmfFilter::Full, "12ab*#x9", "12AB*#9"},
      {DtmfFilter::Full, "abcdABCD", "ABCDABCD"},
      {DtmfFilter::Full, "eEfF-+.", ""},
      {DtmfFilter::Full, "1 2", "1 2"},
      {DtmfFilter::Full,
       "1\xE4\xB8\x80"
       "2",
       "12"},  // a CJK character is dropped whole
      {DtmfFilter::Digits, "12ab34", "1234"},
      {DtmfFilter::Digits, "1 2*#", "12"},
  };
  for (const Case& c : cases) EXPECT_EQ(filterDtmfText(c.typed, c.filter), c.kept) << c.typed;
}

TEST(DtmfCode, EncodesEveryCodeCharacterAsItsAsciiByteAndFillsWithFF) {
  const auto code = encodeDtmfCode("09AF*# ");
  const std::array<std::uint8_t, 16> expected = {0x30, 0x39, 0x41, 0x46, 0x2A, 0x23, 0x20, 0xFF,
                                                 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  EXPECT_EQ(code, expected);
  EXPECT_EQ(encodeDtmfCode("12345678901234567")[15], '6');  // the 17th character is ignored
  EXPECT_EQ(encodeDtmfCode("1x2")[1], 0xFF);                // not a code character
}

TEST(DtmfCode, DecodingSkipsBytesOutsideTheCode) {
  const std::vector<std::uint8_t> stored = {0x31, 0x00, 0x32, 0x45, 0xFF, 0x46,
                                            0x2A, 0x23, 0x20, 0x47, 0xB1};
  EXPECT_EQ(decodeDtmfCode(stored), "12EF*# ");
}

TEST(DtmfCodeField, TypingIntoBeginOfTransmissionFiltersAndStoresSixteenBytes) {
  CodeplugImage image;
  const auto& field = dtmfCodeField("txtPttBot");
  EXPECT_EQ(editDtmfCodeField(image, field, "12ab*#x9"), "12AB*#9");
  const std::vector<int> expected = {0x31, 0x32, 0x41, 0x42, 0x2A, 0x23, 0x39, 0xFF,
                                     0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  EXPECT_EQ(bytesAt(image, 0x140, 16), expected);
  EXPECT_EQ(image[0x150], 0);  // the end-of-transmission code is not touched
}

TEST(DtmfCodeField, IdCodeKeepsDigitsAndStoresTenAtMost) {
  CodeplugImage image;
  image[0x12A] = 0x77;
  const auto& field = dtmfCodeField("txtDtmfIdCode");
  EXPECT_EQ(editDtmfCodeField(image, field, "1a2b3"), "123");
  EXPECT_EQ(editDtmfCodeField(image, field, "12345678901"), "1234567890");
  const std::vector<int> expected = {'1', '2', '3', '4', '5', '6', '7', '8', '9', '0'};
  EXPECT_EQ(bytesAt(image, 0x120, 10), expected);
  EXPECT_EQ(image[0x12A], 0x77);
}

// Separators in a pasted code take no room: the field keeps as many code
// characters as it holds.
TEST(DtmfCodeField, TextIsFilteredBeforeItIsCutToTheFieldLength) {
  struct Case {
    const char* control;
    int index;
    const char* typed;
    const char* kept;
  };
  const Case cases[] = {
      {"txtDtmfIdCode", -1, "12-34-56-78-90", "1234567890"},
      {"txtDtmfIdCode", -1, "1-2-3-4-5-6-7-8-9-0-1", "1234567890"},
      {"txtDtmfCloseCode", -1, "12-34-56-78-90-12", "1234567890"},
      {"txtPttBot", -1, "*12 ab-CD#x34-56-78-90-12", "*12 ABCD#3456789"},
      {"txtAutoMem", 5, "(0)12-345-678-901-234-567", "0123456789012345"},
  };
  for (const Case& c : cases) {
    CodeplugImage image;
    const DtmfCodeField& field = dtmfCodeField(c.control, c.index);
    EXPECT_EQ(editDtmfCodeField(image, field, c.typed), c.kept) << c.control << " " << c.typed;
    EXPECT_EQ(loadDtmfCodeField(image, field), c.kept) << c.control << " " << c.typed;
  }
}

TEST(DtmfCodeField, StunCodeIsSplitAndLeavesTheGapAlone) {
  CodeplugImage image;
  for (std::size_t a = 0x1E0; a <= 0x1FA; ++a) image[a] = 0x77;
  const auto& field = dtmfCodeField("txtDtmfCloseCode");
  EXPECT_EQ(field.length(), 10u);
  editDtmfCodeField(image, field, "1234567890");
  EXPECT_EQ(bytesAt(image, 0x1E0, 8), (std::vector<int>{'1', '2', '3', '4', '5', '6', '7', '8'}));
  EXPECT_EQ(image[0x1F8], '9');
  EXPECT_EQ(image[0x1F9], '0');
  for (std::size_t a = 0x1E8; a <= 0x1F7; ++a) EXPECT_EQ(image[a], 0x77) << a;
  EXPECT_EQ(image[0x1FA], 0x77);

  editDtmfCodeField(image, field, "12");
  EXPECT_EQ(bytesAt(image, 0x1E0, 3), (std::vector<int>{'1', '2', 0xFF}));
  EXPECT_EQ(image[0x1F8], 0xFF);
  EXPECT_EQ(image[0x1F9], 0xFF);
}

TEST(DtmfCodeField, StunTypeNeedsThreeCharacters) {
  EXPECT_FALSE(stunTypeEnabled(""));
  EXPECT_FALSE(stunTypeEnabled("12"));
  EXPECT_TRUE(stunTypeEnabled("123"));
}

TEST(DtmfCodeField, AutoDialEntriesFollowEachOther) {
  CodeplugImage image;
  for (int k = 0; k < 8; ++k) {
    const auto& field = dtmfCodeField("txtAutoMem", k);
    editDtmfCodeField(image, field, std::to_string(k));
    EXPECT_EQ(image[0x200 + 16 * k], '0' + k) << k;
    EXPECT_EQ(image[0x200 + 16 * k + 15], 0xFF) << k;
  }
  EXPECT_EQ(image[0x280], 0);
  EXPECT_THROW(dtmfCodeField("txtAutoMem", 8), Failure);
}

TEST(DtmfCodeField, LoadingCompactsTheStoredCodeAndKeepsItsCharacters) {
  CodeplugImage image;
  const std::uint8_t stored[16] = {0x31, 0x00, 0x32, 0x45, 0xFF, 0x33, 0xFF, 0xFF,
                                   0x34, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  for (std::size_t i = 0; i < 16; ++i) image[0x150 + i] = stored[i];
  EXPECT_EQ(loadDtmfCodeField(image, dtmfCodeField("txtPttEot")), "12E34");
  const std::vector<int> expected = {0x31, 0x32, 0x45, 0x33, 0x34, 0xFF, 0xFF, 0xFF,
                                     0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  EXPECT_EQ(bytesAt(image, 0x150, 16), expected);
}

TEST(DtmfCodeField, LoadingBlankAndErasedImagesLeavesEveryFieldEmptyAndFF) {
  for (std::uint8_t fill : {0x00, 0xFF}) {
    CodeplugImage image;
    std::fill(image.bytes().begin(), image.bytes().end(), fill);
    for (const DtmfCodeField& field : dtmfCodeFields()) {
      EXPECT_EQ(loadDtmfCodeField(image, field), "") << field.control << field.index;
      for (const ByteRun& run : field.runs) {
        for (std::size_t i = 0; i < run.count; ++i) {
          EXPECT_EQ(image[run.address + i], 0xFF) << field.control << " " << run.address + i;
        }
      }
    }
    for (std::size_t a = 0x1E8; a <= 0x1F7; ++a) EXPECT_EQ(image[a], fill) << a;
    EXPECT_EQ(image[0x1FA], fill);
  }
}

}  // namespace
}  // namespace q7
