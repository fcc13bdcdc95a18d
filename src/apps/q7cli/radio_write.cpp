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
  radio.transfer().setHooks(editor.writeHooks());
  CheckedTransfer checked(radio.transfer(), radio.safeguards(options));
  checked.setStageObserver([&](WriteStage) { radio.beginStage(); });
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
    const std::string cause = radio.failureReason(result.outcome, stopOf(result));
    return failure(radio.failed(result.outcome, stopOf(result)), cause);
  }
  RadioWriteResult done = written(result, shownName(fileName, false), output);
  // A stop request that came after the last wait still ends the run as stopped.
  if (radio.stopRequested()) {
    out << "q7cli write: stopped after the write had ended\n";
    done.exitCode = kExitStopped;
  }
  return done;
}

}  // namespace q7::cli
