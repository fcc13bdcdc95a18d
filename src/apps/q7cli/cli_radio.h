#pragma once
// What the read and write verbs share: the program's settings file,
// the port, the address ranges, the transfer with its progress bar on stderr,
// the optional traffic trace, Ctrl+C as the stop request and the line that
// says how the transfer ended. Several radios can be served at once, one
// CliRadio per port, each on its own thread and with its own output.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>

#include "cli_args.h"
#include "cli_interrupt.h"
#include "cli_streams.h"
#include "comm/checked_transfer.h"
#include "comm/posix_serial_link.h"
#include "comm/radio_transfer.h"
#include "foundation/caption_table.h"
#include "foundation/file_locations.h"
#include "foundation/profile_file.h"

namespace q7::cli {

// Where the running program's files are: the shipped ones, the settings file
// and the data folder, found as the desktop program finds them.
FileLocations programLocations();

// The settings file corvane.def the desktop program also reads.
ProfileFile programSettings();

// The read and write ranges of the settings file, with --start/--end applied
// to the range of this verb. Throws std::invalid_argument for a range that
// ends before it starts.
TransferRanges transferRanges(const RadioOptions& options, const ProfileFile& settings,
                              bool forWrite);

// Where a radio's messages go: the progress bar is drawn only on a terminal
// line of its own, and on standard error only when it is a terminal.
struct RadioOutput {
  std::ostream* out = &std::cerr;
  bool progress = progressShown();
  // Where lines go that --quiet silences.
  std::ostream& notes() const { return out == &std::cerr ? info() : *out; }
};

class CliRadio {
 public:
  enum class Direction { Read, Write };

  // The radio on `port` (a port number or a device path).
  CliRadio(const RadioOptions& options, const std::string& port, Direction direction,
           RadioOutput output = {});
  ~CliRadio();

  RadioTransfer& transfer() { return *transfer_; }
  // The backups and read-back this transfer keeps: the settings file's
  // switches, then the command line's.
  Safeguards safeguards(const RadioOptions& options) const;
  // A new stage of a write: its progress bar starts anew.
  void beginStage();
  int port() const { return port_; }
  // Ends the progress bar's line, so that what follows stands on its own line.
  void endProgress();
  // Says on one line why the transfer did not succeed; returns the exit code.
  int failed(TransferOutcome outcome, const TransferStop& stop);
  // Why the transfer did not succeed, where it stopped and what the radio holds.
  std::string failureReason(TransferOutcome outcome, const TransferStop& stop) const;
  bool stopRequested() const { return transfer_->stopRequested(); }

 private:
  class Progress;
  class Notes;

  Direction direction_;
  ProfileFile settings_;
  int port_ = 1;
  std::string device_;
  SystemClock clock_;
  PosixSerialLink link_;
  CaptionTable captions_{kEnglish};
  std::unique_ptr<Notes> notes_;
  std::unique_ptr<Progress> progress_;
  std::unique_ptr<RadioTransfer> transfer_;
  std::unique_ptr<StopOnInterrupt> stopOnInterrupt_;
  std::ostream& out_;
  std::ofstream trace_;
};

}  // namespace q7::cli
