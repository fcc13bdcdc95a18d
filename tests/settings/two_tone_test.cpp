#include "settings/two_tone.h"

#include <gtest/gtest.h>

#include <vector>

#include "foundation/caption_table.h"

namespace q7 {
namespace {

std::vector<int> recordBytes(const CodeplugImage& image, int record) {
  std::vector<int> bytes;
  for (std::size_t i = 0; i < 8; ++i) bytes.push_back(image[0x280 + 8 * (record - 1) + i]);
  return bytes;
}

void putRecord(CodeplugImage& image, int record, std::vector<int> bytes) {
  for (std::size_t i = 0; i < 8; ++i) {
    image[0x280 + 8 * static_cast<std::size_t>(record - 1) + i] =
        static_cast<std::uint8_t>(bytes[i]);
  }
}

TwoToneRow row(const char* a, const char* aTime, const char* b, const char* bTime,
               const char* gap) {
  return {"", a, aTime, b, bTime, gap};
}

TEST(TwoToneStore, FrequenciesAreClampedOrReplacedAndTheCellShowsWhatIsStored) {
  struct Case {
    const char* typed;
    const char* shown;
    int stored;
  };
  const Case cases[] = {
      {"100", "288.5", 2885},        {"4000", "3106", 31060},  {"abc", "1500.0", 15000},
      {"1000.04", "1000.04", 10000}, {"288.5", "288.5", 2885}, {"3106", "3106", 31060},
      {" 440 ", " 440 ", 4400},
  };
  for (const Case& c : cases) {
    CodeplugImage image;
    TwoToneRow cells = row(c.typed, "1.0", "", "", "");
    storeTwoToneRecord(image, 1, cells);
    EXPECT_EQ(cells[kToneAFreColumn], c.shown) << c.typed;
    EXPECT_EQ(image.word(0x280), c.stored) << c.typed;
  }
}

TEST(TwoToneStore, ToneAOnlyGetsDefaultDurationAndLeavesTheRestEmpty) {
  CodeplugImage image;
  TwoToneRow cells = row("1000", "", "", "5.0", "0.5");
  storeTwoToneRecord(image, 3, cells);
  EXPECT_EQ(cells, row("1000", "1.0", "", "", ""));
  EXPECT_EQ(recordBytes(image, 3),
            (std::vector<int>{0x10, 0x27, 10, 0xFF, 0xFF, 0xFF, 0xFF, 0x5A}));
}

TEST(TwoToneStore, BothTonesGetAGap) {
  CodeplugImage image;
  TwoToneRow cells = row("288.5", "0.3", "3106", "10.0", "");
  storeTwoToneRecord(image, 16, cells);
  EXPECT_EQ(cells[kIntervalColumn], "1.0");
  EXPECT_EQ(recordBytes(image, 16), (std::vector<int>{0x45, 0x0B, 3, 0x54, 0x79, 100, 10, 0x5A}));
}

TEST(TwoToneStore, ClearingBothFrequenciesEmptiesTheRecordButKeepsTheGapByte) {
  CodeplugImage image;
  putRecord(image, 2, {0x10, 0x27, 10, 0x10, 0x27, 10, 7, 0x5A});
  TwoToneRow cells = row("", "1.0", "", "1.0", "0.7");
  storeTwoToneRecord(image, 2, cells);
  EXPECT_EQ(cells, row("", "", "", "", ""));
  EXPECT_EQ(recordBytes(image, 2), (std::vector<int>{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 7, 0xFF}));
}

TEST(TwoToneStore, TimesBeyondTheListsOrNotNumbersBecomeOneSecond) {
  struct Case {
    const char* typed;
    const char* shown;
    int stored;
  };
  const Case cases[] = {{"2.5", "2.5", 25}, {"10.0", "10.0", 100}, {"10.1", "1.0", 10},
                        {"30", "1.0", 10},  {"-1", "1.0", 10},     {"x", "1.0", 10}};
  for (const Case& c : cases) {
    CodeplugImage image;
    TwoToneRow cells = row("1000", c.typed, "", "", "");
    storeTwoToneRecord(image, 1, cells);
    EXPECT_EQ(cells[kToneATimeColumn], c.shown) << c.typed;
    EXPECT_EQ(image[0x282], c.stored) << c.typed;
  }
  CodeplugImage image;
  TwoToneRow cells = row("1000", "1.0", "2000", "1.0", "2.1");
  storeTwoToneRecord(image, 1, cells);
  EXPECT_EQ(cells[kIntervalColumn], "1.0");
  EXPECT_EQ(image[0x286], 10);
}

TEST(TwoToneLoad, RecordsInUseShowTheirTonesAndRepairTimes) {
  CodeplugImage image;
  putRecord(image, 1, {0x45, 0x0B, 0xC8, 0x54, 0x79, 15, 0x30, 0x5A});
  EXPECT_EQ(loadTwoToneRecord(image, 1), row("288.5", "1.0", "3106.0", "1.5", "0.5"));
  EXPECT_EQ(recordBytes(image, 1), (std::vector<int>{0x45, 0x0B, 10, 0x54, 0x79, 15, 5, 0x5A}));
}

TEST(TwoToneLoad, ToneOutsideTheRangeShowsEmptyWithoutGap) {
  CodeplugImage image;
  putRecord(image, 9, {0x44, 0x0B, 0xC8, 0x10, 0x27, 20, 0x30, 0x5A});
  EXPECT_EQ(loadTwoToneRecord(image, 9), row("", "", "1000.0", "2.0", ""));
  // Only shown fields are repaired.
  EXPECT_EQ(recordBytes(image, 9),
            (std::vector<int>{0x44, 0x0B, 0xC8, 0x10, 0x27, 20, 0x30, 0x5A}));
}

TEST(TwoToneLoad, BlankAndErasedImagesShowEmptyRowsAndChangeNothing) {
  for (std::uint8_t fill : {0x00, 0xFF}) {
    CodeplugImage image;
    std::fill(image.bytes().begin(), image.bytes().end(), fill);
    const CodeplugImage before = image;
    const TwoToneTable table = loadTwoToneTable(image);
    for (const TwoToneRow& cells : table) EXPECT_EQ(cells, row("", "", "", "", "")) << int(fill);
    EXPECT_EQ(image, before) << int(fill);
  }
}

TEST(TwoToneTable, StoringTheLoadedTableKeepsValidRecords) {
  CodeplugImage image;
  std::fill(image.bytes().begin(), image.bytes().end(), 0xFF);
  putRecord(image, 5, {0x10, 0x27, 10, 0x20, 0x4E, 20, 3, 0x5A});
  putRecord(image, 12, {0xFF, 0xFF, 0xFF, 0x20, 0x4E, 20, 0xFF, 0x5A});
  const CodeplugImage before = image;
  TwoToneTable table = loadTwoToneTable(image);
  storeTwoToneTable(image, table);
  EXPECT_EQ(image, before);
}

TEST(TwoToneGrid, RecordsSplitOverTwoGridsAndListsOfferTheRadioTimes) {
  EXPECT_EQ(twoToneRecord(0, 1), 1);
  EXPECT_EQ(twoToneRecord(0, 8), 8);
  EXPECT_EQ(twoToneRecord(1, 1), 9);
  EXPECT_EQ(twoToneRecord(1, 8), 16);
  const auto& durations = twoToneDurationItems();
  ASSERT_EQ(durations.size(), 96u);
  EXPECT_EQ(durations.front(), "0.3");
  EXPECT_EQ(durations[94], "9.7");
  EXPECT_EQ(durations.back(), "10.0");
  const auto& gaps = twoToneGapItems();
  ASSERT_EQ(gaps.size(), 21u);
  EXPECT_EQ(gaps.front(), "0.0");
  EXPECT_EQ(gaps.back(), "2.0");
  EXPECT_EQ(twoToneHeader(kEnglish), "No.|A Fre|A Time|B Fre|B Time|Interval");
  EXPECT_EQ(twoToneHeader(kTraditionalChinese), "序號|A音頻率|A音時間|B音頻率|B音時間|間隔時間");
}

}  // namespace
}  // namespace q7
