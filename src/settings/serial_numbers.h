#pragma once
// Serial numbers for a batch of radios: imported from an INI-style file
// (section "SerialNo", keys "1", "2", ...), listed as "0001 -- <serial>", and
// stepped through so that each radio gets the next number in information
// line 1. After each successful write the list can advance by itself.
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "shell/prompts.h"

namespace q7 {

inline constexpr const char* kSerialSection = "SerialNo";
inline constexpr int kMaxSerialNumbers = 10000;
// The read-only example beside the import button.
inline constexpr const char* kSerialFileExample =
    "SN Example:\r\n[SerialNo]\r\n1=SN First\r\n2=SN Second\r\n3=SN Third\r\n";

// Keys 1, 2, ... of the file's "SerialNo" section, trimmed, up to the first
// missing or empty one. A missing file or section gives no numbers.
std::vector<std::string> readSerialNumbers(const std::filesystem::path& file);

// The list item of serial number n (1-based): n as four digits, " -- ", serial.
std::string serialItemText(int number, const std::string& serial);

class SerialNumberList {
 public:
  // Receives the text for information line 1 whenever a number is chosen.
  using LineSetter = std::function<void(const std::string& line)>;
  explicit SerialNumberList(LineSetter setLine) : setLine_(std::move(setLine)) {}

  // cmdImportSeq_Click: asks for the file (empty file name, starting in
  // `startDir`); a cancelled dialog changes nothing. Returns whether a file
  // was imported.
  bool importSeq(Prompts& prompts, const std::string& startDir);
  // Replaces the list (an import) and chooses the first number, if any.
  void setSerialNumbers(std::vector<std::string> serials);

  const std::vector<std::string>& serials() const { return serials_; }
  std::vector<std::string> itemTexts() const;
  bool empty() const { return serials_.empty(); }
  int selected() const { return selected_; }

  // cboImportSeq_Click: chooses item `index` and puts its serial number (at
  // most 16 characters) into information line 1.
  void select(int index);
  // cmdSeqSwitch_Click: 0 = previous, 1 = next; nothing at either end.
  void seqSwitch(int index);

  // "Auto" (chkAutoNextSn).
  bool autoNext() const { return autoNext_; }
  void setAutoNext(bool on) { autoNext_ = on; }
  // Called by the write sequence after a successful write: steps to the next
  // number when the list has numbers and "Auto" is checked.
  void advanceAfterWrite();

 private:
  LineSetter setLine_;
  std::vector<std::string> serials_;
  int selected_ = -1;
  bool autoNext_ = false;
};

}  // namespace q7
