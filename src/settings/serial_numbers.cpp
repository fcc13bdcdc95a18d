#include "settings/serial_numbers.h"

#include <cstdio>
#include <map>

#include "shell/error_report.h"
#include "shell/profile_file.h"

namespace q7 {

namespace {

constexpr std::size_t kLongestValue = 99;    // a 100-character read buffer
constexpr std::size_t kLineCharacters = 16;  // information line 1
constexpr const char* kSerialFileFilter =
    "Serial No. File(*.txt;*.ini)|*.txt;*.ini|All Files(*.*)|*.*";

}  // namespace

std::vector<std::string> readSerialNumbers(const std::filesystem::path& file) {
  // The section is read once; the first line of a key counts, as in a keyed read.
  std::map<std::string, std::string> byKey;
  for (const auto& [key, value] : ProfileFile(file).section(kSerialSection)) {
    byKey.emplace(key, trimBlanks(cutToChars(value, kLongestValue)));
  }
  std::vector<std::string> serials;
  for (int n = 1; n <= kMaxSerialNumbers; ++n) {
    const auto found = byKey.find(std::to_string(n));
    if (found == byKey.end() || found->second.empty()) break;
    serials.push_back(found->second);
  }
  return serials;
}

std::string serialItemText(int number, const std::string& serial) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%04d", number);
  return digits + std::string(" -- ") + serial;
}

bool SerialNumberList::importSeq(Prompts& prompts, const std::string& startDir) {
  const auto chosen = prompts.openFileName(kSerialFileFilter, startDir);
  if (!chosen || chosen->empty()) return false;
  setSerialNumbers(readSerialNumbers(*chosen));
  return true;
}

void SerialNumberList::setSerialNumbers(std::vector<std::string> serials) {
  serials_ = std::move(serials);
  selected_ = -1;
  if (!serials_.empty()) select(0);
}

std::vector<std::string> SerialNumberList::itemTexts() const {
  std::vector<std::string> items;
  for (std::size_t i = 0; i < serials_.size(); ++i) {
    items.push_back(serialItemText(static_cast<int>(i) + 1, serials_[i]));
  }
  return items;
}

void SerialNumberList::select(int index) {
  if (index < 0 || index >= static_cast<int>(serials_.size())) {
    throw Failure(err::kIndexRange, "frmChMem");
  }
  selected_ = index;
  // The serial itself, not a fixed slice of the item text, which would shift
  // for the five-digit item 10000.
  setLine_(cutToChars(serials_[static_cast<std::size_t>(index)], kLineCharacters));
}

void SerialNumberList::seqSwitch(int index) {
  if (serials_.empty()) return;
  if (index == 0 && selected_ > 0) select(selected_ - 1);
  if (index == 1 && selected_ + 1 < static_cast<int>(serials_.size())) select(selected_ + 1);
}

void SerialNumberList::advanceAfterWrite() {
  if (!serials_.empty() && autoNext_) seqSwitch(1);
}

}  // namespace q7
