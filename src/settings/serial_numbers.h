#pragma once
// Serial numbers for a batch of radios: imported from an INI-style file
// (section "SerialNo", keys "1", "2", ...), listed in cboImportSeq as
// "0001 -- <serial>", and stepped through with "<<" and ">>" so that each
// radio gets the next number in information line 1. After each successful
// write the list can advance by itself ("Auto", chkAutoNextSn).
#include <filesystem>
#include <string>
#include <vector>

#include "foundation/prompts.h"
#include "settings/option_pages.h"

namespace q7 {

inline constexpr const char* kSerialSection = "SerialNo";
inline constexpr int kMaxSerialNumbers = 10000;
// The read-only example beside the import button (txtSeqExample), five lines
// in the interface's language: "SN Example:", "[SerialNo]", "1=SN First", ...
std::string serialFileExample(const CaptionTable& captions);

// Keys 1, 2, ... of the file's "SerialNo" section, trimmed, up to the first
// missing or empty one. A missing file or section gives no numbers.
std::vector<std::string> readSerialNumbers(const std::filesystem::path& file);

// The list item of serial number n (1-based): n as four digits, " -- ", serial.
std::string serialItemText(int number, const std::string& serial);
// The serial number of a list item.
std::string serialOfItem(const std::string& item);

// Adds the serial number controls to the Embedded Msg page.
void addSerialNumberControls(OptionPages& pages);

// Fills the list with the numbers and chooses the first; with no numbers the
// step buttons are disabled and the file example is enabled again.
void setSerialNumbers(OptionPages& pages, const std::vector<std::string>& serials);

// cboImportSeq_Click on number `index` (0-based) of the list: that number
// into information line 1, as when the dealer picks it.
void chooseSerial(OptionPages& pages, int index);

// cmdImportSeq_Click: asks for the file (empty file name, starting in
// `startDir`) and imports it; a cancelled dialog changes nothing. Returns
// whether a file was imported.
bool importSeq(OptionPages& pages, Prompts& prompts, const std::string& startDir);

// Whether the window shows chkAutoNextSn: only while there are numbers.
bool autoNextShown(const OptionPages& pages);

// After a write that ended well (verified, where verify is on): steps to the
// next number when the list has numbers and "Auto" is checked.
void advanceSerialAfterWrite(OptionPages& pages);

}  // namespace q7
