#pragma once
// What a read or write needs from around it: where to show progress and
// status, and the work of other parts of the program that must happen at
// fixed moments (encode the channels before a write, show the image after a
// read, ...). Hooks left empty do nothing.
#include <functional>
#include <string>

#include "channels/model_band.h"
#include "comm/step_table.h"

namespace q7 {

struct TransferRanges {
  AddressRange read;
  AddressRange write;
};

struct TransferHooks {
  // Encode every channel of the channel table into the image (before a write).
  std::function<void()> storeChannels;
  // Store the four key-assignment lists into the image (before a write).
  std::function<void()> commitKeyLists;
  // After a successful read: redisplay channels, model, band and options.
  std::function<void()> showImage;
  // The memory view, when the user asked for it, after a read and before a write.
  std::function<void()> refreshMemoryView;
  // The selected band; the write sends it to the radio.
  std::function<BandLimits()> bandLimits;
};

class TransferObserver {
 public:
  virtual ~TransferObserver() = default;
  virtual void setProgress(int percent) { (void)percent; }
  virtual void setStatus(const std::string& text) { (void)text; }
  // From the sixth failed attempt on the user may stop the transfer.
  virtual void showStopBox() {}
};

enum class TransferOutcome { PortNotOpened, Failed, Succeeded };

}  // namespace q7
