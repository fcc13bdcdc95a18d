#pragma once
// The byte that marks a block of the image as in use: volume table, each
// two-tone record, VOX compare levels. An erased block holds 0xFF instead.
#include <cstdint>

namespace q7 {

inline constexpr std::uint8_t kBlockInUse = 0x5A;  // "Z"
inline constexpr std::uint8_t kBlockUnused = 0xFF;

}  // namespace q7
