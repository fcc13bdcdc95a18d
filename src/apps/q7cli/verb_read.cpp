// "q7cli read": the radio's memory into a data file, bytes exactly as read,
// and a backup of it in the backup folder. A read that does not succeed
// writes no file.
#include <algorithm>
#include <iostream>
#include <memory>

#include "cli_radio.h"
#include "foundation/error_report.h"
#include "verbs.h"

namespace q7::cli {
namespace {

struct ReadOptions {
  RadioOptions radio;
  std::string output;
};

int runRead(const ReadOptions& options) {
  const InterruptScope interrupts(1);
  const TransferRanges ranges = transferRanges(options.radio, programSettings(), false);
  CliRadio radio(options.radio, options.radio.ports.front(), CliRadio::Direction::Read);
  CheckedTransfer checked(radio.transfer(), radio.safeguards(options.radio));
  // Bytes outside the read range stay as erased memory reads: 0xFF.
  CodeplugImage image;
  std::fill(image.bytes().begin(), image.bytes().end(), std::uint8_t{0xFF});
  const CheckedRead result = checked.read(image, radio.port(), ranges);
  if (result.outcome != TransferOutcome::Succeeded)
    return radio.failed(result.outcome, stopOf(result));
  radio.endProgress();
  saveDataFile(options.output, image);
  std::cerr << "Read Successful: " << shownName(options.output, true) << "\n";
  if (!result.backup.empty()) info() << "Backup: " << result.backup.string() << "\n";
  if (!result.backupFailure.empty()) std::cerr << "q7cli read: " << result.backupFailure << "\n";
  return kExitSuccess;
}

}  // namespace

Verb declareRead(CLI::App& app) {
  auto options = std::make_shared<ReadOptions>();
  CLI::App* verb = addVerb(app, "read", "read the radio's memory into a data file");
  addRadioOptions(*verb, options->radio);
  addOutputOption(*verb, options->output, "the data file to write", "FILE.dat");
  return {verb, [options] { return runRead(*options); }};
}

}  // namespace q7::cli
