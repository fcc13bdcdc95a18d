// "q7cli write": a data file into the radio, sending what the desktop program
// sends after opening the file and choosing Write: the file is opened in the
// editor (with the refresh's corrections), the channel table and the key
// lists are committed when the port is open, and the band is the one the
// editor selected from the file.
#include <iostream>
#include <memory>

#include "cli_editor.h"
#include "cli_radio.h"
#include "verbs.h"

namespace q7::cli {
namespace {

struct WriteOptions {
  RadioOptions radio;
  std::string input;
};

int runWrite(const WriteOptions& options) {
  const TransferRanges ranges = transferRanges(options.radio, programSettings(), true);
  CliEditor opened(options.input, kEnglish);
  CodeplugEditor& editor = opened.editor();
  CliRadio radio(options.radio, CliRadio::Direction::Write);
  TransferHooks hooks;
  hooks.storeChannels = [&] { editor.storeChannels(); };
  hooks.commitKeyLists = [&] { editor.commitKeyLists(); };
  hooks.bandLimits = [&] { return editor.modelBand().limits; };
  radio.transfer().setHooks(hooks);
  const TransferOutcome outcome =
      radio.transfer().write(opened.state().image, radio.port(), ranges);
  if (outcome != TransferOutcome::Succeeded) return radio.failed(outcome);
  radio.endProgress();
  std::cerr << "Write Successful: " << options.input << "\n";
  return kExitSuccess;
}

}  // namespace

Verb declareWrite(CLI::App& app) {
  auto options = std::make_shared<WriteOptions>();
  CLI::App* verb = addVerb(app, "write", "write a data file into the radio");
  addRadioOptions(*verb, options->radio);
  verb->add_option("file", options->input, "the data file to write into the radio")
      ->type_name("FILE.dat")
      ->required();
  return {verb, [options] { return runWrite(*options); }};
}

}  // namespace q7::cli
