#include "channels/grid_layout.h"

#include <algorithm>
#include <charconv>

#include "channels/channel_record.h"
#include "foundation/app_state.h"
#include "foundation/caption_table.h"
#include "foundation/error_report.h"

namespace q7 {
namespace {

constexpr const char* kLocation = "modChMem->ReadChInfo";
constexpr int kFirstItemString = 3;

struct NumberKey {
  int offset;  // from the language's base
  const char* fallback;
  std::size_t longest;
  int low, high;
};

constexpr NumberKey kRowsKey{0, "16", 4, 1, kMaxGridRows};
constexpr NumberKey kRowHeightKey{1, "240", 4, 1, 9999};
constexpr NumberKey kColumnsKey{2, "9", 4, kMinGridColumns, kMaxGridColumns};
constexpr int kHeaderKey = 3;
constexpr std::size_t kHeaderLongest = 199;
constexpr const char* kDefaultHeader = "0|0|0|0|0|0|0|0|0|0";
constexpr int kWidthKey = 100;
constexpr NumberKey kWidthKeyShape{kWidthKey, "1000", 9, 0, 32767};
constexpr int kStringsKey = 200;
constexpr std::size_t kStringLongest = 99;

int languageBase(int language) {
  return normalizeLanguage(language) * 1000;
}

void reportLayout(int failure, const std::string& what) {
  errorReporter().report(kLocation, {failure, "ChInfo " + what});
}

// A number of the layout; text that is no number takes the default, a number
// outside [low, high] is clamped; both are reported.
int parseLayoutNumber(const std::string& text, const std::string& what, int fallback, int low,
                      int high) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc{} || end != text.data() + text.size()) {
    reportLayout(err::kTypeMismatch, what + "=" + text);
    return fallback;
  }
  if (value < low || value > high) reportLayout(err::kOverflow, what + "=" + text);
  return std::clamp(value, low, high);
}

int readLayoutNumber(const ProfileFile& settings, int base, const NumberKey& k, int index = 0) {
  const std::string key = std::to_string(base + k.offset + index);
  const std::string text = settings.read(kChInfoSection, key, k.fallback, k.longest);
  return parseLayoutNumber(text, key, std::stoi(k.fallback), k.low, k.high);
}

std::vector<std::string> splitBars(const std::string& text) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t bar; (bar = text.find('|', start)) != std::string::npos; start = bar + 1) {
    parts.push_back(text.substr(start, bar - start));
  }
  parts.push_back(text.substr(start));
  return parts;
}

// Reads the strings of column c; false when the end marker never came.
bool readColumnStrings(const ProfileFile& settings, int base, int c, GridColumn& column) {
  const int first = base + kStringsKey + kStringsPerColumn * (c - 1);
  for (int k = 0; k < kStringsPerColumn; ++k) {
    std::string text =
        settings.read(kChInfoSection, std::to_string(first + k), "0", kStringLongest);
    if (text == kItemEndMarker) return true;
    column.strings.push_back(std::move(text));
  }
  reportLayout(err::kIndexRange, "column " + std::to_string(c) + " has no end marker");
  return false;
}

void readItemCounts(GridColumn& column, int c) {
  if (column.strings.size() <= 2) return;
  const int available = static_cast<int>(column.strings.size()) - kFirstItemString;
  const std::string where = "column " + std::to_string(c);
  column.itemCount = parseLayoutNumber(column.strings[1], where + " item count", available, 0,
                                       std::max(available, 0));
  column.defaultItem = parseLayoutNumber(column.strings[2], where + " default item", 0, 0,
                                         std::max(column.itemCount - 1, 0));
}

}  // namespace

const std::string& GridColumn::key() const {
  static const std::string none;
  return strings.empty() ? none : strings.front();
}

std::vector<std::string> GridColumn::dropList() const {
  return splitBars(key());
}

std::string GridColumn::itemText(int position) const {
  if (position < 0 || position > kMaxItemPosition) {
    throw Failure(err::kIndexRange, "item position " + std::to_string(position));
  }
  const std::size_t k = static_cast<std::size_t>(position + kFirstItemString);
  return k < strings.size() ? strings[k] : std::string();
}

std::string GridColumn::format() const {
  if (key() == "RxFre" || key() == "TxFre") return "###.#####";
  if (key() == "OFFSET") return "#0.00000";
  if (key() == "CHNAME") return "00000";
  return {};
}

const GridColumn& GridLayout::at(int c) const {
  if (c < 0 || c >= static_cast<int>(column.size())) {
    throw Failure(err::kIndexRange, "grid column " + std::to_string(c));
  }
  return column[c];
}

GridLayout readChInfo(const ProfileFile& settings, int language) {
  const int base = languageBase(language);
  GridLayout layout;
  layout.rows = readLayoutNumber(settings, base, kRowsKey);
  layout.rowHeight = readLayoutNumber(settings, base, kRowHeightKey);
  layout.columns = readLayoutNumber(settings, base, kColumnsKey);
  layout.captions = splitBars(settings.read(kChInfoSection, std::to_string(base + kHeaderKey),
                                            kDefaultHeader, kHeaderLongest));
  layout.captions.resize(layout.columns + 1);
  layout.column.resize(layout.columns + 1);
  for (int c = 0; c <= layout.columns; ++c) {
    layout.column[c].width = readLayoutNumber(settings, base, kWidthKeyShape, c);
  }
  for (int c = 1; c <= layout.columns; ++c) {
    const bool complete = readColumnStrings(settings, base, c, layout.column[c]);
    if (isOptionColumn(c)) readItemCounts(layout.column[c], c);
    if (!complete) break;
  }
  return layout;
}

}  // namespace q7
