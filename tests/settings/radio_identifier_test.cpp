#include "settings/radio_identifier.h"

#include <gtest/gtest.h>

namespace q7 {
namespace {

TEST(RadioIdentifier, WrittenWhenTheFirstByteDiffersKeptOtherwise) {
  const std::uint8_t identifier[] = {0x52, 0x35, 0x38, 0x31, 0x36, 0x34, 0xF8, 0xFF};
  CodeplugImage erased;
  for (std::uint8_t& b : erased.bytes()) b = 0xFF;
  repairIdentifier(erased);
  for (std::size_t i = 0; i < 8; ++i) EXPECT_EQ(erased[0x1B8 + i], identifier[i]) << i;
  EXPECT_EQ(erased[0x1B7], 0xFF);
  EXPECT_EQ(erased[0x1C0], 0xFF);

  CodeplugImage partly;
  partly[0x1B8] = 'R';
  partly[0x1B9] = 'X';
  repairIdentifier(partly);
  EXPECT_EQ(partly[0x1B9], 'X');
  EXPECT_EQ(partly[0x1BE], 0x00);
}

}  // namespace
}  // namespace q7
