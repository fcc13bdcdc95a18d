// The read of the radio: the read step table collected into a copy of the
// image, which replaces the image only when every step succeeded.
#include "comm/comm_caption_rows.h"
#include "comm/radio_transfer.h"

namespace q7 {

TransferOutcome RadioTransfer::readSequence(CodeplugImage& image, int port,
                                            const TransferRanges& ranges) {
  prepare(image, ranges);
  if (!openCom(port)) return TransferOutcome::PortNotOpened;
  observer_->setStatus(captions_(row::kReadingNow));
  CodeplugImage collected = image;
  const bool succeeded = runTable(StepTable::Read, collected, row::kReadingNow);
  closeCom();
  clock_.delayNms(5);
  if (!succeeded) {
    observer_->setStatus(captions_(row::kReadFailed));
    return TransferOutcome::Failed;
  }
  image = std::move(collected);
  if (hooks_.showImage) hooks_.showImage();
  observer_->setStatus(captions_(row::kReadSuccessful));
  observer_->setProgress(100);
  if (hooks_.refreshMemoryView) hooks_.refreshMemoryView();
  return TransferOutcome::Succeeded;
}

}  // namespace q7
