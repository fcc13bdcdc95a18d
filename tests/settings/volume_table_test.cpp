#include "settings/volume_table.h"

#include <gtest/gtest.h>

#include <set>

#include "foundation/error_report.h"
#include "settings/volume_steps.h"

namespace q7 {
namespace {

// The radio's loudness order of the attenuator codes, 32 positions a line.
constexpr int kLoudnessOrder[kVolumePositions] = {
    0,   1,   2,   3,   4,   5,   6,   7,   8,   9,   16,  10,  17,  11,  18,  12,  19,  13,  20,
    14,  21,  15,  22,  32,  33,  23,  34,  24,  35,  25,  48,  36,  26,  49,  37,  27,  50,  38,
    28,  64,  51,  39,  65,  29,  52,  40,  66,  30,  80,  53,  81,  41,  67,  31,  54,  96,  82,
    42,  68,  55,  97,  112, 43,  69,  83,  56,  98,  128, 113, 44,  70,  84,  144, 129, 57,  114,
    99,  145, 45,  71,  85,  160, 130, 58,  100, 115, 161, 176, 146, 46,  72,  86,  131, 177, 59,
    101, 116, 192, 162, 87,  47,  147, 73,  132, 178, 60,  193, 102, 117, 163, 88,  148, 74,  133,
    61,  209, 103, 208, 194, 179, 118, 164, 149, 75,  224, 89,  134, 62,  210, 104, 119, 180, 195,
    225, 165, 150, 76,  90,  240, 135, 181, 63,  211, 120, 105, 196, 226, 166, 241, 151, 77,  91,
    136, 182, 212, 197, 106, 121, 167, 227, 242, 152, 78,  92,  137, 183, 213, 107, 198, 122, 168,
    228, 93,  243, 153, 79,  138, 184, 214, 108, 199, 123, 229, 169, 94,  244, 154, 139, 215, 109,
    200, 185, 124, 230, 170, 245, 155, 95,  140, 216, 110, 125, 186, 201, 231, 171, 246, 156, 141,
    187, 126, 217, 111, 202, 232, 172, 247, 157, 142, 188, 218, 203, 127, 173, 233, 248, 158, 143,
    189, 219, 204, 174, 234, 249, 159, 190, 220, 205, 235, 175, 250, 221, 206, 191, 236, 251, 222,
    207, 237, 252, 223, 238, 253, 239, 254, 255,
};

TEST(VolumeTable, EveryPositionHoldsTheCodeOfItsLoudnessStep) {
  for (int p = 0; p < kVolumePositions; ++p) {
    EXPECT_EQ(volumeCode(p), kLoudnessOrder[p]) << p;
    EXPECT_EQ(getVoiceSeq()[static_cast<std::size_t>(p)], kLoudnessOrder[p]) << p;
    EXPECT_EQ(volumeDatToSeq(static_cast<std::uint8_t>(kLoudnessOrder[p])), p) << p;
  }
}

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
