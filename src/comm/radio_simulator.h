#pragma once
// A radio as the programming cable sees it: 1 KiB of memory, the entry word
// PROGRAM, acknowledges, block reads and writes with the radio's command pair
// (declared at 0x388..0x38A when 0x388 is 0x5A), the second write form 0x75
// and the closing frame. Frames come in as a byte stream in any pieces; each
// complete frame may produce a reply. Faults can be injected by frame number
// (frames count from 1). Shared by the q7sim program and the tests.
#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "comm/step_table.h"
#include "foundation/memory_map.h"

namespace q7 {

struct RadioFaults {
  bool mute = false;         // never answers
  int ignoreFrame = 0;       // frame k is not heard, once
  int corruptFrame = 0;      // the reply to frame k arrives with its first byte inverted
  int stopAfterFrame = 0;    // frames after k are not heard
  int hangUpAfterFrame = 0;  // the line goes dead after frame k
  int corruptWrite = -1;     // a byte written to this address is stored inverted
};

class RadioSimulator {
 public:
  using Memory = std::array<std::uint8_t, 1024>;

  explicit RadioSimulator(const Memory& memory);
  RadioSimulator();  // erased memory (all 0xFF)

  // Bytes from the line; returns the bytes the radio sends back.
  std::vector<std::uint8_t> receive(std::span<const std::uint8_t> bytes);

  Memory& memory() { return memory_; }
  const Memory& memory() const { return memory_; }
  RadioFaults& faults() { return faults_; }
  // Writes the declaration 5A RR WW at 0x388.
  void declarePair(CommandPair pair);
  CommandPair pair() const;

  int frames() const { return frames_; }
  int closingFrames() const { return closingFrames_; }
  bool hungUp() const { return hungUp_; }
  // Every frame heard, in order (for tests that check what was sent).
  const std::vector<std::vector<std::uint8_t>>& heard() const { return heard_; }

 private:
  // Length of the frame at the front of the pending bytes; 0 when it cannot
  // be told yet; -1 when the first byte starts no frame.
  long frameLength() const;
  std::vector<std::uint8_t> answer(std::span<const std::uint8_t> frame);
  std::vector<std::uint8_t> readBlock(std::span<const std::uint8_t> frame) const;
  std::vector<std::uint8_t> writeBlock(std::span<const std::uint8_t> frame);
  bool heardNow();

  Memory memory_;
  RadioFaults faults_;
  std::vector<std::uint8_t> pending_;
  std::vector<std::vector<std::uint8_t>> heard_;
  int frames_ = 0;
  int closingFrames_ = 0;
  bool hungUp_ = false;
};

}  // namespace q7
