// Embedded Msg (tab 7, fraSysSet8): the two information lines, the radio ID
// with its announcement flag, and the serial number controls.
#include <memory>

#include "channels/radio_charset.h"
#include "foundation/error_report.h"
#include "foundation/profile_file.h"
#include "settings/flag_scope.h"
#include "settings/option_kinds.h"
#include "settings/page_list.h"
#include "settings/serial_numbers.h"
#include "settings/settings_caption_rows.h"

namespace q7 {

namespace {

constexpr const char* kFrame = "fraSysSet8";
constexpr int kRadioIdDigits = 6;
constexpr std::uint16_t kRadioIdBase = 0x3E9;

std::string infoName(int line) {
  return elementName("txtInfo", line);
}

// ShowInfoText: both lines as the radio shows them.
void showInfoText(OptionPages& pages) {
  for (int line = 1; line <= kInfoLineCount; ++line) {
    pages.setText(infoName(line), decodeInfoLine(pages.image(), line));
  }
}

// The blanks at the end of the first 16 characters of a typed line.
std::string trailingBlanks(const std::string& typed) {
  const std::string kept = cutToChars(typed, kInfoLineChars);
  const auto last = kept.find_last_not_of(' ');
  return std::string(last == std::string::npos ? kept.size() : kept.size() - last - 1, ' ');
}

// txtInfo_Change(line): stores the typed line and shows both lines as stored.
// The edited box keeps the blanks typed at its end, so that a blank between
// two words can be typed; the radio stores them as blanks either way. Showing
// the lines does not store them again (`showing`), so a character the radio
// lacks stays stored as "no character" although it shows as nothing. Loading
// only shows the lines: it does not rewrite them.
void infoChanged(OptionPages& pages, int line, bool& showing) {
  guard("frmChMem->txtInfo_LostFocus", [&] {
    if (pages.loading() || showing) return;
    const std::string typed = pages.control(infoName(line)).text;
    encodeInfoLine(pages.image(), line, typed);
    const FlagScope busy(showing);
    for (int shown = 1; shown <= kInfoLineCount; ++shown) {
      std::string text = decodeInfoLine(pages.image(), shown);
      if (shown == line) text += trailingBlanks(typed);
      pages.setText(infoName(shown), text);
    }
  });
}

void addInfoLines(OptionPages& pages) {
  auto showing = std::make_shared<bool>(false);
  for (int line = 1; line <= kInfoLineCount; ++line) {
    ControlState box;
    box.kind = ControlKind::Text;
    box.frame = kFrame;
    box.labelRow = line == 1 ? 258 : row::kInfoLine2;
    pages.addControl(infoName(line), std::move(box),
                     [line, showing](OptionPages& p) { infoChanged(p, line, *showing); });
  }
  pages.addLoadStep("txtInfo", showInfoText);
}

// A radio ID digit: nibble 1..9 is that digit; "Off" is stored as 0xC, and
// 0 or 10..15 read as "Off".
class RadioIdCoding : public Coding {
 public:
  static constexpr int kOffNibble = 0xC;
  static constexpr int kHighestDigit = 9;
  int position(int value) const override { return value <= kHighestDigit ? value : 0; }
  int value(int position, int) const override { return position == 0 ? kOffNibble : position; }
};
const RadioIdCoding kRadioIdCoding;

// Digit k lives in byte 0x3E9 + k/2: even k in bits 0..3, odd k in bits 4..7.
ListOption radioIdDigit(int k) {
  return {.control = elementName("cboRadioId", k),
          .frame = kFrame,
          .labelRow = k == 0 ? 352 : -1,
          .field = {static_cast<std::uint16_t>(kRadioIdBase + k / 2),
                    static_cast<std::uint8_t>(k % 2 == 0 ? 0x0F : 0xF0)},
          .items = {.firstRow = 353,
                    .rowCount = 1,
                    .numbers = {.first = 1, .last = RadioIdCoding::kHighestDigit}},
          .coding = &kRadioIdCoding};
}

const FlagOption kAnRadioId{
    .control = "chkAnRadioId", .frame = kFrame, .labelRow = 354, .field = {0x36A, bit(1)}};

}  // namespace

void addEmbeddedMsgPage(OptionPages& pages) {
  addInfoLines(pages);
  for (int k = 0; k < kRadioIdDigits; ++k) addList(pages, radioIdDigit(k));
  addFlag(pages, kAnRadioId);
  addSerialNumberControls(pages);
}

}  // namespace q7
