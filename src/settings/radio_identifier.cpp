#include "settings/radio_identifier.h"
#include "foundation/memory_map.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace q7 {

namespace {

constexpr std::array<std::uint8_t, 8> kIdentifierBlock = {'R', '5', '8', '1', '6', '4', 0xF8, 0xFF};

}  // namespace

void repairIdentifier(CodeplugImage& image) {
  if (image[map::kRadioIdentifier] == kIdentifierBlock[0]) return;
  std::copy(kIdentifierBlock.begin(), kIdentifierBlock.end(),
            image.bytes().begin() + map::kRadioIdentifier);
}

}  // namespace q7
