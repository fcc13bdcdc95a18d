#include "settings/volume_table.h"

#include <gtest/gtest.h>

#include <set>

#include "settings/volume_steps.h"
#include "shell/error_report.h"

namespace q7 {
namespace {

TEST(VolumeTable, IsAPermutationSoEveryCodeHasExactlyOnePosition) {
  const VolumeSequence& table = getVoiceSeq();
  const std::set<int> codes(table.begin(), table.end());
  EXPECT_EQ(codes.size(), 256u);
  for (int p = 0; p < kVolumePositions; ++p) {
    EXPECT_EQ(volumeDatToSeq(volumeCode(p)), p) << p;
  }
}

TEST(VolumeTable, KnownPositionsAndCodes) {
  struct Case {
    int position;
    int code;
  };
  const Case cases[] = {{0, 0}, {10, 16}, {63, 69}, {100, 47}, {240, 250}, {252, 253}, {255, 255}};
  for (const Case& c : cases) {
    EXPECT_EQ(volumeCode(c.position), c.code) << c.position;
    EXPECT_EQ(volumeDatToSeq(static_cast<std::uint8_t>(c.code)), c.position) << c.code;
  }
}

TEST(VolumeTable, PositionsOutsideTheScaleAreClamped) {
  EXPECT_EQ(volumeCode(-1), 0);
  EXPECT_EQ(volumeCode(300), 255);
}

class VolumeStepsTest : public ::testing::Test {
 protected:
  CodeplugImage image;
  VolumeSteps steps{image};
};

TEST_F(VolumeStepsTest, DefaultWritesFactoryCodesAndUsesTheTable) {
  for (std::size_t a = 0x19F; a <= 0x1AC; ++a) image[a] = 0x77;
  steps.restoreDefault();
  const std::uint8_t factory[] = {0, 69, 148, 120, 227, 79, 185, 156, 173, 175, 253};
  for (std::size_t i = 0; i < 11; ++i) EXPECT_EQ(image[0x1A0 + i], factory[i]) << i;
  EXPECT_EQ(image[0x1AB], 0x5A);
  EXPECT_EQ(image[0x19F], 0x77);
  EXPECT_EQ(image[0x1AC], 0x77);
  EXPECT_TRUE(steps.useThisSet());
  const std::array<int, 10> shown = {63, 111, 143, 159, 175, 191, 207, 223, 239, 252};
  EXPECT_EQ(steps.seqVolumeDatToSeq(), shown);
}

TEST_F(VolumeStepsTest, ChoosingAPositionStoresItsCodeInThatStepOnly) {
  steps.chooseVolume(3, 100);
  EXPECT_EQ(image[0x1A3], 47);
  EXPECT_EQ(image[0x1A2], 0);
  EXPECT_EQ(image[0x1A4], 0);
  EXPECT_EQ(steps.seqVolumeDatToSeq()[2], 100);
}

TEST_F(VolumeStepsTest, StepZeroAndStepsBeyondTenAreNotChoosable) {
  EXPECT_THROW(steps.chooseVolume(0, 5), Failure);
  EXPECT_THROW(steps.chooseVolume(11, 5), Failure);
  EXPECT_EQ(image[0x1A0], 0);
  EXPECT_EQ(image[0x1AB], 0);
}

TEST_F(VolumeStepsTest, UseThisSetIsTheMarkerByte) {
  steps.setUseThisSet(true);
  EXPECT_EQ(image[0x1AB], 0x5A);
  steps.setUseThisSet(false);
  EXPECT_EQ(image[0x1AB], 0xFF);
  EXPECT_FALSE(steps.useThisSet());
  image[0x1AB] = 0x5B;
  EXPECT_FALSE(steps.useThisSet());
}

TEST(VolumeStepLabel, NumbersLineUp) {
  const CaptionTable english(kEnglish);
  EXPECT_EQ(volumeStepLabel(english, 1), "Volume  1 Level");
  EXPECT_EQ(volumeStepLabel(english, 9), "Volume  9 Level");
  EXPECT_EQ(volumeStepLabel(english, 10), "Volume 10 Level");
  EXPECT_EQ(volumeStepLabel(CaptionTable(kSimplifiedChinese), 2), "音量  2 级");
}

}  // namespace
}  // namespace q7
