// The power-on tone list from every stored 3-bit value: Off and Tone-1 to
// Tone-5 always, Tone-6 and Tone-7 as well while the stored value is 5 or more.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages_fixture.h"

namespace q7 {
namespace {

std::vector<std::string> expectedTones(int stored) {
  std::vector<std::string> items = {"Off"};
  const int last = stored >= 5 ? 7 : 5;
  for (int n = 1; n <= last; ++n) items.push_back("Tone-" + std::to_string(n));
  return items;
}

TEST(PowerOnTone, EveryStoredValueOffersItsTonesAndShowsItself) {
  for (int stored = 0; stored <= 7; ++stored) {
    test::Pages t;
    const auto byte = static_cast<std::uint8_t>(0xA8 | stored);
    t.image[0x368] = byte;
    t.pages.initOpt();
    const ControlState& list = t.pages.control("cboPwrOnTone");
    EXPECT_EQ(list.items, expectedTones(stored)) << stored;
    EXPECT_EQ(list.selected, stored) << stored;
    EXPECT_EQ(t.image[0x368], byte) << stored;
  }
}

}  // namespace
}  // namespace q7
