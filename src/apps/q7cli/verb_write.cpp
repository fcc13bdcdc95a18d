// "q7cli write": a data file into the radio, sending what the desktop program
// sends after opening the file and choosing Write: the file is opened in the
// editor (with the refresh's corrections), the channel table and the key
// lists are committed when the port is open, and the band is the one the
// editor selected from the file.
#include <iostream>
#include <stdexcept>

#include "cli_editor.h"
#include "cli_radio.h"
#include "verbs.h"

namespace q7::cli {

int runWrite(const CliArgs& args) {
  if (args.positional.size() != 1) throw std::invalid_argument("one FILE.dat is needed");
  CliEditor opened(args.positional[0], kEnglish);
  CodeplugEditor& editor = opened.editor();
  CliRadio radio(args);
  TransferHooks hooks;
  hooks.storeChannels = [&] { editor.storeChannels(); };
  hooks.commitKeyLists = [&] { editor.commitKeyLists(); };
  hooks.bandLimits = [&] { return editor.modelBand().limits; };
  radio.transfer().setHooks(hooks);
  const TransferRanges ranges = transferRanges(args, programSettings(), true);
  const TransferOutcome outcome =
      radio.transfer().write(opened.state().image, radio.port(), ranges);
  if (outcome != TransferOutcome::Succeeded) {
    std::cerr << "q7cli write: " << radio.failureReason(outcome) << "\n";
    return 1;
  }
  std::cerr << "Write Successful: " << args.positional[0] << "\n";
  return 0;
}

}  // namespace q7::cli
