// "q7cli write": a data file into the radio, with the same exchanges as the
// window's write. The file already holds encoded channels, so there is
// nothing to commit first; the band comes from the file's band bytes.
#include <iostream>
#include <stdexcept>

#include "cli_radio.h"
#include "verbs.h"

namespace q7::cli {
namespace {

// Band limits as the image stores them (0x37A..0x37D, BCD of 100 kHz steps);
// unreadable or implausible bytes give the 400-480 MHz band.
BandLimits bandOfImage(const CodeplugImage& image) {
  auto limit = [&](std::size_t at) -> long {
    long steps = 0;
    for (std::uint8_t byte : {image[at], image[at + 1]}) {
      if ((byte >> 4) > 9 || (byte & 0x0F) > 9) return -1;
      steps = steps * 100 + (byte >> 4) * 10 + (byte & 0x0F);
    }
    return steps * 10000;
  };
  const BandLimits band{limit(0x37A), limit(0x37C)};
  const bool plausible =
      band.lower >= 12000000 && band.upper <= 55000000 && band.upper >= band.lower;
  return plausible ? band : kRepairBand;
}

}  // namespace

int runWrite(const CliArgs& args) {
  if (args.positional.size() != 1) throw std::invalid_argument("one FILE.dat is needed");
  CodeplugImage image;
  image.loadFileLayout(readImageFile(args.positional[0], kDataFileSize));
  CliRadio radio(args);
  TransferHooks hooks;
  hooks.bandLimits = [&] { return bandOfImage(image); };
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
