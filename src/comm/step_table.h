#pragma once
// The step tables of reading and writing: one protocol script per step, with
// the image range the step moves and the percentage shown after it.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "foundation/memory_map.h"

namespace q7 {

// The read and write command bytes of block frames. A radio may declare its
// own pair at 0x388..0x38A; otherwise the standard "R"/"W" applies.
struct CommandPair {
  std::uint8_t read = 0x52;
  std::uint8_t write = 0x57;
  bool operator==(const CommandPair&) const = default;
};
inline constexpr CommandPair kStandardPair{};

// Command byte of the second write form, used whatever the pair.
inline constexpr std::uint8_t kSecondWriteCommand = 0x75;

// An inclusive address range of the radio memory, as typed.
struct AddressRange {
  long start = 0;
  long end = map::kHighestAddress;
};

// The radio has 1 KiB: a range reaching beyond 0x3FF is cut there.
AddressRange clampToRadio(AddressRange range);

struct ProtocolStep {
  std::string script;
  int start = 0;  // image address of the step's bytes
  int count = 0;  // bytes moved between the image and the variable buffer
  int percent = 0;
};

using WriteStepOneBytes = std::array<std::uint8_t, 11>;

// Where the block steps of a range start and how long each is (16 at most).
struct Block {
  int start;
  int length;
};
std::vector<Block> blocksOf(AddressRange range);

// True for a frame that stores bytes in the radio's memory: the write command
// of `pair` or the second write form, an address, a length and that many bytes.
bool storesInRadio(std::span<const std::uint8_t> frame, CommandPair pair);

// Percentage shown after step `step` (block steps start at 4) of a range.
int blockPercent(AddressRange range, int step);

std::vector<ProtocolStep> buildReadSteps(AddressRange range, CommandPair pair);
std::vector<ProtocolStep> buildWriteSteps(AddressRange range, CommandPair pair,
                                          const WriteStepOneBytes& stepOneBytes);

}  // namespace q7
