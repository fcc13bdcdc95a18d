#include "channels/channel_slot.h"

#include "foundation/error_report.h"

namespace q7 {
namespace {

void checkChannel(int channel) {
  if (channel < 1 || channel > kChannelSlots) throw Failure(err::kIndexRange, "channel number");
}

// Channel n's bit: bit n - 1 of the word at 0x17E (low byte) and 0x17F.
std::size_t bitmapByte(int channel) {
  return map::kChannelBitmap + static_cast<std::size_t>(channel - 1) / 8;
}

std::uint8_t bitmapMask(int channel) {
  return static_cast<std::uint8_t>(1u << ((channel - 1) % 8));
}

ChannelSlot slotAt(const CodeplugImage& image, int channel, std::size_t shift) {
  checkChannel(channel);
  ChannelSlot slot;
  const std::size_t first = recordAddress(channel) + shift;
  for (std::size_t i = 0; i < kRecordSize; ++i) slot.record[i] = image[first + i];
  slot.bitmapBit = image.bits(bitmapByte(channel) + shift, bitmapMask(channel)) != 0;
  return slot;
}

}  // namespace

ChannelSlot takeSlot(const CodeplugImage& image, int channel) {
  return slotAt(image, channel, 0);
}

ChannelSlot templateSlot(const CodeplugImage& templateImage, int channel) {
  return slotAt(templateImage, channel, kFileHeaderSize);
}

void putSlot(CodeplugImage& image, int channel, const ChannelSlot& slot) {
  checkChannel(channel);
  const std::size_t first = recordAddress(channel);
  for (std::size_t i = 0; i < kRecordSize; ++i) image[first + i] = slot.record[i];
  const std::uint8_t mask = bitmapMask(channel);
  image.setBits(bitmapByte(channel), mask, slot.bitmapBit ? mask : 0);
}

void reorderSlots(CodeplugImage& image, const CodeplugImage& templateImage,
                  const std::vector<int>& order) {
  std::vector<ChannelSlot> moved;
  moved.reserve(order.size());
  for (std::size_t i = 0; i < order.size(); ++i) {
    const int target = static_cast<int>(i) + 1;
    moved.push_back(order[i] == 0 ? templateSlot(templateImage, target)
                                  : takeSlot(image, order[i]));
  }
  for (std::size_t i = 0; i < moved.size(); ++i) putSlot(image, static_cast<int>(i) + 1, moved[i]);
}

std::vector<int> changedSlots(const CodeplugImage& before, const CodeplugImage& after, int last) {
  std::vector<int> changed;
  for (int n = 1; n <= last; ++n)
    if (takeSlot(before, n) != takeSlot(after, n)) changed.push_back(n);
  return changed;
}

}  // namespace q7
