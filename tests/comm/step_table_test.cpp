#include "comm/step_table.h"

#include <gtest/gtest.h>

namespace q7 {
namespace {

std::string vas(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += "VA";
  return text;
}

std::vector<int> percents(const std::vector<ProtocolStep>& steps) {
  std::vector<int> result;
  for (const ProtocolStep& step : steps) result.push_back(step.percent);
  return result;
}

TEST(StepTable, FullReadHas64BlocksAndTheKnownPercentages) {
  const auto steps = buildReadSteps({0x000, 0x3FF}, kStandardPair);
  ASSERT_EQ(steps.size(), 68u);
  const auto p = percents(steps);
  EXPECT_EQ((std::vector<int>{p[0], p[1], p[2], p[3]}), (std::vector<int>{0, 0, 3, 7}));
  EXPECT_EQ(p[66], 98);
  EXPECT_EQ(p[67], 100);
  for (std::size_t i = 3; i + 1 < p.size(); ++i) EXPECT_LE(p[i], p[i + 1]);
  EXPECT_EQ(steps[3].script, "TX52000010RX57000010" + vas(16) + "EN");
  EXPECT_EQ(steps[3].start, 0);
  EXPECT_EQ(steps[3].count, 16);
  EXPECT_EQ(steps[66].start, 0x3F0);
}

TEST(StepTable, FixedReadStepsCarryTheEntryWordAndIdentificationReads) {
  const auto steps = buildReadSteps({0, 0xF}, kStandardPair);
  EXPECT_EQ(steps[0].script, "TX50524F4752414DRX06TX52038803RXVA038803VAVAVAEN");
  EXPECT_EQ(steps[1].script, "TX52038509RXVA038509VAVAVAVAVAVAVAVAVAEN");
  EXPECT_EQ(steps[2].script, "TX06RX06EN");
  EXPECT_EQ(steps.back().script, "TX06RX06EN");
}

TEST(StepTable, ShortLastBlockCarriesTheRemainingBytes) {
  const auto steps = buildReadSteps({0x100, 0x125}, kStandardPair);
  ASSERT_EQ(steps.size(), 7u);
  EXPECT_EQ(steps[5].start, 0x120);
  EXPECT_EQ(steps[5].count, 6);
  EXPECT_EQ(steps[5].script, "TX52012006RX57012006VAVAVAVAVAVAEN");
}

TEST(StepTable, RangesAreCutAtTheRadioTopAndAStartAboveTheEndGivesNoBlocks) {
  const auto cut = blocksOf({0x3F8, 0x1FFF});
  ASSERT_EQ(cut.size(), 1u);
  EXPECT_EQ(cut[0].start, 0x3F8);
  EXPECT_EQ(cut[0].length, 8);
  EXPECT_EQ(buildReadSteps({0x000, 0x1FFF}, kStandardPair).size(), 68u);
  EXPECT_TRUE(blocksOf({0x200, 0x100}).empty());
  EXPECT_EQ(buildReadSteps({0x200, 0x100}, kStandardPair).size(), 4u);
  EXPECT_TRUE(blocksOf({0x400, 0x1FFF}).empty());
}

TEST(StepTable, PercentRoundsHalvesToEvenAndStopsAt98) {
  // 0x000..0x3FF: 64 blocks; 3 * 94 / 64 + 3 = 7.4 and 4 * 94 / 64 + 3 = 8.9.
  EXPECT_EQ(blockPercent({0, 0x3FF}, 4), 7);
  EXPECT_EQ(blockPercent({0, 0x3FF}, 5), 9);
  // 0x000..0x0C0: 12 blocks; 3 * 94 / 12 + 3 = 26.5 goes to the even 26.
  EXPECT_EQ(blockPercent({0, 0xC0}, 4), 26);
  // 0x000..0x028: 40 / 16 = 2.5 blocks counts as 2, so the first block is past 98.
  EXPECT_EQ(blockPercent({0, 0x28}, 4), 98);
  // 0x000..0x038: 3.5 blocks counts as 4: 3 * 94 / 4 + 3 = 73.5 goes to 74.
  EXPECT_EQ(blockPercent({0, 0x38}, 4), 74);
  // A range shorter than a block still divides by 1.
  EXPECT_EQ(blockPercent({0, 0x7}, 4), 98);
}

TEST(StepTable, WriteBlocksUseTheSecondFormAndTheShortFrameWhereTheRadioNeedsThem) {
  WriteStepOneBytes model{};
  for (std::size_t i = 0; i < model.size(); ++i) model[i] = static_cast<std::uint8_t>(0xA0 + i);
  const auto steps = buildWriteSteps({0x000, 0x3FF}, kStandardPair, model);
  ASSERT_EQ(steps.size(), 68u);
  EXPECT_EQ(steps[0].script,
            "TX50524F4752414DRX06TX50524F4752414DRX06TX52038803RXVA038803VAVAVA"
            "TX7501940BA0A1A2A3A4A5A6A7A8A9AARX06EN");
  EXPECT_EQ(steps[1].script,
            "TX50524F4752414DRX06TX50524F4752414DRX06TX52038509RXVA038509VAVAVAVAVAVAVAVAVAEN");
  const std::string sixteen = vas(16);
  EXPECT_EQ(steps[3].script, "TX57000010" + sixteen + "RX06EN");
  const ProtocolStep& short1A = steps[3 + 0x1A];
  EXPECT_EQ(short1A.script, "TX5701AC04VAVAVAVARX06EN");
  EXPECT_EQ(short1A.start, 0x1AC);
  EXPECT_EQ(short1A.count, 4);
  EXPECT_EQ(steps[3 + 0x28].script, "TX75028010" + sixteen + "RX06EN");
  EXPECT_EQ(steps[3 + 0x2F].script, "TX7502F010" + sixteen + "RX06EN");
  EXPECT_EQ(steps[3 + 0x30].script, "TX57030010" + sixteen + "RX06EN");
}

TEST(StepTable, ADeclaredPairGoesIntoEveryBlockFrame) {
  const CommandPair pair{0x41, 0x42};
  const auto read = buildReadSteps({0x010, 0x01F}, pair);
  EXPECT_EQ(read[3].script.substr(0, 20), "TX41001010RX42001010");
  EXPECT_EQ(read[0].script, buildReadSteps({0, 0}, kStandardPair)[0].script);
  const auto write = buildWriteSteps({0x010, 0x01F}, pair, {});
  EXPECT_EQ(write[3].script.substr(0, 10), "TX42001010");
}

}  // namespace
}  // namespace q7
