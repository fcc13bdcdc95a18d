// The channel window's row commands: the Edit menu's and the popup's cut,
// copy, paste, insert, delete and shift up, move, sort, fill down and edit of
// the selected channels. The commands are the channel table's (channel_rows.h,
// channel_paste.h); the window hands them the selection and the clipboard and
// shows what changed.
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "channels/channel_paste.h"
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

namespace {

// The channels as a spreadsheet and a text editor take them (tab-separated)
// and as text/csv.
void putOnClipboard(const std::string& tabbed, const std::string& csv) {
  auto* data = new QMimeData;
  data->setText(qs(tabbed));
  data->setData("text/csv", QByteArray::fromStdString(csv));
  QGuiApplication::clipboard()->setMimeData(data);
}

}  // namespace

void ChannelWindow::copyChannels() {
  commitPendingEdit();
  const ChannelSelection selection = selectedChannels();
  putOnClipboard(q7::copyChannels(state_, grid_, selection, TextSeparator::kTab),
                 q7::copyChannels(state_, grid_, selection, TextSeparator::kComma));
}

// The text is taken before the channels are emptied, and goes on the
// clipboard only when they were.
void ChannelWindow::cutChannels() {
  commitPendingEdit();
  const ChannelSelection selection = selectedChannels();
  const std::string tabbed = q7::copyChannels(state_, grid_, selection, TextSeparator::kTab);
  const std::string csv = q7::copyChannels(state_, grid_, selection, TextSeparator::kComma);
  const RowEdit edit = clearChannels(state_, grid_, selection);
  if (!edit.refused()) putOnClipboard(tabbed, csv);
  showRowEdit(edit);
}

void ChannelWindow::pasteClipboard() {
  pasteChannels(ss(QGuiApplication::clipboard()->text()), prompts_);
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
