#include "channels/model_band.h"

#include <algorithm>
#include <cstdlib>

#include "channels/decimal_text.h"
#include "foundation/error_report.h"

namespace q7 {
namespace {

constexpr std::int32_t kLimitUnit = 10000;  // 100 kHz in 10 Hz
constexpr int kMhzDecimals = 5;             // MHz to 10 Hz
constexpr std::int64_t kStep5k = 500;
constexpr std::int64_t kStep6k25 = 625;

// A band limit is four BCD digits in 100 kHz, most significant first.
constexpr int kLimitDigits = 4;

void storeLimit(CodeplugImage& image, std::size_t address, std::int32_t limit) {
  const auto steps = static_cast<std::uint32_t>(divideHalfEven(limit, kLimitUnit));
  image.setBcd(address, kLimitDigits, steps, ByteOrder::HighFirst);
}

std::int32_t storedLimit(const CodeplugImage& image, std::size_t address) {
  return static_cast<std::int32_t>(image.bcd(address, kLimitDigits, ByteOrder::HighFirst)) *
         kLimitUnit;
}

bool within(std::int64_t value, BandLimits range) {
  return value >= range.lower && value <= range.upper;
}

}  // namespace

BandLimits bandLimits(int position) {
  if (position < 0 || position >= static_cast<int>(kBands.size())) {
    throw Failure(err::kIndexRange, "band position " + std::to_string(position));
  }
  return kBands[position].limits;
}

int bandPosition(BandLimits limits) {
  const auto found = std::ranges::find(kBands, limits, &BandEntry::limits);
  return found == kBands.end() ? kCustomBand : static_cast<int>(found - kBands.begin());
}

void storeBandLimits(CodeplugImage& image, BandLimits limits) {
  storeLimit(image, map::kBandLower, limits.lower);
  storeLimit(image, map::kBandUpper, limits.upper);
}

BandLimits storedBandLimits(const CodeplugImage& image) {
  return {storedLimit(image, map::kBandLower), storedLimit(image, map::kBandUpper)};
}

ImageModelBand loadModelAndBand(CodeplugImage& image) {
  ImageModelBand loaded;
  if (image[map::kModel] < kModelCount) {
    loaded.model = image[map::kModel];
  } else {
    image[map::kModel] = 0;
  }
  loaded.limits = storedBandLimits(image);
  if (!within(loaded.limits.lower, kStoredRange) || !within(loaded.limits.upper, kStoredRange) ||
      loaded.limits.upper < loaded.limits.lower) {
    loaded.limits = kRepairBand;
    storeBandLimits(image, kRepairBand);
  }
  loaded.bandPosition = bandPosition(loaded.limits);
  return loaded;
}

CustomBand acceptCustomBand(const std::string& minText, const std::string& maxText) {
  const auto lower = scaledHalfEven(minText, kMhzDecimals);
  const auto upper = scaledHalfEven(maxText, kMhzDecimals);
  if (lower && upper && within(*lower, kWidestCustomBand) && within(*upper, kWidestCustomBand) &&
      *upper >= *lower) {
    return {
        {static_cast<std::int32_t>(*lower), static_cast<std::int32_t>(*upper)}, minText, maxText};
  }
  return {kWidestCustomBand, "120", "520"};
}

std::int64_t snapToChannelStep(std::int64_t frequency) {
  const std::int64_t on5k = divideHalfEven(frequency, kStep5k) * kStep5k;
  const std::int64_t on6k25 = divideHalfEven(frequency, kStep6k25) * kStep6k25;
  return std::llabs(frequency - on5k) < std::llabs(frequency - on6k25) ? on5k : on6k25;
}

std::int32_t clampToBand(std::int64_t frequency, BandLimits limits) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(frequency, limits.lower, limits.upper));
}

bool outsideBand(std::int32_t frequency, BandLimits limits) {
  return !within(frequency, limits);
}

bool countModelLabelClick(int& counter) {
  if (++counter >= 10) counter = 0;
  return counter == 9;
}

}  // namespace q7
