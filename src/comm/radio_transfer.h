#pragma once
// Reading and writing the radio: the step tables run with the retry policy
// (a failed step restarts the whole table, at most 20 attempts), the direct
// exchanges and the closing frame of a write, the texts the user sees, and a
// stop request that ends every wait at once.
#include <string>

#include "comm/direct_exchanges.h"
#include "comm/protocol_script.h"
#include "comm/serial_link.h"
#include "comm/traffic_log.h"
#include "comm/transfer_hooks.h"
#include "foundation/caption_table.h"
#include "foundation/codeplug_image.h"
#include "foundation/prompts.h"

namespace q7 {

class RadioTransfer {
 public:
  static constexpr int kMaxAttempts = 20;

  RadioTransfer(SerialLink& link, WaitClock& clock, const CaptionTable& captions, Prompts& prompts);

  void setObserver(TransferObserver* observer) { observer_ = observer ? observer : &silent_; }
  void setHooks(TransferHooks hooks) { hooks_ = std::move(hooks); }
  const TransferHooks& hooks() const { return hooks_; }
  TrafficLog& log() { return log_; }
  ProtocolScript& protocol() { return protocol_; }

  // Reads the read range into `image`. The image takes the radio's bytes only
  // when the whole read succeeded; a failed or stopped read leaves it as it was.
  TransferOutcome read(CodeplugImage& image, int port, const TransferRanges& ranges);
  // Writes the write range of `image` (after the pre-write adjustments) into
  // the radio, then the direct exchanges and the closing frame.
  TransferOutcome write(CodeplugImage& image, int port, const TransferRanges& ranges);

  // The stop box: every wait ends at once from now on. A transfer never
  // clears it: a stop request holds until `withdrawStop`.
  void requestStop() { protocol_.stopFlag() = true; }
  // The stop box unchecked again before the transfer gave up: it runs on.
  void withdrawStop() { protocol_.stopFlag() = false; }
  bool stopRequested() const;
  int attempts() const { return attempts_; }
  // The port of the last open that failed because its device is not present
  // (such a failure is the user's to hear of, not the error list's); empty otherwise.
  const std::string& absentDevice() const { return absentDevice_; }
  // The last percentage the running or last transfer showed; -1 before its first step.
  int reached() const { return reached_; }
  // Whether the last write sent the radio a frame that stores bytes.
  bool radioChanged() const { return protocol_.storedInRadio(); }

 private:
  enum class Verdict { Retry, GiveUp };
  using Sequence = TransferOutcome (RadioTransfer::*)(CodeplugImage&, int, const TransferRanges&);

  // Runs a sequence; a run-time failure is reported, closes the port and
  // counts as a failed transfer.
  TransferOutcome guarded(const char* location, Sequence body, CodeplugImage& image, int port,
                          const TransferRanges& ranges);
  TransferOutcome readSequence(CodeplugImage& image, int port, const TransferRanges& ranges);
  TransferOutcome writeSequence(CodeplugImage& image, int port, const TransferRanges& ranges);

  void prepare(const CodeplugImage& image, const TransferRanges& ranges);
  bool openCom(int port);
  void closeCom();
  bool runTable(StepTable table, CodeplugImage& image, int statusCaption);
  bool runAttempt(StepTable table, CodeplugImage& image);
  Verdict afterFailedAttempt(int statusCaption);
  void showPercent(int percent);
  void warnCommunicationFailed();

  bool runDirectExchanges(const CodeplugImage& image);
  const Bytes* runExchange(const DirectExchange& exchange);
  bool tryExchange(const DirectExchange& exchange);
  void pause(int ms);
  void sendClosingFrames();

  SerialLink& link_;
  WaitClock& clock_;
  const CaptionTable& captions_;
  Prompts& prompts_;
  TransferObserver silent_;
  TransferObserver* observer_ = &silent_;
  TransferHooks hooks_;
  TrafficLog log_;
  ProtocolScript protocol_;
  int attempts_ = 0;
  int reached_ = -1;
  std::string absentDevice_;
  Bytes reply_;
};

// Image adjustments made before every write: bit 0 of 0x367 set, and in the
// key pairs 0x360/0x361 and 0x362/0x363 a 0 beside a 14 becomes 14.
void adjustImageForWrite(CodeplugImage& image);

}  // namespace q7
