// DTMF (tab 6, fraSysSet6): the encoding, decoding, stun and auto-dial frames.
#include "settings/dtmf_code.h"
#include "settings/option_kinds.h"
#include "settings/page_list.h"

namespace q7 {

namespace {

constexpr const char* kEncode = "fraDtmfEnc";
constexpr const char* kDecode = "fraDtmfDec";
constexpr const char* kStun = "fraStun";
constexpr const char* kStunType = "cboDtmfCloseSort";
constexpr const char* kCodeSpaceTime = "cboCodeSpaceTime";

// Group characters "Off", A, B, C, D, "*", "#"; any other stored byte reads as
// no item and is replaced by 0x00 ("Off").
constexpr CodeRange kGroupCodes[] = {{0x00, 0x00, 0x00}, {0x41, 0x41, 0x41}, {0x42, 0x42, 0x42},
                                     {0x43, 0x43, 0x43}, {0x44, 0x44, 0x44}, {0x2A, 0x2A, 0x2A},
                                     {0x23, 0x23, 0x23}};
const TableCoding kGroupCoding{kGroupCodes};

// Digit times: the radio counts 10 ms x (byte + 1), and the list starts at
// 40 ms, so byte = position + 3. Bytes 3..253 show an item (3 is what
// choosing "40" stores); 0..2 and 254..255 are replaced by 50.
const OffsetCoding kDigitTimeCoding{3};
constexpr int kDigitTimeDefault = 50;

// Stun type: loading looks at bit 0 only; the handler writes the whole byte.
class StunTypeCoding : public Coding {
 public:
  int position(int value) const override { return value & bit(0); }
  int value(int position, int) const override { return position; }
};
const StunTypeCoding kStunTypeCoding;

// The digit interval follows a newly chosen digit duration. Only the user's
// choice is copied: during loading the copy would overwrite the stored
// interval (0x3DB) with the duration (0x3DA) whenever the interval list still
// had a selection from an earlier load.
void codeContiChosen(OptionPages& pages, std::string_view control) {
  if (pages.loading() || pages.control(kCodeSpaceTime).selected < 0) return;
  pages.select(kCodeSpaceTime, pages.control(control).selected);
}

const ItemList kDigitTimeItems{.numbers = {.first = 0, .last = 250, .scale = 10, .add = 40}};
const ItemList kSecondsOrOff{
    .firstRow = 295, .rowCount = 1, .numbers = {.first = 1, .last = 255, .suffixRow = 294}};
const ItemList kGroupItems{.firstRow = 313, .rowCount = 7};

const ListOption kLists[] = {
    {.control = "cboPreCarTime",
     .frame = kEncode,
     .labelRow = 245,
     .field = {0x3D9},
     .items = {.numbers = {.first = 0, .last = 255, .scale = 20}}},
    {.control = "cboCodeContiTime",
     .frame = kEncode,
     .labelRow = 246,
     .field = {0x3DA},
     .items = kDigitTimeItems,
     .coding = &kDigitTimeCoding,
     .fallback = kDigitTimeDefault,
     .after = codeContiChosen},
    {.control = kCodeSpaceTime,
     .frame = kEncode,
     .labelRow = 247,
     .field = {0x3DB},
     .items = kDigitTimeItems,
     .coding = &kDigitTimeCoding,
     .fallback = kDigitTimeDefault},
    {.control = "cboPttIdPauseTime",
     .frame = kEncode,
     .labelRow = 344,
     .field = {0x3DC},
     .items = {.numbers = {.first = 0, .last = 255, .suffixRow = 294}}},
    {.control = "cboDtmf2ToneVol",
     .frame = kEncode,
     .labelRow = 409,
     .field = {0x3E0},
     .items = {.numbers = {.first = 0, .last = 255}},
     .coding = &kVolumeCoding},
    {.control = "cboDtmfGrpCode",
     .frame = kDecode,
     .labelRow = 252,
     .field = {0x116},
     .items = kGroupItems,
     .coding = &kGroupCoding,
     .fallback = 0x00},
    {.control = "cboAutoRstTimer",
     .frame = kDecode,
     .labelRow = 345,
     .field = {0x117},
     .items = kSecondsOrOff},
    {.control = kStunType,
     .frame = kStun,
     .labelRow = 256,
     .field = {0x1FA},
     .items = {.firstRow = 323, .rowCount = 2},
     .coding = &kStunTypeCoding},
    {.control = "cboStunGrpCode",
     .frame = kStun,
     .labelRow = 392,
     .field = {0x3DD},
     .items = kGroupItems,
     .coding = &kGroupCoding,
     .fallback = 0x00},
};

// Call alert: "Off", "Continuous", then Glint10s .. Glint2540s (10 s steps).
const ListOption kCallAlarm{
    .control = "cboDtmfCallAlarm", .frame = kDecode, .labelRow = 253, .field = {0x118}};

void loadCallAlarm(OptionPages& pages) {
  const CaptionTable& captions = pages.captions();
  std::vector<std::string> items = {captions(320), captions(366)};
  const ItemList glint{
      .numbers = {
          .first = 2, .last = 255, .scale = 10, .add = -10, .prefixRow = 321, .suffixRow = 322}};
  for (std::string& item : buildItems(glint, captions)) items.push_back(std::move(item));
  loadList(pages, kCallAlarm, std::move(items));
}

const FlagOption kFlags[] = {
    {.control = "chkDtmfMoni", .frame = kEncode, .labelRow = 340, .field = {0x115, bit(0)}},
    {.control = "chkNoRespPttIdNoPause",
     .frame = kEncode,
     .labelRow = 390,
     .field = {0x36A, bit(5)}},
    {.control = "chkDtmfCallAlarmTone",
     .frame = kDecode,
     .labelRow = 391,
     .field = {0x36A, bit(4)}},
};

// A code box: the user's typing goes through the field's filter; loading
// shows the stored code as it is. The box then shows the clean text.
void codeFieldChanged(OptionPages& pages, const DtmfCodeField& field) {
  const std::string name = field.name();
  const std::string text = pages.control(name).text;
  std::string clean = text;
  if (pages.loading()) {
    storeDtmfCodeField(pages.image(), field, text);
  } else {
    clean = editDtmfCodeField(pages.image(), field, text);
  }
  if (name == "txtDtmfCloseCode") pages.setEnabled(kStunType, stunTypeEnabled(clean));
  pages.setText(name, clean);
}

void addCodeField(OptionPages& pages, const DtmfCodeField& field) {
  ControlState state;
  state.kind = ControlKind::Text;
  state.frame = field.frame;
  state.labelRow = field.labelRow;
  pages.addControl(field.name(), std::move(state),
                   [&field](OptionPages& p) { codeFieldChanged(p, field); });
  pages.addLoadStep(field.name(), [&field](OptionPages& p) {
    p.setText(field.name(), loadDtmfCodeField(p.image(), field));
  });
}

}  // namespace

void addDtmfPage(OptionPages& pages) {
  for (const ListOption& option : kLists) addList(pages, option);
  addListControl(pages, kCallAlarm);
  pages.addLoadStep(kCallAlarm.control, loadCallAlarm);
  for (const FlagOption& option : kFlags) addFlag(pages, option);
  for (const DtmfCodeField& field : dtmfCodeFields()) addCodeField(pages, field);
  // Follows the stun code, which starts empty.
  pages.setEnabled(kStunType, false);

  ControlState pauseButton;
  pauseButton.kind = ControlKind::Button;
  pauseButton.frame = kEncode;
  pauseButton.labelRow = 387;
  pages.addControl("cmdPttIdPauseChSet", std::move(pauseButton), nullptr);
}

}  // namespace q7
