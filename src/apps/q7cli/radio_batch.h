#pragma once
// "q7cli write FILE.dat --serials FILE": one radio after another, each with
// the next serial number of the file in information line 1, put there as the
// Embedded Msg page puts a chosen number. Every radio is written as a single
// write is (backup, write, read-back) and gets a line in the batch log.
//
// With one port the dealer is asked for every radio and presses Enter when
// it is connected. With several ports each port has its own thread: the
// first radio of every port is taken as connected when the batch starts,
// and each next radio of a port is asked for with the port named. The serial
// numbers go out in the file's order, each once, to whichever port is ready
// first. A radio that fails does not end the batch; its number is not used
// again (the log lists it, to be written in a later batch).
//
// The end of standard input ends the batch once the radios in hand are done.
// So does Ctrl+C; a second Ctrl+C stops the radios in hand at once.
#include <filesystem>
#include <string>
#include <vector>

#include "cli_args.h"

namespace q7::cli {

struct BatchPlan {
  std::string dataFile;
  std::vector<std::string> serials;
  std::filesystem::path log;
  RadioOptions radio;
};

// Runs the batch; returns 0 when every radio was written and verified, 1
// when any failed, 3 when any differs after its write, 130 after Ctrl+C,
// and 2 when all went well but a line could not be added to the log.
// Throws std::invalid_argument or std::runtime_error, before any port is
// opened, for a plan that cannot run.
int runBatch(const BatchPlan& plan);

}  // namespace q7::cli
