// Both sides of every bound the two-tone table applies when it loads a record
// from the image and when it stores a typed row.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "settings/two_tone.h"

namespace q7 {
namespace {

constexpr std::size_t kRecord1 = 0x280;

// Record 1 in use with both tones at 1000.0 Hz and the given times.
CodeplugImage recordWith(int toneA, int durationA, int durationB, int gap) {
  CodeplugImage image;
  image.setWord(kRecord1, static_cast<std::uint16_t>(toneA));
  image[kRecord1 + 2] = static_cast<std::uint8_t>(durationA);
  image.setWord(kRecord1 + 3, 10000);
  image[kRecord1 + 5] = static_cast<std::uint8_t>(durationB);
  image[kRecord1 + 6] = static_cast<std::uint8_t>(gap);
  image[kRecord1 + 7] = 0x5A;
  return image;
}

struct LoadCase {
  int toneA, durationA, durationB, gap;
  TwoToneRow shown;
  int durationAByte, durationBByte, gapByte;
};

TEST(TwoToneBounds, LoadingKeepsWhatTheRadioAcceptsAndRepairsTheRest) {
  const LoadCase cases[] = {
      {10000, 100, 100, 20, {"", "1000.0", "10.0", "1000.0", "10.0", "2.0"}, 100, 100, 20},
      {10000, 101, 101, 21, {"", "1000.0", "1.0", "1000.0", "1.0", "0.5"}, 10, 10, 5},
      {10000, 2, 3, 0, {"", "1000.0", "0.2", "1000.0", "0.3", "0.0"}, 2, 3, 0},
      {31060, 15, 15, 5, {"", "3106.0", "1.5", "1000.0", "1.5", "0.5"}, 15, 15, 5},
      {31061, 200, 15, 30, {"", "", "", "1000.0", "1.5", ""}, 200, 15, 30},
      {2885, 15, 15, 5, {"", "288.5", "1.5", "1000.0", "1.5", "0.5"}, 15, 15, 5},
      {2884, 200, 15, 30, {"", "", "", "1000.0", "1.5", ""}, 200, 15, 30},
  };
  for (const LoadCase& c : cases) {
    CodeplugImage image = recordWith(c.toneA, c.durationA, c.durationB, c.gap);
    EXPECT_EQ(loadTwoToneRecord(image, 1), c.shown) << c.toneA << " " << c.durationA;
    EXPECT_EQ(image[kRecord1 + 2], c.durationAByte) << c.toneA << " " << c.durationA;
    EXPECT_EQ(image[kRecord1 + 5], c.durationBByte) << c.durationB;
    EXPECT_EQ(image[kRecord1 + 6], c.gapByte) << c.gap;
  }
}

struct StoreCase {
  const char* typed;
  const char* shown;
  int stored;
};

TEST(TwoToneBounds, StoringClampsTheToneToTheRadiosRange) {
  const StoreCase cases[] = {{"3106.0", "3106.0", 31060},
                             {"3106.1", "3106", 31060},
                             {"288.5", "288.5", 2885},
                             {"288.4", "288.5", 2885}};
  for (const StoreCase& c : cases) {
    CodeplugImage image;
    TwoToneRow row = {"", c.typed, "1.0", "", "", ""};
    storeTwoToneRecord(image, 1, row);
    EXPECT_EQ(row[kToneAFreColumn], c.shown) << c.typed;
    EXPECT_EQ(image.word(kRecord1), c.stored) << c.typed;
  }
}

TEST(TwoToneBounds, StoringKeepsTimesUpToTheLoadingBoundsIncludingShortOnes) {
  const StoreCase durations[] = {
      {"10.0", "10.0", 100}, {"10.1", "1.0", 10}, {"0.3", "0.3", 3}, {"0.2", "0.2", 2}};
  const StoreCase gaps[] = {{"2.0", "2.0", 20}, {"2.1", "1.0", 10}, {"0.0", "0.0", 0}};
  for (const StoreCase& c : durations) {
    CodeplugImage image;
    TwoToneRow row = {"", "1000", "1.0", "2000", c.typed, "1.0"};
    storeTwoToneRecord(image, 1, row);
    EXPECT_EQ(row[kToneBTimeColumn], c.shown) << c.typed;
    EXPECT_EQ(image[kRecord1 + 5], c.stored) << c.typed;
  }
  for (const StoreCase& c : gaps) {
    CodeplugImage image;
    TwoToneRow row = {"", "1000", "1.0", "2000", "1.0", c.typed};
    storeTwoToneRecord(image, 1, row);
    EXPECT_EQ(row[kIntervalColumn], c.shown) << c.typed;
    EXPECT_EQ(image[kRecord1 + 6], c.stored) << c.typed;
  }
}

}  // namespace
}  // namespace q7
