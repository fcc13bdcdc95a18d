#include "comm/radio_simulator.h"

#include <algorithm>

namespace q7 {
namespace {

constexpr std::uint8_t kAck = 0x06;
constexpr std::uint8_t kDeclared = 0x5A;
constexpr std::uint8_t kIdentifyRead = 0x52;  // identification reads always use "R"
constexpr std::array<std::uint8_t, 7> kProgram = {'P', 'R', 'O', 'G', 'R', 'A', 'M'};
constexpr std::array<std::uint8_t, 7> kClosing = {0x45, 0x5A, 0xA5, 0x32, 0x23, 0x45, 0xF2};
constexpr std::size_t kHeader = 4;

int addressOf(std::span<const std::uint8_t> frame) {
  return frame[1] << 8 | frame[2];
}

}  // namespace

RadioSimulator::RadioSimulator(const Memory& memory) : memory_(memory) {}

RadioSimulator::RadioSimulator() {
  memory_.fill(0xFF);
}

void RadioSimulator::declarePair(CommandPair pair) {
  memory_[map::kCommandPairDeclaration] = kDeclared;
  memory_[map::kCommandPairDeclaration + 1] = pair.read;
  memory_[map::kCommandPairDeclaration + 2] = pair.write;
}

CommandPair RadioSimulator::pair() const {
  if (memory_[map::kCommandPairDeclaration] != kDeclared) return kStandardPair;
  return {memory_[map::kCommandPairDeclaration + 1], memory_[map::kCommandPairDeclaration + 2]};
}

long RadioSimulator::frameLength() const {
  const std::uint8_t first = pending_.front();
  const CommandPair own = pair();
  if (first == kProgram[0] || first == kClosing[0]) return kProgram.size();
  if (first == kAck) return 1;
  if (first == kIdentifyRead || first == own.read) return kHeader;
  if (first == own.write || first == kSecondWriteCommand)
    return pending_.size() < kHeader ? 0 : static_cast<long>(kHeader + pending_[3]);
  return -1;
}

std::vector<std::uint8_t> RadioSimulator::receive(std::span<const std::uint8_t> bytes) {
  pending_.insert(pending_.end(), bytes.begin(), bytes.end());
  std::vector<std::uint8_t> reply;
  while (!pending_.empty()) {
    const long length = frameLength();
    if (length < 0) {  // noise: the radio skips a byte it cannot place
      pending_.erase(pending_.begin());
      continue;
    }
    if (length == 0 || pending_.size() < static_cast<std::size_t>(length)) break;
    const std::vector<std::uint8_t> frame(pending_.begin(), pending_.begin() + length);
    pending_.erase(pending_.begin(), pending_.begin() + length);
    ++frames_;
    if (!heardNow()) continue;
    heard_.push_back(frame);
    std::vector<std::uint8_t> answered = answer(frame);
    if (frames_ == faults_.corruptFrame && !answered.empty()) answered[0] ^= 0xFF;
    reply.insert(reply.end(), answered.begin(), answered.end());
    if (frames_ == faults_.hangUpAfterFrame) hungUp_ = true;
  }
  return reply;
}

bool RadioSimulator::heardNow() {
  if (hungUp_ || faults_.mute || frames_ == faults_.ignoreFrame) return false;
  return faults_.stopAfterFrame == 0 || frames_ <= faults_.stopAfterFrame;
}

std::vector<std::uint8_t> RadioSimulator::answer(std::span<const std::uint8_t> frame) {
  const std::uint8_t first = frame[0];
  if (frame.size() == kProgram.size() && first == kProgram[0])
    return std::ranges::equal(frame, kProgram) ? std::vector<std::uint8_t>{kAck}
                                               : std::vector<std::uint8_t>{};
  if (frame.size() == kClosing.size() && first == kClosing[0]) {
    if (std::ranges::equal(frame, kClosing)) ++closingFrames_;
    return {};
  }
  if (first == kAck) return {kAck};
  if (frame.size() == kHeader && (first == kIdentifyRead || first == pair().read))
    return readBlock(frame);
  return writeBlock(frame);
}

std::vector<std::uint8_t> RadioSimulator::readBlock(std::span<const std::uint8_t> frame) const {
  const int address = addressOf(frame);
  std::vector<std::uint8_t> reply = {pair().write, frame[1], frame[2], frame[3]};
  for (int i = 0; i < frame[3]; ++i) {
    const int at = address + i;
    reply.push_back(at < static_cast<int>(memory_.size()) ? memory_[at] : 0xFF);
  }
  return reply;
}

std::vector<std::uint8_t> RadioSimulator::writeBlock(std::span<const std::uint8_t> frame) {
  const int address = addressOf(frame);
  for (std::size_t i = kHeader; i < frame.size(); ++i) {
    const std::size_t at = static_cast<std::size_t>(address) + i - kHeader;
    if (at >= memory_.size()) continue;
    const bool corrupted = static_cast<int>(at) == faults_.corruptWrite;
    memory_[at] = corrupted ? static_cast<std::uint8_t>(~frame[i]) : frame[i];
  }
  return {kAck};
}

}  // namespace q7
