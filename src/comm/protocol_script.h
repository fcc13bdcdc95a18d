#pragma once
// The protocol interpreter of the radio link. A script is a string of
// two-character tokens: "TX" starts an exchange whose following tokens are the
// bytes to send ("VA" = next byte of the variable buffer), "RX" starts the
// expected reply (hex = exact byte, "VA" = any byte, kept in the variable
// buffer), "EN" ends the script; "RF"/"WF" and three operands are reserved.
// The interpreter also keeps the read and write step tables, rebuilt whenever
// the command pair changes, including when a radio declares its own pair.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "comm/serial_link.h"
#include "comm/step_table.h"
#include "comm/traffic_log.h"

namespace q7 {

// Receive polls allowed for attempt `attempt`, staggered so that retries do
// not run in lock-step: 150/160/170 for the first attempts, then 250..340,
// then 350..390.
int pollLimit(int attempt);
// One receive poll lasts the receive delay plus its 2 ms margin plus a 1 ms
// sleep: at least 4 ms with the usual delay of 1 ms.
Millis receivePoll(int receiveDelay);

// Cuts a script into its two-character tokens. Throws Failure for a script of
// more than 200 tokens.
std::vector<std::string> convComCode(const std::string& script);

enum class StepTable { Read, Write };

// What the tables are built from: the two ranges and write step 1's bytes.
struct TableSource {
  AddressRange read;
  AddressRange write;
  WriteStepOneBytes writeStepOne{};
};

class ProtocolScript {
 public:
  static constexpr int kMaxTokens = 200;
  static constexpr int kBufferSize = 100;
  // Text logged for a time-out or a wrong reply (caption 175 of the language).
  ProtocolScript(SerialLink& link, WaitClock& clock, TrafficLog& log, std::string failureLine);

  // Command-pair selector: remembers the pair and rebuilds both tables.
  void selectCommandPair(CommandPair pair);
  // `InitProtocol` with the pair as two-hex-digit texts ("52", "57").
  void initProtocol(const std::string& readCommand, const std::string& writeCommand);
  void setSource(const TableSource& source) { source_ = source; }
  CommandPair pair() const { return pair_; }
  const std::vector<ProtocolStep>& steps(StepTable table) const;

  // Runs step `number` (1-based) of a table: `ConvComCode` then `ProtocolCom`.
  // Returns false when the exchange failed.
  bool runStep(StepTable table, int number);
  // Runs any script as if it were step `stepNumber` of its table.
  bool runScript(const std::string& script, int stepNumber = 0);

  // The variable buffer, 1-based as scripts count it (index 0 unused).
  std::array<std::uint8_t, kBufferSize + 1>& variables() { return variables_; }
  void loadVariables(std::span<const std::uint8_t> bytes);

  // Whether a frame that stores bytes in the radio went out since the last
  // `forgetStored` (the radio then no longer holds what it held before).
  bool storedInRadio() const { return storedInRadio_; }
  void forgetStored() { storedInRadio_ = false; }
  // Every frame sent outside the scripts is noted here too.
  void noteSent(std::span<const std::uint8_t> frame);

  bool failed() const { return failed_; }
  bool slowMode() const { return slowMode_; }
  void setAttempt(int attempt) { attempt_ = attempt; }
  int attempt() const { return attempt_; }
  void setReceiveDelay(int ms) { receiveDelay_ = ms; }
  StopFlag& stopFlag() { return stop_; }
  const StopFlag& stopFlag() const { return stop_; }

 private:
  void protocolCom();
  void exchange(std::size_t& index);
  void rxComDat(const std::vector<std::string>& expected);
  void checkDeclaredPair();
  void failExchange();
  std::uint8_t& variableAt(int index);

  SerialLink& link_;
  WaitClock& clock_;
  TrafficLog& log_;
  std::string failureLine_;
  CommandPair pair_;
  TableSource source_;
  std::vector<ProtocolStep> readSteps_;
  std::vector<ProtocolStep> writeSteps_;
  std::vector<std::string> tokens_;
  std::array<std::uint8_t, kBufferSize + 1> variables_{};
  int variableIndex_ = 1;
  int stepNumber_ = 0;
  bool failed_ = false;
  bool storedInRadio_ = false;
  bool slowMode_ = false;
  int attempt_ = 0;
  int receiveDelay_ = 1;
  StopFlag stop_{false};
};

}  // namespace q7
