#pragma once
// The volume sequence table. The radio stores volumes as attenuator codes
// whose numeric order is not the order of loudness, so every volume is shown as
// a position 0..255 on a loudness scale and converted through this fixed table
// (position -> stored code). It serves the microphone volume, the tail tone and
// DTMF volume and the ten steps of the volume dialog.
#include <array>
#include <cstdint>

namespace q7 {

inline constexpr int kVolumePositions = 256;
using VolumeSequence = std::array<std::uint8_t, kVolumePositions>;

// The table, built once on first use (the start-up sequence calls this early).
const VolumeSequence& getVoiceSeq();

// Stored code of a list position (positions outside 0..255 are clamped).
std::uint8_t volumeCode(int position);

// List position of a stored code: the highest position holding it, 0 if none.
int volumeDatToSeq(std::uint8_t code);

}  // namespace q7
