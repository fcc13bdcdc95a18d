#pragma once
// The columns of a channel table, shared by its writer and its reader: the
// common columns by name, the option columns they stand for, and the header
// the export writes (the common columns, then the radio's other channel
// options under their English grid captions).
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "channels/channel_grid.h"
#include "channels/csv_table.h"
#include "channels/grid_layout.h"

namespace q7::csv {

enum Field {
  kLocation,
  kName,
  kFrequency,
  kDuplex,
  kOffset,
  kTone,
  kRToneFreq,
  kCToneFreq,
  kDtcsCode,
  kDtcsPolarity,
  kMode,
  kPower,
  kSkip,
  kComment,
  kCrossMode,
  kRxDtcsCode,
  kFixedFields
};

inline constexpr std::array<const char*, kFixedFields> kFixedNames = {
    "Location",  "Name",      "Frequency", "Duplex",       "Offset", "Tone",
    "rToneFreq", "cToneFreq", "DtcsCode",  "DtcsPolarity", "Mode",   "Power",
    "Skip",      "Comment",   "CrossMode", "RxDtcsCode"};

// The option columns the common columns stand for.
inline constexpr int kBandwidthColumn = 5;
inline constexpr int kPowerColumn = 6;
inline constexpr int kScanAddColumn = col::kBitmapOption;
inline constexpr int kScanAddedPosition = 1;
inline constexpr std::array<const char*, 2> kModes = {"FM", "NFM"};  // wide, narrow
inline constexpr const char* kSkipped = "S";

// An option column written under its own caption (not one a common column stands for).
bool isExtraOption(int column);
int lastOptionColumn(const ChannelGrid& grid, const GridLayout& english);

// The header the export writes.
CsvRecord headerRecord(const ChannelGrid& grid, const GridLayout& english);

// 10 Hz as MHz with six decimals: 44600625 gives "446.006250".
std::string megahertz6(std::int64_t frequency);

// The item text at a position of a column; empty when it has none.
std::string itemText(const GridLayout& english, int column, std::int32_t position);
// The position of an item text of a column; nullopt when the column has no such item.
std::optional<std::int32_t> itemPosition(const GridLayout& english, int column,
                                         const std::string& text);

}  // namespace q7::csv
