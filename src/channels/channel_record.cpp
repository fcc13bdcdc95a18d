#include "channels/channel_record.h"

#include <algorithm>

#include "foundation/app_state.h"
#include "foundation/error_report.h"

namespace q7 {
namespace {

constexpr std::int32_t kLargestFrequency = 99999999;

// Where an option column keeps its value in the record: one or two groups of
// bits (the second group gives the code's high byte), the code of each item
// position, and what a table value beyond the codes stores.
struct OptionBits {
  std::size_t offset;
  std::uint8_t mask;
};

struct OptionField {
  int column;
  OptionBits low;
  OptionBits high;  // mask 0: unused
  std::array<std::uint16_t, 8> codes;
  int codeCount;
  int positionAbove;  // item position stored for a value above the last code
  bool clampInTable;  // the stored position is also written back to the table
};

constexpr OptionField kOptionFields[] = {
    {5, {13, 0x20}, {}, {0x00, 0x20}, 2, 0, false},
    {6, {13, 0x10}, {}, {0x00, 0x10}, 2, 0, false},
    {8, {12, 0x18}, {}, {0x00, 0x08, 0x10}, 3, 0, false},
    {9, {13, 0x80}, {}, {0x00, 0x80}, 2, 0, false},
    {10, {12, 0x01}, {14, 0x01}, {0x000, 0x001, 0x100, 0x101}, 4, 2, false},
    {11, {12, 0x06}, {}, {0x00, 0x02, 0x04}, 3, 0, false},
    {12, {15, 0x07}, {}, {0, 1, 2, 3, 4, 5, 6, 7}, 8, 7, true},
    {13, {12, 0x60}, {}, {0x00, 0x20}, 2, 0, false},
};

void checkChannel(int channel) {
  if (channel < 1 || channel > kChannelSlots) throw Failure(err::kIndexRange, "channel number");
}

std::uint16_t readField(const CodeplugImage& image, std::size_t base, const OptionField& f) {
  std::uint16_t code = image[base + f.low.offset] & f.low.mask;
  if (f.high.mask)
    code |= static_cast<std::uint16_t>((image[base + f.high.offset] & f.high.mask) << 8);
  return code;
}

int storedPosition(const OptionField& f, std::int32_t value) {
  if (value < 0) return 0;
  return value >= f.codeCount ? f.positionAbove : value;
}

// A frequency is eight BCD digits in 10 Hz.
constexpr int kFrequencyDigits = 8;

void checkFrequency(std::int32_t value) {
  if (value < 0 || value > kLargestFrequency) throw Failure(err::kOverflow, std::to_string(value));
}

void reportUndecodable(const char* location, std::size_t address) {
  errorReporter().report(location,
                         {err::kTypeMismatch, "BCD digits at " + std::to_string(address)});
}

}  // namespace

std::int32_t& ChannelTable::value(int channel, int column) {
  if (column < 0 || column >= col::kCount) throw Failure(err::kIndexRange, "channel column");
  if (channel < 0 || channel > kChannelSlots) throw Failure(err::kIndexRange, "channel number");
  return values_[channel][column];
}

std::int32_t ChannelTable::value(int channel, int column) const {
  return const_cast<ChannelTable*>(this)->value(channel, column);
}

std::string& ChannelTable::tone(int channel, int column) {
  if (column != col::kRxTone && column != col::kTxTone)
    throw Failure(err::kIndexRange, "tone column");
  checkChannel(channel);
  return tones_[channel][column - col::kRxTone];
}

const std::string& ChannelTable::tone(int channel, int column) const {
  return const_cast<ChannelTable*>(this)->tone(channel, column);
}

bool frequencyPresent(const CodeplugImage& image, std::size_t address) {
  const std::uint8_t top = image[address + 3];
  return top >= 0x01 && top <= 0x99;
}

bool anyChannelInUse(const CodeplugImage& image) {
  for (int channel = 1; channel <= kChannelSlots; ++channel) {
    if (frequencyPresent(image, recordAddress(channel) + kRxOffset)) return true;
  }
  return false;
}

std::optional<std::int32_t> decodeFrequency(const CodeplugImage& image, std::size_t address) {
  if (!image.isBcd(address, kFrequencyDigits)) return std::nullopt;
  return static_cast<std::int32_t>(image.bcd(address, kFrequencyDigits, ByteOrder::LowFirst));
}

std::array<std::uint8_t, 4> separateFreChar(std::int32_t value) {
  checkFrequency(value);
  std::array<std::uint8_t, 4> work{};
  const auto packed =
      packBcd(static_cast<std::uint32_t>(value), kFrequencyDigits, ByteOrder::HighFirst);
  std::copy(packed.begin(), packed.end(), work.begin());
  return work;
}

void encodeFrequency(CodeplugImage& image, std::size_t address, std::int32_t value) {
  if (value == kNoFrequency) {
    for (std::size_t i = 0; i < 4; ++i) image[address + i] = 0xFF;
    return;
  }
  checkFrequency(value);
  image.setBcd(address, kFrequencyDigits, static_cast<std::uint32_t>(value), ByteOrder::LowFirst);
}

void icRxFreSol(const CodeplugImage& image, ChannelTable& table, int channel) {
  checkChannel(channel);
  const std::size_t address = recordAddress(channel) + kRxOffset;
  const auto rx = decodeFrequency(image, address);
  table.value(channel, col::kRx) = rx.value_or(kUndecodableRx);
  if (!rx) reportUndecodable("modChMem->IcRxFreSol", address);
}

// A TX frequency with a non-decimal digit counts as absent, so that no value
// of an earlier image or channel can stand in for it.
void icTxFreSol(const CodeplugImage& image, ChannelTable& table, int channel) {
  checkChannel(channel);
  const std::size_t address = recordAddress(channel) + kTxOffset;
  if (!frequencyPresent(image, address)) {
    table.value(channel, col::kTx) = kNoFrequency;
    return;
  }
  const auto tx = decodeFrequency(image, address);
  table.value(channel, col::kTx) = tx.value_or(kNoFrequency);
  if (!tx) reportUndecodable("modChMem->IcTxFreSol", address);
}

void icChParaSol(const CodeplugImage& image, ChannelTable& table, int channel) {
  checkChannel(channel);
  const std::size_t base = recordAddress(channel);
  for (const OptionField& f : kOptionFields) {
    const std::uint16_t code = readField(image, base, f);
    const auto end = f.codes.begin() + f.codeCount;
    const auto found = std::find(f.codes.begin(), end, code);
    table.value(channel, f.column) =
        found == end ? 0 : static_cast<std::int32_t>(found - f.codes.begin());
  }
  const bool set = image.word(map::kChannelBitmap) & kBitValue[channel - 1];
  table.value(channel, col::kBitmapOption) = set ? 1 : 0;
}

void ciRxFreSol(CodeplugImage& image, const ChannelTable& table, int channel) {
  try {
    checkChannel(channel);
    encodeFrequency(image, recordAddress(channel) + kRxOffset, table.value(channel, col::kRx));
  } catch (...) {
    // A frequency the record cannot hold leaves the bytes as they are.
  }
}

void ciTxFreSol(CodeplugImage& image, const ChannelTable& table, int channel) {
  guard("modChMem->CiTxFreSol", [&] {
    checkChannel(channel);
    encodeFrequency(image, recordAddress(channel) + kTxOffset, table.value(channel, col::kTx));
  });
}

void ciChParaSol(CodeplugImage& image, ChannelTable& table, int channel) {
  try {
    checkChannel(channel);
    const std::size_t base = recordAddress(channel);
    for (const OptionField& f : kOptionFields) {
      std::int32_t& value = table.value(channel, f.column);
      const int position = storedPosition(f, value);
      if (f.clampInTable) value = position;
      const std::uint16_t code = f.codes[position];
      image.setBits(base + f.low.offset, f.low.mask, static_cast<std::uint8_t>(code & 0xFF));
      if (f.high.mask)
        image.setBits(base + f.high.offset, f.high.mask, static_cast<std::uint8_t>(code >> 8));
    }
    std::uint16_t bitmap = image.word(map::kChannelBitmap);
    bitmap = table.value(channel, col::kBitmapOption) == 1 ? bitmap | kBitValue[channel - 1]
                                                           : bitmap & kBitClear[channel - 1];
    image.setWord(map::kChannelBitmap, bitmap);
  } catch (...) {
    // The option bits of a channel the table cannot describe stay as they are.
  }
}

}  // namespace q7
