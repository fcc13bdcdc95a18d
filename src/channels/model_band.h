#pragma once
// Radio model and frequency band. The model byte at 0x379 is a position in
// the model list; the band limits are kept at 0x37A..0x37B (lower) and
// 0x37C..0x37D (upper) as four BCD digits in 100 kHz, most significant
// first (400.0 MHz is 40 00). The program holds the limits in 10 Hz and
// keeps every typed frequency on the channel step and inside the band.
#include <array>
#include <cstdint>
#include <string>

#include "foundation/codeplug_image.h"
#include "foundation/memory_map.h"

namespace q7 {

inline constexpr int kModelCount = 1;

struct BandLimits {
  std::int32_t lower = 0;
  std::int32_t upper = 0;
  bool operator==(const BandLimits&) const = default;
};

struct BandEntry {
  const char* text;
  BandLimits limits;
};

// The band list; position 14 (kCustomBand) follows it and is typed by the user.
inline constexpr std::array<BandEntry, 14> kBands = {{
    {"134 - 174 MHz", {13400000, 17400000}},
    {"136 - 174 MHz", {13600000, 17400000}},
    {"136 - 150 MHz", {13600000, 15000000}},
    {"150 - 174 MHz", {15000000, 17400000}},
    {"200 - 260 MHz", {20000000, 26000000}},
    {"245 - 246 MHz", {24500000, 24600000}},
    {"320 - 400 MHz", {32000000, 40000000}},
    {"400 - 470 MHz", {40000000, 47000000}},
    {"400 - 480 MHz", {40000000, 48000000}},
    {"400 - 440 MHz", {40000000, 44000000}},
    {"440 - 480 MHz", {44000000, 48000000}},
    {"470 - 520 MHz", {47000000, 52000000}},
    {"400 - 520 MHz", {40000000, 52000000}},
    {"120 - 520 MHz", {12000000, 52000000}},
}};
inline constexpr int kCustomBand = 14;
inline constexpr int kDefaultBand = 7;
// The band a stored pair outside the radio's range is repaired to.
inline constexpr BandLimits kRepairBand{40000000, 48000000};
// The widest custom band, and the band of a refused custom entry.
inline constexpr BandLimits kWidestCustomBand{12000000, 52000000};
inline constexpr BandLimits kStoredRange{12000000, 55000000};

// The limits of a band list position 0..13; throws Failure for other positions.
BandLimits bandLimits(int position);
// The first list position whose limits equal the pair; kCustomBand when none does.
int bandPosition(BandLimits limits);

// Band limits in the image, rounded to 100 kHz (halves to even) on the way in.
void storeBandLimits(CodeplugImage& image, BandLimits limits);
BandLimits storedBandLimits(const CodeplugImage& image);

struct ImageModelBand {
  int model = 0;
  int bandPosition = kCustomBand;
  BandLimits limits = kWidestCustomBand;
};
// Model and band after a file open or a radio read. A model byte beyond the
// model list becomes 0 in the image; stored limits outside 120..550 MHz or
// upside down are repaired to 400..480 MHz in the image.
ImageModelBand loadModelAndBand(CodeplugImage& image);

// The custom band dialog's OK: the texts (MHz) become limits when both are
// numbers within 120..520 MHz and upper >= lower; otherwise the band is
// 120..520 MHz and the boxes show "120" and "520".
struct CustomBand {
  BandLimits limits;
  std::string minText;
  std::string maxText;
};
CustomBand acceptCustomBand(const std::string& minText, const std::string& maxText);

// ModifyTxRxFre: a frequency (10 Hz) moved onto the nearer of the 5 kHz and
// 6.25 kHz grids; a tie goes to 6.25 kHz.
std::int64_t snapToChannelStep(std::int64_t frequency);
// A frequency below the band becomes the lower limit, above it the upper limit.
std::int32_t clampToBand(std::int64_t frequency, BandLimits limits);
bool outsideBand(std::int32_t frequency, BandLimits limits);

// The model label's double-click counter: counts 1..9, then restarts at 0.
// Returns whether the memory data view is to be shown (the ninth click).
bool countModelLabelClick(int& counter);

}  // namespace q7
