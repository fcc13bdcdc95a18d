// The channel window's part of File -> Export Channels... and Import
// Channels...: the grid as a CSV table, and a table typed into the grid; and
// channel rows pasted from the current channel down.
#include "channels/channel_csv.h"
#include "channels/grid_layout.h"
#include "channels/ui/channel_window.h"

namespace q7 {

std::string ChannelWindow::exportChannels() {
  commitPendingEdit();
  return exportChannelsCsv(grid_, readChInfo(state_.settings, kEnglish));
}

CsvChannels ChannelWindow::readChannels(const std::string& table) {
  commitPendingEdit();
  return readChannelTable(table, grid_, readChInfo(state_.settings, kEnglish));
}

void ChannelWindow::enterChannels(const CsvChannels& table) {
  enterChannelTable(table, grid_);
  showGrid();
}

PasteOutcome ChannelWindow::pasteChannels(const std::string& text, Prompts& prompts) {
  commitPendingEdit();
  PasteOutcome outcome = q7::pasteChannels(state_, grid_, prompts, text, currentChannel());
  showRowEdit(outcome.edit);
  return outcome;
}

}  // namespace q7
