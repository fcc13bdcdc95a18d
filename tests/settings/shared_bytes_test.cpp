// The bytes whose bits belong to options of several pages: no two controls
// may write the same bit. Every list position and every check box of every
// page is tried on its own, and the bits of the shared bytes it changes are
// kept per control.
#include <gtest/gtest.h>

#include <array>
#include <map>

#include "pages_fixture.h"

namespace q7 {
namespace {

using test::Pages;

constexpr std::array<std::uint16_t, 4> kSharedBytes = {0x367, 0x36A, 0x36C, 0x36D};

// Pages where every dependent control takes input: tail elimination, the
// transmit end tone and the low battery alarm on.
void load(Pages& t) {
  t.image[0x36B] = 0x01;
  t.image[0x36D] = 0x01;
  t.image[0x364] = 0x01;
  t.pages.initOpt();
}

std::array<std::uint8_t, kSharedBytes.size()> sharedBytes(const CodeplugImage& image) {
  std::array<std::uint8_t, kSharedBytes.size()> bytes{};
  for (std::size_t i = 0; i < kSharedBytes.size(); ++i) bytes[i] = image[kSharedBytes[i]];
  return bytes;
}

// The bits of the shared bytes one input to `control` changes, together over
// every input it takes.
std::array<std::uint8_t, kSharedBytes.size()> bitsWrittenBy(const std::string& control) {
  std::array<std::uint8_t, kSharedBytes.size()> written{};
  Pages probe;
  load(probe);
  const ControlState& state = probe.pages.control(control);
  const int inputs = state.kind == ControlKind::List    ? static_cast<int>(state.items.size())
                     : state.kind == ControlKind::Check ? 1
                                                        : 0;
  for (int input = 0; input < inputs; ++input) {
    Pages t;
    load(t);
    const auto before = sharedBytes(t.image);
    if (state.kind == ControlKind::List) {
      t.pages.choose(control, input);
    } else {
      t.pages.click(control, !t.pages.control(control).checked);
    }
    const auto after = sharedBytes(t.image);
    for (std::size_t i = 0; i < written.size(); ++i) written[i] |= before[i] ^ after[i];
  }
  return written;
}

TEST(SharedBytes, NoTwoControlsWriteTheSameBit) {
  Pages all;
  load(all);
  std::map<std::pair<std::uint16_t, int>, std::string> owner;
  int claimed = 0;
  for (const std::string& control : all.pages.controlNames()) {
    const auto written = bitsWrittenBy(control);
    for (std::size_t i = 0; i < kSharedBytes.size(); ++i) {
      for (int bit = 0; bit < 8; ++bit) {
        if (!(written[i] >> bit & 1)) continue;
        const auto [it, fresh] = owner.emplace(std::pair{kSharedBytes[i], bit}, control);
        EXPECT_TRUE(fresh) << std::hex << kSharedBytes[i] << " bit " << bit << ": " << it->second
                           << " and " << control;
        ++claimed;
      }
    }
  }
  EXPECT_GE(claimed, 28) << "the shared bytes' options were found";
}

}  // namespace
}  // namespace q7
