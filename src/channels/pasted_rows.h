#pragma once
// Channel rows as clipboard text, read and written through the channel CSV
// table (channel_csv.h): tab- or comma-separated, with or without the
// header row (without it, the columns are those the export writes).
#include <string>
#include <vector>

#include "channels/channel_entry.h"
#include "channels/channel_grid.h"
#include "foundation/app_state.h"

namespace q7 {

// One row of pasted text: its number in the text (the first line is 1), the
// channel it gives and why it cannot be taken (empty when it can).
struct PastedRow {
  int number = 0;
  ChannelEntry entry;
  std::vector<std::string> faults;
};

// The rows of `text` that hold anything, in the text's order.
std::vector<PastedRow> readPastedRows(const AppState& state, const ChannelGrid& grid,
                                      const std::string& text);
// The header row and the rows of `channels`, fields separated by `separator`.
std::string channelRowsText(const AppState& state, const ChannelGrid& grid,
                            const std::vector<int>& channels, char separator);

}  // namespace q7
