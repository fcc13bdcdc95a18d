#pragma once
// The radio's memory at a glance: every address and bit that code outside
// the option pages' tables uses. The option pages name their own bytes in
// their tables; the bytes 0x367, 0x36A, 0x36C and 0x36D hold bits of options
// of several pages (a test keeps any two from claiming the same bit).
#include <cstddef>
#include <cstdint>

namespace q7::map {

// 0x010..0x10F: sixteen channel records of 16 bytes, channel n at 16 n.
inline constexpr std::size_t kChannelBitmap = 0x17E;  // low byte; high byte at 0x17F

// 0x194..0x19E: the bytes write step 1 carries (the VOX levels and their marker).
inline constexpr int kWriteStepOneBytes = 0x194;

// 0x1A0..0x1AB: the ten volume steps and the byte that says they are used.
inline constexpr std::size_t kVolumeSteps = 0x1A0;  // step i at 0x1A0 + i
inline constexpr std::size_t kVolumeTableMarker = 0x1AB;
// A write sends the block 0x1A0..0x1AF as one 4-byte frame of 0x1AC..0x1AF.
inline constexpr int kShortBlockFirst = 0x1A0, kShortBlockLast = 0x1AF;
inline constexpr int kShortFrame = 0x1AC, kShortFrameLength = 4;
inline constexpr std::size_t kRadioIdentifier = 0x1B8;

// 0x280..0x2FF: the two-tone records, written with the second write form.
inline constexpr int kSecondFormFirst = 0x280, kSecondFormLast = 0x2FF;

inline constexpr std::size_t kInfoLines = 0x300;  // line 1; line 2 follows 32 bytes later

// 0x360..0x363: the short and long press of the two side keys.
inline constexpr std::size_t kSideKeyPairs[] = {0x360, 0x362};
// Set in every image a write sends.
inline constexpr std::size_t kWriteFlagByte = 0x367;
inline constexpr std::uint8_t kWriteFlagBit = 0x01;

inline constexpr std::size_t kModel = 0x379;
inline constexpr std::size_t kBandLower = 0x37A;  // four BCD digits in 100 kHz
inline constexpr std::size_t kBandUpper = 0x37C;

// 0x385..0x38D: the radio's identification, kept by the radio.
inline constexpr std::size_t kIdentificationFirst = 0x385, kIdentificationLast = 0x38D;
// 0x388..0x38A: 0x5A, then the radio's own read and write command bytes.
inline constexpr std::size_t kCommandPairDeclaration = 0x388;

// 0x3D0..0x3FF: the radio's parameter area, read back during a write.
inline constexpr int kParameterArea = 0x3D0;
inline constexpr std::size_t kParameterAreaLast = 0x3FF;
inline constexpr std::size_t kVersionByte = 0x3D3;
inline constexpr std::size_t kClassByte = 0x3D4;
inline constexpr std::size_t kRadioParameters = 0x3F0;  // its last 16 bytes
inline constexpr std::size_t kEarpieceVolume = 0x3FB;

inline constexpr long kHighestAddress = 0x3FF;

}  // namespace q7::map
