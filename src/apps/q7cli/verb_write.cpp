// "q7cli write": a data file into the radio, with the same exchanges as the
// window's write. The file already holds encoded channels, so there is
// nothing to commit first; the band comes from the file's band bytes, read
// (and repaired) as opening the file in the window reads them.
#include <iostream>
#include <stdexcept>

#include "channels/model_band.h"
#include "cli_radio.h"
#include "verbs.h"

namespace q7::cli {
int runWrite(const CliArgs& args) {
  if (args.positional.size() != 1) throw std::invalid_argument("one FILE.dat is needed");
  CodeplugImage image;
  image.loadFileLayout(readImageFile(args.positional[0], kDataFileSize));
  CliRadio radio(args);
  TransferHooks hooks;
  hooks.bandLimits = [&] { return loadModelAndBand(image).limits; };
  radio.transfer().setHooks(hooks);
  const TransferRanges ranges = transferRanges(args, programSettings(), true);
  const TransferOutcome outcome = radio.transfer().write(image, radio.port(), ranges);
  if (outcome != TransferOutcome::Succeeded) {
    std::cerr << "q7cli write: " << radio.failureReason(outcome) << "\n";
    return 1;
  }
  std::cerr << "Write Successful: " << args.positional[0] << "\n";
  return 0;
}

}  // namespace q7::cli
