// The read of the radio: the read step table collected into a copy of the
// image, which replaces the image only when every step succeeded.
#include "comm/radio_transfer.h"

namespace q7 {
namespace {

constexpr int kReadingNow = 164;
constexpr int kReadSuccessful = 165;
constexpr int kReadFailed = 166;

}  // namespace

TransferOutcome RadioTransfer::readSequence(CodeplugImage& image, int port,
                                            const TransferRanges& ranges) {
  prepare(image, ranges);
  if (!openCom(port)) return TransferOutcome::PortNotOpened;
  observer_->setStatus(captions_(kReadingNow));
  CodeplugImage collected = image;
  const bool succeeded = runTable(StepTable::Read, collected, kReadingNow);
  closeCom();
  clock_.delayNms(5);
  if (!succeeded) {
    observer_->setStatus(captions_(kReadFailed));
    return TransferOutcome::Failed;
  }
  image = std::move(collected);
  if (hooks_.showImage) hooks_.showImage();
  observer_->setStatus(captions_(kReadSuccessful));
  observer_->setProgress(100);
  if (hooks_.refreshMemoryView) hooks_.refreshMemoryView();
  return TransferOutcome::Succeeded;
}

}  // namespace q7
