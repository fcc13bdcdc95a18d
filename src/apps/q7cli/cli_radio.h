#pragma once
// What the read and write verbs share: the settings file beside the program,
// the port, the address ranges, the transfer with its progress bar on stderr,
// the optional traffic trace and Ctrl+C as the stop request.
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "cli_args.h"
#include "comm/posix_serial_link.h"
#include "comm/radio_transfer.h"
#include "shell/profile_file.h"

namespace q7::cli {

// The folder of the running program, where its shipped files lie.
std::filesystem::path programFolder();

// The settings file corvane.def in the folder of the running program.
ProfileFile programSettings();

// The read and write ranges of the settings file, with --start/--end applied
// to the range of this verb.
TransferRanges transferRanges(const CliArgs& args, const ProfileFile& settings, bool forWrite);

class CliRadio {
 public:
  explicit CliRadio(const CliArgs& args);
  ~CliRadio();

  RadioTransfer& transfer() { return *transfer_; }
  int port() const { return port_; }
  // The one-line reason of a transfer that did not succeed.
  std::string failureReason(TransferOutcome outcome) const;

 private:
  class Progress;
  class Notes;

  ProfileFile settings_;
  int port_ = 1;
  std::string device_;
  SystemClock clock_;
  PosixSerialLink link_;
  CaptionTable captions_{kEnglish};
  std::unique_ptr<Notes> notes_;
  std::unique_ptr<Progress> progress_;
  std::unique_ptr<RadioTransfer> transfer_;
  std::ofstream trace_;
};

}  // namespace q7::cli
