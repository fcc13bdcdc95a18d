// "q7cli read": the radio's memory into a data file, bytes exactly as read.
// A read that does not succeed writes no file.
#include <algorithm>
#include <iostream>
#include <stdexcept>

#include "cli_radio.h"
#include "verbs.h"

namespace q7::cli {

int runRead(const CliArgs& args) {
  const auto output = args.option("-o");
  if (!output) throw std::invalid_argument("-o FILE.dat is missing");
  CliRadio radio(args);
  const TransferRanges ranges = transferRanges(args, programSettings(), false);
  // Bytes outside the read range stay as erased memory reads: 0xFF.
  CodeplugImage image;
  std::fill(image.bytes().begin(), image.bytes().end(), std::uint8_t{0xFF});
  const TransferOutcome outcome = radio.transfer().read(image, radio.port(), ranges);
  if (outcome != TransferOutcome::Succeeded) {
    std::cerr << "q7cli read: " << radio.failureReason(outcome) << "\n";
    return 1;
  }
  writeDataFile(*output, image);
  std::cerr << "Read Successful: " << *output << "\n";
  return 0;
}

}  // namespace q7::cli
