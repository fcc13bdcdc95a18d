#include "settings/two_tone.h"

#include <charconv>
#include <cmath>
#include <optional>

#include "foundation/caption_table.h"
#include "foundation/error_report.h"
#include "foundation/profile_file.h"
#include "settings/validity_marker.h"

namespace q7 {

namespace {

constexpr int kToneLowest = 2885;    // 288.5 Hz
constexpr int kToneHighest = 31060;  // 3106.0 Hz
constexpr std::uint16_t kNoTone = 0xFFFF;
constexpr std::uint8_t kNoTime = 0xFF;
constexpr int kDurationHighest = 100;  // 10.0 s
constexpr int kGapHighest = 20;        // 2.0 s
constexpr std::uint8_t kDurationRepair = 10;
constexpr std::uint8_t kGapRepair = 5;
constexpr std::size_t kGapOffset = 6;
constexpr std::size_t kMarkerOffset = 7;

constexpr const char* kDefaultTimeText = "1.0";
constexpr const char* kNotNumberText = "1500.0";
constexpr double kNotNumberValue = 1500.0;
constexpr const char* kLowestText = "288.5";
constexpr const char* kHighestText = "3106";

// Tone A and tone B are stored and shown alike.
struct ToneSlot {
  std::size_t frequencyOffset;
  std::size_t durationOffset;
  int frequencyColumn;
  int durationColumn;
};
constexpr std::array<ToneSlot, 2> kToneSlots = {{
    {0, 2, kToneAFreColumn, kToneATimeColumn},
    {3, 5, kToneBFreColumn, kToneBTimeColumn},
}};

std::size_t recordAddress(int record) {
  if (record < 1 || record > kTwoToneRecords) throw Failure(err::kIndexRange, "modTwoTone");
  return kTwoToneBase + kTwoToneRecordSize * static_cast<std::size_t>(record - 1);
}

// A count of tenths as "0.0".
std::string tenths(int value) {
  return std::to_string(value / 10) + "." + std::to_string(value % 10);
}

std::uint8_t repaired(std::uint8_t& stored, int highest, std::uint8_t repair) {
  if (stored > highest) stored = repair;
  return stored;
}

bool isBlank(const std::string& cell) {
  return trimBlanks(cell).empty();
}

std::optional<double> parseNumber(const std::string& cell) {
  const std::string text = trimBlanks(cell);
  if (text.empty()) return std::nullopt;
  // from_chars reads "." as the decimal point whatever the user's locale.
  const char* first = text.data() + (text.front() == '+' ? 1 : 0);
  const char* last = text.data() + text.size();
  double value = 0;
  const auto [end, error] = std::from_chars(first, last, value);
  if (error != std::errc() || end != last || !std::isfinite(value)) return std::nullopt;
  return value;
}

// A frequency cell: text that is no number becomes 1500.0 Hz, values outside
// the radio's range are clamped to its ends; the cell shows what is stored.
std::uint16_t storeFrequency(std::string& cell) {
  std::optional<double> hz = parseNumber(cell);
  if (!hz) {
    cell = kNotNumberText;
    hz = kNotNumberValue;
  }
  const double value = std::round(*hz * 10);
  if (value < kToneLowest) {
    cell = kLowestText;
    return kToneLowest;
  }
  if (value > kToneHighest) {
    cell = kHighestText;
    return kToneHighest;
  }
  return static_cast<std::uint16_t>(value);
}

// A duration or gap cell: empty, no number, or beyond what loading accepts
// (which would otherwise wrap in the byte or be repaired on the next load)
// becomes 1.0 s.
std::uint8_t storeTime(std::string& cell, int highest) {
  const std::optional<double> seconds = parseNumber(cell);
  const double value = seconds ? std::round(*seconds * 10) : -1;
  if (value < 0 || value > highest) {
    cell = kDefaultTimeText;
    return 10;
  }
  return static_cast<std::uint8_t>(value);
}

std::vector<std::string> tenthsItems(int first, int last) {
  std::vector<std::string> items;
  for (int t = first; t <= last; ++t) items.push_back(tenths(t));
  return items;
}

}  // namespace

int twoToneRecord(int grid, int row) {
  return kTwoToneRowsPerGrid * grid + row;
}

TwoToneRow loadTwoToneRecord(CodeplugImage& image, int record) {
  TwoToneRow row{};
  const std::size_t base = recordAddress(record);
  if (image[base + kMarkerOffset] != kBlockInUse) return row;
  for (const ToneSlot& slot : kToneSlots) {
    const int tone = image.word(base + slot.frequencyOffset);
    if (tone < kToneLowest || tone > kToneHighest) continue;
    row[slot.frequencyColumn] = tenths(tone);
    row[slot.durationColumn] =
        tenths(repaired(image[base + slot.durationOffset], kDurationHighest, kDurationRepair));
  }
  if (!row[kToneAFreColumn].empty() && !row[kToneBFreColumn].empty()) {
    row[kIntervalColumn] = tenths(repaired(image[base + kGapOffset], kGapHighest, kGapRepair));
  }
  return row;
}

TwoToneTable loadTwoToneTable(CodeplugImage& image) {
  TwoToneTable table;
  for (int k = 1; k <= kTwoToneRecords; ++k) {
    table[static_cast<std::size_t>(k - 1)] = loadTwoToneRecord(image, k);
  }
  return table;
}

void storeTwoToneRecord(CodeplugImage& image, int record, TwoToneRow& row) {
  const std::size_t base = recordAddress(record);
  for (const ToneSlot& slot : kToneSlots) {
    std::string& frequency = row[slot.frequencyColumn];
    std::string& duration = row[slot.durationColumn];
    if (isBlank(frequency)) {
      frequency.clear();
      duration.clear();
      image.setWord(base + slot.frequencyOffset, kNoTone);
      image[base + slot.durationOffset] = kNoTime;
      continue;
    }
    image.setWord(base + slot.frequencyOffset, storeFrequency(frequency));
    image[base + slot.durationOffset] = storeTime(duration, kDurationHighest);
  }
  const bool hasA = !row[kToneAFreColumn].empty();
  const bool hasB = !row[kToneBFreColumn].empty();
  if (!hasA && !hasB) {
    // An unused record keeps its gap byte; only the marker says it is empty.
    image[base + kMarkerOffset] = kBlockUnused;
    row[kIntervalColumn].clear();
    return;
  }
  image[base + kMarkerOffset] = kBlockInUse;
  if (hasA && hasB) {
    image[base + kGapOffset] = storeTime(row[kIntervalColumn], kGapHighest);
  } else {
    row[kIntervalColumn].clear();
    image[base + kGapOffset] = kNoTime;
  }
}

void storeTwoToneTable(CodeplugImage& image, TwoToneTable& table) {
  for (int k = 1; k <= kTwoToneRecords; ++k) {
    storeTwoToneRecord(image, k, table[static_cast<std::size_t>(k - 1)]);
  }
}

std::string twoToneHeader(int language) {
  switch (normalizeLanguage(language)) {
    case kSimplifiedChinese:
      return "序号|A音频率|A音时间|B音频率|B音时间|间隔时间";
    case kTraditionalChinese:
      return "序號|A音頻率|A音時間|B音頻率|B音時間|間隔時間";
    default:
      return "No.|A Fre|A Time|B Fre|B Time|Interval";
  }
}

const std::vector<std::string>& twoToneDurationItems() {
  static const std::vector<std::string> items = [] {
    std::vector<std::string> list = tenthsItems(3, 97);
    list.push_back(tenths(kDurationHighest));
    return list;
  }();
  return items;
}

const std::vector<std::string>& twoToneGapItems() {
  static const std::vector<std::string> items = tenthsItems(0, kGapHighest);
  return items;
}

}  // namespace q7
