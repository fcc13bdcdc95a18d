// Common Set (fraSysSet1) and the setting controls of the model information
// frame (fraModelInfo).
#include "settings/option_kinds.h"
#include "settings/page_list.h"
#include "settings/volume_table.h"

namespace q7 {

namespace {

constexpr const char* kCommon = "fraSysSet1";
constexpr const char* kModelInfo = "fraModelInfo";

// Tail elimination: positions 0..6 are stored as the single bit of their number,
// "8--Off" (position 7) as 0. A stored byte shows its lowest set bit among 0..6;
// bit 7 alone counts as bit 4, and a byte without any bit shows "8--Off".
class TailDelCoding : public Coding {
 public:
  static constexpr int kOff = 7;
  int position(int value) const override {
    for (int p = 0; p < kOff; ++p) {
      if (value & bit(p)) return p;
    }
    return value & bit(7) ? 4 : kOff;
  }
  int value(int position, int) const override { return position < kOff ? bit(position) : 0; }
};

// Emergency channel: bit 4 set = "Selected CH"; otherwise bits 0..3 hold the
// fixed channel number - 1. Choosing "Selected CH" keeps the stored number.
class AlarmChCoding : public Coding {
 public:
  int position(int value) const override { return value & bit(4) ? 0 : (value & 0x0F) + 1; }
  int value(int position, int old) const override {
    return position == 0 ? (old | bit(4)) : position - 1;
  }
};

const TailDelCoding kTailDelCoding;
const AlarmChCoding kAlarmChCoding;
const OffsetCoding kRadioSqlCoding{134};
const OffsetCoding kRadioVolumeCoding{160};

void tailDelChosen(OptionPages& pages, std::string_view control) {
  const bool tailDelOn = pages.control(control).selected != TailDelCoding::kOff;
  pages.setEnabled("chkNoCdEncRxFreTail", tailDelOn);
  pages.setEnabled("chkNoCdEncTxFreTail", tailDelOn);
}

// The monitor end tone exists only with the transmit end tone. The user's
// choice carries over to it; loading leaves its own stored bit alone, so that
// a file shows the same whatever was shown before.
void txEndToneClicked(OptionPages& pages, std::string_view control) {
  const bool on = pages.control(control).checked;
  if (!pages.loading()) pages.check("chkMoniTxEndTone", on);
  pages.setEnabled("chkMoniTxEndTone", on);
}

// Bits 3..7 of the power-on tone's byte belong to the channel number.
constexpr BitField kPwrOnToneField{0x368, 0x07};

// Power-on tone: "Off", Tone-1 .. Tone-5, and Tone-6 and Tone-7 as well when
// the stored value is 5 or more.
std::vector<std::string> pwrOnToneItems(const OptionPages& pages) {
  constexpr int kFirstExtra = 5;
  const int lastTone = kPwrOnToneField.read(pages.image()) >= kFirstExtra ? 7 : 5;
  return buildItems(
      {.firstRow = 266, .rowCount = 1, .numbers = {.first = 1, .last = lastTone, .prefixRow = 267}},
      pages.captions());
}

const ListOption kLists[] = {
    {.control = "cboTot",
     .frame = kCommon,
     .labelRow = 213,
     .field = {0x130},
     .items = {.firstRow = 260,
               .rowCount = 1,
               .numbers = {.first = 1, .last = 18, .scale = 15, .suffixRow = 261}},
     .fallback = 4},
    {.control = "cboPreTot",
     .frame = kCommon,
     .labelRow = 214,
     .field = {0x131},
     .items = {.firstRow = 262,
               .rowCount = 1,
               .numbers = {.first = 1, .last = 10, .suffixRow = 261}},
     .fallback = 0},
    {.control = "cboAnVoice",
     .frame = kCommon,
     .labelRow = 215,
     .field = {0x12F},
     .items = {.firstRow = 263, .rowCount = 3},
     .fallback = 0},
    {.control = "cboPwrOnTone",
     .frame = kCommon,
     .labelRow = 216,
     .field = kPwrOnToneField,
     .itemsFor = pwrOnToneItems},
    {.control = "cboSql",
     .frame = kCommon,
     .labelRow = 217,
     .field = {0x134},
     .items = {.numbers = {.first = 0, .last = 9}},
     .fallback = 5},
    {.control = "cboAlarmCh",
     .frame = kModelInfo,
     .labelRow = 384,
     .field = {0x3E3, 0x1F},
     .items = {.firstRow = 385,
               .rowCount = 1,
               .numbers = {.first = 1, .last = 16, .prefixRow = 386, .joint = " "}},
     .coding = &kAlarmChCoding},
    {.control = "cboRadioSql",
     .frame = kModelInfo,
     .labelRow = 218,
     .field = {0x36E},
     .items = {.numbers = {.first = 0, .last = 32}},
     .coding = &kRadioSqlCoding,
     .fallback = 153},
    {.control = "cboRadioVolume",
     .frame = kModelInfo,
     .labelRow = 219,
     .field = {0x36F},
     .items = {.numbers = {.first = 0, .last = 15}},
     .coding = &kRadioVolumeCoding,
     .fallback = 175},
    {.control = "cboTailDel",
     .frame = kCommon,
     .labelRow = 221,
     .field = {0x36B},
     .items = {.firstRow = 285, .rowCount = 8},
     .coding = &kTailDelCoding,
     .after = tailDelChosen},
    {.control = "cboAlarmSort",
     .frame = kCommon,
     .labelRow = 330,
     .field = {0x367, bit(1)},
     .items = {.firstRow = 331, .rowCount = 2}},
    {.control = "cboMicVolume",
     .frame = kCommon,
     .labelRow = 380,
     .field = {0x3FB},
     .items = {.numbers = {.first = 0, .last = 240}},
     .coding = &kVolumeCoding,
     .fallback = volumeCode(240)},  // the loudest position the list offers
    {.control = "cboTwoWayVolumeLevel",
     .frame = kCommon,
     .labelRow = 333,
     .field = {0x3E6},
     .items = {.firstRow = 295, .rowCount = 1, .numbers = {.first = 1, .last = 10}},
     .fallback = 10},
    {.control = "cboSaveChNo",
     .frame = kModelInfo,
     .labelRow = 407,
     .field = {0x368, 0xF0},
     .items = {.numbers = {.first = 1, .last = 16}}},
};

const FlagOption kFlags[] = {
    {.control = "chkNoCdEncTxFreTail", .frame = kCommon, .labelRow = 355, .field = {0x36A, bit(2)}},
    {.control = "chkNoCdEncRxFreTail", .frame = kCommon, .labelRow = 361, .field = {0x36A, bit(3)}},
    {.control = "chkBeep", .frame = kCommon, .labelRow = 225, .field = {0x136, bit(0)}},
    {.control = "chkTxEndTone",
     .frame = kCommon,
     .labelRow = 222,
     .field = {0x36D, bit(0)},
     .after = txEndToneClicked},
    {.control = "chkMoniTxEndTone", .frame = kCommon, .labelRow = 326, .field = {0x367, bit(4)}},
    {.control = "chkRadioFuncEnable",
     .frame = kCommon,
     .labelRow = 327,
     .field = {0x367, bit(5)},
     .inverted = true},
    {.control = "chkRedGreenLig", .frame = kCommon, .labelRow = 341, .field = {0x36D, bit(3)}},
    {.control = "chkAnPwrOn", .frame = kCommon, .labelRow = 342, .field = {0x36D, bit(4)}},
    {.control = "chkSwiLampTone", .frame = kModelInfo, .labelRow = 408, .field = {0x367, bit(7)}},
};

}  // namespace

void addCommonPage(OptionPages& pages) {
  for (const ListOption& option : kLists) addList(pages, option);
  for (const FlagOption& option : kFlags) addFlag(pages, option);
  // Follows the transmit end tone, which starts unchecked.
  pages.setEnabled("chkMoniTxEndTone", false);

  ControlState volumeButton;
  volumeButton.kind = ControlKind::Button;
  volumeButton.frame = kCommon;
  volumeButton.text = ">>";
  pages.addControl("cmdTwoWayVolSet", std::move(volumeButton), nullptr);
}

}  // namespace q7
