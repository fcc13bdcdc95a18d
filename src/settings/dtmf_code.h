#pragma once
// DTMF code fields: one ASCII byte per DTMF character ("0".."9", "A".."F",
// "*", "#", blank), 0xFF after the last character. Each field occupies one
// run of image bytes, except the stun code, whose last two characters live
// apart from its first eight.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/codeplug_image.h"

namespace q7 {

inline constexpr std::size_t kDtmfCodeMax = 16;
inline constexpr std::uint8_t kNoDtmfCharacter = 0xFF;

// What a code field's text box keeps of the typed text.
enum class DtmfFilter {
  Full,    // digits, A-D (a-d become capitals), "*", "#" and blanks
  Digits,  // "0".."9" only
};

struct ByteRun {
  std::size_t address;
  std::size_t count;
};

struct DtmfCodeField {
  const char* control;  // text box name, e.g. "txtPttBot"
  int index;            // element of a control array, -1 for a single box
  const char* frame;    // frame of the DTMF page holding the box
  int labelRow;         // caption row of its label, -1 for none
  DtmfFilter filter;
  std::vector<ByteRun> runs;  // image bytes of characters 1, 2, ... in order

  std::size_t length() const;
  // The control's name, with the element index for the auto-dial boxes.
  std::string name() const;
};

// The code fields of the DTMF page in loading order: PTT ID begin and end of
// transmission, ID code, stun code, auto-dial entries 0..7.
const std::vector<DtmfCodeField>& dtmfCodeFields();
const DtmfCodeField& dtmfCodeField(std::string_view control, int index = -1);

// The typed text as the field's text box keeps it.
std::string filterDtmfText(std::string_view typed, DtmfFilter filter);

// The 16 code positions of a text: its characters' bytes, 0xFF for a
// character outside the code and after the end; characters past 16 are ignored.
std::array<std::uint8_t, kDtmfCodeMax> encodeDtmfCode(std::string_view text);

// The text of stored bytes: code characters in order, any other byte skipped.
std::string decodeDtmfCode(std::span<const std::uint8_t> bytes);

// Stores a text as it stands (no filter) into the field's bytes.
void storeDtmfCodeField(CodeplugImage& image, const DtmfCodeField& field, std::string_view text);

// The field's change handler: filters the typed text, cuts it to the field's
// length, stores it and returns the clean text the box shows. Filtering comes
// first, so that a pasted "12-34-56-78-90" keeps all ten digits.
std::string editDtmfCodeField(CodeplugImage& image, const DtmfCodeField& field,
                              std::string_view typed);

// Loading: the text of the stored bytes, written back in canonical form (a
// skipped byte leaves a 0xFF at the end of the field). The typing filter is
// not applied: "E", "F" or a letter in the ID code found in the image are
// shown and kept rather than silently dropped by a mere refresh.
std::string loadDtmfCodeField(CodeplugImage& image, const DtmfCodeField& field);

// The stun type list is offered only for stun codes of 3 or more characters.
bool stunTypeEnabled(std::string_view stunCode);

}  // namespace q7
