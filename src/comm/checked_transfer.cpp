#include "comm/checked_transfer.h"

#include <algorithm>
#include <chrono>
#include <stdexcept>

#include "comm/hex_text.h"
#include "comm/write_verify.h"
#include "foundation/setting_keys.h"

namespace q7 {

Safeguards safeguardsFrom(const ProfileFile& settings, const std::filesystem::path& dataFolder) {
  return {settingOn(settings, key::kBackups), settingOn(settings, key::kVerify),
          dataFolder / kBackupFolderName};
}

CheckedRead CheckedTransfer::read(CodeplugImage& image, int port, const TransferRanges& ranges) {
  CheckedRead result;
  if (transfer_.stopRequested()) return result;
  result.outcome = transfer_.read(image, port, ranges);
  result.reached = transfer_.reached();
  if (result.outcome == TransferOutcome::Succeeded && safeguards_.backups)
    saveBackup(image, BackupKind::Read, result.backup, result.backupFailure);
  return result;
}

CheckedWrite CheckedTransfer::write(CodeplugImage& image, int port, const TransferRanges& ranges) {
  CheckedWrite result;
  if (safeguards_.backups) {
    if (!beginStage(result, WriteStage::Backup)) return result;
    CodeplugImage current;
    result.outcome = readAside(current, port, ranges);
    result.reached = transfer_.reached();
    if (result.outcome != TransferOutcome::Succeeded) return result;
    saveBackup(current, BackupKind::Write, result.backup, result.backupFailure);
    if (!result.backupFailure.empty()) {
      result.outcome = TransferOutcome::Failed;
      return result;
    }
  }
  if (!beginStage(result, WriteStage::Write)) return result;
  result.outcome = transfer_.write(image, port, ranges);
  result.reached = transfer_.reached();
  result.radioChanged = transfer_.radioChanged();
  if (result.outcome != TransferOutcome::Succeeded) return result;
  if (safeguards_.verify) {
    if (!beginStage(result, WriteStage::Verify)) return result;
    const AddressRange written = clampToRadio(ranges.write);
    CodeplugImage radio;
    result.outcome = readAside(radio, port, {written, ranges.write});
    result.reached = transfer_.reached();
    if (result.outcome != TransferOutcome::Succeeded) return result;
    result.differing = differingAddresses(image, radio, written);
    result.readBack = image;
    std::copy(radio.bytes().begin() + written.start, radio.bytes().begin() + written.end + 1,
              result.readBack.bytes().begin() + written.start);
  }
  result.stage = WriteStage::Done;
  return result;
}

TransferOutcome CheckedTransfer::readAside(CodeplugImage& into, int port,
                                           const TransferRanges& ranges) {
  std::fill(into.bytes().begin(), into.bytes().end(), std::uint8_t{0xFF});
  const TransferHooks hooks = transfer_.hooks();
  transfer_.setHooks({});
  const TransferOutcome outcome = transfer_.read(into, port, ranges);
  transfer_.setHooks(hooks);
  return outcome;
}

void CheckedTransfer::saveBackup(const CodeplugImage& image, BackupKind kind,
                                 std::filesystem::path& path, std::string& failure) const {
  try {
    path = q7::saveBackup(safeguards_.backupFolder, image, kind, std::chrono::system_clock::now());
  } catch (const std::exception& e) {
    failure = e.what();
  }
}

bool CheckedTransfer::beginStage(CheckedWrite& result, WriteStage stage) {
  result.outcome = TransferOutcome::Failed;
  result.stage = stage;
  result.reached = -1;
  if (transfer_.stopRequested()) return false;
  if (onStage_) onStage_(stage);
  return true;
}

TransferStop stopOf(const CheckedRead& read) {
  return {TransferStop::Stage::Read, read.reached, false};
}

TransferStop stopOf(const CheckedWrite& write) {
  constexpr TransferStop::Stage kStages[] = {
      TransferStop::Stage::BackupRead, TransferStop::Stage::Write, TransferStop::Stage::ReadBack,
      TransferStop::Stage::ReadBack};
  return {kStages[static_cast<int>(write.stage)], write.reached, write.radioChanged};
}

std::string addressList(const std::vector<int>& addresses) {
  std::string text;
  for (const int a : addresses)
    text += (text.empty() ? "0x" : ", 0x") + formatAddress(static_cast<unsigned>(a)).substr(1);
  return text;
}

}  // namespace q7
