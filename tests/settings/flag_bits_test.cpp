// Every check box of the Common Set, model information, Vox, Scan and Battery
// pages: the bit it shows and writes, and no other.
#include <gtest/gtest.h>

#include "pages_fixture.h"

namespace q7 {
namespace {

using test::Pages;

struct Flag {
  const char* box;
  std::uint16_t address;
  std::uint8_t mask;
  bool inverted;
};

constexpr Flag kFlags[] = {
    {"chkTxEndTone", 0x36D, 0x01, false},        {"chkMoniTxEndTone", 0x367, 0x10, false},
    {"chkRadioFuncEnable", 0x367, 0x20, true},   {"chkBeep", 0x136, 0x01, false},
    {"chkRedGreenLig", 0x36D, 0x08, false},      {"chkAnPwrOn", 0x36D, 0x10, false},
    {"chkNoCdEncTxFreTail", 0x36A, 0x04, false}, {"chkNoCdEncRxFreTail", 0x36A, 0x08, false},
    {"chkSwiLampTone", 0x367, 0x80, false},      {"chkAnVoxOnOff", 0x36C, 0x08, false},
    {"chkNoMicEnableVox", 0x36A, 0x80, false},   {"chkScanStartHint", 0x36C, 0x01, false},
    {"chkExitScanHint", 0x36C, 0x02, false},     {"chkAnScanOnOff", 0x36C, 0x04, false},
    {"chkScanLig", 0x36C, 0x10, false},          {"chkCh16Scan", 0x36D, 0x20, false},
    {"chkSwiChExitScan", 0x36A, 0x40, false},    {"chkBatSave", 0x135, 0x01, false},
    {"chkLowBatTx", 0x36D, 0x02, false},         {"chkLowBatAn", 0x36C, 0x20, false},
    {"chkLowBatTone", 0x36C, 0x40, false},       {"chkLowTxPwrRgLig", 0x36C, 0x80, false},
    {"chkAnBatVolt", 0x36D, 0x40, false},        {"chkPwrOnAnBatVolt", 0x36A, 0x01, false},
    {"chkHighBatPwrOff", 0x367, 0x04, false},    {"chkLowBatPwrOff", 0x367, 0x08, false},
};

TEST(FlagBits, EachBoxShowsAndWritesItsOwnBitOnly) {
  for (const Flag& f : kFlags) {
    for (const std::uint8_t others : {std::uint8_t(0x00), std::uint8_t(0xFF)}) {
      for (const bool set : {false, true}) {
        Pages t;
        t.image[0x36B] = 0x01;  // tail elimination on: the tail tone boxes take clicks
        t.image[0x36D] = 0x01;  // transmit end tone on: the monitor box takes clicks
        t.image[0x364] = 0x01;  // low battery alarm on: its sound boxes take clicks
        if (f.address != 0x36B && f.address != 0x36D && f.address != 0x364)
          t.image[f.address] = others;
        t.image[f.address] =
            static_cast<std::uint8_t>((t.image[f.address] & ~f.mask) | (set ? f.mask : 0));
        const std::uint8_t loaded = t.image[f.address];
        t.pages.initOpt();
        EXPECT_EQ(t.pages.control(f.box).checked, set != f.inverted) << f.box;
        EXPECT_EQ(t.image[f.address], loaded) << f.box;
        t.pages.click(f.box, !t.pages.control(f.box).checked);
        EXPECT_EQ(t.image[f.address], loaded ^ f.mask) << f.box;
      }
    }
  }
}

}  // namespace
}  // namespace q7
