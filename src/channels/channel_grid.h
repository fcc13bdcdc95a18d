#pragma once
// The channel grid's rules, apart from any display: the cells the grid shows
// (text and whether a frequency lies outside the band), the cursor, the tone
// box laid over a tone cell, and what each grid event does to the channel
// value table and the codeplug image. Rows are channels 1..rows, columns
// 1..columns as in the channel value table; row 0 and column 0 are headers.
// A window draws these cells and feeds its events in; nothing here needs one.
#include <string>
#include <vector>

#include "channels/channel_record.h"
#include "channels/grid_layout.h"
#include "channels/model_band.h"
#include "channels/tone_codec.h"
#include "foundation/app_state.h"

namespace q7 {

enum class EditMode { kNone, kKeyboard, kKeyboardMouse };

struct GridCell {
  std::string text;
  bool outOfBand = false;  // drawn in the out-of-band colour
};

struct CellPos {
  int row = 0;
  int column = 0;
  bool operator==(const CellPos&) const = default;
};

// The tone box (a drop-down over a tone cell); row 0 when no tone cell is open.
struct ToneBox {
  CellPos cell;
  std::string text;
  bool visible() const { return cell.row != 0; }
};

struct EditPermission {
  bool allowed = false;
  std::vector<std::string> dropList;  // option columns: the in-cell list
};

struct PopupState {
  int row = 0;
  bool deleteOne = false;
  bool deleteAll = false;
  bool lockChecked = false;
};

class ChannelGrid {
 public:
  ChannelGrid(AppState& state, const BandLimits& band);

  // The grid's part of the channel window's set-up: tone list, layout, and
  // every channel row blanked from the template.
  void initialise();

  const GridLayout& layout() const { return layout_; }
  const ToneCodec& tones() const { return tones_; }
  const ChannelTable& table() const { return table_; }
  const BandLimits& band() const { return band_; }
  int rows() const { return layout_.rows; }
  int columns() const { return layout_.columns; }
  // Throws Failure outside rows 1..rows, columns 1..columns.
  const GridCell& cell(int row, int column) const;

  CellPos cursor() const { return cursor_; }
  // True once after an event asked the grid to start editing the cursor cell.
  bool takeEditRequest();
  EditMode editMode() const { return editMode_; }
  int highlightRow() const { return highlightRow_; }
  const ToneBox& toneBox() const { return toneBox_; }
  void setToneBoxText(const std::string& text) { toneBox_.text = text; }

  // Image to table to cells, for every row.
  void showChTblGrid();
  // Every channel of the table into the image.
  void chInfoToIicDat();
  // Blanks a channel from the template; false when it failed (reported).
  bool delOneChannel(int channel);
  void deleteAllChannels();

  // Grid events; none acts while the channel interface is locked or on a header.
  EditPermission beforeEdit(int row, int column);
  void click(int row, int column);
  void afterEdit(int row, int column, const std::string& text);
  void dblClick(int row, int column);
  PopupState popup(int row);
  // The display's current cell moved (keys, mouse, selection): the cursor
  // and the row highlight follow it.
  void cursorMoved(int row, int column);
  int popupRow() const { return popupRow_; }
  // What the last event has to tell the user (a typed frequency moved onto
  // the step or into the band, or not understood), once; empty when nothing.
  std::string takeNote();

  // The tone box took the focus: it shows the tone of its cell, the row lights up.
  void toneBoxGotFocus();
  // The tone box lost the focus: its text is normalised and stored, and it closes.
  void toneBoxLostFocus();
  // Closes the tone box without storing its text.
  void hideToneBox();

 private:
  GridCell& cellAt(int row, int column);
  bool isChannelCell(int row, int column) const;
  bool channelUsed(int row) const;
  bool txPresent(int row) const;
  void moveCursor(int row, int column, bool startEditing);

  void chParaShow(int row);
  void showFrequency(int row, int column);
  void showChannel(int row);
  void clearCells(int row, int firstColumn, int lastColumn);
  void clearChannel(int row);
  void dropTx(int row);
  bool rowComplete(int row) const;

  bool editFrequency(int row, int column, const std::string& text);
  void fillNewChannel(int row);
  void editOption(int row, int column, const std::string& text);
  void ctdcsSelList(int row, int column, const std::string& typed);

  AppState& state_;
  const BandLimits& band_;
  GridLayout layout_;
  ToneCodec tones_;
  ChannelTable table_;
  std::vector<std::vector<GridCell>> cells_;
  CellPos cursor_{1, 1};
  bool editRequest_ = false;
  EditMode editMode_ = EditMode::kKeyboardMouse;
  int highlightRow_ = 0;
  ToneBox toneBox_;
  int popupRow_ = 0;
  std::string note_;
};

}  // namespace q7
