#include "comm/protocol_script.h"

#include "comm/hex_text.h"
#include "foundation/error_report.h"

namespace q7 {
namespace {

const std::string kEnd = "EN";

std::uint8_t tokenByte(const std::string& token, const char* location) {
  const auto value = parseByteToken(token);
  if (!value) throw Failure(err::kTypeMismatch, location);
  return *value;
}

bool endsReceivePart(const std::string& token) {
  return token == "TX" || token == "EN" || token == "RF" || token == "WF";
}

// Time allowed for the port to put a frame on the wire (9600 baud is about
// 1 ms a byte) before the exchange counts as failed rather than waiting forever.
Millis sendAllowance(std::size_t bytes) {
  return Millis(1000 + 2 * static_cast<long>(bytes));
}

}  // namespace

int pollLimit(int attempt) {
  if (attempt < 6) return 150 + 10 * (attempt % 3);
  if (attempt < 15) return 250 + 10 * (attempt % 10);
  return 350 + 10 * (attempt % 5);
}

Millis receivePoll(int receiveDelay) {
  return Millis(receiveDelay + 3);
}

std::vector<std::string> convComCode(const std::string& script) {
  std::vector<std::string> tokens;
  for (std::size_t at = 0; at < script.size(); at += 2) tokens.push_back(script.substr(at, 2));
  if (tokens.size() > ProtocolScript::kMaxTokens)
    throw Failure(err::kIndexRange, "modCommun->ConvComCode");
  return tokens;
}

ProtocolScript::ProtocolScript(SerialLink& link, WaitClock& clock, TrafficLog& log,
                               std::string failureLine)
    : link_(link), clock_(clock), log_(log), failureLine_(std::move(failureLine)) {
  selectCommandPair(kStandardPair);
}

void ProtocolScript::selectCommandPair(CommandPair pair) {
  pair_ = pair;
  readSteps_ = buildReadSteps(source_.read, pair);
  writeSteps_ = buildWriteSteps(source_.write, pair, source_.writeStepOne);
}

void ProtocolScript::initProtocol(const std::string& readCommand, const std::string& writeCommand) {
  guard("modCommun->InitProtocol", [&] {
    selectCommandPair({tokenByte(readCommand, "modCommun->InitProtocol"),
                       tokenByte(writeCommand, "modCommun->InitProtocol")});
  });
}

const std::vector<ProtocolStep>& ProtocolScript::steps(StepTable table) const {
  return table == StepTable::Read ? readSteps_ : writeSteps_;
}

bool ProtocolScript::runStep(StepTable table, int number) {
  // Copied: a declared command pair rebuilds the tables while the step runs.
  const std::string script = steps(table).at(static_cast<std::size_t>(number) - 1).script;
  return runScript(script, number);
}

bool ProtocolScript::runScript(const std::string& script, int stepNumber) {
  stepNumber_ = stepNumber;
  failed_ = false;
  const bool cut = guard("modCommun->ConvComCode", [&] { tokens_ = convComCode(script); });
  // A run-time error in a script must not pass for a completed exchange.
  if (!cut || !guard("modCommun->ProtocolCom", [&] { protocolCom(); })) failed_ = true;
  return !failed_;
}

void ProtocolScript::loadVariables(std::span<const std::uint8_t> bytes) {
  if (bytes.size() > kBufferSize) throw Failure(err::kIndexRange, "modCommun->ProtocolCom");
  std::copy(bytes.begin(), bytes.end(), variables_.begin() + 1);
}

std::uint8_t& ProtocolScript::variableAt(int index) {
  if (index < 1 || index > kBufferSize) throw Failure(err::kIndexRange, "modCommun->ProtocolCom");
  return variables_[static_cast<std::size_t>(index)];
}

void ProtocolScript::protocolCom() {
  std::size_t index = 0;
  variableIndex_ = 1;
  for (;;) {
    if (slowMode_) clock_.delayNms(1);
    const std::string& token = index < tokens_.size() ? tokens_[index] : kEnd;
    if (token == "TX") {
      exchange(index);
    } else if (token == "RF" || token == "WF") {
      index += 4;
    } else {
      return;
    }
    if (failed_) return;
  }
}

void ProtocolScript::exchange(std::size_t& index) {
  Bytes send;
  std::vector<std::string> expected;
  bool receiving = false;
  for (++index;; ++index) {
    const std::string& token = index < tokens_.size() ? tokens_[index] : kEnd;
    if (receiving) {
      if (endsReceivePart(token)) break;
      expected.push_back(token);
    } else if (token == "VA") {
      send.push_back(variableAt(variableIndex_++));
    } else if (token == "RX") {
      receiving = true;
    } else if (token == kEnd) {
      break;
    } else {
      send.push_back(tokenByte(token, "modCommun->ProtocolCom"));
    }
    if (send.size() > kBufferSize || expected.size() > kBufferSize)
      throw Failure(err::kIndexRange, "modCommun->ProtocolCom");
  }
  failed_ = false;
  link_.clearOutput();
  link_.clearInput();
  if (!send.empty()) {
    log_.frame(Direction::Sent, send);
    link_.send(send);
    noteSent(send);
    if (!link_.waitForSent(clock_.now() + sendAllowance(send.size()))) return failExchange();
  }
  if (!expected.empty() && !guard("modCommun->RxComDat", [&] { rxComDat(expected); }))
    failed_ = true;
}

void ProtocolScript::rxComDat(const std::vector<std::string>& expected) {
  variableIndex_ = 1;
  const TimePoint deadline = clock_.now() + pollLimit(attempt_) * receivePoll(receiveDelay_);
  if (!link_.waitForInput(expected.size(), deadline, stop_)) {
    slowMode_ = true;
    return failExchange();
  }
  const Bytes received = link_.readAll();
  log_.frame(Direction::Received, received);
  if (received.size() < expected.size()) return failExchange();
  for (std::size_t j = 0; j < expected.size(); ++j) {
    if (expected[j] == "VA") {
      variableAt(variableIndex_++) = received[j];
    } else if (tokenByte(expected[j], "modCommun->RxComDat") != received[j]) {
      return failExchange();
    }
  }
  if (stepNumber_ == 1 && variableIndex_ == 5) checkDeclaredPair();
}

// Identification reply of step 1: command byte, then the radio's bytes at
// 0x388..0x38A. 0x5A at 0x388 declares the pair in the next two bytes.
void ProtocolScript::checkDeclaredPair() {
  constexpr std::uint8_t kDeclared = 0x5A;
  const CommandPair wanted =
      variables_[2] == kDeclared ? CommandPair{variables_[3], variables_[4]} : kStandardPair;
  if (wanted != pair_) selectCommandPair(wanted);
}

void ProtocolScript::noteSent(std::span<const std::uint8_t> frame) {
  if (storesInRadio(frame, pair_)) storedInRadio_ = true;
}

void ProtocolScript::failExchange() {
  log_.note(failureLine_);
  failed_ = true;
}

}  // namespace q7
