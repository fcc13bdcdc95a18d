#include "comm/memory_grid.h"

#include <algorithm>
#include <cctype>

#include "comm/hex_text.h"
#include "foundation/error_report.h"
#include "foundation/memory_map.h"

namespace q7 {
namespace {

constexpr int kRowBytes = 16;

int hexDigit(char c) {
  const int u = std::toupper(static_cast<unsigned char>(c));
  if (u >= '0' && u <= '9') return u - '0';
  if (u >= 'A' && u <= 'F') return u - 'A' + 10;
  return -1;
}

bool allOf(const std::string& text, int (*test)(int)) {
  return !text.empty() && std::all_of(text.begin(), text.end(),
                                      [&](char c) { return test(static_cast<unsigned char>(c)); });
}

}  // namespace

long gridHighestAddress(long tableMax) {
  return std::clamp(tableMax, 0L, map::kHighestAddress);
}

int gridRowCount(long tableMax) {
  return static_cast<int>(gridHighestAddress(tableMax) / kRowBytes) + 1;
}

std::string gridRowLabel(int dataRow) {
  return formatAddress(static_cast<unsigned>(dataRow * kRowBytes)) + "H";
}

std::string hexToBits(const std::string& text) {
  std::string bits;
  for (char c : text) {
    const int d = hexDigit(c);
    if (d < 0) continue;
    for (int bit = 3; bit >= 0; --bit) bits += (d >> bit & 1) ? '1' : '0';
  }
  return bits;
}

long bitsToNumber(const std::string& bits) {
  if (bits.size() > 16) throw Failure(err::kOverflow, "frmMemDat->B_To_D");
  long value = 0;
  for (char c : bits) {
    if (c != '0' && c != '1') throw Failure(err::kTypeMismatch, "frmMemDat->B_To_D");
    value = value * 2 + (c - '0');
  }
  return value;
}

std::string bitListing(const std::string& bits) {
  std::string listing;
  const std::size_t n = bits.size();
  for (std::size_t i = 0; i < n; ++i) {
    listing = "B" + std::to_string(i) + ":" + bits[n - 1 - i] + " " + listing;
    if (i == 3) listing = "  " + listing;
  }
  return listing;
}

std::array<int, 4> separateChar(const std::string& text) {
  std::array<int, 4> digits{};
  const std::size_t n = text.size();
  for (std::size_t k = 0; k < 4 && k < n; ++k) digits[k] = std::max(0, hexDigit(text[n - 1 - k]));
  return digits;
}

long cellValue(const std::string& text) {
  const auto d = separateChar(text);
  return d[3] * 4096L + d[2] * 256L + d[1] * 16L + d[0];
}

std::string cellTipText(int row, int column, const std::string& cellText) {
  const std::string bits = hexToBits(cellText);
  const unsigned address = static_cast<unsigned>((row - 1) * kRowBytes + column - 1);
  return "地址为: 0x" + formatAddress(address) + "    二进制:" + bits + "    " + bitListing(bits) +
         "    十进制" + std::to_string(bitsToNumber(bits)) + "    \r\n";
}

void commitGridCell(const std::string& text, long address, CodeplugImage& image) {
  const long value = cellValue(text);
  if (value > 0xFF) throw Failure(err::kOverflow, "frmMemDat->GridDataTemp");
  image[static_cast<std::size_t>(address)] = static_cast<std::uint8_t>(value);
}

std::vector<long> changedCells(const CellText& cell, long highestAddress,
                               const CodeplugImage& image) {
  std::vector<long> changed;
  for (long a = 0; a <= gridHighestAddress(highestAddress); ++a) {
    const std::string text = cell(a);
    if (!text.empty() && cellValue(text) != image[static_cast<std::size_t>(a)])
      changed.push_back(a);
  }
  return changed;
}

std::optional<int> fillValue(const std::string& text, FillBase base) {
  long value = 0;
  if (base == FillBase::Decimal) {
    if (!allOf(text, std::isdigit) || text.size() > 9) return std::nullopt;
    value = std::stol(text);
  } else if (base == FillBase::Hex) {
    if (!allOf(text, std::isxdigit) || text.size() > 4) return std::nullopt;
    value = bitsToNumber(hexToBits(text));
  } else {
    if (text.empty() || text.find_first_not_of("01") != std::string::npos || text.size() > 16)
      return std::nullopt;
    value = bitsToNumber(text);
  }
  return static_cast<int>(std::min(value, 255L));
}

void fillImage(CodeplugImage& image, long start, long end, int value) {
  for (long a = std::max(start, 0L); a <= std::min(end, map::kHighestAddress); ++a)
    image[static_cast<std::size_t>(a)] = static_cast<std::uint8_t>(value);
}

}  // namespace q7
