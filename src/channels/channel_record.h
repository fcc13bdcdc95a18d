#pragma once
// The channel record: sixteen 16-byte records in the codeplug image, channel n
// at address 16 × n, and the channel value table they decode into.
//
//   bytes 0..3   RX frequency, 8 packed BCD digits in 10 Hz, least significant byte first
//   bytes 4..7   TX frequency, same form; absent (receive only) unless byte 7 is 0x01..0x99
//   bytes 8..9   receive tone word, bytes 10..11 transmit tone word (tone_codec.h)
//   bytes 12..15 option bits of option columns 8, 10, 11, 13 / 5, 6, 9 / 10 / 12
//   0x17E/0x17F  one bit per channel: option column 7
//
// A slot is in use when byte 3 is 0x01..0x99. Bits the table does not name
// (byte 12 bit 7, byte 13 bits 0..3 and the PTT ID pause bit 6, byte 14 bits
// 1..7, byte 15 bits 3..7) belong to other editors and survive every write.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "foundation/codeplug_image.h"
#include "foundation/memory_map.h"

namespace q7 {

inline constexpr int kChannelSlots = 16;
inline constexpr std::size_t kRecordSize = 16;
inline constexpr std::size_t kRxOffset = 0;
inline constexpr std::size_t kTxOffset = 4;
inline constexpr std::size_t kRxToneOffset = 8;
inline constexpr std::size_t kTxToneOffset = 10;

inline constexpr std::int32_t kNoFrequency = -1;
// What an RX frequency with a non-decimal digit is shown as: 120.00000 MHz.
inline constexpr std::int32_t kUndecodableRx = 12000000;

// Columns of the channel value table and of the channel grid.
namespace col {
inline constexpr int kRx = 1;
inline constexpr int kTx = 2;
inline constexpr int kRxTone = 3;
inline constexpr int kTxTone = 4;
inline constexpr int kFirstOption = 5;
inline constexpr int kBitmapOption = 7;
inline constexpr int kLastRecordOption = 13;
inline constexpr int kLastOption = 19;
inline constexpr int kName = 20;
inline constexpr int kCount = 21;  // columns 0..20
}  // namespace col

inline constexpr bool isOptionColumn(int column) {
  return column >= col::kFirstOption && column <= col::kLastOption;
}

inline constexpr std::size_t recordAddress(int channel) {
  return kRecordSize * static_cast<std::size_t>(channel);
}

// The decoded channels: signed 32-bit values by channel 1..16 and column
// 0..20 (1 RX, 2 TX, 3/4 tone list positions, 5..19 option item positions),
// and each channel's receive and transmit tone texts. Out-of-range access
// throws Failure rather than touching memory outside the table.
class ChannelTable {
 public:
  std::int32_t& value(int channel, int column);
  std::int32_t value(int channel, int column) const;
  // Column 3 gives the receive tone text, column 4 the transmit tone text.
  std::string& tone(int channel, int column);
  const std::string& tone(int channel, int column) const;

 private:
  std::array<std::array<std::int32_t, col::kCount>, kChannelSlots + 1> values_{};
  std::array<std::array<std::string, 2>, kChannelSlots + 1> tones_;
};

// True when the frequency whose four bytes start at `address` holds a channel
// (its top byte is 0x01..0x99).
bool frequencyPresent(const CodeplugImage& image, std::size_t address);
// True when at least one of the sixteen slots holds a channel.
bool anyChannelInUse(const CodeplugImage& image);
// The frequency at `address` in 10 Hz; nullopt when a nibble is A..F.
std::optional<std::int32_t> decodeFrequency(const CodeplugImage& image, std::size_t address);
// The four BCD bytes of a frequency, most significant first (44600625 gives
// 44 60 06 25). Throws Failure for values outside 0..99999999.
std::array<std::uint8_t, 4> separateFreChar(std::int32_t value);
// Stores a frequency least significant byte first; kNoFrequency stores FF FF FF FF.
void encodeFrequency(CodeplugImage& image, std::size_t address, std::int32_t value);

// Image to table for channel n (1..16).
void icRxFreSol(const CodeplugImage& image, ChannelTable& table, int channel);
void icTxFreSol(const CodeplugImage& image, ChannelTable& table, int channel);
void icChParaSol(const CodeplugImage& image, ChannelTable& table, int channel);

// Table to image for channel n (1..16), read-modify-write of the option bits.
void ciRxFreSol(CodeplugImage& image, const ChannelTable& table, int channel);
void ciTxFreSol(CodeplugImage& image, const ChannelTable& table, int channel);
// Column 12 is clamped into 0..7, in the table too.
void ciChParaSol(CodeplugImage& image, ChannelTable& table, int channel);

}  // namespace q7
