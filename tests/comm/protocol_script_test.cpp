#include "comm/protocol_script.h"

#include <gtest/gtest.h>

#include <deque>

#include "comm/fake_radio_link.h"

namespace q7 {
namespace {

using test::ManualClock;

const std::string kFailureLine = "Rx：Communication failed! No receive Data!";

// A line whose every send is answered by the next scripted reply (none: silence).
class ScriptedLink : public SerialLink {
 public:
  explicit ScriptedLink(ManualClock& clock) : clock_(clock) {}
  std::deque<Bytes> replies;
  std::vector<Bytes> sent;
  std::vector<Millis> waitedFor;

  void open(int) override {}
  void close() override {}
  bool isOpen() const override { return true; }
  void clearOutput() override {}
  void clearInput() override { waiting_.clear(); }
  void send(std::span<const std::uint8_t> bytes) override {
    sent.emplace_back(bytes.begin(), bytes.end());
    if (replies.empty()) return;
    waiting_ = replies.front();
    replies.pop_front();
  }
  std::size_t outputCount() override { return 0; }
  std::size_t inputCount() override { return waiting_.size(); }
  Bytes readAll() override { return std::exchange(waiting_, {}); }
  bool waitForInput(std::size_t count, TimePoint deadline, const StopFlag& stop) override {
    waitedFor.push_back(std::chrono::duration_cast<Millis>(deadline - clock_.now()));
    if (waiting_.size() >= count) return true;
    if (!stop) clock_.wait(std::chrono::duration_cast<Millis>(deadline - clock_.now()));
    return false;
  }
  bool waitForSent(TimePoint) override { return true; }

 private:
  ManualClock& clock_;
  Bytes waiting_;
};

class ProtocolScriptTest : public ::testing::Test {
 protected:
  ManualClock clock;
  ScriptedLink link{clock};
  TrafficLog log;
  ProtocolScript script{link, clock, log, kFailureLine};
};

TEST_F(ProtocolScriptTest, AcknowledgeSucceedsOnlyOnTheExpectedByte) {
  link.replies = {{0x06}, {0x15}};
  EXPECT_TRUE(script.runScript("TX06RX06EN"));
  EXPECT_EQ(link.sent, std::vector<Bytes>{{0x06}});
  EXPECT_EQ(log.lines(), (std::vector<std::string>{"Tx: 06 ", "Rx: 06 "}));
  log.clear();
  EXPECT_FALSE(script.runScript("TX06RX06EN"));
  EXPECT_TRUE(script.failed());
  EXPECT_EQ(log.lines(), (std::vector<std::string>{"Tx: 06 ", "Rx: 15 ", kFailureLine}));
  EXPECT_FALSE(script.slowMode());
}

TEST_F(ProtocolScriptTest, ALongerReplyPassesOnItsFirstBytes) {
  link.replies = {{0x06, 0x99, 0x98}};
  EXPECT_TRUE(script.runScript("TX06RX06EN"));
  EXPECT_EQ(log.lines().back(), "Rx: 06 99 98 ");
}

TEST_F(ProtocolScriptTest, VariablesAreSentAndStoredFromTheStartOfTheBuffer) {
  const Bytes data = {0x11, 0x22, 0x33};
  script.loadVariables(data);
  link.replies = {{0x57, 0x01, 0x00, 0x02, 0xAB, 0xCD}};
  EXPECT_TRUE(script.runScript("TX57010003VAVAVARX57010002VAVAEN"));
  EXPECT_EQ(link.sent[0], (Bytes{0x57, 0x01, 0x00, 0x03, 0x11, 0x22, 0x33}));
  EXPECT_EQ(script.variables()[1], 0xAB);
  EXPECT_EQ(script.variables()[2], 0xCD);
}

TEST_F(ProtocolScriptTest, SeveralExchangesRunInOrderAndStopAtTheFirstFailure) {
  link.replies = {{0x06}, {0x07}};
  EXPECT_FALSE(script.runScript("TX01RX06TX02RX06TX03RX06EN"));
  EXPECT_EQ(link.sent, (std::vector<Bytes>{{0x01}, {0x02}}));
}

TEST_F(ProtocolScriptTest, ReservedTokensAndASendWithoutReplyAreAccepted) {
  link.replies = {{0x06}, {0x06}};
  EXPECT_TRUE(script.runScript("TX01RX06RF010203TX02RX06EN"));
  EXPECT_TRUE(script.runScript("TX4545EN"));
  EXPECT_EQ(link.sent, (std::vector<Bytes>{{0x01}, {0x02}, {0x45, 0x45}}));
  EXPECT_TRUE(link.waitedFor.size() == 2);
}

TEST_F(ProtocolScriptTest, TimeOutWaitsThePollLimitSetsSlowModeAndLogsOnce) {
  script.setAttempt(0);
  const Millis before = clock.elapsed();
  EXPECT_FALSE(script.runScript("TX06RX06EN"));
  EXPECT_EQ(link.waitedFor.back(), Millis(150 * 4));
  EXPECT_GE(clock.elapsed() - before, Millis(600));
  EXPECT_TRUE(script.slowMode());
  EXPECT_EQ(log.lines(), (std::vector<std::string>{"Tx: 06 ", kFailureLine}));
  // Slow mode adds a DelayNms(1) (at least 3 ms) before each exchange from now on.
  link.replies = {{0x06}};
  const Millis start = clock.elapsed();
  EXPECT_TRUE(script.runScript("TX06RX06EN"));
  EXPECT_GE(clock.elapsed() - start, Millis(3));
}

TEST_F(ProtocolScriptTest, AStopRequestEndsTheWaitAtOnce) {
  script.stopFlag() = true;
  const Millis before = clock.elapsed();
  EXPECT_FALSE(script.runScript("TX06RX06EN"));
  EXPECT_EQ(clock.elapsed(), before);
  EXPECT_EQ(log.lines().back(), kFailureLine);
}

TEST_F(ProtocolScriptTest, BadTokensAndOverlongScriptsFailInsteadOfPassing) {
  EXPECT_FALSE(script.runScript("TX0GRX06EN"));
  EXPECT_TRUE(link.sent.empty());
  std::string longScript = "TX";
  for (int i = 0; i < 200; ++i) longScript += "06";
  EXPECT_THROW(convComCode(longScript), Failure);
  EXPECT_FALSE(script.runScript(longScript));
  EXPECT_TRUE(link.sent.empty());
}

TEST(PollLimit, StaggeredByAttempt) {
  const std::pair<int, int> table[] = {{0, 150},  {1, 160},  {2, 170},  {3, 150},
                                       {5, 170},  {6, 310},  {9, 340},  {10, 250},
                                       {14, 290}, {15, 350}, {19, 390}, {20, 350}};
  for (auto [attempt, limit] : table) EXPECT_EQ(pollLimit(attempt), limit) << attempt;
  EXPECT_EQ(receivePoll(1), Millis(4));
}

TEST(ConvComCode, CutsTwoCharacterTokens) {
  EXPECT_EQ(convComCode("TX06RX06EN"), (std::vector<std::string>{"TX", "06", "RX", "06", "EN"}));
}

class DeclaredPairTest : public ProtocolScriptTest {
 protected:
  const std::string stepOne = buildReadSteps({0, 0xF}, kStandardPair)[0].script;
  Bytes identification(std::uint8_t marker, std::uint8_t read, std::uint8_t write) {
    return {0x57, 0x03, 0x88, 0x03, marker, read, write};
  }
};

TEST_F(DeclaredPairTest, TheRadiosDeclarationRebuildsTheTables) {
  script.setSource({{0x000, 0x00F}, {0x000, 0x00F}, {}});
  script.selectCommandPair(kStandardPair);
  link.replies = {{0x06}, identification(0x5A, 0x41, 0x42)};
  EXPECT_TRUE(script.runScript(stepOne, 1));
  EXPECT_EQ(script.pair(), (CommandPair{0x41, 0x42}));
  EXPECT_EQ(script.steps(StepTable::Read)[3].script.substr(0, 20), "TX41000010RX42000010");
  EXPECT_EQ(script.steps(StepTable::Write)[3].script.substr(0, 10), "TX42000010");

  link.replies = {{0x06}, identification(0x00, 0x41, 0x42)};
  EXPECT_TRUE(script.runScript(stepOne, 1));
  EXPECT_EQ(script.pair(), kStandardPair);
}

TEST_F(DeclaredPairTest, OnlyStepOneLooksAtTheDeclaration) {
  link.replies = {{0x06}, identification(0x5A, 0x41, 0x42)};
  EXPECT_TRUE(script.runScript(stepOne, 2));
  EXPECT_EQ(script.pair(), kStandardPair);
}

TEST_F(DeclaredPairTest, InitProtocolTakesThePairAsHexTexts) {
  script.initProtocol("41", "42");
  EXPECT_EQ(script.pair(), (CommandPair{0x41, 0x42}));
  script.initProtocol("52", "57");
  EXPECT_EQ(script.pair(), kStandardPair);
}

}  // namespace
}  // namespace q7
