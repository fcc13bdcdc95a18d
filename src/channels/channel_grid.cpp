#include "channels/channel_grid.h"

#include <utility>

#include "channels/channel_transfer.h"
#include "channels/decimal_text.h"
#include "foundation/error_report.h"

namespace q7 {

ChannelGrid::ChannelGrid(AppState& state, const BandLimits& band)
    : state_(state), band_(band), tones_(toneOffText(state.language), {}) {}

void ChannelGrid::initialise() {
  guard("modCtdcs->GenCtdcsList",
        [&] { tones_ = ToneCodec::fromSettings(state_.settings, state_.language); });
  layout_ = readChInfo(state_.settings, state_.language);
  cells_.assign(layout_.rows + 1, std::vector<GridCell>(layout_.columns + 1));
  cursor_ = {1, 1};
  guard("modChMem->InitChTable", [&] {
    for (int n = 1; n <= rows(); ++n) delOneChannel(n);
  });
}

const GridCell& ChannelGrid::cell(int row, int column) const {
  return const_cast<ChannelGrid*>(this)->cellAt(row, column);
}

GridCell& ChannelGrid::cellAt(int row, int column) {
  if (!isChannelCell(row, column)) {
    throw Failure(err::kIndexRange,
                  "grid cell " + std::to_string(row) + "," + std::to_string(column));
  }
  return cells_[row][column];
}

bool ChannelGrid::isChannelCell(int row, int column) const {
  return row >= 1 && row <= rows() && column >= 1 && column <= columns();
}

bool ChannelGrid::channelUsed(int row) const {
  return table_.value(row, col::kRx) != kNoFrequency;
}

bool ChannelGrid::txPresent(int row) const {
  return table_.value(row, col::kTx) != kNoFrequency;
}

bool ChannelGrid::takeEditRequest() {
  const bool requested = editRequest_;
  editRequest_ = false;
  return requested;
}

std::string ChannelGrid::takeNote() {
  return std::exchange(note_, std::string());
}

void ChannelGrid::moveCursor(int row, int column, bool startEditing) {
  cursor_ = {row, column};
  editRequest_ = startEditing;
}

void ChannelGrid::chParaShow(int row) {
  for (int c = col::kFirstOption; c <= columns(); ++c) {
    if (c == col::kName) continue;
    cellAt(row, c) = {layout_.at(c).itemText(table_.value(row, c)), false};
  }
}

void ChannelGrid::showFrequency(int row, int column) {
  const std::int32_t frequency = table_.value(row, column);
  if (frequency == kNoFrequency) {
    cellAt(row, column) = {};
    return;
  }
  cellAt(row, column) = {decimalText(frequency, 5), outsideBand(frequency, band_)};
}

void ChannelGrid::showChannel(int row) {
  chParaShow(row);
  showFrequency(row, col::kRx);
  showFrequency(row, col::kTx);
  cellAt(row, col::kRxTone) = {table_.tone(row, col::kRxTone), false};
  cellAt(row, col::kTxTone) = {txPresent(row) ? table_.tone(row, col::kTxTone) : "", false};
}

void ChannelGrid::showChTblGrid() {
  iicDatToChInfo(state_.image, table_, tones_, layout_);
  guard("modChMem->ShowChTblGrid", [&] {
    for (int n = 1; n <= rows(); ++n) {
      if (channelUsed(n)) {
        showChannel(n);
      } else {
        clearCells(n, 1, columns());
      }
    }
  });
}

void ChannelGrid::chInfoToIicDat() {
  q7::chInfoToIicDat(state_.image, table_, tones_, rows());
}

void ChannelGrid::clearCells(int row, int firstColumn, int lastColumn) {
  for (int c = firstColumn; c <= lastColumn; ++c) cellAt(row, c) = {};
}

void ChannelGrid::clearChannel(int row) {
  for (int c = 1; c <= columns(); ++c) table_.value(row, c) = -1;
  clearCells(row, 1, columns());
  table_.tone(row, col::kRxTone).clear();
  table_.tone(row, col::kTxTone).clear();
}

void ChannelGrid::dropTx(int row) {
  table_.value(row, col::kTx) = kNoFrequency;
  cellAt(row, col::kTx) = {};
  cellAt(row, col::kTxTone) = {};
  table_.tone(row, col::kTxTone).clear();
}

bool ChannelGrid::rowComplete(int row) const {
  for (int c = 1; c <= columns(); ++c) {
    if (cell(row, c).text.empty()) return false;
  }
  return true;
}

bool ChannelGrid::delOneChannel(int channel) {
  return guard("modChMem->DelOneChannel", [&] {
    restoreRecordFromTemplate(state_.image, state_.templateImage, channel);
    table_.value(channel, col::kRx) = kNoFrequency;
    table_.value(channel, col::kTx) = kNoFrequency;
    clearCells(channel, 1, columns());
    table_.tone(channel, col::kRxTone).clear();
    table_.tone(channel, col::kTxTone).clear();
    hideToneBox();
  });
}

void ChannelGrid::deleteAllChannels() {
  for (int n = 1; n <= rows(); ++n) {
    if (!delOneChannel(n)) return;
  }
}

void ChannelGrid::toneBoxGotFocus() {
  if (!toneBox_.visible()) return;
  toneBox_.text = table_.tone(toneBox_.cell.row, toneBox_.cell.column);
  highlightRow_ = toneBox_.cell.row;
}

void ChannelGrid::toneBoxLostFocus() {
  if (!toneBox_.visible()) return;
  guard("frmChMem->cboGridChCtdcs_LostFocus",
        [&] { ctdcsSelList(toneBox_.cell.row, toneBox_.cell.column, toneBox_.text); });
  hideToneBox();
}

void ChannelGrid::hideToneBox() {
  toneBox_.cell = {};
}

void ChannelGrid::ctdcsSelList(int row, int column, const std::string& typed) {
  const std::string tone = tones_.normalise(typed);
  toneBox_.text = tone;
  table_.tone(row, column) = tone;
  cellAt(row, column).text = tone;
  if (column == col::kRxTone) {
    table_.tone(row, col::kTxTone) = tone;
    cellAt(row, col::kTxTone).text = tone;
  }
  if (cell(row, col::kRx).text.empty()) {
    clearChannel(row);
  } else if (cell(row, col::kTx).text.empty()) {
    dropTx(row);
  }
}

}  // namespace q7
