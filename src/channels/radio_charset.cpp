#include "channels/radio_charset.h"

#include "foundation/error_report.h"

namespace q7 {
namespace {

constexpr int kFirstIdeographIndex = 1000;
constexpr char32_t kFirstIdeograph = 0x4E00;
constexpr int kLastAsciiIndex = 127;
constexpr char32_t kReplacement = 0xFFFD;

// What the radio shows for a character number below 1000: a space stands in
// for control codes, the double quote and DEL; 128..999 are unassigned.
std::string lowEntry(int index) {
  if (index > kLastAsciiIndex) return {};
  if (index <= ' ' || index == '"' || index == kLastAsciiIndex) return " ";
  return std::string(1, static_cast<char>(index));
}

// Length of the UTF-8 sequence a lead byte starts; 0 for a byte that cannot lead.
int sequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if ((lead & 0xE0) == 0xC0) return 2;
  if ((lead & 0xF0) == 0xE0) return 3;
  if ((lead & 0xF8) == 0xF0) return 4;
  return 0;
}

bool continuationFollows(const std::string& text, std::size_t lead, int length) {
  if (lead + length > text.size()) return false;
  for (int k = 1; k < length; ++k) {
    if ((static_cast<unsigned char>(text[lead + k]) & 0xC0) != 0x80) return false;
  }
  return true;
}

}  // namespace

RadioCharset::RadioCharset() : entries_(kCharsetSize) {
  for (int index = 0; index < kCharsetSize; ++index) {
    entries_[index] = index < kFirstIdeographIndex
                          ? lowEntry(index)
                          : toUtf8(kFirstIdeograph + (index - kFirstIdeographIndex));
    const std::u32string points = toCodePoints(entries_[index]);
    if (!points.empty()) firstIndex_.try_emplace(points.front(), static_cast<std::uint16_t>(index));
  }
}

const std::string& RadioCharset::character(std::uint16_t number) const {
  static const std::string none;
  return number < entries_.size() ? entries_[number] : none;
}

std::uint16_t RadioCharset::number(char32_t character) const {
  const auto it = firstIndex_.find(character);
  return it == firstIndex_.end() ? kNoCharacter : it->second;
}

const RadioCharset& radioCharset() {
  static const RadioCharset charset;
  return charset;
}

std::size_t infoLineAddress(int line) {
  if (line < 1 || line > kInfoLineCount) throw Failure(err::kIndexRange, "information line");
  return map::kInfoLines + kInfoLineBytes * static_cast<std::size_t>(line - 1);
}

std::string decodeInfoLine(const CodeplugImage& image, int line) {
  const std::size_t address = infoLineAddress(line);
  std::string text;
  for (int j = 0; j < kInfoLineChars; ++j)
    text += radioCharset().character(image.word(address + 2 * j));
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

void encodeInfoLine(CodeplugImage& image, int line, const std::string& text) {
  const std::size_t address = infoLineAddress(line);
  std::u32string points = toCodePoints(text);
  points.resize(kInfoLineChars, U' ');
  for (int j = 0; j < kInfoLineChars; ++j) {
    image.setWord(address + 2 * j, radioCharset().number(points[j]));
  }
}

std::u32string toCodePoints(const std::string& text) {
  std::u32string points;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const int length = sequenceLength(lead);
    if (length == 0 || !continuationFollows(text, i, length)) {
      points.push_back(kReplacement);
      ++i;
      continue;
    }
    char32_t point = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) point = (point << 6) | (text[i + k] & 0x3F);
    points.push_back(point);
    i += length;
  }
  return points;
}

std::string toUtf8(char32_t point) {
  std::string out;
  if (point < 0x80) {
    out += static_cast<char>(point);
  } else if (point < 0x800) {
    out += static_cast<char>(0xC0 | (point >> 6));
    out += static_cast<char>(0x80 | (point & 0x3F));
  } else if (point < 0x10000) {
    out += static_cast<char>(0xE0 | (point >> 12));
    out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (point & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (point >> 18));
    out += static_cast<char>(0x80 | ((point >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (point & 0x3F));
  }
  return out;
}

}  // namespace q7
