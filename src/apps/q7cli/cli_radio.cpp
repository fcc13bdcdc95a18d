#include "cli_radio.h"

#include <unistd.h>

#include <csignal>
#include <iostream>
#include <stdexcept>

#include "comm/port_names.h"
#include "shell/setting_keys.h"

namespace q7::cli {
namespace {

StopFlag* gStop = nullptr;

void onInterrupt(int) {
  if (gStop) *gStop = true;
}

long settingAddress(const ProfileFile& settings, const SettingKey& key) {
  long value = 0;
  if (!parseHex(readSetting(settings, key), value)) parseHex(key.fallback, value);
  return value;
}

bool isPortNumber(const std::string& text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

}  // namespace

std::filesystem::path programFolder() {
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::filesystem::current_path() : exe.parent_path();
}

ProfileFile programSettings() {
  return ProfileFile(programFolder() / "corvane.def");
}

TransferRanges transferRanges(const CliArgs& args, const ProfileFile& settings, bool forWrite) {
  TransferRanges ranges{
      {settingAddress(settings, key::kReadStartAddr), settingAddress(settings, key::kReadEndAddr)},
      {settingAddress(settings, key::kWriteStartAddr),
       settingAddress(settings, key::kWriteEndAddr)}};
  AddressRange& mine = forWrite ? ranges.write : ranges.read;
  mine.start = hexOption(args, "--start").value_or(mine.start);
  mine.end = hexOption(args, "--end").value_or(mine.end);
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
  ~Progress() override {
    if (shown_ >= 0) std::cerr << "\n";
  }
  void setProgress(int percent) override {
    if (percent == shown_) return;
    shown_ = percent;
    const int filled = percent * 40 / 100;
    std::cerr << "\r[" << std::string(filled, '#') << std::string(40 - filled, '.') << "] "
              << percent << "%  " << std::flush;
  }
  void showStopBox() override {
    if (!hinted_) std::cerr << "\rretrying; Ctrl+C stops\n";
    hinted_ = true;
  }

 private:
  int shown_ = -1;
  bool hinted_ = false;
};

CliRadio::CliRadio(const CliArgs& args)
    : settings_(programSettings()),
      link_([this](int) { return device_; }),
      notes_(std::make_unique<Notes>()),
      progress_(std::make_unique<Progress>()) {
  const auto port = args.option("--port");
  if (!port) throw std::invalid_argument("--port is missing");
  if (isPortNumber(*port)) {
    port_ = std::stoi(*port);
    device_ = portDevice(port_, settings_, listSerialDevices());
  } else {
    device_ = *port;
  }
  transfer_ = std::make_unique<RadioTransfer>(link_, clock_, captions_, *notes_);
  transfer_->setObserver(progress_.get());
  if (const auto trace = args.option("--trace")) {
    trace_.open(*trace);
    if (!trace_) throw std::invalid_argument("cannot write " + *trace);
    transfer_->log().setSink({[this](const std::string& line) { trace_ << line << "\n"; }, {}});
  }
  gStop = &transfer_->protocol().stopFlag();
  std::signal(SIGINT, onInterrupt);
  std::signal(SIGTERM, onInterrupt);
}

CliRadio::~CliRadio() {
  std::signal(SIGINT, SIG_DFL);
  std::signal(SIGTERM, SIG_DFL);
  gStop = nullptr;
}

std::string CliRadio::failureReason(TransferOutcome outcome) const {
  if (outcome == TransferOutcome::PortNotOpened)
    return "cannot open the port: " + link_.lastError();
  if (transfer_->stopRequested()) return "stopped";
  return notes_->last.empty() ? "communication failed" : notes_->last;
}

}  // namespace q7::cli
