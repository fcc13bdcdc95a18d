// Common Set and the model information options.
#include <gtest/gtest.h>

#include "pages_fixture.h"

namespace q7 {
namespace {

using test::LoadCase;
using test::Pages;

TEST(CommonPage, LoadingShowsTheStoredChoiceAndCorrectsOutOfRangeBytes) {
  const LoadCase cases[] = {
      {"cboTot", 0x130, 0x13, "60s", 4},
      {"cboTot", 0x130, 18, "270s", 18},
      {"cboPreTot", 0x131, 11, "Off", 0},
      {"cboPreTot", 0x131, 10, "10s", 10},
      {"cboAnVoice", 0x12F, 3, "Off", 0},
      {"cboAnVoice", 0x12F, 2, "English", 2},
      {"cboSql", 0x134, 10, "5", 5},
      {"cboSql", 0x134, 9, "9", 9},
      {"cboRadioSql", 0x36E, 0x80, "19", 0x99},
      {"cboRadioSql", 0x36E, 134, "0", 134},
      {"cboRadioSql", 0x36E, 166, "32", 166},
      {"cboRadioSql", 0x36E, 167, "19", 153},
      {"cboRadioVolume", 0x36F, 0x00, "15", 0xAF},
      {"cboRadioVolume", 0x36F, 160, "0", 160},
      {"cboRadioVolume", 0x36F, 176, "15", 175},
      {"cboAlarmSort", 0x367, 0x02, "Local And Distance", 0x02},
      {"cboAlarmSort", 0x367, 0x00, "Local", 0x00},
      {"cboMicVolume", 0x3FB, 69, "63", 69},
      {"cboMicVolume", 0x3FB, 250, "240", 250},
      {"cboMicVolume", 0x3FB, 255, "240", 250},
      {"cboTwoWayVolumeLevel", 0x3E6, 11, "10", 10},
      {"cboTwoWayVolumeLevel", 0x3E6, 10, "10", 10},
      {"cboTwoWayVolumeLevel", 0x3E6, 0, "Off", 0},
  };
  test::expectLoads(cases);
}

TEST(CommonPage, TailEliminationIsOneHotWithOffAsNoBit) {
  const LoadCase cases[] = {
      {"cboTailDel", 0x36B, 0x12, "2--180 Degree", 0x02},
      {"cboTailDel", 0x36B, 0x80, "5--120 + Freq", 0x10},
      {"cboTailDel", 0x36B, 0x00, "8--Off", 0x00},
      {"cboTailDel", 0x36B, 0x01, "1--120 Degree", 0x01},
      {"cboTailDel", 0x36B, 0xC0, "7--240 + Freq", 0x40},
  };
  test::expectLoads(cases);

  Pages t;
  t.image[0x36A] = 0x0C;
  t.pages.initOpt();
  for (const char* box : {"chkNoCdEncTxFreTail", "chkNoCdEncRxFreTail"}) {
    EXPECT_FALSE(t.pages.control(box).enabled) << box;
    EXPECT_TRUE(t.pages.control(box).checked) << box;
  }
  t.pages.choose("cboTailDel", 3);
  EXPECT_EQ(t.image[0x36B], 0x08);
  EXPECT_TRUE(t.pages.control("chkNoCdEncTxFreTail").enabled);
  EXPECT_TRUE(t.pages.control("chkNoCdEncRxFreTail").enabled);
  t.pages.choose("cboTailDel", 7);
  EXPECT_EQ(t.image[0x36B], 0x00);
  EXPECT_EQ(t.image[0x36A], 0x0C);
}

TEST(CommonPage, EmergencyChannelKeepsTheBitsItDoesNotOwn) {
  const LoadCase cases[] = {
      {"cboAlarmCh", 0x3E3, 0x25, "Fixed CH: 6", 0x25},
      {"cboAlarmCh", 0x3E3, 0x3F, "Selected CH", 0x3F},
      {"cboAlarmCh", 0x3E3, 0xEF, "Fixed CH: 16", 0xEF},
  };
  test::expectLoads(cases);

  Pages t;
  t.image[0x3E3] = 0xA5;
  t.pages.initOpt();
  t.pages.choose("cboAlarmCh", 0);
  EXPECT_EQ(t.image[0x3E3], 0xB5);
  t.pages.choose("cboAlarmCh", 16);
  EXPECT_EQ(t.image[0x3E3], 0xAF);
}

TEST(CommonPage, PowerOnToneAndChannelNumberShareTheirByte) {
  Pages t;
  t.image[0x368] = 0x0E;
  t.pages.initOpt();
  EXPECT_EQ(t.shown("cboPwrOnTone"), "Tone-6");
  EXPECT_EQ(t.pages.control("cboPwrOnTone").items.size(), 8u);
  EXPECT_EQ(t.shown("cboSaveChNo"), "1");
  t.pages.choose("cboPwrOnTone", 2);
  EXPECT_EQ(t.image[0x368], 0x0A);
  t.pages.choose("cboSaveChNo", 15);
  EXPECT_EQ(t.image[0x368], 0xFA);

  t.pages.initOpt();  // a stored tone below 5 offers Tone-1 .. Tone-5 only
  EXPECT_EQ(t.pages.control("cboPwrOnTone").items.size(), 6u);
  EXPECT_EQ(t.shown("cboPwrOnTone"), "Tone-2");
  EXPECT_EQ(t.shown("cboSaveChNo"), "16");
}

TEST(CommonPage, TxEndToneGovernsTheMonitorEndTone) {
  Pages t;
  t.image[0x36D] = 0x01;
  t.image[0x367] = 0x10;
  t.pages.initOpt();
  EXPECT_TRUE(t.pages.control("chkMoniTxEndTone").enabled);
  t.pages.click("chkTxEndTone", false);
  EXPECT_FALSE(t.pages.control("chkMoniTxEndTone").checked);
  EXPECT_FALSE(t.pages.control("chkMoniTxEndTone").enabled);
  EXPECT_EQ(t.image[0x367], 0x00);
  EXPECT_EQ(t.image[0x36D], 0x00);
  t.pages.click("chkTxEndTone", true);
  EXPECT_TRUE(t.pages.control("chkMoniTxEndTone").checked);
  EXPECT_TRUE(t.pages.control("chkMoniTxEndTone").enabled);
  EXPECT_EQ(t.image[0x367], 0x10);
}

TEST(CommonPage, MonitorEndToneStartsDisabledLikeItsUncheckedTxEndTone) {
  Pages t;
  t.pages.initOpt();
  EXPECT_FALSE(t.pages.control("chkTxEndTone").checked);
  EXPECT_FALSE(t.pages.control("chkMoniTxEndTone").enabled);
}

// Loading a file gives the same bytes whatever the pages showed before it.
TEST(CommonPage, LoadingKeepsTheStoredMonitorEndToneWhateverWasShownBefore) {
  Pages t;
  t.pages.initOpt();  // transmit end tone unchecked
  t.image[0x36D] = 0x01;
  t.image[0x367] = 0x00;
  t.pages.initOpt();
  EXPECT_EQ(t.image[0x367], 0x00);
  EXPECT_FALSE(t.pages.control("chkMoniTxEndTone").checked);
  EXPECT_TRUE(t.pages.control("chkMoniTxEndTone").enabled);
}

TEST(CommonPage, ItemTextsFollowTheLanguage) {
  CodeplugImage image;
  const CaptionTable simplified(kSimplifiedChinese);
  OptionPages pages(image, simplified);
  pages.initOpt();
  EXPECT_EQ(pages.control("cboTot").items[1], "15秒");
  EXPECT_EQ(pages.control("cboAlarmCh").items[1], "指定信道 1");
  EXPECT_EQ(pages.control("cboPwrOnTone").items[1], "开机音1");
  EXPECT_EQ(pages.control("cboTailDel").items[7], "8--无");
}

}  // namespace
}  // namespace q7
