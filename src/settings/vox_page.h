#pragma once
// Vox (fraSysSet3): gain, release delay, receive inhibit, two flags and the ten
// compare levels of the VOX detector with their factory values.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "settings/option_pages.h"

namespace q7 {

inline constexpr int kVoxLevels = 10;
inline constexpr std::size_t kVoxLevelBase = 0x193;  // level q (1..10) at 0x193 + q
inline constexpr std::size_t kVoxLevelMarker = 0x19E;
inline constexpr int kHighestVoxLevel = 180;

// Levels 1..10 written by the Default button.
inline constexpr std::array<std::uint8_t, kVoxLevels> kFactoryVoxLevels = {170, 155, 140, 125, 110,
                                                                           95,  80,  65,  50,  35};

// The tool tip of a compare level: its voltage in millivolts ("2200mv").
std::string voxLevelTip(int level);

// The check after a file was opened or the radio read: a first level below 20
// or a tenth above 180 cannot come from a calibrated radio, so the factory
// levels are restored.
void checkVoxCalibration(OptionPages& pages);

}  // namespace q7
