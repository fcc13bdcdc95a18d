#include "channels/typed_frequency.h"

#include <limits>

#include "channels/channel_caption_rows.h"
#include "channels/decimal_text.h"

namespace q7 {
namespace {

constexpr int kMhzDecimals = 5;
// What a number too large to hold becomes before the band check raises it
// to the lower limit.
constexpr std::int64_t kUnholdableFrequency = 1200;

std::string_view trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool fitsInt32(std::int64_t value) {
  return value >= std::numeric_limits<std::int32_t>::min() &&
         value <= std::numeric_limits<std::int32_t>::max();
}

bool isOffset(std::string_view text, std::optional<std::int32_t> base) {
  return base && !text.empty() && (text.front() == '+' || text.front() == '-');
}

// Replaces %1, %2, ... by the values in turn.
std::string filledIn(std::string pattern, std::initializer_list<std::string> values) {
  int n = 1;
  for (const std::string& value : values) {
    const std::string mark = "%" + std::to_string(n++);
    const auto at = pattern.find(mark);
    if (at != std::string::npos) pattern.replace(at, mark.size(), value);
  }
  return pattern;
}

std::string mhz(std::int64_t frequency) {
  return decimalText(frequency, kMhzDecimals);
}

std::string mhzAllPlaces(std::int64_t frequency) {
  return decimalText(frequency, kMhzDecimals, TrailingZeros::Kept);
}

}  // namespace

TypedFrequency readTypedFrequency(std::string_view text, BandLimits band,
                                  std::optional<std::int32_t> offsetBase) {
  TypedFrequency entry;
  const std::string_view typed = trimmed(text);
  entry.shownAs = std::string(typed);
  if (typed.empty()) return entry;
  if (!isNumeric(typed)) {
    entry.kind = TypedFrequency::Kind::kUnreadable;
    return entry;
  }
  entry.kind = TypedFrequency::Kind::kValue;
  const auto scaled = scaledHalfEven(typed, kMhzDecimals);
  const bool offset = isOffset(typed, offsetBase);
  const std::int64_t value = scaled ? *scaled + (offset ? *offsetBase : 0) : 0;
  if (scaled && fitsInt32(value)) {
    entry.asTyped = value;
    if (offset) entry.shownAs = mhz(value);
  } else {
    entry.asTyped = kUnholdableFrequency;
    entry.aboveBand = typed.front() != '-';
    entry.clamped = true;
  }
  const std::int64_t onStep = snapToChannelStep(entry.asTyped);
  entry.stored = clampToBand(onStep, band);
  entry.snapped = !entry.clamped && onStep != entry.asTyped;
  if (!entry.clamped && entry.stored != onStep) {
    entry.clamped = true;
    entry.aboveBand = onStep > band.upper;
  }
  return entry;
}

std::string typedFrequencyNote(const TypedFrequency& entry, BandLimits band,
                               const CaptionTable& captions) {
  if (entry.kind == TypedFrequency::Kind::kUnreadable) {
    return filledIn(captions(row::kTypedNotAFrequency), {entry.shownAs});
  }
  if (entry.kind == TypedFrequency::Kind::kEmpty) return {};
  if (entry.clamped) {
    return filledIn(captions(entry.aboveBand ? row::kAboveTheBand : row::kBelowTheBand),
                    {entry.shownAs, mhz(band.lower), mhz(band.upper), mhzAllPlaces(entry.stored)});
  }
  if (entry.snapped) {
    return filledIn(captions(row::kOffTheStep), {entry.shownAs, mhzAllPlaces(entry.stored)});
  }
  return {};
}

}  // namespace q7
