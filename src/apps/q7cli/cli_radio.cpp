#include "cli_radio.h"

#include <unistd.h>

#include <algorithm>
#include <iostream>
#include <stdexcept>

#include "comm/port_names.h"
#include "foundation/app_state.h"
#include "foundation/bounded_file.h"
#include "foundation/error_report.h"
#include "foundation/setting_keys.h"
#include "foundation/user_folders.h"

namespace q7::cli {
namespace {

long settingAddress(const ProfileFile& settings, const SettingKey& key) {
  long value = 0;
  if (!parseHex(readSetting(settings, key), value)) parseHex(key.fallback, value);
  return value;
}

bool isPortNumber(const std::string& text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

// What went wrong on the line itself: the link's own words (hung up), else
// the last failure this transfer's thread reported (a refused write, say),
// in English.
std::string lineFailure(const PosixSerialLink& link) {
  if (!link.lastError().empty()) return link.lastError();
  const auto reported = errorReporter().lastReportOnThisThread();
  return reported ? englishReason(reported->record) : std::string();
}

}  // namespace

FileLocations programLocations() {
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return prepareFileLocations(ec ? std::filesystem::current_path() : exe.parent_path());
}

ProfileFile programSettings() {
  AppState state;
  state.useLocations(programLocations());
  ProfileFile settings(state.settingsPath());
  if (const auto refused = refusedFile(settings.path())) throw std::runtime_error(*refused);
  return settings;
}

TransferRanges transferRanges(const RadioOptions& options, const ProfileFile& settings,
                              bool forWrite) {
  TransferRanges ranges{
      {settingAddress(settings, key::kReadStartAddr), settingAddress(settings, key::kReadEndAddr)},
      {settingAddress(settings, key::kWriteStartAddr),
       settingAddress(settings, key::kWriteEndAddr)}};
  AddressRange& mine = forWrite ? ranges.write : ranges.read;
  mine.start = options.start.value_or(mine.start);
  mine.end = options.end.value_or(mine.end);
  if (mine.end < mine.start) throw std::invalid_argument("the range ends before it starts");
  return ranges;
}

// Messages meant for a message box: kept, to be given as the failure reason.
class CliRadio::Notes : public Prompts {
 public:
  std::string last;
  bool askYesNo(const std::string&, const std::string&, PromptIcon) override { return false; }
  void tell(const std::string&, const std::string& text, PromptIcon) override { last = text; }
  std::optional<std::string> openFileName(const std::string&, const std::string&) override {
    return std::nullopt;
  }
  std::optional<std::string> saveFileName(const std::string&, const std::string&,
                                          const std::string&) override {
    return std::nullopt;
  }
};

// A progress bar on stderr, redrawn when the percentage changes.
class CliRadio::Progress : public TransferObserver {
 public:
  Progress(std::ostream& out, bool drawn) : out_(out), drawn_(drawn) {}
  ~Progress() override { endLine(); }
  void endLine() {
    if (onLine_) out_ << "\n";
    onLine_ = false;
  }
  void restart() { shown_ = -1; }

  void setProgress(int percent) override {
    if (percent == shown_) return;
    shown_ = percent;
    if (!drawn_) return;
    onLine_ = true;
    const int filled = percent * 40 / 100;
    out_ << "\r[" << std::string(filled, '#') << std::string(40 - filled, '.') << "] " << percent
         << "%  " << std::flush;
  }
  void showStopBox() override {
    if (!hinted_) out_ << (onLine_ ? "\n" : "") << "retrying; Ctrl+C stops\n";
    onLine_ = false;
    hinted_ = true;
  }

 private:
  std::ostream& out_;
  bool drawn_;
  int shown_ = -1;
  bool onLine_ = false;
  bool hinted_ = false;
};

CliRadio::CliRadio(const RadioOptions& options, const std::string& port, Direction direction,
                   RadioOutput output)
    : direction_(direction),
      settings_(programSettings()),
      link_([this](int) { return device_; }),
      notes_(std::make_unique<Notes>()),
      progress_(std::make_unique<Progress>(*output.out, output.progress)),
      out_(*output.out) {
  if (isPortNumber(port)) {
    port_ = std::stoi(port);
    device_ = portDevice(port_, settings_, listSerialDevices());
  } else {
    device_ = port;
  }
  transfer_ = std::make_unique<RadioTransfer>(link_, clock_, captions_, *notes_);
  transfer_->setObserver(progress_.get());
  if (!options.trace.empty()) {
    trace_.open(options.trace, options.appendTrace ? std::ios::app : std::ios::trunc);
    if (!trace_) throw std::invalid_argument("cannot write " + options.trace);
    transfer_->log().setSink({[this](const std::string& line) { trace_ << line << "\n"; }, {}});
  }
  errorReporter().forgetThisThread();
  stopOnInterrupt_ = std::make_unique<StopOnInterrupt>(transfer_->protocol().stopFlag());
}

CliRadio::~CliRadio() = default;

Safeguards CliRadio::safeguards(const RadioOptions& options) const {
  Safeguards safeguards = safeguardsFrom(settings_, programLocations().dataFolder);
  safeguards.backups = safeguards.backups && !options.noBackup;
  safeguards.verify = safeguards.verify && !options.noVerify;
  if (!options.backupFolder.empty()) safeguards.backupFolder = options.backupFolder;
  return safeguards;
}

void CliRadio::beginStage() {
  progress_->endLine();
  progress_->restart();
}

void CliRadio::endProgress() {
  progress_->endLine();
}

int CliRadio::failed(TransferOutcome outcome, const TransferStop& stop) {
  endProgress();
  const char* verb = direction_ == Direction::Read ? "read" : "write";
  out_ << "q7cli " << verb << ": " << failureReason(outcome, stop) << "\n";
  return transfer_->stopRequested() ? kExitStopped : kExitTransferFailed;
}

std::string CliRadio::failureReason(TransferOutcome outcome, const TransferStop& stop) const {
  if (outcome == TransferOutcome::PortNotOpened)
    return "cannot open the port: " + link_.lastError();
  std::string reason = transfer_->stopRequested() ? "stopped"
                       : notes_->last.empty()     ? "communication failed"
                                                  : notes_->last;
  const std::string serialError = lineFailure(link_);
  if (!serialError.empty()) reason += " (" + serialError + ")";
  return reason + " " + stopReport(captions_, stop);
}

}  // namespace q7::cli
