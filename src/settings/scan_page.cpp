// Scan (fraSysSet4): priority mode and channel, revert channel, the two scan
// timings and the scan flags. Byte 0x166, between the timings, is not ours.
#include "settings/option_kinds.h"
#include "settings/page_list.h"

namespace q7 {

namespace {

constexpr const char* kFrame = "fraSysSet4";
constexpr int kFixedPriority = 1;

// The priority channel counts only for a fixed priority; it keeps its value meanwhile.
void priorityModeChosen(OptionPages& pages, std::string_view control) {
  pages.setEnabled("cboPriCh", pages.control(control).selected == kFixedPriority);
}

constexpr NumberItems kSeconds{.first = 0, .last = 250, .suffixRow = 312};

const ListOption kLists[] = {
    {.control = "cboScanPriChSort",
     .frame = kFrame,
     .labelRow = 235,
     .field = {0x160},
     .items = {.firstRow = 304, .rowCount = 3},
     .fallback = 0,
     .after = priorityModeChosen},
    {.control = "cboPriCh",
     .frame = kFrame,
     .labelRow = 236,
     .field = {0x161},
     .items = {.firstRow = 307, .rowCount = 1, .numbers = {.first = 1, .last = 16}},
     .fallback = 0},
    {.control = "cboScanTxMode",
     .frame = kFrame,
     .labelRow = 237,
     .field = {0x164},
     .items = {.firstRow = 308, .rowCount = 4},
     .fallback = 0},
    {.control = "cboScanRxDly",
     .frame = kFrame,
     .labelRow = 238,
     .field = {0x165},
     .items = {.numbers = kSeconds},
     .fallback = 3},
    {.control = "cboScanTxDly",
     .frame = kFrame,
     .labelRow = 239,
     .field = {0x167},
     .items = {.numbers = kSeconds},
     .fallback = 3},
};

const FlagOption kFlags[] = {
    {.control = "chkScanStartHint", .frame = kFrame, .labelRow = 240, .field = {0x36C, bit(0)}},
    {.control = "chkExitScanHint", .frame = kFrame, .labelRow = 241, .field = {0x36C, bit(1)}},
    {.control = "chkAnScanOnOff", .frame = kFrame, .labelRow = 242, .field = {0x36C, bit(2)}},
    {.control = "chkScanLig", .frame = kFrame, .labelRow = 243, .field = {0x36C, bit(4)}},
    {.control = "chkCh16Scan", .frame = kFrame, .labelRow = 343, .field = {0x36D, bit(5)}},
    {.control = "chkSwiChExitScan", .frame = kFrame, .labelRow = 396, .field = {0x36A, bit(6)}},
};

}  // namespace

void addScanPage(OptionPages& pages) {
  for (const ListOption& option : kLists) addList(pages, option);
  for (const FlagOption& option : kFlags) addFlag(pages, option);
}

}  // namespace q7
