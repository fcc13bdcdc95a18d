#include "channels/channel_csv.h"

namespace q7 {

void enterChannelTable(const CsvChannels& table, ChannelGrid& grid) {
  std::vector<ChannelEntry> entries(static_cast<std::size_t>(grid.rows()) + 1);
  for (const CsvChannelRow& row : table.rows)
    if (row.location > 0 && row.fits()) entries[static_cast<std::size_t>(row.location)] = row.entry;
  for (int location = 1; location <= grid.rows(); ++location)
    enterChannel(grid, location, entries[static_cast<std::size_t>(location)]);
}

ChannelImport importChannelsCsv(const std::string& text, ChannelGrid& grid,
                                const GridLayout& english, UnfitRows unfit) {
  const CsvChannels table = readChannelTable(text, grid, english);
  ChannelImport result{table.faults, table.notes};
  if (result.faults.empty() && !table.locations)
    result.faults.push_back("row 1: no Location column");
  if (!result.faults.empty()) return result;
  for (const CsvChannelRow& row : table.rows)
    result.faults.insert(result.faults.end(), row.faults.begin(), row.faults.end());
  if (!result.faults.empty() && unfit == UnfitRows::kRefuseTable) return result;
  enterChannelTable(table, grid);
  result.entered = true;
  return result;
}

}  // namespace q7
