#include <algorithm>

#include "comm/transfer_fixture.h"

namespace q7 {
namespace {

using test::TransferTest;

// The shipped write range, which leaves the radio's parameter area alone.
constexpr TransferRanges kShippedRange{{0x000, 0x3FF}, {0x010, 0x37F}};
// Phase 1 with that range: 8 frames of entry and identification, 55 blocks, the final ack.
constexpr int kPhaseOneFrames = 64;

class WriteSequenceTest : public TransferTest {
 protected:
  WriteSequenceTest() {
    radio = RadioSimulator();
    for (std::size_t i = 0; i < kRadioSize; ++i) image[i] = static_cast<std::uint8_t>(i * 5 + 1);
    setRadioClass(31, 0);
  }
  void setRadioClass(std::uint8_t radioClass, std::uint8_t version) {
    radio.memory()[0x3D4] = radioClass;
    radio.memory()[0x3D3] = version;
  }
  // The frames heard after the block writes, closing frames left out.
  std::vector<Bytes> directFrames() const {
    const auto& heard = radio.heard();
    std::vector<Bytes> frames;
    for (std::size_t i = kPhaseOneFrames; i < heard.size(); ++i)
      if (heard[i][0] != 0x45) frames.push_back(heard[i]);
    return frames;
  }
  std::vector<Bytes> directHeaders() const {
    std::vector<Bytes> headers;
    for (const Bytes& f : directFrames()) headers.emplace_back(f.begin(), f.begin() + 4);
    return headers;
  }
};

TEST_F(WriteSequenceTest, AWriteStoresTheRangeRunsTheHooksAndClosesSixTimes) {
  std::vector<std::string> calls;
  TransferHooks hooks;
  hooks.storeChannels = [&] { calls.push_back("channels@" + std::to_string(link.sent.size())); };
  hooks.commitKeyLists = [&] { calls.push_back("keys"); };
  transfer.setHooks(hooks);
  EXPECT_EQ(transfer.write(image, 2, kShippedRange), TransferOutcome::Succeeded);
  EXPECT_EQ(calls, (std::vector<std::string>{"channels@0", "keys"}));
  // 0x37A..0x37D take the band of the model-and-band exchange afterwards.
  for (int a = 0x010; a <= 0x37F; ++a) {
    if ((a >= 0x1A0 && a <= 0x1AB) || (a >= 0x37A && a <= 0x37D)) continue;
    ASSERT_EQ(radio.memory()[a], image[static_cast<std::size_t>(a)]) << a;
  }
  EXPECT_EQ(radio.closingFrames(), 6);
  EXPECT_EQ(link.closes, 1);
  EXPECT_TRUE(prompts.messages.empty());
  EXPECT_EQ(observer.progress.back(), 100);
  EXPECT_EQ(transfer.log().lines().front(), "写入:频率");
}

TEST_F(WriteSequenceTest, TheShortFrameAt1ACCarriesTheImageBytesOfThoseAddresses) {
  EXPECT_EQ(transfer.write(image, 2, kShippedRange), TransferOutcome::Succeeded);
  for (int a = 0x1A0; a <= 0x1AB; ++a) EXPECT_EQ(radio.memory()[a], 0xFF) << a;
  for (int a = 0x1AC; a <= 0x1AF; ++a) EXPECT_EQ(radio.memory()[a], image[a]) << a;
  EXPECT_EQ(radio.heard()[3],
            (Bytes{0x75, 0x01, 0x94, 0x0B, image[0x194], image[0x195], image[0x196], image[0x197],
                   image[0x198], image[0x199], image[0x19A], image[0x19B], image[0x19C],
                   image[0x19D], image[0x19E]}));
  const auto& heard = radio.heard();
  const auto second = std::find_if(heard.begin(), heard.end(), [](const Bytes& f) {
    return f.size() > 4 && f[1] == 0x02 && f[2] == 0x80;
  });
  ASSERT_NE(second, heard.end());
  EXPECT_EQ((*second)[0], 0x75);
}

TEST_F(WriteSequenceTest, TheImageIsAdjustedBeforeItIsSent) {
  image[0x367] = 0x40;
  image[0x360] = 14;
  image[0x361] = 0;
  image[0x362] = 0;
  image[0x363] = 14;
  EXPECT_EQ(transfer.write(image, 2, kShippedRange), TransferOutcome::Succeeded);
  EXPECT_EQ(image[0x367], 0x41);
  EXPECT_EQ(radio.memory()[0x367], 0x41);
  for (int a = 0x360; a <= 0x363; ++a) EXPECT_EQ(radio.memory()[a], 14);
}

TEST(AdjustImageForWrite, OnlyAZeroBesideFourteenBecomesFourteen) {
  struct Case {
    std::uint8_t a, b, wantA, wantB;
  };
  const Case cases[] = {{14, 0, 14, 14}, {0, 14, 14, 14},  {14, 5, 14, 5},
                        {0, 0, 0, 0},    {14, 14, 14, 14}, {3, 0, 3, 0}};
  for (const Case& c : cases) {
    CodeplugImage image;
    image[0x362] = c.a;
    image[0x363] = c.b;
    adjustImageForWrite(image);
    EXPECT_EQ(image[0x362], c.wantA);
    EXPECT_EQ(image[0x363], c.wantB);
    EXPECT_EQ(image[0x367], 0x01);
  }
}

TEST_F(WriteSequenceTest, TheRadiosClassAndVersionChooseTheDirectExchanges) {
  const Bytes modelAndBand = {0x57, 0x03, 0x79, 0x05};
  const Bytes parameterRead = {0x52, 0x03, 0xD0, 0x30};
  const Bytes earpiece = {0x75, 0x03, 0xFB, 0x01};
  const Bytes parameters = {0x57, 0x03, 0xF0, 0x10};
  const Bytes r360 = {0x75, 0x03, 0x60, 0x10}, r3D9 = {0x75, 0x03, 0xD9, 0x07},
              r3E0 = {0x75, 0x03, 0xE0, 0x0C};
  struct Case {
    std::uint8_t radioClass, version;
    std::vector<Bytes> frames;
  };
  const std::vector<Case> cases = {
      {31, 0x00, {modelAndBand, parameterRead}},
      {21, 0x00, {modelAndBand, parameterRead}},
      {22, 0x28, {modelAndBand, parameterRead, parameters}},
      {99, 0x00, {modelAndBand, parameterRead, parameters}},
      {100, 0x00, {modelAndBand, parameterRead, earpiece}},
      {100, 0x28, {modelAndBand, parameterRead, earpiece, r360, r3D9, r3E0}},
      {120, 0xEF, {modelAndBand, parameterRead, r360, r3D9, r3E0}},
      {120, 0x20, {modelAndBand, parameterRead}},  // bits 3..5 are 100, not 101
      {149, 0x30, {modelAndBand, parameterRead}},
      {150, 0x28, {modelAndBand, parameterRead}},
  };
  for (const Case& c : cases) {
    radio = RadioSimulator();
    setRadioClass(c.radioClass, c.version);
    EXPECT_EQ(transfer.write(image, 2, kShippedRange), TransferOutcome::Succeeded);
    EXPECT_EQ(directHeaders(), c.frames) << int(c.radioClass) << " " << int(c.version);
    EXPECT_EQ(radio.closingFrames(), 6);
  }
}

TEST_F(WriteSequenceTest, TheParameterExchangeKeepsTheRadiosOtherBytes) {
  setRadioClass(50, 0);
  for (int a = 0x3F0; a <= 0x3FF; ++a) radio.memory()[a] = static_cast<std::uint8_t>(0xA0 + a);
  radio.memory()[0x3FC] = 0x00;
  radio.memory()[0x3FE] = 0xFF;
  image[0x3FC] = 0xFF;
  image[0x3FE] = 0x00;
  const auto before = radio.memory();
  EXPECT_EQ(transfer.write(image, 2, kShippedRange), TransferOutcome::Succeeded);
  for (int a = 0x3F0; a <= 0x3FF; ++a) {
    std::uint8_t want = before[a];
    if (a == 0x3F6 || a == 0x3F7) want = image[a];
    if (a == 0x3FC) want = 0x80;
    if (a == 0x3FE) want = 0xFB;
    EXPECT_EQ(radio.memory()[a], want) << a;
  }
}

TEST_F(WriteSequenceTest, TheBandGoesToTheRadioAsBcdHundredKilohertzSteps) {
  TransferHooks hooks;
  hooks.bandLimits = [] { return BandLimits{40000000, 48000000}; };
  transfer.setHooks(hooks);
  image[0x379] = 0;
  EXPECT_EQ(transfer.write(image, 2, kShippedRange), TransferOutcome::Succeeded);
  EXPECT_EQ(directFrames().front(), (Bytes{0x57, 0x03, 0x79, 0x05, 0x00, 0x40, 0x00, 0x48, 0x00}));
  EXPECT_EQ(radio.memory()[0x37A], 0x40);
  EXPECT_EQ(radio.memory()[0x37D], 0x00);
}

TEST(BandLimitBcd, FourDigitsOfHundredKilohertz) {
  const std::pair<long, std::array<std::uint8_t, 2>> cases[] = {
      {40000000, {0x40, 0x00}}, {13600000, {0x13, 0x60}}, {17400000, {0x17, 0x40}},
      {12345678, {0x12, 0x35}}, {55000000, {0x55, 0x00}}, {12000000, {0x12, 0x00}}};
  for (const auto& [limit, bcd] : cases) EXPECT_EQ(bandLimitBcd(limit), bcd) << limit;
}

TEST_F(WriteSequenceTest, ADirectExchangeThatNeverSucceedsEndsTheWriteAfterSixteenTries) {
  radio.faults().stopAfterFrame = kPhaseOneFrames + 1;
  EXPECT_EQ(transfer.write(image, 2, kShippedRange), TransferOutcome::Failed);
  const auto reads = std::count(link.sent.begin(), link.sent.end(), Bytes{0x52, 0x03, 0xD0, 0x30});
  EXPECT_EQ(reads, 16);
  const auto& lines = transfer.log().lines();
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "Rx: 未收到数据   第 串数据未收到"), 16);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].text, "Communication failed,please check commuication port!");
  EXPECT_EQ(radio.closingFrames(), 0);
  EXPECT_EQ(link.closes, 1);
}

TEST_F(WriteSequenceTest, AWrongReplyInPhaseOneRestartsTheTableFromStepOne) {
  radio.faults().corruptFrame = 20;
  EXPECT_EQ(transfer.write(image, 2, kShippedRange), TransferOutcome::Succeeded);
  EXPECT_EQ(transfer.attempts(), 1);
  const auto programs =
      std::count(link.sent.begin(), link.sent.end(), Bytes{'P', 'R', 'O', 'G', 'R', 'A', 'M'});
  EXPECT_EQ(programs, 8);
}

TEST_F(WriteSequenceTest, ASilentRadioShowsTheAttemptCountFromTheNinthFailure) {
  radio.faults().mute = true;
  EXPECT_EQ(transfer.write(image, 2, kShippedRange), TransferOutcome::Failed);
  EXPECT_EQ(transfer.attempts(), 20);
  EXPECT_EQ(prompts.messages.size(), 1u);
  const auto& s = observer.statuses;
  EXPECT_EQ(std::count(s.begin(), s.end(), " 8"), 0);
  EXPECT_EQ(std::count(s.begin(), s.end(), " 9"), 1);
  EXPECT_EQ(std::count(s.begin(), s.end(), " 20"), 1);
  EXPECT_EQ(radio.closingFrames(), 0);
}

}  // namespace
}  // namespace q7
