#pragma once
// What the channel window's display refresh asks of the option pages, which
// fill the window's tab frames: refresh every page from the image, repair the
// radio identifier at 0x1B8 and check the VOX calibration. Hooks left empty
// are skipped.
#include <functional>

namespace q7 {

struct OptionPagesHooks {
  std::function<void()> initOpt;
  std::function<void()> repairIdentifier;
  std::function<void()> checkVoxCalibration;
};

}  // namespace q7
