// "q7cli write": a data file into the radio, sending what the desktop program
// sends after opening the file and choosing Write: the file is opened in the
// editor (with the refresh's corrections), the channel table and the key
// lists are committed when the port is open, and the band is the one the
// editor selected from the file. Before the write the radio's memory is read
// and kept as a backup; after it the written range is read back and compared.
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

int reportVerify(const CheckedWrite& result) {
  if (!result.differing) return kExitSuccess;
  if (result.verified()) {
    std::cerr << "Verified\n";
    return kExitSuccess;
  }
  std::cerr << "q7cli write: verify failed: the radio differs from what was sent at "
            << addressList(*result.differing) << "\n";
  return kExitNotVerified;
}

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
  CheckedTransfer checked(radio.transfer(), radio.safeguards(options.radio));
  checked.setStageObserver([&](WriteStage stage) { radio.beginStage(stage); });
  const CheckedWrite result = checked.write(opened.state().image, radio.port(), ranges);
  radio.endProgress();
  if (!result.backup.empty()) std::cerr << "Backup: " << result.backup.string() << "\n";
  if (!result.backupFailure.empty()) {
    std::cerr << "q7cli write: " << result.backupFailure << "; nothing was written\n";
    return kExitTransferFailed;
  }
  if (result.outcome != TransferOutcome::Succeeded) return radio.failed(result.outcome);
  std::cerr << "Write Successful: " << options.input << "\n";
  return reportVerify(result);
}

}  // namespace

Verb declareWrite(CLI::App& app) {
  auto options = std::make_shared<WriteOptions>();
  CLI::App* verb = addVerb(app, "write", "write a data file into the radio");
  addRadioOptions(*verb, options->radio);
  addVerifyOption(*verb, options->radio);
  verb->add_option("file", options->input, "the data file to write into the radio")
      ->type_name("FILE.dat")
      ->required();
  return {verb, [options] { return runWrite(*options); }};
}

}  // namespace q7::cli
