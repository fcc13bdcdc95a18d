// The write of the radio: pre-write adjustments, the write step table, the
// direct exchanges chosen by the radio's class and version, and the closing
// frame.
#include "comm/radio_transfer.h"

#include "comm/comm_caption_rows.h"
#include "foundation/error_report.h"

namespace q7 {
namespace {

constexpr int kClosingRepeats = 6;
const Bytes kClosingFrame = {0x45, 0x5A, 0xA5, 0x32, 0x23, 0x45, 0xF2};

}  // namespace

TransferOutcome RadioTransfer::writeSequence(CodeplugImage& image, int port,
                                             const TransferRanges& ranges) {
  prepare(image, ranges);
  if (!openCom(port)) return TransferOutcome::PortNotOpened;
  if (hooks_.storeChannels) hooks_.storeChannels();
  if (hooks_.commitKeyLists) hooks_.commitKeyLists();
  adjustImageForWrite(image);
  if (hooks_.refreshMemoryView) hooks_.refreshMemoryView();
  log_.note("写入:频率");
  observer_->setStatus(captions_(row::kWriteStatus));
  const bool succeeded = runTable(StepTable::Write, image, row::kWriteStatus) && !stopRequested() &&
                         runDirectExchanges(image);
  if (succeeded) sendClosingFrames();
  closeCom();
  return succeeded ? TransferOutcome::Succeeded : TransferOutcome::Failed;
}

bool RadioTransfer::runDirectExchanges(const CodeplugImage& image) {
  const CommandPair pair = protocol_.pair();
  const BandLimits band = hooks_.bandLimits ? hooks_.bandLimits() : kRepairBand;
  if (!runExchange(modelAndBandExchange(image, pair, band))) return false;
  const Bytes* reply = runExchange(parameterReadExchange(pair));
  if (!reply) return false;
  const Bytes parameters(reply->begin() + 4, reply->begin() + kParameterReplyLength);
  for (const DirectExchange& exchange : parameterExchanges(parameters, image, pair))
    if (!runExchange(exchange)) return false;
  return true;
}

// Up to 16 tries; the accepted reply, or null (after the warning) when all failed.
const Bytes* RadioTransfer::runExchange(const DirectExchange& exchange) {
  if (!exchange.pauseEachTry) pause(exchange.pauseMs);
  if (!exchange.logEachTry) log_.note(exchange.logLine);
  for (int tries = 0; tries < kDirectTries; ++tries) {
    if (exchange.pauseEachTry) pause(exchange.pauseMs);
    if (exchange.logEachTry) log_.note(exchange.logLine);
    if (tryExchange(exchange)) return &reply_;
  }
  warnCommunicationFailed();
  return nullptr;
}

bool RadioTransfer::tryExchange(const DirectExchange& exchange) {
  log_.frame(Direction::Sent, exchange.frame);
  link_.clearOutput();
  // The receive buffer is cleared before sending, so that a quick reply is not thrown away.
  link_.clearInput();
  link_.send(exchange.frame);
  protocol_.noteSent(exchange.frame);
  const int polls = pollLimit(attempts_) + kDirectExtraPolls;
  const TimePoint deadline = clock_.now() + polls * Millis(exchange.pollMs);
  if (!link_.waitForInput(exchange.replyLength, deadline, protocol_.stopFlag())) {
    log_.note(exchange.timeoutLine);
    return false;
  }
  reply_ = link_.readAll();
  log_.frame(Direction::Received, reply_);
  return reply_.size() >= exchange.replyLength && reply_[0] == exchange.replyFirst;
}

void RadioTransfer::pause(int ms) {
  clock_.sleep(Millis(ms));
  clock_.delayNms(ms);
}

// The radio is not asked to answer the closing frame; it is repeated so that
// one lost copy does not leave the radio in programming mode.
void RadioTransfer::sendClosingFrames() {
  for (int i = 0; i < kClosingRepeats; ++i) {
    clock_.delayNms(2);
    clock_.sleep(Millis(5));
    log_.frame(Direction::Sent, kClosingFrame);
    link_.send(kClosingFrame);
  }
  clock_.sleep(Millis(1));
  link_.waitForSent(clock_.now() + Millis(1000));
}

}  // namespace q7
