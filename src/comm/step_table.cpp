#include "comm/step_table.h"

#include <algorithm>
#include <cmath>

#include "comm/hex_text.h"
#include "foundation/memory_map.h"

namespace q7 {
namespace {

constexpr int kBlockSize = 16;

const std::string kProgram = "50524F4752414D";  // the word PROGRAM
const std::string kAcknowledge = "TX06RX06EN";
const std::string kIdentifyPair = "TX52038803RXVA038803VAVAVA";
const std::string kIdentifyModel = "TX52038509RXVA038509VAVAVAVAVAVAVAVAVA";

std::string repeatVa(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += "VA";
  return text;
}

std::string frameHead(std::uint8_t command, int address, int length) {
  return formatByte(command) + formatAddress(static_cast<unsigned>(address)) +
         formatByte(static_cast<std::uint8_t>(length));
}

ProtocolStep fixedStep(std::string script, int percent) {
  return {std::move(script), 0, 0, percent};
}

ProtocolStep writeBlockStep(Block block, CommandPair pair) {
  if (block.start >= map::kShortBlockFirst && block.start <= map::kShortBlockLast) {
    // The radio takes only 0x1AC..0x1AF of this block; the image bytes of those
    // same addresses go into the frame.
    return {"TX" + frameHead(pair.write, map::kShortFrame, map::kShortFrameLength) +
                repeatVa(map::kShortFrameLength) + "RX06EN",
            map::kShortFrame, map::kShortFrameLength, 0};
  }
  const bool secondForm =
      block.start >= map::kSecondFormFirst && block.start <= map::kSecondFormLast;
  const std::uint8_t command = secondForm ? kSecondWriteCommand : pair.write;
  return {"TX" + frameHead(command, block.start, block.length) + repeatVa(block.length) + "RX06EN",
          block.start, block.length, 0};
}

ProtocolStep readBlockStep(Block block, CommandPair pair) {
  return {"TX" + frameHead(pair.read, block.start, block.length) + "RX" +
              frameHead(pair.write, block.start, block.length) + repeatVa(block.length) + "EN",
          block.start, block.length, 0};
}

template <class MakeStep>
void appendBlocks(std::vector<ProtocolStep>& steps, AddressRange range, MakeStep makeStep) {
  for (const Block& block : blocksOf(range)) {
    ProtocolStep step = makeStep(block);
    step.percent = blockPercent(range, static_cast<int>(steps.size()) + 1);
    steps.push_back(std::move(step));
  }
  steps.push_back(fixedStep(kAcknowledge, 100));
}

}  // namespace

AddressRange clampToRadio(AddressRange range) {
  range.end = std::min(range.end, map::kHighestAddress);
  return range;
}

std::vector<Block> blocksOf(AddressRange range) {
  range = clampToRadio(range);
  std::vector<Block> blocks;
  for (long at = range.start; at <= range.end;) {
    const int length = static_cast<int>(std::min<long>(kBlockSize, range.end - at + 1));
    blocks.push_back({static_cast<int>(at), length});
    at += length;
  }
  return blocks;
}

bool storesInRadio(std::span<const std::uint8_t> frame, CommandPair pair) {
  constexpr std::size_t kHead = 4;
  if (frame.size() <= kHead || frame[kHead - 1] != frame.size() - kHead) return false;
  return frame[0] == pair.write || frame[0] == kSecondWriteCommand;
}

int blockPercent(AddressRange range, int step) {
  range = clampToRadio(range);
  // Rounding to nearest, halves to even, as the radio's tool always did.
  const double blocks = std::max(1.0, std::nearbyint((range.end - range.start) / 16.0));
  const double percent = std::nearbyint((step - 1) * 94.0 / blocks + 3.0);
  return static_cast<int>(std::min(percent, 98.0));
}

std::vector<ProtocolStep> buildReadSteps(AddressRange range, CommandPair pair) {
  std::vector<ProtocolStep> steps = {
      fixedStep("TX" + kProgram + "RX06" + kIdentifyPair + "EN", 0),
      fixedStep(kIdentifyModel + "EN", 0),
      fixedStep(kAcknowledge, 3),
  };
  appendBlocks(steps, range, [&](Block b) { return readBlockStep(b, pair); });
  return steps;
}

std::vector<ProtocolStep> buildWriteSteps(AddressRange range, CommandPair pair,
                                          const WriteStepOneBytes& stepOneBytes) {
  std::string modelFrame = "TX" + frameHead(kSecondWriteCommand, map::kWriteStepOneBytes,
                                            static_cast<int>(stepOneBytes.size()));
  for (std::uint8_t b : stepOneBytes) modelFrame += formatByte(b);
  const std::string enter = "TX" + kProgram + "RX06" + "TX" + kProgram + "RX06";
  std::vector<ProtocolStep> steps = {
      fixedStep(enter + kIdentifyPair + modelFrame + "RX06EN", 0),
      fixedStep(enter + kIdentifyModel + "EN", 0),
      fixedStep(kAcknowledge, 3),
  };
  appendBlocks(steps, range, [&](Block b) { return writeBlockStep(b, pair); });
  return steps;
}

}  // namespace q7
