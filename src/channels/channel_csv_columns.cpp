#include "channels/channel_csv_columns.h"

#include <algorithm>

namespace q7::csv {

bool isExtraOption(int column) {
  return isOptionColumn(column) && column != kBandwidthColumn && column != kPowerColumn &&
         column != kScanAddColumn;
}

int lastOptionColumn(const ChannelGrid& grid, const GridLayout& english) {
  return std::min(grid.columns(), english.columns);
}

CsvRecord headerRecord(const ChannelGrid& grid, const GridLayout& english) {
  CsvRecord header(kFixedNames.begin(), kFixedNames.end());
  for (int c = col::kFirstOption; c <= lastOptionColumn(grid, english); ++c)
    if (isExtraOption(c)) header.push_back(english.captions.at(c));
  return header;
}

std::string megahertz6(std::int64_t frequency) {
  std::string tail = std::to_string(frequency % 100000 * 10);
  return std::to_string(frequency / 100000) + "." + std::string(6 - tail.size(), '0') + tail;
}

std::string itemText(const GridLayout& english, int column, std::int32_t position) {
  const GridColumn& layout = english.at(column);
  return position >= 0 && position < layout.itemCount ? layout.itemText(position) : "";
}

std::optional<std::int32_t> itemPosition(const GridLayout& english, int column,
                                         const std::string& text) {
  for (int position = 0; position < english.at(column).itemCount; ++position)
    if (english.at(column).itemText(position) == text) return position;
  return std::nullopt;
}

}  // namespace q7::csv
