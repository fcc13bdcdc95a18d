// The main window's part of a dealer's safeguards: the check marks that turn
// backups and the read-back on and off, File -> Compare with File..., and
// what the user is told after a write: the backup that could not be taken,
// "Verified", or the addresses that differ with the comparison offered; and
// File -> Export Channels... and Import Channels..., the channels as a CSV table.
#include <QAction>
#include <QMenu>
#include <fstream>
#include <sstream>

#include "channels/ui/channel_window.h"
#include "comm/checked_transfer.h"
#include "comm/ui/comm_window.h"
#include "foundation/atomic_file.h"
#include "foundation/save_failure_cause.h"
#include "foundation/setting_keys.h"
#include "foundation/shared_caption_rows.h"
#include "shell/image_compare.h"
#include "shell/shell_caption_rows.h"
#include "shell/ui/compare_window.h"
#include "shell/ui/main_window.h"

namespace q7 {
namespace {

struct SafeguardItem {
  const char* action;
  const SettingKey& key;
};
const SafeguardItem kSafeguardItems[] = {
    {"mnuBackups", key::kBackups},
    {"mnuVerify", key::kVerify},
};

std::optional<std::string> readWholeFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file.is_open()) return std::nullopt;
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

std::string joinedLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += "\n" + line;
  return text;
}

}  // namespace

void MainWindow::addSafeguardItems(QMenu* settings) {
  settings->addSeparator();
  for (const SafeguardItem& item : kSafeguardItems) {
    QAction* a = addAction(settings, item.action);
    a->setCheckable(true);
    a->setChecked(settingOn(state_.settings, item.key));
    const SettingKey& key = item.key;
    connect(a, &QAction::toggled, this,
            [this, &key](bool on) { writeSetting(state_.settings, key, on ? "1" : "0"); });
  }
}

void MainWindow::compareWithFile() {
  const auto chosen =
      prompts_.openFileName(kDataFilter, state_.defaultDataPath.parent_path().string());
  if (!chosen || chosen->empty()) return;
  CodeplugImage other = state_.image;
  other.loadFileLayout(readImageFile(*chosen, state_.image.size()));
  showComparison(files_.pendingImage(), other);
}

void MainWindow::exportChannels() {
  const std::string filter = state_.caption(row::kCsvFiles) + "|*.csv";
  const auto chosen =
      prompts_.saveFileName(filter, state_.defaultDataPath.parent_path().string(), "csv");
  if (!chosen || chosen->empty()) return;
  const int failure = writeFileAtomically(*chosen, frmChMem_->exportChannels());
  if (failure == 0) return;
  prompts_.tell(
      state_.caption(row::kNotice),
      state_.caption(row::kTableNotSaved) + "\n" + *chosen + "\n" + saveFailureCause(failure),
      PromptIcon::Exclamation);
}

void MainWindow::importChannels() {
  const std::string filter = state_.caption(row::kCsvFiles) + "|*.csv";
  const auto chosen = prompts_.openFileName(filter, state_.defaultDataPath.parent_path().string());
  if (chosen && !chosen->empty()) importChannelsFrom(*chosen);
}

// The rows that do not fit (and what is dropped) are listed before anything
// changes; OK imports the rest as one step of the history.
void MainWindow::importChannelsFrom(const std::string& path) {
  const std::string& notice = state_.caption(row::kNotice);
  // The locked grid takes no edit: an import would change nothing.
  if (state_.locked())
    return prompts_.tell(notice, state_.caption(row::kLockedImport), PromptIcon::Exclamation);
  const auto text = readWholeFile(path);
  if (!text)
    return prompts_.tell(notice, state_.caption(row::kTableNotRead) + "\n" + path,
                         PromptIcon::Exclamation);
  const CsvChannels table = frmChMem_->readChannels(*text);
  if (!table.faults.empty())
    return prompts_.tell(notice, state_.caption(row::kTableFaults) + joinedLines(table.faults),
                         PromptIcon::Exclamation);
  std::vector<std::string> leftOut;
  for (const CsvChannelRow& row : table.rows)
    leftOut.insert(leftOut.end(), row.faults.begin(), row.faults.end());
  if (!leftOut.empty() || !table.notes.empty()) {
    std::string list =
        leftOut.empty() ? "" : state_.caption(row::kRowsLeftOut) + joinedLines(leftOut) + "\n";
    for (const std::string& note : table.notes) list += note + "\n";
    list += "\n" + state_.caption(row::kImportTheRest);
    if (!prompts_.askOkCancel(notice, list, PromptIcon::Question)) return;
  }
  frmChMem_->enterChannels(table);
  recordUserChange();
}

void MainWindow::showComparison(const CodeplugImage& before, const CodeplugImage& after) {
  const ImageDifferences differences = compareImages(state_, before, after);
  if (!frmCompare_) frmCompare_ = new CompareWindow(this);
  frmCompare_->showList(state_.caption(row::kCompare), differences.empty()
                                                           ? state_.caption(row::kNothingDiffers)
                                                           : toPlainText(differences));
}

void MainWindow::reportCheckedWrite() {
  const std::optional<CheckedWrite>& write = frmCommun_->lastWrite();
  if (!write || write->outcome == TransferOutcome::PortNotOpened) return;
  const std::string& notice = state_.caption(row::kNotice);
  if (!write->backupFailure.empty()) {
    prompts_.tell(notice, state_.caption(row::kBackupFailed) + "\n" + write->backupFailure,
                  PromptIcon::Exclamation);
  } else if (write->stage == WriteStage::Backup) {
    prompts_.tell(notice, state_.caption(row::kBackupReadFailed), PromptIcon::Exclamation);
  } else if (write->stage == WriteStage::Verify) {
    prompts_.tell(notice, state_.caption(row::kReadBackFailed), PromptIcon::Exclamation);
  } else if (write->verified()) {
    prompts_.tell(notice, state_.caption(row::kVerified), PromptIcon::Information);
  } else if (write->differing && prompts_.askYesNo(notice,
                                                   state_.caption(row::kVerifyFailed) + "\n" +
                                                       addressList(*write->differing) + "\n\n" +
                                                       state_.caption(row::kOfferCompare),
                                                   PromptIcon::Exclamation)) {
    showComparison(state_.image, write->readBack);
  }
}

}  // namespace q7
