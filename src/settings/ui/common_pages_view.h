#pragma once
// The windows of the pages Common Set, Key Assign, Vox, Scan and Battery and
// of the setting controls in the model information frame, bound to the model.
#include <functional>

#include "settings/ui/control_binder.h"

class QWidget;

namespace q7 {

struct CommonPageFrames {
  QWidget* commonSet;  // fraSysSet1
  QWidget* keyAssign;  // fraSysSet2
  QWidget* vox;        // fraSysSet3
  QWidget* scan;       // fraSysSet4
  QWidget* battery;    // fraSysSet5
  QWidget* modelInfo;  // fraModelInfo (has a grid layout; the controls go below its rows)
};

// Fills the frames; `openVolumeDialog` runs for the button ">>" of the two-way volume level.
void buildCommonPages(ControlBinder& binder, const CommonPageFrames& frames,
                      std::function<void()> openVolumeDialog);

}  // namespace q7
