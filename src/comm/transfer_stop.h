#pragma once
// Where a read or a write stopped, and what the radio holds after it, in the
// interface's language: the words q7cli and the communication window share.
// Once a frame that stores bytes has gone out to the radio, a write that does
// not end well leaves a radio that is only partly written.
#include <string>

#include "foundation/caption_table.h"

namespace q7 {

struct TransferStop {
  enum class Stage { Read, BackupRead, Write, ReadBack };
  Stage stage = Stage::Read;
  int reached = -1;           // the last percentage shown in that stage
  bool radioChanged = false;  // the write sent the radio bytes to store
};

// "at 73% of the write", "in the exchanges after the blocks of the write", ...
std::string whereItStopped(const CaptionTable& captions, const TransferStop& stop);
// What the radio holds: "nothing was written", "the radio is only partly
// written; write it again", "the radio is written but not verified"; empty
// after a read.
std::string whatTheRadioHolds(const CaptionTable& captions, const TransferStop& stop);
// Both, joined by "; ".
std::string stopReport(const CaptionTable& captions, const TransferStop& stop);

}  // namespace q7
