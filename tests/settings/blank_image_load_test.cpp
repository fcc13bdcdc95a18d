// Loading a blank (all 0x00) and an erased (all 0xFF) image: every byte of the
// Common Set, model information, Key Assign, Vox, Scan and Battery options
// after InitOpt.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "pages_fixture.h"

namespace q7 {
namespace {

using test::Pages;

// The bytes these pages own, wholly or in part (0x36A and 0x367 bit 0 are
// shared with other pages and the write sequence, whose bits stay as they are).
const std::set<std::uint16_t> kOwnBytes = {
    0x12F, 0x130, 0x131, 0x134, 0x135, 0x136, 0x138, 0x13A, 0x13B, 0x160, 0x161, 0x164,
    0x165, 0x166, 0x167, 0x194, 0x195, 0x196, 0x197, 0x198, 0x199, 0x19A, 0x19B, 0x19C,
    0x19D, 0x19E, 0x360, 0x361, 0x362, 0x363, 0x364, 0x365, 0x366, 0x367, 0x368, 0x369,
    0x36A, 0x36B, 0x36C, 0x36D, 0x36E, 0x36F, 0x3E3, 0x3E6, 0x3FB};

// The factory VOX compare levels and their marker, written when the marker is missing.
const std::map<std::uint16_t, std::uint8_t> kFactoryVox = {
    {0x194, 170}, {0x195, 155}, {0x196, 140}, {0x197, 125}, {0x198, 110}, {0x199, 95},
    {0x19A, 80},  {0x19B, 65},  {0x19C, 50},  {0x19D, 35},  {0x19E, 0x5A}};

void expectBytes(std::uint8_t fill, std::map<std::uint16_t, std::uint8_t> changed) {
  changed.insert(kFactoryVox.begin(), kFactoryVox.end());
  Pages t(fill);
  t.pages.initOpt();
  for (std::uint16_t address : kOwnBytes) {
    const auto found = changed.find(address);
    const std::uint8_t expected = found == changed.end() ? fill : found->second;
    EXPECT_EQ(t.image[address], expected)
        << "fill " << int(fill) << " address " << std::hex << address;
  }
}

TEST(BlankImageLoad, AllZeroBytes) {
  expectBytes(0x00, {
                        {0x36E, 0x99},  // radio squelch 0 -> "19"
                        {0x36F, 0xAF},  // radio volume 0 -> "15"
                        {0x369, 0xA5},  // save ratio 0 -> 170 -> "1 - 10", written as 165
                    });
}

TEST(BlankImageLoad, AllFfBytes) {
  expectBytes(0xFF, {
                        {0x130, 4},     // time-out timer -> 60s
                        {0x131, 0},     // TOT pre-alert -> Off
                        {0x12F, 0},     // voice annunciation -> Off
                        {0x134, 5},     // squelch level -> 5
                        {0x36E, 0x99},  // radio squelch -> "19"
                        {0x36F, 0xAF},  // radio volume -> "15"
                        {0x369, 0xA5},  // save ratio -> "1 - 10"
                        {0x36B, 0x01},  // tail elimination: lowest bit -> "1--120 Degree"
                        {0x3FB, 250},   // mic volume: position 255 -> 240, code 250
                        {0x3E6, 10},    // two-way volume level -> 10
                        {0x360, 0},     // key functions not offered -> "1--Off"
                        {0x361, 0},    {0x362, 0}, {0x363, 0}, {0x13A, 0},  // VOX gain -> Off
                        {0x13B, 3},                                         // VOX delay -> 1.5s
                        {0x160, 0},                                         // priority mode -> None
                        {0x161, 0},  // priority channel -> Off
                        {0x164, 0},  // revert channel -> Selected
                        {0x165, 3},  // dropout delay -> 3s
                        {0x167, 3},  // transmit dwell -> 3s
                    });
}

}  // namespace
}  // namespace q7
