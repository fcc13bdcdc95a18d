#pragma once
// Reads and writes with a dealer's safeguards around them: a backup of every
// image read, a backup of the radio's memory read before every write (a write
// whose backup fails does not start), and a read-back of the written range
// after every write, compared with what was sent.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "comm/backup_store.h"
#include "comm/radio_transfer.h"
#include "comm/transfer_stop.h"
#include "foundation/profile_file.h"

namespace q7 {

struct Safeguards {
  bool backups = true;
  bool verify = true;
  std::filesystem::path backupFolder;
};

// The switches of the settings file and the backup folder of `dataFolder`.
Safeguards safeguardsFrom(const ProfileFile& settings, const std::filesystem::path& dataFolder);

// Where a write ended.
enum class WriteStage { Backup, Write, Verify, Done };

struct CheckedRead {
  TransferOutcome outcome = TransferOutcome::Failed;
  int reached = -1;              // the last percentage shown
  std::filesystem::path backup;  // empty when none was saved
  std::string backupFailure;     // why the backup could not be saved
};

struct CheckedWrite {
  TransferOutcome outcome = TransferOutcome::Failed;
  WriteStage stage = WriteStage::Backup;
  int reached = -1;           // the last percentage shown in that stage
  bool radioChanged = false;  // the write sent the radio bytes to store
  std::filesystem::path backup;
  std::string backupFailure;
  // After a read-back: the addresses that differ (none: verified).
  std::optional<std::vector<int>> differing;
  // The image sent, with the written range as the radio holds it after the write.
  CodeplugImage readBack;

  bool succeeded() const { return stage == WriteStage::Done; }
  bool verified() const { return differing && differing->empty(); }
  // Written whole and, where it was read back, the radio holds what was sent.
  bool endedWell() const { return succeeded() && (!differing || differing->empty()); }
};

// Where each ended, for the words both programs use.
TransferStop stopOf(const CheckedRead& read);
TransferStop stopOf(const CheckedWrite& write);

class CheckedTransfer {
 public:
  CheckedTransfer(RadioTransfer& transfer, Safeguards safeguards)
      : transfer_(transfer), safeguards_(std::move(safeguards)) {}

  // Told when a stage begins, so a progress display can start anew.
  void setStageObserver(std::function<void(WriteStage)> observer) {
    onStage_ = std::move(observer);
  }

  // A stop request, whenever it was made, ends either at the next stage
  // boundary: a stage that has not begun does not begin.
  CheckedRead read(CodeplugImage& image, int port, const TransferRanges& ranges);
  CheckedWrite write(CodeplugImage& image, int port, const TransferRanges& ranges);

 private:
  // A read into an image of erased memory that runs none of the display hooks.
  TransferOutcome readAside(CodeplugImage& into, int port, const TransferRanges& ranges);
  void saveBackup(const CodeplugImage& image, BackupKind kind, std::filesystem::path& path,
                  std::string& failure) const;
  // False (and nothing begins) once a stop was requested.
  bool beginStage(CheckedWrite& result, WriteStage stage);

  RadioTransfer& transfer_;
  Safeguards safeguards_;
  std::function<void(WriteStage)> onStage_;
};

// "0x1A5, 0x2F0" ...: the addresses as the check names them.
std::string addressList(const std::vector<int>& addresses);

}  // namespace q7
