// Scan page.
#include <gtest/gtest.h>

#include "pages_fixture.h"

namespace q7 {
namespace {

using test::Pages;

TEST(ScanPage, LoadingCorrectsOutOfRangeBytes) {
  const test::LoadCase cases[] = {
      {"cboScanPriChSort", 0x160, 3, "None", 0},
      {"cboScanPriChSort", 0x160, 2, "Selected", 2},
      {"cboPriCh", 0x161, 17, "Off", 0},
      {"cboPriCh", 0x161, 16, "16", 16},
      {"cboScanTxMode", 0x164, 4, "Selected", 0},
      {"cboScanTxMode", 0x164, 3, "Priority+Talk Back", 3},
      {"cboScanRxDly", 0x165, 0xFF, "3s", 3},
      {"cboScanRxDly", 0x165, 250, "250s", 250},
      {"cboScanTxDly", 0x167, 251, "3s", 3},
      {"cboScanTxDly", 0x167, 0, "0s", 0},
  };
  test::expectLoads(cases);
}

TEST(ScanPage, PriorityChannelCountsOnlyForFixedPriority) {
  Pages t;
  t.image[0x160] = 3;
  t.image[0x161] = 5;
  t.pages.initOpt();
  EXPECT_FALSE(t.pages.control("cboPriCh").enabled);
  EXPECT_EQ(t.shown("cboPriCh"), "5");
  t.pages.choose("cboScanPriChSort", 1);
  EXPECT_TRUE(t.pages.control("cboPriCh").enabled);
  t.pages.choose("cboScanPriChSort", 2);
  EXPECT_FALSE(t.pages.control("cboPriCh").enabled);
  EXPECT_EQ(t.image[0x161], 5);

  t.image[0x160] = 1;
  t.pages.initOpt();
  EXPECT_TRUE(t.pages.control("cboPriCh").enabled);
}

TEST(ScanPage, TheByteBetweenTheTimingsIsNeverWritten) {
  Pages t;
  t.image[0x166] = 0xAB;
  t.pages.initOpt();
  t.pages.choose("cboScanRxDly", 7);
  t.pages.choose("cboScanTxDly", 9);
  EXPECT_EQ(t.image[0x165], 7);
  EXPECT_EQ(t.image[0x166], 0xAB);
  EXPECT_EQ(t.image[0x167], 9);
}

}  // namespace
}  // namespace q7
