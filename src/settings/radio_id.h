#pragma once
// The radio's six-digit ID at 0x3E9..0x3EB, one digit per 4-bit nibble: digit
// k in byte 0x3E9 + k/2, even k in the low nibble, odd k in the high one. A
// nibble 1..9 is that digit; "Off" is stored as 0xC, and 0 or 10..15 read as
// "Off".
#include <cstddef>
#include <string>
#include <vector>

#include "shell/caption_table.h"
#include "shell/codeplug_image.h"

namespace q7 {

inline constexpr int kRadioIdDigits = 6;
inline constexpr std::size_t kRadioIdBase = 0x3E9;

// List position of digit k (0..5): the digit 1..9, or 0 for "Off".
int radioIdPosition(const CodeplugImage& image, int digit);

// cboRadioId_Click(k): stores position 1..9 as that digit, 0 as "Off"; the
// other nibble of the byte is kept.
void setRadioIdDigit(CodeplugImage& image, int digit, int position);

// The items of each digit list: row 353 "Off", then "1" .. "9".
std::vector<std::string> radioIdItems(const CaptionTable& captions);

}  // namespace q7
