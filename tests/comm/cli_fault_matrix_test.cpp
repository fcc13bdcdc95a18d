// q7cli read and write against a q7sim radio with one fault each: a silent
// radio, a frame whose reply is dropped or garbled, a radio that stops
// listening after a frame, a line that hangs up after a frame, at frames
// spread over the whole transfer. Every run ends either with success and
// exactly the radio's bytes, or with exit code 1 and one line naming the
// cause, within the retry bound (20 attempts of the block steps, 16 tries of
// each direct exchange); a failed read writes no file.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "comm/pattern_file.h"
#include "comm/radio_transfer.h"
#include "comm/sim_process.h"

namespace q7 {
namespace {

using test::fileBytes;
using test::runCli;
using test::SimProcess;

enum class Fault { Silent, Dropped, Garbled, Stops, HangsUp };

struct FaultCase {
  const char* name;
  Fault fault;
  int frame;  // the frame the fault strikes at (frames count from 1)
  bool succeeds;
  // Attempts of the block steps that failed, as the trace shows. A hung-up
  // line may fail the send or the wait after it, so it gives a span.
  int fewestFailed;
  int mostFailed;
  const char* cause;  // what the failure line names
};

// A read of 000..3FF is 69 frames: PROGRAM, two identification reads, an
// acknowledge, 64 block reads (frames 5..68) and a closing acknowledge.
constexpr int kReadFrames = 69;
const char* const kTimeOut = "Communication failed";
const char* const kHungUp = "hung up";

const FaultCase kReadCases[] = {
    {"Silent", Fault::Silent, 0, false, 20, 20, kTimeOut},
    {"DroppedFirst", Fault::Dropped, 1, true, 1, 1, ""},
    {"DroppedMiddleBlock", Fault::Dropped, 36, true, 1, 1, ""},
    {"DroppedLastBlock", Fault::Dropped, 68, true, 1, 1, ""},
    {"DroppedLast", Fault::Dropped, kReadFrames, true, 1, 1, ""},
    {"GarbledFirst", Fault::Garbled, 1, true, 1, 1, ""},
    {"GarbledMiddleBlock", Fault::Garbled, 36, true, 1, 1, ""},
    {"GarbledLastBlock", Fault::Garbled, 68, true, 1, 1, ""},
    {"StopsAtMiddleBlock", Fault::Stops, 36, false, 20, 20, kTimeOut},
    {"HangsUpFirst", Fault::HangsUp, 1, false, 0, 1, kHungUp},
    {"HangsUpMiddleBlock", Fault::HangsUp, 36, false, 0, 1, kHungUp},
    {"HangsUpLastBlock", Fault::HangsUp, 68, false, 0, 1, kHungUp},
};

// A write of the settings' range 010..37F to a radio of class 31 is 72
// frames: the entry with its model frame (1..8), 55 block writes (9..63), a
// closing acknowledge, the model and band exchange (65), the parameter read
// (66) and six closing frames.
constexpr int kWriteFrames = 72;
constexpr int kVoxFrame = 4;  // the first frame that stores bytes in the radio
constexpr int kBandExchange = 65;
constexpr int kParameterRead = 66;

const FaultCase kWriteCases[] = {
    {"Silent", Fault::Silent, 0, false, 20, 20, kTimeOut},
    {"DroppedFirst", Fault::Dropped, 1, true, 1, 1, ""},
    {"DroppedMiddleBlock", Fault::Dropped, 36, true, 1, 1, ""},
    {"DroppedLastBlock", Fault::Dropped, 63, true, 1, 1, ""},
    {"DroppedBandExchange", Fault::Dropped, kBandExchange, true, 0, 0, ""},
    {"DroppedParameterRead", Fault::Dropped, kParameterRead, true, 0, 0, ""},
    {"GarbledFirst", Fault::Garbled, 1, true, 1, 1, ""},
    {"GarbledMiddleBlock", Fault::Garbled, 36, true, 1, 1, ""},
    {"GarbledLastBlock", Fault::Garbled, 63, true, 1, 1, ""},
    {"GarbledParameterRead", Fault::Garbled, kParameterRead, true, 0, 0, ""},
    {"StopsAtMiddleBlock", Fault::Stops, 36, false, 20, 20, kTimeOut},
    {"StopsAtBandExchange", Fault::Stops, kBandExchange, false, 0, 0, kTimeOut},
    {"HangsUpFirst", Fault::HangsUp, 1, false, 0, 1, kHungUp},
    {"HangsUpMiddleBlock", Fault::HangsUp, 36, false, 0, 1, kHungUp},
    {"HangsUpLastBlock", Fault::HangsUp, 63, false, 0, 1, kHungUp},
    {"HangsUpAtBandExchange", Fault::HangsUp, kBandExchange, false, 0, 1, kHungUp},
    {"HangsUpAfterTheLast", Fault::HangsUp, kWriteFrames, true, 0, 1, ""},
};

std::vector<std::string> faultArguments(const FaultCase& c) {
  const std::string k = std::to_string(c.frame);
  switch (c.fault) {
    case Fault::Silent:
      return {"--mute"};
    case Fault::Dropped:
      return {"--ignore-frame", k};
    case Fault::Garbled:
      return {"--corrupt-frame", k};
    case Fault::Stops:
      return {"--stop-after", k};
    case Fault::HangsUp:
      return {"--hangup-after", k};
  }
  return {};
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> all;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) all.push_back(line);
  return all;
}

long linesEqual(const std::vector<std::string>& all, const std::string& wanted) {
  return std::count(all.begin(), all.end(), wanted);
}

// The failure line of the trace: one per failed attempt of the block steps.
const std::string kReceiveFailedNote = "Rx：Communication failed! No receive Data!";

class FaultRun {
 public:
  FaultRun(const char* verb, std::vector<std::string> simArguments, const std::string& operand)
      : source_(test::patternFile(dir_)) {
    for (const char* a : {"--baud", "0", "--class", "31", "--save"}) simArguments.push_back(a);
    simArguments.push_back(radioFile().string());
    simArguments.push_back("--image");
    simArguments.push_back(source_.string());
    SimProcess sim(simArguments);
    // The bare transfer: no backup read before it, no read-back after it.
    const std::string safeguardsOff =
        verb == std::string("write") ? " --no-backup --no-verify" : " --no-backup";
    result_ = runCli(std::string(verb) + safeguardsOff + " --port " + sim.device() + " " + operand +
                         " --trace '" + (dir_ / "trace.txt").string() + "'",
                     dir_ / "err.txt");
    sim.stop();
    const auto trace = fileBytes(dir_ / "trace.txt");
    trace_ = lines(std::string(trace.begin(), trace.end()));
  }
  const test::TempDir& dir() const { return dir_; }
  std::filesystem::path radioFile() const { return dir_ / "radio.dat"; }
  const test::CommandResult& result() const { return result_; }
  const std::vector<std::string>& trace() const { return trace_; }

 private:
  test::TempDir dir_;
  std::filesystem::path source_;
  test::CommandResult result_;
  std::vector<std::string> trace_;
};

// What a run that did not succeed must show: exit code 1, the cause on the
// last line and no other line of q7cli's own.
void expectOneCauseLine(const FaultRun& run, const std::string& verb, const FaultCase& c) {
  EXPECT_EQ(run.result().exitCode, 1) << run.result().errorOutput;
  const auto said = lines(run.result().errorOutput);
  ASSERT_FALSE(said.empty());
  const std::string prefix = "q7cli " + verb + ": ";
  EXPECT_EQ(said.back().rfind(prefix, 0), 0u) << run.result().errorOutput;
  EXPECT_NE(said.back().find(c.cause), std::string::npos) << said.back();
  EXPECT_EQ(
      std::count_if(said.begin(), said.end(),
                    [&](const std::string& l) { return l.find(prefix) != std::string::npos; }),
      1);
}

void expectWithinRetryBound(const FaultRun& run, const FaultCase& c) {
  const long failed = linesEqual(run.trace(), kReceiveFailedNote);
  EXPECT_GE(failed, c.fewestFailed);
  EXPECT_LE(failed, c.mostFailed);
  EXPECT_LE(c.mostFailed, RadioTransfer::kMaxAttempts);
  constexpr long kTries = 16;
  EXPECT_LE(linesEqual(run.trace(), "Tx: 57 03 79 05 "), kTries);
  EXPECT_LE(linesEqual(run.trace(), "Tx: 52 03 D0 30 "), kTries);
}

class ReadFaultTest : public ::testing::TestWithParam<FaultCase> {};

TEST_P(ReadFaultTest, EndsWithTheRadiosBytesOrOneCauseAndNoFile) {
  const FaultCase& c = GetParam();
  test::TempDir outputs;
  const auto output = outputs / "read.dat";
  FaultRun run("read", faultArguments(c), "--start 0 --end 3FF -o '" + output.string() + "'");
  expectWithinRetryBound(run, c);
  if (c.succeeds) {
    EXPECT_EQ(run.result().exitCode, 0) << run.result().errorOutput;
    EXPECT_EQ(fileBytes(output), fileBytes(run.radioFile()));
    return;
  }
  expectOneCauseLine(run, "read", c);
  EXPECT_FALSE(std::filesystem::exists(output));
}

INSTANTIATE_TEST_SUITE_P(CliFaultMatrix, ReadFaultTest, ::testing::ValuesIn(kReadCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The radio's memory after a write with no fault, to hold the others against.
const std::vector<std::uint8_t>& cleanlyWritten() {
  static const std::vector<std::uint8_t> bytes = [] {
    test::TempDir dir;
    const auto file = test::patternFile(dir);
    FaultRun run("write", {}, "'" + file.string() + "'");
    EXPECT_EQ(run.result().exitCode, 0) << run.result().errorOutput;
    return fileBytes(run.radioFile());
  }();
  return bytes;
}

class WriteFaultTest : public ::testing::TestWithParam<FaultCase> {};

TEST_P(WriteFaultTest, EndsWithTheFileInTheRadioOrOneCause) {
  const FaultCase& c = GetParam();
  const auto wanted = cleanlyWritten();
  test::TempDir inputs;
  const auto file = test::patternFile(inputs);
  FaultRun run("write", faultArguments(c), "'" + file.string() + "'");
  expectWithinRetryBound(run, c);
  if (c.succeeds) {
    EXPECT_EQ(run.result().exitCode, 0) << run.result().errorOutput;
    EXPECT_EQ(fileBytes(run.radioFile()), wanted);
    return;
  }
  expectOneCauseLine(run, "write", c);
  // Once the VOX frame has gone out, the radio may hold part of the file.
  const bool begun = c.frame >= kVoxFrame - 1;
  EXPECT_EQ(run.result().errorOutput.find("only partly written") != std::string::npos, begun)
      << run.result().errorOutput;
}

INSTANTIATE_TEST_SUITE_P(CliFaultMatrix, WriteFaultTest, ::testing::ValuesIn(kWriteCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The radio stores the VOX levels, its answer is lost and the line goes dead:
// no step ever succeeded, yet the radio no longer holds what it held.
TEST(CliFaultMatrix, AWriteCutRightAfterTheVoxFrameSaysPartlyWritten) {
  test::TempDir inputs;
  const auto file = test::patternFile(inputs);
  const std::string k = std::to_string(kVoxFrame);
  FaultRun run("write", {"--corrupt-frame", k, "--hangup-after", k}, "'" + file.string() + "'");
  EXPECT_EQ(run.result().exitCode, 1);
  const auto said = lines(run.result().errorOutput);
  ASSERT_FALSE(said.empty());
  EXPECT_NE(
      said.back().find("at 0% of the write; the radio is only partly written; write it again"),
      std::string::npos)
      << said.back();
}

}  // namespace
}  // namespace q7
