// Battery page.
#include <gtest/gtest.h>

#include "pages_fixture.h"

namespace q7 {
namespace {

using test::Pages;

TEST(BatteryPage, SaveRatioReadsRangesAndWritesOneByteEach) {
  const test::LoadCase cases[] = {
      {"cboSaveMode", 0x369, 0x00, "1 - 10", 165}, {"cboSaveMode", 0x369, 141, "1 - 10", 165},
      {"cboSaveMode", 0x369, 142, "1 - 2", 144},   {"cboSaveMode", 0x369, 144, "1 - 2", 144},
      {"cboSaveMode", 0x369, 145, "1 - 3", 146},   {"cboSaveMode", 0x369, 147, "1 - 4", 149},
      {"cboSaveMode", 0x369, 150, "1 - 5", 152},   {"cboSaveMode", 0x369, 153, "1 - 6", 155},
      {"cboSaveMode", 0x369, 156, "1 - 7", 157},   {"cboSaveMode", 0x369, 158, "1 - 8", 159},
      {"cboSaveMode", 0x369, 160, "1 - 9", 162},   {"cboSaveMode", 0x369, 162, "1 - 9", 162},
      {"cboSaveMode", 0x369, 163, "1 - 10", 165},  {"cboSaveMode", 0x369, 170, "1 - 10", 165},
      {"cboSaveMode", 0x369, 171, "1 - 10", 165},
  };
  test::expectLoads(cases);
  const std::uint8_t written[] = {144, 146, 149, 152, 155, 157, 159, 162, 165};
  Pages t;
  t.image[0x135] = 0x01;
  t.pages.initOpt();
  for (int p = 0; p < 9; ++p) {
    t.pages.choose("cboSaveMode", p);
    EXPECT_EQ(t.image[0x369], written[p]) << p;
  }
}

TEST(BatteryPage, BatterySaveGovernsTheRatioList) {
  Pages t;
  t.image[0x135] = 0xFF;
  t.image[0x369] = 152;
  t.pages.initOpt();
  EXPECT_TRUE(t.pages.control("cboSaveMode").enabled);
  t.pages.click("chkBatSave", false);
  EXPECT_FALSE(t.pages.control("cboSaveMode").enabled);
  EXPECT_EQ(t.image[0x135], 0xFE);
  EXPECT_EQ(t.image[0x369], 152);
  t.pages.choose("cboSaveMode", 0);
  EXPECT_EQ(t.image[0x369], 152);

  Pages off;
  off.pages.initOpt();
  EXPECT_FALSE(off.pages.control("cboSaveMode").enabled);
}

TEST(BatteryPage, AlarmIntervalOffSilencesTheLowBatterySounds) {
  constexpr const char* kSounds[] = {"cboLowPwrToneSort", "chkLowBatAn", "chkLowBatTone"};
  Pages t;
  t.image[0x36C] = 0x60;
  t.pages.initOpt();
  EXPECT_EQ(t.shown("cboLowBatAlarmTimer"), "Off");
  for (const char* sound : kSounds) EXPECT_FALSE(t.pages.control(sound).enabled) << sound;
  EXPECT_TRUE(t.pages.control("chkLowBatAn").checked);
  t.pages.choose("cboLowBatAlarmTimer", 1);
  EXPECT_EQ(t.shown("cboLowBatAlarmTimer"), "2s");
  for (const char* sound : kSounds) EXPECT_TRUE(t.pages.control(sound).enabled) << sound;
  EXPECT_EQ(t.image[0x36C], 0x60);

  t.image[0x364] = 255;
  t.pages.initOpt();
  EXPECT_EQ(t.shown("cboLowBatAlarmTimer"), "510s");
  EXPECT_EQ(t.image[0x364], 255);
}

TEST(BatteryPage, LowBatteryToneSortIsBitSeven) {
  Pages t;
  t.image[0x364] = 1;
  t.image[0x36D] = 0x80;
  t.pages.initOpt();
  EXPECT_EQ(t.shown("cboLowPwrToneSort"), "Tone 2");
  t.pages.choose("cboLowPwrToneSort", 0);
  EXPECT_EQ(t.image[0x36D], 0x00);
  t.image[0x36D] = 0x7F;
  t.pages.choose("cboLowPwrToneSort", 1);
  EXPECT_EQ(t.image[0x36D], 0xFF);
}

}  // namespace
}  // namespace q7
