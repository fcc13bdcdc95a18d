#include "settings/serial_numbers.h"

#include <cstdio>
#include <map>

#include "foundation/profile_file.h"
#include "foundation/text_encoding.h"
#include "settings/settings_caption_rows.h"

namespace q7 {

namespace {

constexpr std::size_t kLongestValue = 99;    // a 100-character read buffer
constexpr std::size_t kLineCharacters = 16;  // information line 1
constexpr const char* kItemJoint = " -- ";
constexpr const char* kSerialFileFilter =
    "Serial No. File(*.txt;*.ini)|*.txt;*.ini|All Files(*.*)|*.*";

constexpr const char* kList = "cboImportSeq";
constexpr const char* kAutoNext = "chkAutoNextSn";
constexpr const char* kExample = "txtSeqExample";
constexpr const char* kFrame = "fraSysSet8";
constexpr int kPrevious = 0;
constexpr int kNext = 1;

std::string switchName(int index) {
  return elementName("cmdSeqSwitch", index);
}

// cboImportSeq_Click: the chosen number into information line 1. The number
// is taken after the item's joint rather than from fixed character places,
// which would shift for the five-digit item 10000.
void serialChosen(OptionPages& pages) {
  const ControlState& list = pages.control(kList);
  if (list.selected < 0) return;
  const std::string& item = list.items[static_cast<std::size_t>(list.selected)];
  pages.setText(elementName("txtInfo", 1), cutToChars(serialOfItem(item), kLineCharacters));
}

// cmdSeqSwitch_Click(index): the previous or next number; nothing at either end.
void seqSwitch(OptionPages& pages, int index) {
  const ControlState& list = pages.control(kList);
  const int count = static_cast<int>(list.items.size());
  if (count == 0) return;
  const int target = list.selected + (index == kPrevious ? -1 : 1);
  if (target >= 0 && target < count) pages.select(kList, target);
}

ControlState controlState(ControlKind kind, int labelRow, std::string text = {}) {
  ControlState state;
  state.kind = kind;
  state.frame = kFrame;
  state.labelRow = labelRow;
  state.text = std::move(text);
  return state;
}

}  // namespace

std::vector<std::string> readSerialNumbers(const std::filesystem::path& file) {
  // The section is read once; the first line of a key counts, as in a keyed read.
  std::map<std::string, std::string> byKey;
  ProfileFile profile(file);
  profile.decodeWith(utf8FromUtf8OrGb18030);
  for (const auto& [key, value] : profile.section(kSerialSection)) {
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

std::string serialFileExample(const CaptionTable& captions) {
  std::string text = captions(row::kSerialExample) + "\r\n[" + kSerialSection + "]\r\n";
  for (int n = 1; n <= 3; ++n)
    text += std::to_string(n) + "=" + captions(row::kSerialExampleFirst + n - 1) + "\r\n";
  return text;
}

std::string serialItemText(int number, const std::string& serial) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%04d", number);
  return digits + std::string(kItemJoint) + serial;
}

std::string serialOfItem(const std::string& item) {
  const auto joint = item.find(kItemJoint);
  return joint == std::string::npos ? item : item.substr(joint + std::string(kItemJoint).size());
}

void addSerialNumberControls(OptionPages& pages) {
  pages.addControl("cmdImportSeq", controlState(ControlKind::Button, 404), nullptr);
  pages.addControl(kList, controlState(ControlKind::List, -1), serialChosen);
  for (int index : {kPrevious, kNext}) {
    ControlState button = controlState(ControlKind::Button, -1, index == kPrevious ? "<<" : ">>");
    button.enabled = false;
    pages.addControl(switchName(index), std::move(button),
                     [index](OptionPages& p) { seqSwitch(p, index); });
  }
  pages.addControl(kAutoNext, controlState(ControlKind::Check, 329), nullptr);
  pages.addControl(
      kExample, controlState(ControlKind::Text, -1, serialFileExample(pages.captions())), nullptr);
}

void setSerialNumbers(OptionPages& pages, const std::vector<std::string>& serials) {
  std::vector<std::string> items;
  for (std::size_t i = 0; i < serials.size(); ++i) {
    items.push_back(serialItemText(static_cast<int>(i) + 1, serials[i]));
  }
  pages.fill(kList, std::move(items));
  const bool any = !serials.empty();
  if (any) pages.select(kList, 0);
  pages.setEnabled(switchName(kPrevious), any);
  pages.setEnabled(switchName(kNext), any);
  pages.setEnabled(kExample, !any);
}

void chooseSerial(OptionPages& pages, int index) {
  pages.select(kList, index);
}

bool importSeq(OptionPages& pages, Prompts& prompts, const std::string& startDir) {
  const auto chosen = prompts.openFileName(kSerialFileFilter, startDir);
  if (!chosen || chosen->empty()) return false;
  setSerialNumbers(pages, readSerialNumbers(*chosen));
  return true;
}

bool autoNextShown(const OptionPages& pages) {
  return !pages.control(kList).items.empty();
}

void advanceSerialAfterWrite(OptionPages& pages) {
  if (autoNextShown(pages) && pages.control(kAutoNext).checked) seqSwitch(pages, kNext);
}

}  // namespace q7
