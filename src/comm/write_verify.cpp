#include "comm/write_verify.h"
#include "foundation/memory_map.h"

#include <algorithm>
#include <set>

namespace q7 {
namespace {

constexpr RadioOwnBytes kRadioOwnBytes[] = {
    // Answered by the radio at the start of every transfer: its model and
    // its command-pair declaration.
    {map::kIdentificationFirst, map::kIdentificationLast, "the radio's identification"},
    // The radio's model, class and version and the settings it takes back
    // only through the exchanges after the blocks, as its class allows.
    {map::kParameterArea, map::kParameterAreaLast, "the radio's parameter area"},
};

bool radioKeeps(int address) {
  return std::any_of(
      std::begin(kRadioOwnBytes), std::end(kRadioOwnBytes),
      [address](const RadioOwnBytes& own) { return address >= own.first && address <= own.last; });
}

}  // namespace

std::span<const RadioOwnBytes> radioOwnBytes() {
  return kRadioOwnBytes;
}

std::vector<int> verifiedAddresses(AddressRange written) {
  written = clampToRadio(written);
  std::set<int> sent;
  for (const ProtocolStep& step : buildWriteSteps(written, kStandardPair, {}))
    for (int a = step.start; a < step.start + step.count; ++a)
      if (a >= written.start && a <= written.end && !radioKeeps(a)) sent.insert(a);
  return {sent.begin(), sent.end()};
}

std::vector<int> differingAddresses(const CodeplugImage& sent, const CodeplugImage& readBack,
                                    AddressRange written) {
  std::vector<int> differing;
  for (const int a : verifiedAddresses(written))
    if (sent[static_cast<std::size_t>(a)] != readBack[static_cast<std::size_t>(a)])
      differing.push_back(a);
  return differing;
}

}  // namespace q7
