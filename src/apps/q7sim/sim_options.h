#pragma once
// Command line of q7sim, the radio simulator on a pseudo-terminal.
#include <CLI/CLI.hpp>
#include <optional>
#include <string>

#include "comm/radio_simulator.h"
#include "comm/wait_clock.h"

namespace q7::sim {

struct SimOptions {
  std::string link;   // symlink to the terminal device
  std::string image;  // data file to load into memory
  std::string save;   // data file to write memory to on exit
  std::string stats;  // JSON file of byte counts on exit
  int baud = 9600;    // 0: no wire pacing
  std::optional<int> radioClass;
  std::optional<int> radioVersion;
  std::optional<CommandPair> pair;
  RadioFaults faults;
  Millis replyDelay{0};
};

// Declares every option of q7sim on `app`, each filling its part of `options`.
void declareSimOptions(CLI::App& app, SimOptions& options);

}  // namespace q7::sim
