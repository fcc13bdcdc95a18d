#pragma once
// The radio's character table: text in the radio is a run of 16-bit character
// numbers, each an index into a fixed table of 21,902 entries: printable ASCII
// (the double quote excepted) at its own code, then the CJK unified ideographs
// U+4E00..U+9FA5 from index 1000. The two information lines are 16 such
// numbers each at 0x300 and 0x320.
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "foundation/codeplug_image.h"
#include "foundation/memory_map.h"

namespace q7 {

inline constexpr int kCharsetSize = 21902;
inline constexpr std::uint16_t kNoCharacter =
    kCharsetSize;  // stored for a character not in the table
inline constexpr int kInfoLineCount = 2;
inline constexpr int kInfoLineChars = 16;
inline constexpr std::size_t kInfoLineBytes = 32;  // room of one line; the next follows

class RadioCharset {
 public:
  RadioCharset();

  // The entry of a character number as UTF-8 text (one character, or empty);
  // numbers beyond the table give the empty text.
  const std::string& character(std::uint16_t number) const;
  // The lowest index whose entry is this character (a Unicode code point);
  // kNoCharacter when the table does not hold it. Constant time.
  std::uint16_t number(char32_t character) const;

 private:
  std::vector<std::string> entries_;
  std::unordered_map<char32_t, std::uint16_t> firstIndex_;
};

// The table, built once on first use and kept for the program's lifetime.
const RadioCharset& radioCharset();

// The first byte of information line 1 or 2.
std::size_t infoLineAddress(int line);
// Information line 1 or 2 as shown: its characters with trailing spaces removed.
std::string decodeInfoLine(const CodeplugImage& image, int line);
// Stores a typed line: padded with spaces or cut to 16 characters, each stored
// as its character number (kNoCharacter for characters the radio lacks).
void encodeInfoLine(CodeplugImage& image, int line, const std::string& text);

// UTF-8 text as code points (malformed bytes are taken one by one as U+FFFD).
std::u32string toCodePoints(const std::string& text);
std::string toUtf8(char32_t codePoint);

}  // namespace q7
