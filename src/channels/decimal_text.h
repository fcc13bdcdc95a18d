#pragma once
// Decimal numbers as the user types them and as the grid shows them. Typed
// numbers are worked out exactly from their digits (no binary fractions), and
// rounding goes half to even, the way the radio's conversions round.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace q7 {

// A number as typed: optional blanks, optional sign, digits with at most one
// decimal point (at least one digit in all), optional blanks.
bool isNumeric(std::string_view text);

// The integer nearest to text × 10^decimals, halves to the even integer;
// nullopt when the text is not numeric or the result does not fit 64 bits.
std::optional<std::int64_t> scaledHalfEven(std::string_view text, int decimals);

// numerator ÷ denominator rounded to the nearest integer, halves to even
// (denominator > 0).
std::int64_t divideHalfEven(std::int64_t numerator, std::int64_t denominator);

enum class TrailingZeros { Dropped, Kept };

// value ÷ 10^decimals as decimal text, by default without trailing zeros:
// (44600625, 5) gives "446.00625", (44610000, 5) "446.1", (44600000, 5) "446";
// with the zeros kept, every place is shown: (10, 1) gives "1.0".
std::string decimalText(std::int64_t value, int decimals,
                        TrailingZeros zeros = TrailingZeros::Dropped);

// Shows a numeric cell text through a grid format string of '#' (optional
// digit) and '0' (required digit) placeholders with an optional decimal point:
// "###.#####", "#0.00000", "00000". Text that is not numeric stays as it is.
std::string formatNumber(std::string_view format, std::string_view text);

}  // namespace q7
