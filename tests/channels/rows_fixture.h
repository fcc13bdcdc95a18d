#pragma once
// A channel grid whose channels each carry something of their own in every
// part of the slot: RX and TX frequency, both tones, option items, the
// channel bitmap bit, the PTT ID pause bit and the bits no grid column owns.
#include <map>

#include "channels/channel_entry.h"
#include "channels/channel_grid.h"
#include "channels/channel_slot.h"
#include "channels/grid_fixture.h"

namespace q7::test {

class RowsFixture : public GridFixture {
 protected:
  // Each empty channel of the template carries its number in byte 14 and the
  // template's bitmap sets the odd channels' bits, so a slot emptied from the
  // template shows which channel of the template it came from.
  RowsFixture() {
    for (int n = 1; n <= kChannelSlots; ++n)
      state.templateImage[recordAddress(n) + kFileHeaderSize + 14] = static_cast<std::uint8_t>(n);
    state.templateImage[map::kChannelBitmap + kFileHeaderSize] = 0x55;
    state.templateImage[map::kChannelBitmap + kFileHeaderSize + 1] = 0x55;
  }

  static constexpr std::uint8_t kPttIdPause = 0x40;  // byte 13 bit 6

  // Channel n at `rx` (10 Hz) with TX 5 MHz above (none above 465 MHz),
  // tones, power and the scan bitmap alternating, and n in the bits of byte
  // 15 no column owns.
  void makeChannel(int n, std::int32_t rx) {
    ChannelEntry entry;
    entry.rx = rx;
    entry.tx = rx <= 46500000 ? rx + 500000 : kNoFrequency;
    entry.rxTone = n % 2 ? "88.5" : "D023N";
    entry.txTone = n % 3 ? "100.0" : "D754I";
    entry.options[6] = n % 2;                   // TX Power
    entry.options[col::kBitmapOption] = n % 2;  // Scan Add: the bitmap bit
    entry.options[12] = n % 8;                  // Scrambler
    enterChannel(grid, n, entry);
    grid.chInfoToIicDat();
    const std::size_t base = recordAddress(n);
    state.image[base + 15] = static_cast<std::uint8_t>((state.image[base + 15] & 0x07) | n << 3);
    state.image.setBits(base + 13, kPttIdPause, n % 2 ? 0 : kPttIdPause);
    grid.showChTblGrid();
  }

  // Channels by number and RX; the image then holds them as Save stores them.
  void makeChannels(const std::map<int, std::int32_t>& channels) {
    for (const auto& [n, rx] : channels) makeChannel(n, rx);
    grid.chInfoToIicDat();
  }

  std::vector<ChannelSlot> channelSlots() const {
    std::vector<ChannelSlot> all;
    for (int n = 1; n <= kChannelSlots; ++n) all.push_back(takeSlot(state.image, n));
    return all;
  }

  // Checks that channel i + 1 holds what channel order[i] held in `before`
  // (0: the template's empty channel); channels after the order hold what
  // they held.
  void expectOrder(const std::vector<ChannelSlot>& before, const std::vector<int>& order) {
    for (int n = 1; n <= kChannelSlots; ++n) {
      const std::size_t i = static_cast<std::size_t>(n - 1);
      const int from = i < order.size() ? order[i] : n;
      const ChannelSlot expected = from == 0 ? templateSlot(state.templateImage, n)
                                             : before[static_cast<std::size_t>(from - 1)];
      EXPECT_EQ(takeSlot(state.image, n), expected) << "channel " << n << " from " << from;
    }
  }
};

// 440.00000 MHz + n x 12.5 kHz.
inline std::int32_t rxOf(int n) {
  return 44000000 + n * 1250;
}

inline std::map<int, std::int32_t> firstChannels(int count) {
  std::map<int, std::int32_t> channels;
  for (int n = 1; n <= count; ++n) channels[n] = rxOf(n);
  return channels;
}

}  // namespace q7::test
