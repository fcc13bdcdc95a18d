#include <algorithm>

#include "comm/transfer_fixture.h"

namespace q7 {
namespace {

using test::TransferTest;

constexpr TransferRanges kFullRange{{0x000, 0x3FF}, {0x010, 0x37F}};
// Frames of a read: PROGRAM and two identification reads, the acknowledge,
// then one frame per block; block 11 is frame 15.
constexpr int kEleventhBlockFrame = 15;

bool radioBytesIn(const CodeplugImage& image, const RadioSimulator& radio, int first, int last) {
  for (int i = first; i <= last; ++i)
    if (image[static_cast<std::size_t>(i)] != radio.memory()[static_cast<std::size_t>(i)])
      return false;
  return true;
}

class ReadSequenceTest : public TransferTest {
 protected:
  ReadSequenceTest() { image.bytes()[0x200] = 0x99; }
};

TEST_F(ReadSequenceTest, AFullReadCopiesTheRadioAndShowsEveryStep) {
  int shown = 0;
  TransferHooks hooks;
  hooks.showImage = [&] { ++shown; };
  transfer.setHooks(hooks);
  EXPECT_EQ(transfer.read(image, 3, kFullRange), TransferOutcome::Succeeded);
  EXPECT_TRUE(radioBytesIn(image, radio, 0x000, 0x3FF));
  EXPECT_EQ(image[1024], 0);
  EXPECT_EQ(shown, 1);
  ASSERT_EQ(observer.progress.size(), 69u);
  EXPECT_EQ((std::vector<int>(observer.progress.begin(), observer.progress.begin() + 4)),
            (std::vector<int>{0, 0, 3, 7}));
  EXPECT_EQ(observer.progress[66], 98);
  EXPECT_EQ(observer.progress[67], 100);
  EXPECT_EQ(observer.statuses.front(), "Reading Now......");
  EXPECT_EQ(observer.statuses[4], "7 %");
  EXPECT_EQ(observer.statuses.back(), "Read Successful");
  EXPECT_EQ(link.opens, 1);
  EXPECT_EQ(link.closes, 1);
  EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(ReadSequenceTest, APartialReadTouchesOnlyItsRange) {
  const CodeplugImage before = image;
  EXPECT_EQ(transfer.read(image, 1, {{0x010, 0x37F}, {}}), TransferOutcome::Succeeded);
  EXPECT_TRUE(radioBytesIn(image, radio, 0x010, 0x37F));
  for (std::size_t i : {0x000u, 0x00Fu, 0x380u, 0x3FFu}) EXPECT_EQ(image[i], before[i]) << i;
}

TEST_F(ReadSequenceTest, AFaultInTheEleventhBlockIsRetriedAndTheImageEqualsTheRadio) {
  for (int fault = 0; fault < 2; ++fault) {
    radio = RadioSimulator(test::patternMemory(fault));
    radio.faults().ignoreFrame = fault == 0 ? kEleventhBlockFrame : 0;
    radio.faults().corruptFrame = fault == 1 ? kEleventhBlockFrame : 0;
    CodeplugImage read;
    EXPECT_EQ(transfer.read(read, 1, kFullRange), TransferOutcome::Succeeded);
    EXPECT_EQ(transfer.attempts(), 1);
    EXPECT_TRUE(radioBytesIn(read, radio, 0x000, 0x3FF)) << fault;
  }
  EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(ReadSequenceTest, ASilentRadioGivesOneMessageAfterTheTwentiethAttempt) {
  radio.faults().mute = true;
  const CodeplugImage before = image;
  EXPECT_EQ(transfer.read(image, 1, kFullRange), TransferOutcome::Failed);
  EXPECT_EQ(transfer.attempts(), 20);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].title, "Notice");
  EXPECT_EQ(prompts.messages[0].text, "Communication failed,please check commuication port!");
  EXPECT_EQ(image, before);
  EXPECT_EQ(observer.stopBoxShown, 15);
  EXPECT_EQ(observer.statuses.back(), "Read Failed");
  const auto& s = observer.statuses;
  EXPECT_EQ(std::count(s.begin(), s.end(), "Reading Now...... 8"), 0);
  for (int attempt = 9; attempt <= 20; ++attempt)
    EXPECT_EQ(std::count(s.begin(), s.end(), "Reading Now...... " + std::to_string(attempt)), 1);
  // Each attempt waited its whole poll limit, at 4 ms a poll.
  Millis least{0};
  for (int attempt = 0; attempt < 20; ++attempt) least += pollLimit(attempt) * Millis(4);
  EXPECT_GE(clock.elapsed(), least);
  EXPECT_TRUE(transfer.protocol().slowMode());
}

TEST_F(ReadSequenceTest, AStopRequestEndsTheReadAtTheSixthFailureWithoutAMessage) {
  const CodeplugImage before = image;
  int waits = 0;
  link.onWait = [&] {
    if (++waits == 20) transfer.requestStop();
  };
  EXPECT_EQ(transfer.read(image, 1, kFullRange), TransferOutcome::Failed);
  EXPECT_EQ(transfer.attempts(), 6);
  EXPECT_EQ(observer.stopBoxShown, 1);
  EXPECT_TRUE(prompts.messages.empty());
  EXPECT_EQ(image, before);
}

TEST_F(ReadSequenceTest, ARadioThatStopsAnsweringLeavesTheImageAsItWas) {
  radio.faults().stopAfterFrame = 40;
  const CodeplugImage before = image;
  EXPECT_EQ(transfer.read(image, 1, kFullRange), TransferOutcome::Failed);
  EXPECT_EQ(image, before);
}

TEST_F(ReadSequenceTest, BlockFramesUseThePairTheRadioDeclares) {
  radio.declarePair({0x41, 0x42});
  EXPECT_EQ(transfer.read(image, 1, kFullRange), TransferOutcome::Succeeded);
  EXPECT_TRUE(radioBytesIn(image, radio, 0x000, 0x3FF));
  const auto& heard = radio.heard();
  EXPECT_EQ(heard[4], (Bytes{0x41, 0x00, 0x00, 0x10}));
  EXPECT_EQ(heard[1][0], 0x52);
  EXPECT_EQ(heard[2][0], 0x52);
}

TEST_F(ReadSequenceTest, APortThatWillNotOpenEndsTheReadBeforeAnyExchange) {
  link.openFails = true;
  const std::size_t reported = errorReporter().lines().size();
  EXPECT_EQ(transfer.read(image, 7, kFullRange), TransferOutcome::PortNotOpened);
  EXPECT_TRUE(link.sent.empty());
  ASSERT_EQ(errorReporter().lines().size(), reported + 2);
  EXPECT_NE(errorReporter().lines().back().find("modCommun->OpenCom"), std::string::npos);
  EXPECT_TRUE(prompts.messages.empty());
}

}  // namespace
}  // namespace q7
