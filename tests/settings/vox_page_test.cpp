#include "settings/vox_page.h"

#include <gtest/gtest.h>

#include "pages_fixture.h"

namespace q7 {
namespace {

using test::Pages;

void expectFactoryLevels(const CodeplugImage& image) {
  for (int q = 1; q <= kVoxLevels; ++q)
    EXPECT_EQ(image[kVoxLevelBase + q], 185 - 15 * q) << "level " << q;
  EXPECT_EQ(image[0x19E], 0x5A);
}

TEST(VoxPage, LevelsWithoutTheMarkerBecomeTheFactoryLevels) {
  Pages t(0xFF);
  t.pages.initOpt();
  expectFactoryLevels(t.image);
  EXPECT_EQ(t.shown("cboVoxCmpDat(1)"), "170");
  EXPECT_EQ(t.shown("cboVoxCmpDat(10)"), "35");
  EXPECT_EQ(t.pages.control("cboVoxCmpDat(1)").toolTip, "2200mv");
}

TEST(VoxPage, ValidLevelsLoadAndThoseAbove180Become180) {
  Pages t;
  for (int q = 1; q <= kVoxLevels; ++q)
    t.image[kVoxLevelBase + q] = static_cast<std::uint8_t>(q * 9);
  t.image[0x196] = 0xC8;
  t.image[0x19E] = 0x5A;
  t.pages.initOpt();
  EXPECT_EQ(t.image[0x196], 180);
  EXPECT_EQ(t.shown("cboVoxCmpDat(3)"), "180");
  EXPECT_EQ(t.shown("cboVoxCmpDat(4)"), "36");
  EXPECT_EQ(t.image[0x197], 36);
  EXPECT_EQ(t.pages.control("cboVoxCmpDat(3)").items.size(), 181u);
  t.pages.choose("cboVoxCmpDat(10)", 0);
  EXPECT_EQ(t.image[0x19D], 0);
  EXPECT_EQ(t.pages.control("cboVoxCmpDat(10)").toolTip, "0mv");
}

TEST(VoxPage, DefaultButtonWritesFactoryLevelsAndMarker) {
  Pages t;
  t.image[0x19E] = 0x5A;
  t.pages.initOpt();
  t.pages.press("cmdVoxCmpDefault");
  expectFactoryLevels(t.image);
  EXPECT_EQ(t.pages.control("cboVoxCmpDat(5)").selected, 110);
}

TEST(VoxPage, ToolTipIsTheLevelsVoltage) {
  const std::pair<int, const char*> cases[] = {
      {0, "0mv"}, {170, "2200mv"}, {180, "2329mv"}, {35, "453mv"}};
  for (const auto& [level, tip] : cases) EXPECT_EQ(voxLevelTip(level), tip);
}

TEST(VoxPage, GainDelayAndInhibit) {
  const test::LoadCase cases[] = {
      {"cboVoxLevel", 0x13A, 11, "Off", 0},        {"cboVoxLevel", 0x13A, 10, "10", 10},
      {"cboVoxDly", 0x13B, 9, "1.5s", 3},          {"cboVoxDly", 0x13B, 5, "3.0s", 5},
      {"cboVoxRxForbid", 0x138, 0xFF, "On", 0xFF}, {"cboVoxRxForbid", 0x138, 0xFE, "Off", 0xFE},
  };
  test::expectLoads(cases);
  Pages t(0xFF);
  t.pages.initOpt();
  t.pages.choose("cboVoxRxForbid", 0);
  EXPECT_EQ(t.image[0x138], 0xFE);
}

TEST(VoxPage, CalibrationCheckRestoresImplausibleLevels) {
  struct Case {
    std::uint8_t first, tenth;
    bool restored;
  };
  const Case cases[] = {{19, 35, true}, {20, 35, false}, {170, 180, false}, {170, 181, true}};
  for (const Case& c : cases) {
    Pages t;
    t.image[0x194] = c.first;
    t.image[0x19D] = c.tenth;
    t.image[0x19E] = 0x00;
    checkVoxCalibration(t.pages);
    if (c.restored) {
      expectFactoryLevels(t.image);
    } else {
      EXPECT_EQ(t.image[0x194], c.first);
      EXPECT_EQ(t.image[0x19D], c.tenth);
      EXPECT_EQ(t.image[0x19E], 0x00);
    }
  }
}

TEST(VoxPage, LevelLabelsCarryTheLevelNumber) {
  Pages english;
  EXPECT_EQ(english.pages.control("cboVoxCmpDat(1)").label, "1");
  EXPECT_EQ(english.pages.control("cboVoxCmpDat(10)").label, "10");
  CodeplugImage image;
  const CaptionTable traditional(kTraditionalChinese);
  const OptionPages pages(image, traditional);
  EXPECT_EQ(pages.control("cboVoxCmpDat(7)").label, "7級");
}

}  // namespace
}  // namespace q7
