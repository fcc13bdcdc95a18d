#pragma once
// The windows of the pages DTMF (fraSysSet6, with its frames for encoding,
// decoding, stun and the auto-dial list) and Embedded Msg (fraSysSet8), and
// the two-tone frame fraSysSet7 with its two grids, bound to the model.
#include <functional>

#include "settings/ui/control_binder.h"

class QWidget;

namespace q7 {

struct SignallingPageFrames {
  QWidget* dtmf;         // fraSysSet6
  QWidget* twoTone;      // fraSysSet7, inside the model information frame
  QWidget* embeddedMsg;  // fraSysSet8
};

struct SignallingActions {
  std::function<void()> openPttIdPauseDialog;  // cmdPttIdPauseChSet
  std::function<void()> importSerialNumbers;   // cmdImportSeq (see importSeq)
};

// Fills the frames (which must have no layout yet).
void buildSignallingPages(ControlBinder& binder, const SignallingPageFrames& frames,
                          SignallingActions actions);

}  // namespace q7
