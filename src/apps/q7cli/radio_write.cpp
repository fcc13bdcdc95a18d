#include "radio_write.h"

namespace q7::cli {
namespace {

RadioWriteResult failure(int exitCode, const std::string& cause) {
  return {exitCode, "failed: " + cause, "skipped"};
}

RadioWriteResult written(const CheckedWrite& result, const std::string& fileName,
                         const RadioOutput& output) {
  std::ostream& out = *output.out;
  // With a read-back, its verdict is the result line.
  (result.differing ? output.notes() : out) << "Write Successful: " << fileName << "\n";
  if (!result.differing) return {kExitSuccess, "written", "skipped"};
  if (result.verified()) {
    out << "Verified\n";
    return {kExitSuccess, "written", "verified"};
  }
  const std::string addresses = addressList(*result.differing);
  out << "q7cli write: verify failed: the radio differs from what was sent at " << addresses
      << "\n";
  return {kExitNotVerified, "written", "differs at " + addresses};
}

}  // namespace

RadioWriteResult writeRadio(CliEditor& opened, const std::string& fileName,
                            const RadioOptions& options, const std::string& port,
                            RadioOutput output) {
  const TransferRanges ranges = transferRanges(options, programSettings(), true);
  CodeplugEditor& editor = opened.editor();
  CliRadio radio(options, port, CliRadio::Direction::Write, output);
  TransferHooks hooks;
  hooks.storeChannels = [&] { editor.storeChannels(); };
  hooks.commitKeyLists = [&] { editor.commitKeyLists(); };
  hooks.bandLimits = [&] { return editor.modelBand().limits; };
  radio.transfer().setHooks(hooks);
  CheckedTransfer checked(radio.transfer(), radio.safeguards(options));
  checked.setStageObserver([&](WriteStage stage) { radio.beginStage(stage); });
  const CheckedWrite result = checked.write(opened.state().image, radio.port(), ranges);
  radio.endProgress();
  std::ostream& out = *output.out;
  if (!result.backup.empty()) output.notes() << "Backup: " << result.backup.string() << "\n";
  if (!result.backupFailure.empty()) {
    const std::string cause = result.backupFailure + "; nothing was written";
    out << "q7cli write: " << cause << "\n";
    return failure(kExitTransferFailed, cause);
  }
  if (result.outcome != TransferOutcome::Succeeded) {
    const std::string cause = radio.failureReason(result.outcome);
    return failure(radio.failed(result.outcome), cause);
  }
  return written(result, shownName(fileName, false), output);
}

}  // namespace q7::cli
