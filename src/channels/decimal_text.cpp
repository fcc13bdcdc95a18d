#include "channels/decimal_text.h"

#include <algorithm>
#include <cstdlib>

namespace q7 {
namespace {

struct DecimalParts {
  bool negative = false;
  std::string integer;   // digits before the point
  std::string fraction;  // digits after the point
};

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

std::optional<DecimalParts> split(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::nullopt;
  text = text.substr(first, text.find_last_not_of(' ') - first + 1);
  DecimalParts parts;
  if (text.front() == '+' || text.front() == '-') {
    parts.negative = text.front() == '-';
    text.remove_prefix(1);
  }
  bool seenPoint = false;
  for (const char c : text) {
    if (c == '.' && !seenPoint) {
      seenPoint = true;
    } else if (isDigit(c)) {
      (seenPoint ? parts.fraction : parts.integer) += c;
    } else {
      return std::nullopt;
    }
  }
  if (parts.integer.empty() && parts.fraction.empty()) return std::nullopt;
  return parts;
}

constexpr std::size_t kLongestMagnitude = 18;  // digits that always fit 64 bits

std::int64_t pow10(int exponent) {
  std::int64_t p = 1;
  for (int i = 0; i < exponent; ++i) p *= 10;
  return p;
}

}  // namespace

bool isNumeric(std::string_view text) {
  return split(text).has_value();
}

std::optional<std::int64_t> scaledHalfEven(std::string_view text, int decimals) {
  const auto parts = split(text);
  if (!parts) return std::nullopt;
  std::string fraction = parts->fraction;
  fraction.resize(std::max<std::size_t>(fraction.size(), decimals), '0');
  std::string kept = parts->integer + fraction.substr(0, decimals);
  const std::string dropped = fraction.substr(decimals);
  kept.erase(0, std::min(kept.find_first_not_of('0'), kept.size()));
  if (kept.size() > kLongestMagnitude) return std::nullopt;
  std::int64_t value = kept.empty() ? 0 : std::stoll(kept);
  if (!dropped.empty()) {
    const std::string half = "5" + std::string(dropped.size() - 1, '0');
    const int order = dropped.compare(half);
    if (order > 0 || (order == 0 && value % 2 == 1)) ++value;
  }
  return parts->negative ? -value : value;
}

std::int64_t divideHalfEven(std::int64_t numerator, std::int64_t denominator) {
  std::int64_t quotient = numerator / denominator;
  std::int64_t remainder = numerator % denominator;
  if (remainder < 0) {
    --quotient;
    remainder += denominator;
  }
  if (2 * remainder > denominator || (2 * remainder == denominator && quotient % 2 != 0)) {
    ++quotient;
  }
  return quotient;
}

std::string decimalText(std::int64_t value, int decimals, TrailingZeros zeros) {
  if (decimals <= 0) return std::to_string(value);
  const std::int64_t scale = pow10(decimals);
  const std::int64_t magnitude = std::llabs(value);
  std::string fraction = std::to_string(magnitude % scale);
  fraction.insert(0, static_cast<std::size_t>(decimals) - fraction.size(), '0');
  if (zeros == TrailingZeros::Dropped) fraction.erase(fraction.find_last_not_of('0') + 1);
  std::string text = (value < 0 ? "-" : "") + std::to_string(magnitude / scale);
  return fraction.empty() ? text : text + "." + fraction;
}

std::string formatNumber(std::string_view format, std::string_view text) {
  const auto point = format.find('.');
  const std::string_view integerPart = format.substr(0, point);
  const std::string_view fractionPart =
      point == std::string_view::npos ? std::string_view() : format.substr(point + 1);
  const int maxDecimals = static_cast<int>(fractionPart.size());
  const auto minDecimals = static_cast<std::size_t>(std::ranges::count(fractionPart, '0'));
  const auto minIntegerDigits = static_cast<std::size_t>(std::ranges::count(integerPart, '0'));

  const auto scaled = scaledHalfEven(text, maxDecimals);
  if (!scaled) return std::string(text);
  const std::int64_t scale = pow10(maxDecimals);
  const std::int64_t magnitude = std::llabs(*scaled);

  std::string integer = std::to_string(magnitude / scale);
  if (integer == "0" && minIntegerDigits == 0) integer.clear();
  if (integer.size() < minIntegerDigits) integer.insert(0, minIntegerDigits - integer.size(), '0');
  std::string fraction = maxDecimals ? std::to_string(magnitude % scale) : std::string();
  fraction.insert(0, static_cast<std::size_t>(maxDecimals) - fraction.size(), '0');
  while (fraction.size() > minDecimals && fraction.back() == '0') fraction.pop_back();

  std::string shown = fraction.empty() ? integer : integer + "." + fraction;
  if (shown.empty()) return "0";
  return *scaled < 0 ? "-" + shown : shown;
}

}  // namespace q7
