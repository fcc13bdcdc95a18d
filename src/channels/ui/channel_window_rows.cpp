// The channel window's row commands: the Edit menu's and the popup's cut,
// copy, paste, insert, delete and shift up, move, sort, fill down and edit of
// the selected channels. The commands are the channel table's (channel_rows.h,
// channel_paste.h); the window hands them the selection and the clipboard and
// shows what changed.
#include "channels/channel_rows.h"
#include "channels/ui/channel_grid_model.h"
#include "channels/ui/channel_grid_view.h"
#include "channels/ui/channel_window.h"
#include "channels/ui/edit_channels_dialog.h"
#include "foundation/ui/qt_text.h"

namespace q7 {
std::vector<int> ChannelWindow::selectedChannels() const {
  return vsfgGridCh_->selectedChannels();
}

int ChannelWindow::currentChannel() const {
  return vsfgGridCh_->cursorCell().row;
}

// Shows a command's outcome: its refusal in the status bar, or the changed
// channels, selected where the command left them.
void ChannelWindow::showRowEdit(const RowEdit& edit) {
  if (edit.refused()) return status_.setPanelText(kNoticePanel, edit.reason);
  showGrid();
  if (edit.selection.empty()) return;
  vsfgGridCh_->selectChannels(edit.selection);
}

void ChannelWindow::insertChannel() {
  commitPendingEdit();
  showRowEdit(q7::insertChannel(state_, grid_, currentChannel()));
}

void ChannelWindow::deleteAndShiftUp() {
  commitPendingEdit();
  showRowEdit(q7::deleteAndShiftUp(state_, grid_, selectedChannels()));
}

void ChannelWindow::moveChannelsUp() {
  commitPendingEdit();
  showRowEdit(q7::moveUp(state_, grid_, selectedChannels()));
}

void ChannelWindow::moveChannelsDown() {
  commitPendingEdit();
  showRowEdit(q7::moveDown(state_, grid_, selectedChannels()));
}

void ChannelWindow::sortChannels() {
  commitPendingEdit();
  showRowEdit(sortByRxFrequency(state_, grid_, selectedChannels()));
}

void ChannelWindow::fillDown() {
  commitPendingEdit();
  showRowEdit(q7::fillDown(state_, grid_, selectedChannels(), vsfgGridCh_->cursorCell().column));
}

void ChannelWindow::editSelectedChannels() {
  commitPendingEdit();
  if (const auto edit = q7::editSelectedChannels(this, state_, grid_, selectedChannels())) {
    showRowEdit(*edit);
  }
}

}  // namespace q7
