#pragma once
// The channel grid's row commands: insert, clear, delete and shift up, move
// up and down, sort by RX frequency, fill down and the edit of chosen columns
// for several channels. Whatever moves, the whole channel moves: its 16-byte
// record and its channel bitmap bit (channel_slot.h). Each command first
// stores the grid's channels into the image as Save does, works on the image
// and then redraws the grid from it, so grid and image agree afterwards. None
// acts while the channel interface is locked; a refused command changes
// nothing and says why in the interface language. Each command is one change
// of the image, so the caller keeps it as one undo step.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "channels/channel_entry.h"
#include "channels/channel_grid.h"
#include "foundation/app_state.h"

namespace q7 {

// Channels 1..rows in any order; numbers outside and repeats are ignored.
using ChannelSelection = std::vector<int>;

enum class RowRefusal {
  kNone,
  kLocked,           // the channel interface is locked
  kNothingSelected,  // the selection names no channel of the grid
  kPushPastEnd,      // the last channel is in use and would be pushed out
  kAtTop,            // move up: the first channel is selected
  kAtBottom,         // move down: the last channel is selected
  kFirstEmpty,       // fill down: the first selected channel is not in use
};

struct RowEdit {
  RowRefusal refusal = RowRefusal::kNone;
  std::string reason;  // the refusal as the user reads it; empty when not refused
  // Channels whose record or bitmap bit changed, ascending: the rows to redraw.
  std::vector<int> changedRows;
  // The selection afterwards, ascending: moved channels are followed to
  // where they went.
  ChannelSelection selection;

  bool refused() const { return refusal != RowRefusal::kNone; }
  bool changed() const { return !changedRows.empty(); }
};

// The channels of the grid a selection names, ascending, each once.
ChannelSelection selectedChannels(const ChannelSelection& selection, const ChannelGrid& grid);

// The refusal every command of the selection shares (locked, or no channel
// of the grid selected); nullopt when a command may go ahead. For greying
// out entries and for dialogs that ask before they change anything.
std::optional<RowEdit> selectionRefusal(const AppState& state, const ChannelGrid& grid,
                                        const ChannelSelection& selection);

// Runs `change`, edits typed through the grid's events, as one command of
// the grid: its channels go into the image first, afterwards every channel is
// written and the grid redrawn. Lists the channels that changed; `after` is
// the selection afterwards.
RowEdit changeChannels(AppState& state, ChannelGrid& grid, ChannelSelection after,
                       const std::function<void()>& change);

// Channel `at` and those below it move one place down; `at` becomes empty as
// in the template. Refused (kPushPastEnd) when the last channel is in use.
RowEdit insertChannel(AppState& state, ChannelGrid& grid, int at);
// The selected channels become empty as in the template; the others stay
// where they are (the Cut of the clipboard).
RowEdit clearChannels(AppState& state, ChannelGrid& grid, const ChannelSelection& selection);
// The selected channels go; the channels below close the gaps and the last
// slots become empty as in the template.
RowEdit deleteAndShiftUp(AppState& state, ChannelGrid& grid, const ChannelSelection& selection);
// Each selected channel changes place with the unselected channel above
// (below) the block it is in. Refused when the selection holds the first
// (last) channel.
RowEdit moveUp(AppState& state, ChannelGrid& grid, const ChannelSelection& selection);
RowEdit moveDown(AppState& state, ChannelGrid& grid, const ChannelSelection& selection);
// The channels in use among the selected slots, or among all slots when the
// selection holds one channel or none, are put in the order of their RX
// frequency (equal ones keep their order) into the same slots; empty slots
// stay where they are.
RowEdit sortByRxFrequency(AppState& state, ChannelGrid& grid, const ChannelSelection& selection);

// What Edit Selected Channels changes: the grid columns (col::kRx,
// col::kTx, the two tone columns and option columns) to apply, with their
// values in `values` (frequencies in 10 Hz, tone texts, item positions).
struct ColumnEdit {
  std::vector<int> columns;
  ChannelEntry values;
};

// The chosen columns into every selected channel, typed as a user types them
// into the grid (frequencies are snapped and held to the band). RX makes an
// empty slot a channel; the other columns leave empty slots alone, and the
// transmit tone leaves receive-only channels alone. An RX of kNoFrequency is
// ignored (it would delete channels); a TX of kNoFrequency makes the channels
// receive only.
RowEdit applyColumns(AppState& state, ChannelGrid& grid, const ChannelSelection& selection,
                     const ColumnEdit& edit);
// Column `column`'s value of the first selected channel into the other
// selected channels, as applyColumns does. Refused (kFirstEmpty) when the
// first selected channel is not in use.
RowEdit fillDown(AppState& state, ChannelGrid& grid, const ChannelSelection& selection, int column);

}  // namespace q7
