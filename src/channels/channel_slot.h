#pragma once
// A channel as it moves between slots: its whole 16-byte record (frequencies,
// tones and every option bit, also the bits other editors own, such as the PTT
// ID pause flag) and its bit of the channel bitmap at 0x17E/0x17F.
#include <array>
#include <cstdint>
#include <vector>

#include "channels/channel_record.h"

namespace q7 {

struct ChannelSlot {
  std::array<std::uint8_t, kRecordSize> record{};
  bool bitmapBit = false;
  bool operator==(const ChannelSlot&) const = default;
};

// Channel n (1..16) of the image; throws Failure outside.
ChannelSlot takeSlot(const CodeplugImage& image, int channel);
// Puts a slot into channel n: its record bytes and its bitmap bit.
void putSlot(CodeplugImage& image, int channel, const ChannelSlot& slot);
// The empty channel n of the template (in data file layout): the template's
// record and bitmap bit of that channel.
ChannelSlot templateSlot(const CodeplugImage& templateImage, int channel);

// Channels 1, 2, ... order.size() take the slots channels order[0],
// order[1], ... held before; 0 takes the template's empty channel instead.
// The channels after them stay.
void reorderSlots(CodeplugImage& image, const CodeplugImage& templateImage,
                  const std::vector<int>& order);
// The channels 1..last whose slot differs between two images, ascending.
std::vector<int> changedSlots(const CodeplugImage& before, const CodeplugImage& after, int last);

}  // namespace q7
