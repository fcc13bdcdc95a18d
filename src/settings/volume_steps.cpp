#include "settings/volume_steps.h"

#include <algorithm>

#include "foundation/error_report.h"
#include "settings/settings_caption_rows.h"
#include "settings/volume_table.h"

namespace q7 {

namespace {

std::size_t stepAddress(int step) {
  if (step < 1 || step > kVolumeSteps) throw Failure(err::kIndexRange, "frmSetVolume");
  return map::kVolumeSteps + static_cast<std::size_t>(step);
}

}  // namespace

std::array<int, kVolumeSteps> VolumeSteps::seqVolumeDatToSeq() const {
  const VolumeSequence& table = getVoiceSeq();
  std::array<int, kVolumeSteps> positions{};
  int previous = 0;
  for (int step = 1; step <= kVolumeSteps; ++step) {
    const auto found = std::find(table.begin(), table.end(), image_[stepAddress(step)]);
    if (found != table.end()) previous = static_cast<int>(found - table.begin());
    positions[static_cast<std::size_t>(step - 1)] = previous;
  }
  return positions;
}

void VolumeSteps::chooseVolume(int step, int position) {
  image_[stepAddress(step)] = volumeCode(position);
}

void VolumeSteps::setUseThisSet(bool checked) {
  image_[map::kVolumeTableMarker] = checked ? kBlockInUse : kBlockUnused;
}

void VolumeSteps::restoreDefault() {
  std::copy(kFactoryVolumeCodes.begin(), kFactoryVolumeCodes.end(),
            image_.bytes().begin() + map::kVolumeSteps);
  setUseThisSet(true);
}

std::string volumeStepLabel(const CaptionTable& captions, int step) {
  const std::string gap = step < 10 ? "  " : " ";
  return captions(row::kVolumeStep) + gap + std::to_string(step) + " " +
         captions(row::kVolumeLevel);
}

}  // namespace q7
