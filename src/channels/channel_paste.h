#pragma once
// The channels as clipboard text, and pasting such text into the grid.
//
// Copy writes the chosen channels in the columns of the channel CSV table
// (channel_csv.h) with its header row: tab-separated for spreadsheets and text
// editors, comma-separated for text/csv.
//
// Paste takes text from this program, a spreadsheet (CR LF, quoted fields) or
// a text editor: tab- or comma-separated, with or without the header row
// (without it, the columns are those Copy writes). Its rows are placed from
// the first channel down in the text's order; their Location column is
// ignored. Before channels in use are overwritten the user is asked; rows
// that do not fit (past the last channel, a frequency outside the band, a
// value not in its list) are listed in one message, row by row with the
// reason, and the others are applied. Locked, nothing is pasted and the
// user is told.
#include <string>
#include <vector>

#include "channels/channel_rows.h"
#include "foundation/prompts.h"

namespace q7 {

enum class TextSeparator : char { kTab = '\t', kComma = ',' };

// The selected channels (ascending) with the header row.
std::string copyChannels(const AppState& state, const ChannelGrid& grid,
                         const ChannelSelection& selection, TextSeparator separator);

struct PasteOutcome {
  RowEdit edit;  // the channels written; selection: the channels pasted into
  // The rows not taken, one line each ("Row 3, channel 12: ..."), in the
  // interface language as far as the reason allows; also told to the user.
  std::vector<std::string> faults;
  bool declined = false;  // the user chose not to overwrite channels in use
};

// Pastes `text` from channel `first` down (see above). Asks and tells
// through `prompts`; the whole paste is one change of the image.
PasteOutcome pasteChannels(AppState& state, ChannelGrid& grid, Prompts& prompts,
                           const std::string& text, int first);

}  // namespace q7
