#include "channels/model_band.h"

#include <gtest/gtest.h>

#include "foundation/memory_map.h"

namespace q7 {
namespace {

CodeplugImage imageWithBand(std::initializer_list<std::uint8_t> bytes) {
  CodeplugImage image;
  std::size_t address = map::kBandLower;
  for (const std::uint8_t b : bytes) image[address++] = b;
  return image;
}

TEST(ModelBand, BandBytesSelectTheirListPosition) {
  struct Case {
    std::initializer_list<std::uint8_t> bytes;
    int position;
    BandLimits limits;
  };
  const Case cases[] = {
      {{0x13, 0x60, 0x17, 0x40}, 1, {13600000, 17400000}},
      {{0x40, 0x00, 0x52, 0x00}, 12, {40000000, 52000000}},
      {{0x12, 0x00, 0x52, 0x00}, 13, {12000000, 52000000}},
      {{0x41, 0x00, 0x45, 0x00}, kCustomBand, {41000000, 45000000}},
      {{0x40, 0x00, 0x55, 0x00}, kCustomBand, {40000000, 55000000}},
  };
  for (const Case& c : cases) {
    CodeplugImage image = imageWithBand(c.bytes);
    const ImageModelBand loaded = loadModelAndBand(image);
    EXPECT_EQ(loaded.bandPosition, c.position);
    EXPECT_EQ(loaded.limits, c.limits);
    EXPECT_EQ(image[map::kBandLower], *c.bytes.begin()) << "stored bytes stay";
  }
}

TEST(ModelBand, StoredBandsOutsideTheRadioAreRepairedTo400To480) {
  for (const auto& bytes : {std::initializer_list<std::uint8_t>{0xFF, 0xFF, 0xFF, 0xFF},
                            {0x11, 0x90, 0x47, 0x00},
                            {0x40, 0x00, 0x55, 0x10},
                            {0x47, 0x00, 0x40, 0x00}}) {
    CodeplugImage image = imageWithBand(bytes);
    const ImageModelBand loaded = loadModelAndBand(image);
    EXPECT_EQ(loaded.bandPosition, 8);
    EXPECT_EQ(loaded.limits, kRepairBand);
    EXPECT_EQ(image[0x37A], 0x40);
    EXPECT_EQ(image[0x37B], 0x00);
    EXPECT_EQ(image[0x37C], 0x48);
    EXPECT_EQ(image[0x37D], 0x00);
  }
}

TEST(ModelBand, ModelBeyondTheListBecomesTheFirstModel) {
  CodeplugImage image = imageWithBand({0x40, 0x00, 0x47, 0x00});
  image[map::kModel] = 5;
  EXPECT_EQ(loadModelAndBand(image).model, 0);
  EXPECT_EQ(image[map::kModel], 0);
}

TEST(ModelBand, LimitsAreStoredIn100kHzRoundedHalfToEven) {
  CodeplugImage image;
  storeBandLimits(image, {12345600, 47000000});
  EXPECT_EQ(image[0x37A], 0x12);
  EXPECT_EQ(image[0x37B], 0x35);
  EXPECT_EQ(image[0x37C], 0x47);
  EXPECT_EQ(image[0x37D], 0x00);
  storeBandLimits(image, {12345000, 12355000});
  EXPECT_EQ(storedBandLimits(image), (BandLimits{12340000, 12360000}));
  for (int position = 0; position < kCustomBand; ++position) {
    storeBandLimits(image, bandLimits(position));
    EXPECT_EQ(storedBandLimits(image), bandLimits(position)) << kBands[position].text;
  }
}

TEST(ModelBand, CustomBandIsAcceptedWithin120To520Only) {
  struct Case {
    const char* min;
    const char* max;
    BandLimits limits;
    const char* minShown;
    const char* maxShown;
  };
  const Case cases[] = {
      {"410", "450", {41000000, 45000000}, "410", "450"},
      {"123.456", "130", {12345600, 13000000}, "123.456", "130"},
      {"120", "520", {12000000, 52000000}, "120", "520"},
      {"100", "200", kWidestCustomBand, "120", "520"},
      {"450", "430", kWidestCustomBand, "120", "520"},
      {"400", "550", kWidestCustomBand, "120", "520"},
      {"abc", "450", kWidestCustomBand, "120", "520"},
      {"", "", kWidestCustomBand, "120", "520"},
  };
  for (const Case& c : cases) {
    const CustomBand band = acceptCustomBand(c.min, c.max);
    EXPECT_EQ(band.limits, c.limits) << c.min << "/" << c.max;
    EXPECT_EQ(band.minText, c.minShown);
    EXPECT_EQ(band.maxText, c.maxShown);
  }
}

TEST(ModelBand, ChannelStepTakesTheNearerGridTiesGoTo6k25) {
  const std::pair<std::int64_t, std::int64_t> cases[] = {
      {44600625, 44600625}, {44600300, 44600500}, {44600600, 44600625}, {14501250, 14501250},
      {14501500, 14501500}, {44600310, 44600500}, {44600000, 44600000}, {0, 0},
      {44601125, 44601250},
  };
  for (const auto& [typed, snapped] : cases) EXPECT_EQ(snapToChannelStep(typed), snapped) << typed;
}

TEST(ModelBand, BandCheckClampsIntoTheLimits) {
  const BandLimits band{40000000, 47000000};
  EXPECT_EQ(clampToBand(50000000, band), 47000000);
  EXPECT_EQ(clampToBand(1200, band), 40000000);
  EXPECT_EQ(clampToBand(44600625, band), 44600625);
  EXPECT_TRUE(outsideBand(39999999, band));
  EXPECT_TRUE(outsideBand(47000001, band));
  EXPECT_FALSE(outsideBand(47000000, band));
}

TEST(ModelBand, NinthModelLabelDoubleClickShowsTheMemoryViewTheTenthHidesIt) {
  int counter = 0;
  std::vector<bool> shown;
  for (int click = 1; click <= 20; ++click) shown.push_back(countModelLabelClick(counter));
  for (int click = 1; click <= 20; ++click) {
    EXPECT_EQ(shown[click - 1], click == 9 || click == 19) << "click " << click;
  }
}

}  // namespace
}  // namespace q7
