// Battery (fraSysSet5): battery save and its ratio, the low-battery alarm with
// its tones and announcements, automatic power-off.
#include "settings/option_kinds.h"
#include "settings/page_list.h"

namespace q7 {

namespace {

constexpr const char* kFrame = "fraSysSet5";

// Save ratio 1 - 2 .. 1 - 10: the byte written per ratio, and the bytes read as it.
constexpr CodeRange kSaveRatios[] = {
    {144, 142, 144}, {146, 145, 146}, {149, 147, 149}, {152, 150, 152}, {155, 153, 155},
    {157, 156, 157}, {159, 158, 159}, {162, 160, 162}, {165, 163, 170},
};
const TableCoding kSaveRatioCoding{kSaveRatios};

void batSaveClicked(OptionPages& pages, std::string_view control) {
  pages.setEnabled("cboSaveMode", pages.control(control).checked);
}

// The low-battery sounds mean nothing while the alarm is off; their stored values stay.
void alarmIntervalChosen(OptionPages& pages, std::string_view control) {
  const bool alarmOn = pages.control(control).selected != 0;
  for (const char* sound : {"cboLowPwrToneSort", "chkLowBatAn", "chkLowBatTone"})
    pages.setEnabled(sound, alarmOn);
}

const ListOption kLists[] = {
    {.control = "cboSaveMode",
     .frame = kFrame,
     .labelRow = 220,
     .field = {0x369},
     .items = {.firstRow = 276, .rowCount = 9},
     .coding = &kSaveRatioCoding,
     .fallback = 170},
    {.control = "cboLowBatAlarmTimer",
     .frame = kFrame,
     .labelRow = 272,
     .field = {0x364},
     .items = {.firstRow = 293,
               .rowCount = 1,
               .numbers = {.first = 1, .last = 255, .scale = 2, .suffixRow = 294}},
     .after = alarmIntervalChosen},
    {.control = "cboLowPwrToneSort",
     .frame = kFrame,
     .labelRow = 346,
     .field = {0x36D, bit(7)},
     .items = {.firstRow = 347, .rowCount = 2}},
};

const FlagOption kFlags[] = {
    {.control = "chkBatSave",
     .frame = kFrame,
     .labelRow = 223,
     .field = {0x135, bit(0)},
     .after = batSaveClicked},
    {.control = "chkLowBatTx", .frame = kFrame, .labelRow = 224, .field = {0x36D, bit(1)}},
    {.control = "chkLowBatAn", .frame = kFrame, .labelRow = 273, .field = {0x36C, bit(5)}},
    {.control = "chkLowBatTone", .frame = kFrame, .labelRow = 274, .field = {0x36C, bit(6)}},
    {.control = "chkLowTxPwrRgLig", .frame = kFrame, .labelRow = 275, .field = {0x36C, bit(7)}},
    {.control = "chkAnBatVolt", .frame = kFrame, .labelRow = 349, .field = {0x36D, bit(6)}},
    {.control = "chkPwrOnAnBatVolt", .frame = kFrame, .labelRow = 351, .field = {0x36A, bit(0)}},
    {.control = "chkHighBatPwrOff", .frame = kFrame, .labelRow = 398, .field = {0x367, bit(2)}},
    {.control = "chkLowBatPwrOff", .frame = kFrame, .labelRow = 399, .field = {0x367, bit(3)}},
};

}  // namespace

void addBatteryPage(OptionPages& pages) {
  for (const ListOption& option : kLists) addList(pages, option);
  for (const FlagOption& option : kFlags) addFlag(pages, option);
  // Follows battery save, which starts unchecked.
  pages.setEnabled("cboSaveMode", false);
}

}  // namespace q7
