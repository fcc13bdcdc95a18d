#pragma once
// The ten steps of the radio's volume control (the volume dialog frmSetVolume):
// codes of steps 0..10 at 0x1A0..0x1AA, and at 0x1AB the marker that tells the
// radio to use this table instead of its built-in one. The dialog shows each
// step as a position of the volume sequence table and writes every choice
// straight into the image; there is no cancel.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "foundation/caption_table.h"
#include "foundation/codeplug_image.h"
#include "foundation/memory_map.h"
#include "settings/validity_marker.h"

namespace q7 {

inline constexpr int kVolumeSteps = 10;

// Factory codes of steps 0..10 written by the Default button.
inline constexpr std::array<std::uint8_t, kVolumeSteps + 1> kFactoryVolumeCodes = {
    0, 69, 148, 120, 227, 79, 185, 156, 173, 175, 253};

class VolumeSteps {
 public:
  explicit VolumeSteps(CodeplugImage& image) : image_(image) {}

  // List positions of steps 1..10 (element 0 is step 1): for each step the
  // lowest position holding its code; a code with no position repeats the
  // previous step's position (0 for step 1).
  std::array<int, kVolumeSteps> seqVolumeDatToSeq() const;
  // "Use This Set": the marker holds 0x5A.
  bool useThisSet() const { return image_[map::kVolumeTableMarker] == kBlockInUse; }

  // cboVolumeDat_Click(step): stores the code of the chosen position.
  void chooseVolume(int step, int position);
  // chkVolumeIic_Click.
  void setUseThisSet(bool checked);
  // cmdDefault_Click: factory codes into steps 0..10 and the marker set.
  void restoreDefault();

 private:
  CodeplugImage& image_;
};

// Caption of step label i (1..10): "Volume  1 Level" .. "Volume 10 Level", so
// that the numbers line up.
std::string volumeStepLabel(const CaptionTable& captions, int step);

}  // namespace q7
