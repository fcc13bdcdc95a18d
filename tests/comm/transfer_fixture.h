#pragma once
// A read or write against the in-process radio: captions in English, answers
// recorded by ScriptedPrompts, progress and status recorded by the observer.
#include <gtest/gtest.h>

#include "comm/fake_radio_link.h"
#include "comm/radio_transfer.h"
#include "support/scripted_prompts.h"

namespace q7::test {

struct RecordingObserver : TransferObserver {
  std::vector<int> progress;
  std::vector<std::string> statuses;
  int stopBoxShown = 0;
  void setProgress(int percent) override { progress.push_back(percent); }
  void setStatus(const std::string& text) override { statuses.push_back(text); }
  void showStopBox() override { ++stopBoxShown; }
};

inline RadioSimulator::Memory patternMemory(int seed) {
  RadioSimulator::Memory memory{};
  for (std::size_t i = 0; i < memory.size(); ++i)
    memory[i] = static_cast<std::uint8_t>((i * 7 + static_cast<std::size_t>(seed)) & 0xFF);
  return memory;
}

class TransferTest : public ::testing::Test {
 protected:
  TransferTest() { transfer.setObserver(&observer); }

  ManualClock clock;
  RadioSimulator radio{patternMemory(3)};
  FakeRadioLink link{radio, clock};
  CaptionTable captions{kEnglish};
  ScriptedPrompts prompts;
  RadioTransfer transfer{link, clock, captions, prompts};
  RecordingObserver observer;
  CodeplugImage image;
};

}  // namespace q7::test
