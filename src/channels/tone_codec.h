#pragma once
// CTCSS and DCS tones: the list of 261 tones offered in the grid, the text a
// channel shows ("88.5", "D023N", the off text) and the 16-bit tone word the
// channel record holds (0xFFFF off, CTCSS in 0.1 Hz, DCS normal 0x28xx/0x29xx
// and inverted 0xA8xx/0xA9xx carrying the three octal digits in 9 bits).
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "foundation/profile_file.h"

namespace q7 {

inline constexpr int kCtcssCount = 50;
inline constexpr int kDcsCount = 105;
inline constexpr int kToneListSize = 1 + kCtcssCount + 2 * kDcsCount;  // 261
inline constexpr std::uint16_t kToneOff = 0xFFFF;
inline constexpr const char* kCtcssSection = "CTCSS_LIST";

// The 105 DCS codes in list order, as their three octal digits.
extern const std::array<const char*, kDcsCount> kDcsCodes;

// The off text of an interface language: "无", "無" or "None".
std::string toneOffText(int language);

class ToneCodec {
 public:
  // `ctcss` holds the list texts of positions 1 to 50.
  ToneCodec(std::string offText, std::vector<std::string> ctcss);
  // The tone list of the settings file's "CTCSS_LIST" (keys "1".."50", "0"
  // when missing) for the interface language.
  static ToneCodec fromSettings(const ProfileFile& settings, int language);

  const std::string& offText() const { return offText_; }
  // Positions 0 (off) to 260.
  const std::vector<std::string>& list() const { return list_; }

  // The text of a tone word; words outside the tone ranges give the off text.
  std::string qtDqtIicToChar(std::uint16_t word) const;
  // The tone word of a channel's tone text (off or empty text, a number, or
  // "D" + three octal digits + suffix); throws Failure for any other text.
  std::uint16_t qtDqtCharToIic(const std::string& text) const;
  // What a text typed into the tone box becomes: the CTCSS text of a number
  // between 60.0 and 265.0, "Dddd" + "N" or "I" for three octal digits, else
  // the off text.
  std::string normalise(const std::string& typed) const;

 private:
  std::string offText_;
  std::vector<std::string> list_;
};

}  // namespace q7
