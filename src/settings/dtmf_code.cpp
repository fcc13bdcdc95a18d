#include "settings/dtmf_code.h"

#include <algorithm>
#include <cctype>

#include "foundation/error_report.h"
#include "settings/option_pages.h"

namespace q7 {

namespace {

constexpr std::size_t kStunTypeMinimum = 3;

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// Characters a stored code may hold (all stored as their ASCII byte).
bool isCodeCharacter(char c) {
  return isDigit(c) || (c >= 'A' && c <= 'F') || c == '*' || c == '#' || c == ' ';
}

// Characters the full filter lets through after upper-casing a..d.
bool isTypedCharacter(char c) {
  return isDigit(c) || (c >= 'A' && c <= 'D') || c == '*' || c == '#' || c == ' ';
}

char upperAtoD(char c) {
  return (c >= 'a' && c <= 'd') ? static_cast<char>(c - 'a' + 'A') : c;
}

std::vector<DtmfCodeField> buildFields() {
  std::vector<DtmfCodeField> fields = {
      {"txtPttBot", -1, "fraDtmfEnc", 248, DtmfFilter::Full, {{0x140, 16}}},
      {"txtPttEot", -1, "fraDtmfEnc", 249, DtmfFilter::Full, {{0x150, 16}}},
      {"txtDtmfIdCode", -1, "fraDtmfDec", 251, DtmfFilter::Digits, {{0x120, 10}}},
      {"txtDtmfCloseCode", -1, "fraStun", 255, DtmfFilter::Full, {{0x1E0, 8}, {0x1F8, 2}}},
  };
  constexpr std::size_t kAutoDialBase = 0x200;
  constexpr int kAutoDialEntries = 8;
  for (int k = 0; k < kAutoDialEntries; ++k) {
    fields.push_back({"txtAutoMem",
                      k,
                      "fraAutoDialList",
                      -1,
                      DtmfFilter::Full,
                      {{kAutoDialBase + kDtmfCodeMax * static_cast<std::size_t>(k), 16}}});
  }
  return fields;
}

}  // namespace

std::size_t DtmfCodeField::length() const {
  std::size_t total = 0;
  for (const ByteRun& run : runs) total += run.count;
  return total;
}

std::string DtmfCodeField::name() const {
  return index < 0 ? std::string(control) : elementName(control, index);
}

const std::vector<DtmfCodeField>& dtmfCodeFields() {
  static const std::vector<DtmfCodeField> fields = buildFields();
  return fields;
}

const DtmfCodeField& dtmfCodeField(std::string_view control, int index) {
  const auto& fields = dtmfCodeFields();
  const auto found = std::find_if(fields.begin(), fields.end(), [&](const DtmfCodeField& f) {
    return f.control == control && f.index == index;
  });
  if (found == fields.end()) throw Failure(err::kInvalidCall, std::string(control));
  return *found;
}

std::string filterDtmfText(std::string_view typed, DtmfFilter filter) {
  std::string clean;
  for (char c : typed) {
    if (filter == DtmfFilter::Digits) {
      if (isDigit(c)) clean += c;
    } else if (isTypedCharacter(upperAtoD(c))) {
      clean += upperAtoD(c);
    }
  }
  return clean;
}

std::array<std::uint8_t, kDtmfCodeMax> encodeDtmfCode(std::string_view text) {
  std::array<std::uint8_t, kDtmfCodeMax> code;
  code.fill(kNoDtmfCharacter);
  const std::size_t count = std::min(text.size(), kDtmfCodeMax);
  for (std::size_t j = 0; j < count; ++j) {
    if (isCodeCharacter(text[j])) code[j] = static_cast<std::uint8_t>(text[j]);
  }
  return code;
}

std::string decodeDtmfCode(std::span<const std::uint8_t> bytes) {
  std::string text;
  for (std::uint8_t b : bytes) {
    const char c = static_cast<char>(b);
    if (b < 0x80 && isCodeCharacter(c)) text += c;
  }
  return text;
}

void storeDtmfCodeField(CodeplugImage& image, const DtmfCodeField& field, std::string_view text) {
  const auto code = encodeDtmfCode(text);
  std::size_t position = 0;
  for (const ByteRun& run : field.runs) {
    for (std::size_t i = 0; i < run.count; ++i) image[run.address + i] = code[position++];
  }
}

std::string editDtmfCodeField(CodeplugImage& image, const DtmfCodeField& field,
                              std::string_view typed) {
  std::string clean = filterDtmfText(typed, field.filter).substr(0, field.length());
  storeDtmfCodeField(image, field, clean);
  return clean;
}

std::string loadDtmfCodeField(CodeplugImage& image, const DtmfCodeField& field) {
  std::vector<std::uint8_t> stored;
  for (const ByteRun& run : field.runs) {
    for (std::size_t i = 0; i < run.count; ++i) stored.push_back(image[run.address + i]);
  }
  std::string text = decodeDtmfCode(stored);
  storeDtmfCodeField(image, field, text);
  return text;
}

bool stunTypeEnabled(std::string_view stunCode) {
  return stunCode.size() >= kStunTypeMinimum;
}

}  // namespace q7
