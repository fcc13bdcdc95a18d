// What the channel grid's edit, click, double-click and right-click events do.
#include <algorithm>

#include "channels/channel_grid.h"
#include "channels/typed_frequency.h"
#include "foundation/error_report.h"

namespace q7 {
namespace {

enum class GridEvent { kBeforeEdit, kClick, kDblClick };

bool isFrequencyColumn(int column) {
  return column == col::kRx || column == col::kTx;
}

bool isToneColumn(int column) {
  return column == col::kRxTone || column == col::kTxTone;
}

// The edit mode an event gives a column: frequencies take keyboard and mouse;
// tones are not edited in the cell (the tone box edits them) except that a
// double-click leaves them the keyboard; the name column takes the mouse
// too, except before an edit; every other column the keyboard.
EditMode editModeFor(int column, GridEvent event) {
  if (isFrequencyColumn(column)) return EditMode::kKeyboardMouse;
  if (column == col::kName && event != GridEvent::kBeforeEdit) return EditMode::kKeyboardMouse;
  if (isToneColumn(column) && event != GridEvent::kDblClick) return EditMode::kNone;
  return EditMode::kKeyboard;
}

}  // namespace

EditPermission ChannelGrid::beforeEdit(int row, int column) {
  EditPermission permission;
  if (state_.locked() || !isChannelCell(row, column)) return permission;
  guard("frmChMem->vsfgGridCh_BeforeEdit:", [&] {
    hideToneBox();
    editMode_ = editModeFor(column, GridEvent::kBeforeEdit);
    if (editMode_ == EditMode::kNone) return;
    if (!channelUsed(row)) {
      permission.allowed = column == col::kRx;
      return;
    }
    permission.allowed = true;
    if (isOptionColumn(column)) permission.dropList = layout_.at(column).dropList();
  });
  return permission;
}

void ChannelGrid::click(int row, int column) {
  if (state_.locked() || !isChannelCell(row, column)) return;
  guard("frmChMem->vsfgGridCh_Click:", [&] {
    highlightRow_ = 0;
    toneBoxLostFocus();
    highlightRow_ = row;
    editMode_ = editModeFor(column, GridEvent::kClick);
    if (!channelUsed(row)) return moveCursor(row, col::kRx, true);
    if (column == col::kTxTone && !txPresent(row)) return moveCursor(row, col::kTx, false);
    moveCursor(row, column, !isToneColumn(column));
    if (isToneColumn(column)) toneBox_ = {{row, column}, table_.tone(row, column)};
  });
}

void ChannelGrid::afterEdit(int row, int column, const std::string& text) {
  if (state_.locked() || !isChannelCell(row, column) || column == col::kName) return;
  guard("frmChMem->vsfgGridCh_AfterEdit:", [&] {
    if (isFrequencyColumn(column)) {
      if (!editFrequency(row, column, text)) return;
    } else {
      editOption(row, column, text);
    }
    if (rowComplete(row)) chInfoToIicDat();
  });
}

// Empty text clears RX (the channel) or TX; text that is no number changes
// nothing and returns false. The note says what became of the entry.
bool ChannelGrid::editFrequency(int row, int column, const std::string& text) {
  const auto rx = column == col::kTx && channelUsed(row)
                      ? std::optional<std::int32_t>(table_.value(row, col::kRx))
                      : std::nullopt;
  const TypedFrequency entry = readTypedFrequency(text, band_, rx);
  note_ = typedFrequencyNote(entry, band_, state_.captions);
  if (entry.kind == TypedFrequency::Kind::kUnreadable) return false;
  if (entry.kind == TypedFrequency::Kind::kEmpty) {
    column == col::kRx ? clearChannel(row) : dropTx(row);
    return true;
  }
  table_.value(row, column) = entry.stored;
  showFrequency(row, column);
  if (column == col::kRx) {
    fillNewChannel(row);
    moveCursor(row, col::kTx, false);
    return true;
  }
  if (table_.tone(row, col::kTxTone).empty()) {
    table_.tone(row, col::kTxTone) = cell(row, col::kRxTone).text;
    cellAt(row, col::kTxTone).text = cell(row, col::kRxTone).text;
  }
  moveCursor(row, col::kRxTone, false);
  return true;
}

// A channel that just got its RX: tones off where none is set, TX and the
// transmit tone copied from RX when TX is empty, default items where unset.
void ChannelGrid::fillNewChannel(int row) {
  if (cell(row, col::kRxTone).text.empty()) {
    cellAt(row, col::kRxTone).text = tones_.offText();
    table_.tone(row, col::kRxTone) = tones_.offText();
  }
  if (cell(row, col::kTx).text.empty()) {
    cellAt(row, col::kTx) = cell(row, col::kRx);
    cellAt(row, col::kTxTone).text = cell(row, col::kRxTone).text;
    table_.tone(row, col::kTxTone) = cell(row, col::kRxTone).text;
    table_.value(row, col::kTx) = table_.value(row, col::kRx);
  }
  for (int c = col::kFirstOption; c <= columns(); ++c) {
    if (table_.value(row, c) == -1) table_.value(row, c) = layout_.at(c).defaultItem;
  }
  chParaShow(row);
}

void ChannelGrid::editOption(int row, int column, const std::string& text) {
  const auto list = layout_.at(column).dropList();
  const auto picked = std::ranges::find(list, text);
  if (picked == list.end()) return;
  table_.value(row, column) = static_cast<std::int32_t>(picked - list.begin());
  cellAt(row, column) = {layout_.at(column).itemText(table_.value(row, column)), false};
}

void ChannelGrid::dblClick(int row, int column) {
  if (state_.locked() || !isChannelCell(row, column) || column == col::kRx) return;
  guard("frmChMem->vsfgGridCh_DblClick:", [&] {
    if (!channelUsed(row)) return;
    editMode_ = editModeFor(column, GridEvent::kDblClick);
    if (column == col::kTx) {
      if (txPresent(row)) return;
      table_.value(row, col::kTx) = table_.value(row, col::kRx);
      showFrequency(row, col::kTx);
      cellAt(row, col::kTxTone).text = cell(row, col::kRxTone).text;
      table_.tone(row, col::kTxTone) = cell(row, col::kTxTone).text;
    } else if (isToneColumn(column)) {
      if (!txPresent(row)) return;
      const int from = column == col::kRxTone ? col::kTxTone : col::kRxTone;
      cellAt(row, column).text = cell(row, from).text;
      table_.tone(row, column) = cell(row, column).text;
      if (toneBox_.cell == CellPos{row, column}) toneBox_.text = cell(row, column).text;
    } else if (isOptionColumn(column) && table_.value(row, column) != -1) {
      std::int32_t& value = table_.value(row, column);
      value = value >= layout_.at(column).itemCount - 1 ? 0 : value + 1;
      cellAt(row, column) = {layout_.at(column).itemText(value), false};
    }
  });
}

void ChannelGrid::cursorMoved(int row, int column) {
  if (!isChannelCell(row, column)) return;
  cursor_ = {row, column};
  highlightRow_ = row;
}

PopupState ChannelGrid::popup(int row) {
  PopupState popup;
  guard("frmChMem->vsfgGridCh_MouseDown:", [&] {
    if (row < 1 || row > rows()) return;
    popupRow_ = row;
    popup.row = row;
    popup.lockChecked = state_.locked();
    popup.deleteAll = !popup.lockChecked;
    popup.deleteOne = !popup.lockChecked && channelUsed(row);
  });
  return popup;
}

}  // namespace q7
