#include "settings/ptt_id_pause.h"

#include <algorithm>

#include "foundation/app_state.h"
#include "foundation/error_report.h"
#include "settings/flag_scope.h"

namespace q7 {

namespace {

constexpr std::size_t kFirstFlagByte = 0x1D;  // byte 13 of channel 1's record
constexpr std::size_t kRecordSize = 16;
constexpr int kFlagBit = 6;

std::size_t flagAddress(int channel) {
  if (channel < 1 || channel > kPttIdPauseChannels) {
    throw Failure(err::kIndexRange, "frmPttIdPauseChSet");
  }
  return kFirstFlagByte + kRecordSize * static_cast<std::size_t>(channel - 1);
}

}  // namespace

bool pttIdPauseFlag(const CodeplugImage& image, int channel) {
  return (image[flagAddress(channel)] & kBitValue[kFlagBit]) != 0;
}

void setPttIdPauseFlag(CodeplugImage& image, int channel, bool on) {
  std::uint8_t& flags = image[flagAddress(channel)];
  flags =
      static_cast<std::uint8_t>(on ? (flags | kBitValue[kFlagBit]) : (flags & kBitClear[kFlagBit]));
}

void PttIdPauseChannels::pttIdPauseChSet() {
  const FlagScope busy(busy_);
  for (int i = 0; i < kPttIdPauseChannels; ++i) {
    boxes_[static_cast<std::size_t>(i)] = pttIdPauseFlag(image_, i + 1);
  }
  selectAll_ = std::ranges::all_of(boxes_, [](bool b) { return b; });
  selectNone_ = std::ranges::none_of(boxes_, [](bool b) { return b; });
  notify();
}

void PttIdPauseChannels::channelBoxClicked(int index, bool checked) {
  if (busy_) return;
  boxes_.at(static_cast<std::size_t>(index)) = checked;
  for (int i = 0; i < kPttIdPauseChannels; ++i) {
    setPttIdPauseFlag(image_, i + 1, boxes_[static_cast<std::size_t>(i)]);
  }
  if (std::ranges::any_of(boxes_, [](bool b) { return b; })) selectNone_ = false;
  if (std::ranges::any_of(boxes_, [](bool b) { return !b; })) selectAll_ = false;
  notify();
}

void PttIdPauseChannels::setAll(bool checked) {
  const FlagScope busy(busy_);
  selectAll_ = checked;
  selectNone_ = !checked;
  boxes_.fill(checked);
  for (int channel = 1; channel <= kPttIdPauseChannels; ++channel) {
    setPttIdPauseFlag(image_, channel, checked);
  }
  notify();
}

void PttIdPauseChannels::notify() {
  if (listener_) listener_();
}

}  // namespace q7
