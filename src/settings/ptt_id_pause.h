#pragma once
// The PTT ID pause channel dialog (frmPttIdPauseChSet): one check box per
// channel bound to bit 6 of byte 13 of the channel's record, and the option
// buttons "All" and "None". Setting the boxes from the image runs under a busy
// flag, so the box handlers the view fires meanwhile do not write half-set
// boxes back into the channel records.
#include <array>
#include <cstddef>
#include <functional>

#include "foundation/codeplug_image.h"

namespace q7 {

inline constexpr int kPttIdPauseChannels = 16;

// The flag of channel 1..16 in its record (0x1D + 16 * (channel - 1), bit 6).
bool pttIdPauseFlag(const CodeplugImage& image, int channel);
void setPttIdPauseFlag(CodeplugImage& image, int channel, bool on);

class PttIdPauseChannels {
 public:
  explicit PttIdPauseChannels(CodeplugImage& image) : image_(image) {}

  // Called after every change of the boxes or option buttons, also while
  // busy, so that the view can show them.
  void setListener(std::function<void()> listener) { listener_ = std::move(listener); }

  // PttIdPauseChSet: each box from its channel's flag, and "All" or "None"
  // chosen when every flag is set or none is, whatever was chosen last time.
  void pttIdPauseChSet();
  // chkPttIdPauseChSet_Click(index 0..15) with the box's new value.
  void channelBoxClicked(int index, bool checked);
  // chkSelectAll / chkSelectNone clicked, also when already chosen.
  void chooseAll() { setAll(true); }
  void chooseNone() { setAll(false); }

  bool box(int index) const { return boxes_.at(static_cast<std::size_t>(index)); }
  bool selectAll() const { return selectAll_; }
  bool selectNone() const { return selectNone_; }
  bool busy() const { return busy_; }

 private:
  void setAll(bool checked);
  void notify();

  CodeplugImage& image_;
  std::function<void()> listener_;
  std::array<bool, kPttIdPauseChannels> boxes_{};
  bool selectAll_ = false;
  bool selectNone_ = false;
  bool busy_ = false;
};

}  // namespace q7
