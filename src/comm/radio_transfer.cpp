#include "comm/radio_transfer.h"

#include <algorithm>

#include "comm/comm_caption_rows.h"
#include "foundation/error_report.h"
#include "foundation/memory_map.h"
#include "foundation/shared_caption_rows.h"

namespace q7 {
namespace {

constexpr int kShowStopBoxAbove = 5;
constexpr int kShowAttemptAbove = 8;

WriteStepOneBytes writeStepOneBytes(const CodeplugImage& image) {
  WriteStepOneBytes bytes{};
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = image[map::kWriteStepOneBytes + i];
  return bytes;
}

}  // namespace

RadioTransfer::RadioTransfer(SerialLink& link, WaitClock& clock, const CaptionTable& captions,
                             Prompts& prompts)
    : link_(link),
      clock_(clock),
      captions_(captions),
      prompts_(prompts),
      protocol_(link, clock, log_, captions(row::kReceiveFailed)) {}

bool RadioTransfer::stopRequested() const {
  return protocol_.stopFlag().load();
}

void RadioTransfer::prepare(const CodeplugImage& image, const TransferRanges& ranges) {
  attempts_ = 0;
  protocol_.setAttempt(0);
  protocol_.setReceiveDelay(1);
  reached_ = -1;
  protocol_.forgetStored();
  log_.clear();
  protocol_.setSource({ranges.read, ranges.write, writeStepOneBytes(image)});
  protocol_.selectCommandPair(kStandardPair);
}

bool RadioTransfer::openCom(int port) {
  absentDevice_.clear();
  bool opened = false;
  guard("modCommun->OpenCom", [&] {
    try {
      link_.open(port);
      opened = true;
    } catch (const Failure& failure) {
      if (failure.number() != err::kDeviceUnavailable) throw;
      absentDevice_ = failure.source();
    }
  });
  return opened;
}

void RadioTransfer::closeCom() {
  guard("modCommun->CloseCom", [&] { link_.close(); });
}

TransferOutcome RadioTransfer::guarded(const char* location, Sequence body, CodeplugImage& image,
                                       int port, const TransferRanges& ranges) {
  TransferOutcome outcome = TransferOutcome::Failed;
  if (!guard(location, [&] { outcome = (this->*body)(image, port, ranges); })) closeCom();
  return outcome;
}

TransferOutcome RadioTransfer::read(CodeplugImage& image, int port, const TransferRanges& ranges) {
  return guarded("frmCommun->cmdRead_Click", &RadioTransfer::readSequence, image, port, ranges);
}

TransferOutcome RadioTransfer::write(CodeplugImage& image, int port, const TransferRanges& ranges) {
  return guarded("frmCommun->cmdWrite_Click", &RadioTransfer::writeSequence, image, port, ranges);
}

bool RadioTransfer::runTable(StepTable table, CodeplugImage& image, int statusCaption) {
  for (;;) {
    if (runAttempt(table, image)) return true;
    if (afterFailedAttempt(statusCaption) == Verdict::GiveUp) return false;
  }
}

bool RadioTransfer::runAttempt(StepTable table, CodeplugImage& image) {
  const auto steps = [&]() -> const std::vector<ProtocolStep>& { return protocol_.steps(table); };
  for (int number = 1; number <= static_cast<int>(steps().size()); ++number) {
    const ProtocolStep step = steps()[static_cast<std::size_t>(number) - 1];
    const auto bytes = image.bytes().subspan(static_cast<std::size_t>(step.start),
                                             static_cast<std::size_t>(step.count));
    if (table == StepTable::Write) protocol_.loadVariables(bytes);
    if (!protocol_.runStep(table, number)) return false;
    showPercent(step.percent);
    if (table == StepTable::Read)
      std::copy_n(protocol_.variables().begin() + 1, bytes.size(), bytes.begin());
  }
  return true;
}

RadioTransfer::Verdict RadioTransfer::afterFailedAttempt(int statusCaption) {
  protocol_.setAttempt(++attempts_);
  if (attempts_ > kShowStopBoxAbove) {
    observer_->showStopBox();
    if (stopRequested()) return Verdict::GiveUp;
  }
  if (attempts_ > kShowAttemptAbove)
    observer_->setStatus(captions_(statusCaption) + " " + std::to_string(attempts_));
  if (attempts_ < kMaxAttempts) return Verdict::Retry;
  warnCommunicationFailed();
  return Verdict::GiveUp;
}

void RadioTransfer::showPercent(int percent) {
  reached_ = percent;
  observer_->setProgress(percent);
  observer_->setStatus(std::to_string(percent) + " %");
}

void RadioTransfer::warnCommunicationFailed() {
  prompts_.tell(captions_(row::kNotice), captions_(row::kCommunicationFailed),
                PromptIcon::Exclamation);
}

void adjustImageForWrite(CodeplugImage& image) {
  image[map::kWriteFlagByte] |= map::kWriteFlagBit;
  for (std::size_t first : map::kSideKeyPairs) {
    std::uint8_t& a = image[first];
    std::uint8_t& b = image[first + 1];
    if (a == 14 && b == 0) b = 14;
    if (b == 14 && a == 0) a = 14;
  }
}

}  // namespace q7
