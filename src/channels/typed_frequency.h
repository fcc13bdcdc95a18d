#pragma once
// A frequency typed into the channel grid: what it becomes and what the
// user is told about it. The grid keeps the radio's rules (every frequency
// moves onto the channel step and into the band); this says when that
// changed what was typed, and refuses text that is no number at all. In the
// TX cell, a text with a leading sign is an offset from RX in MHz.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "channels/model_band.h"
#include "foundation/caption_table.h"

namespace q7 {

struct TypedFrequency {
  enum class Kind { kEmpty, kUnreadable, kValue };
  Kind kind = Kind::kEmpty;
  std::string shownAs;       // the entry as the user put it: typed text, or RX ± offset
  std::int64_t asTyped = 0;  // 10 Hz, before the step and the band
  std::int32_t stored = 0;   // 10 Hz, what the channel takes
  bool aboveBand = false;    // the entry lay above the band (else below, if clamped)
  bool clamped = false;
  bool snapped = false;
};

// `offsetBase` is RX in 10 Hz when the text is typed into the TX cell.
TypedFrequency readTypedFrequency(std::string_view text, BandLimits band,
                                  std::optional<std::int32_t> offsetBase = std::nullopt);

// The status bar's note in the interface language; empty when the entry is
// stored as it was typed (or was empty).
std::string typedFrequencyNote(const TypedFrequency& entry, BandLimits band,
                               const CaptionTable& captions);

}  // namespace q7
