#pragma once
// Seeded random data files for the fleet file round trips: every radio byte
// drawn at random, then a listed band and, in each channel slot, either no
// channel or RX and TX frequencies inside that band (on and off the channel
// step; TX sometimes absent) with tone words of every kind. Frequencies lie in
// the band because a fleet file with one outside it is refused on import.
#include <filesystem>
#include <random>

#include "channels/channel_record.h"
#include "channels/model_band.h"
#include "channels/tone_codec.h"
#include "foundation/codeplug_image.h"

namespace q7::test {

inline std::uint16_t randomToneWord(std::mt19937& random) {
  const std::uint16_t dcsBase = random() % 2 ? 0x2800 : 0xA800;
  switch (random() % 4) {
    case 0:
      return kToneOff;
    case 1:
      return static_cast<std::uint16_t>(670 + random() % (2541 - 670));
    case 2:
      return static_cast<std::uint16_t>(
          dcsBase + std::stoi(kDcsCodes[random() % kDcsCodes.size()], nullptr, 8));
    default:
      return static_cast<std::uint16_t>(random());
  }
}

inline std::int32_t randomFrequency(std::mt19937& random, const BandLimits& band) {
  const std::int32_t span = band.upper - band.lower;
  const std::int32_t inBand = band.lower + static_cast<std::int32_t>(random() % (span + 1));
  return random() % 2 ? static_cast<std::int32_t>(snapToChannelStep(inBand)) : inBand;
}

inline CodeplugImage randomImage(unsigned seed) {
  std::mt19937 random(seed);
  CodeplugImage image;
  for (std::size_t i = 0; i < kRadioSize; ++i) image[i] = static_cast<std::uint8_t>(random());
  const BandLimits band = bandLimits(static_cast<int>(random() % kCustomBand));
  storeBandLimits(image, band);
  for (int channel = 1; channel <= kChannelSlots; ++channel) {
    const std::size_t record = recordAddress(channel);
    if (random() % 4 == 0) {
      image[record + kRxOffset + 3] = 0xFF;
      continue;
    }
    const std::int32_t rx = std::min(randomFrequency(random, band), band.upper);
    encodeFrequency(image, record + kRxOffset, rx);
    encodeFrequency(
        image, record + kTxOffset,
        random() % 4 == 0 ? kNoFrequency : std::min(randomFrequency(random, band), band.upper));
    image.setWord(record + kRxToneOffset, randomToneWord(random));
    image.setWord(record + kTxToneOffset, randomToneWord(random));
  }
  return image;
}

inline std::filesystem::path randomDataFile(const std::filesystem::path& folder, unsigned seed) {
  const auto path = folder / ("random-" + std::to_string(seed) + ".dat");
  writeDataFile(path, randomImage(seed));
  return path;
}

}  // namespace q7::test
