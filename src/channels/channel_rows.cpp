#include "channels/channel_rows.h"

#include <algorithm>
#include <numeric>

#include "channels/channel_slot.h"
#include "channels/row_caption_rows.h"

namespace q7 {
namespace {

struct RefusalCaption {
  RowRefusal refusal;
  int row;
};
constexpr RefusalCaption kRefusalCaptions[] = {
    {RowRefusal::kLocked, row::kRowsLocked},
    {RowRefusal::kNothingSelected, row::kNothingSelected},
    {RowRefusal::kPushPastEnd, row::kPushPastEnd},
    {RowRefusal::kAtTop, row::kAtTop},
    {RowRefusal::kAtBottom, row::kAtBottom},
    {RowRefusal::kFirstEmpty, row::kFirstEmpty},
};

RowEdit refuse(const AppState& state, RowRefusal refusal, ChannelSelection selection) {
  RowEdit edit;
  edit.refusal = refusal;
  for (const RefusalCaption& c : kRefusalCaptions)
    if (c.refusal == refusal) edit.reason = state.caption(c.row);
  edit.selection = std::move(selection);
  return edit;
}

bool used(const ChannelGrid& grid, int channel) {
  return grid.table().value(channel, col::kRx) != kNoFrequency;
}

// The grid's channels as they stand go into the image first (a pending tone
// edit included), so that what moves is what the user sees.
void storeGrid(ChannelGrid& grid) {
  grid.toneBoxLostFocus();
  grid.chInfoToIicDat();
}

// Runs `change` on the image between storing the grid and redrawing it, and
// lists the channels it changed.
template <typename Change>
RowEdit changeImage(AppState& state, ChannelGrid& grid, ChannelSelection after, Change&& change) {
  storeGrid(grid);
  const CodeplugImage before = state.image;
  change();
  grid.showChTblGrid();
  grid.hideToneBox();
  RowEdit edit;
  edit.changedRows = changedSlots(before, state.image, grid.rows());
  edit.selection = std::move(after);
  return edit;
}

// Channel i + 1 takes the slot of channel order[i] (0: empty from the template).
RowEdit placeSlots(AppState& state, ChannelGrid& grid, const std::vector<int>& order,
                   ChannelSelection after) {
  return changeImage(state, grid, std::move(after),
                     [&] { reorderSlots(state.image, state.templateImage, order); });
}

std::vector<int> identityOrder(const ChannelGrid& grid) {
  std::vector<int> order(static_cast<std::size_t>(grid.rows()));
  std::iota(order.begin(), order.end(), 1);
  return order;
}

std::size_t at(int channel) {
  return static_cast<std::size_t>(channel - 1);
}

// Moves each selected channel one place by `step` (-1 up, +1 down), changing
// places with the unselected channel beyond its block.
RowEdit moveBy(AppState& state, ChannelGrid& grid, const ChannelSelection& selection, int step) {
  if (auto refused = selectionRefusal(state, grid, selection)) return *refused;
  const ChannelSelection channels = selectedChannels(selection, grid);
  const int edge = step < 0 ? 1 : grid.rows();
  if (std::ranges::find(channels, edge) != channels.end())
    return refuse(state, step < 0 ? RowRefusal::kAtTop : RowRefusal::kAtBottom, channels);
  std::vector<int> order = identityOrder(grid);
  ChannelSelection after;
  const auto move = [&](int n) {
    std::swap(order[at(n)], order[at(n + step)]);
    after.push_back(n + step);
  };
  if (step < 0) std::ranges::for_each(channels, move);
  if (step > 0) std::for_each(channels.rbegin(), channels.rend(), move);
  std::ranges::sort(after);
  return placeSlots(state, grid, order, after);
}

// The receive tone of the grid also sets the transmit tone; a column edit
// that does not name the transmit tone keeps the own transmit tone of a
// channel that was in use before the edit.
void applyColumn(ChannelGrid& grid, int channel, int column, const ColumnEdit& edit, bool wasUsed) {
  const bool keepTxTone = wasUsed && column == col::kRxTone &&
                          std::ranges::find(edit.columns, col::kTxTone) == edit.columns.end();
  const ChannelEntry own = readChannel(grid, channel);
  enterColumn(grid, channel, column, edit.values);
  if (keepTxTone) enterColumn(grid, channel, col::kTxTone, own);
}

bool columnApplies(const ChannelGrid& grid, int channel, int column, const ColumnEdit& edit) {
  if (column == col::kRx) return edit.values.rx != kNoFrequency;
  const bool editable = column == col::kTx || column == col::kRxTone || column == col::kTxTone ||
                        isOptionColumn(column);
  return editable && column <= grid.columns() && used(grid, channel);
}

}  // namespace

ChannelSelection selectedChannels(const ChannelSelection& selection, const ChannelGrid& grid) {
  ChannelSelection channels;
  for (const int n : selection)
    if (n >= 1 && n <= grid.rows()) channels.push_back(n);
  std::ranges::sort(channels);
  channels.erase(std::unique(channels.begin(), channels.end()), channels.end());
  return channels;
}

std::optional<RowEdit> selectionRefusal(const AppState& state, const ChannelGrid& grid,
                                        const ChannelSelection& selection) {
  const ChannelSelection channels = selectedChannels(selection, grid);
  if (state.locked()) return refuse(state, RowRefusal::kLocked, channels);
  if (channels.empty()) return refuse(state, RowRefusal::kNothingSelected, channels);
  return std::nullopt;
}

RowEdit changeChannels(AppState& state, ChannelGrid& grid, ChannelSelection after,
                       const std::function<void()>& change) {
  return changeImage(state, grid, std::move(after), [&] {
    change();
    grid.chInfoToIicDat();
  });
}

RowEdit insertChannel(AppState& state, ChannelGrid& grid, int at) {
  if (state.locked()) return refuse(state, RowRefusal::kLocked, {at});
  if (at < 1 || at > grid.rows()) return refuse(state, RowRefusal::kNothingSelected, {});
  if (used(grid, grid.rows())) return refuse(state, RowRefusal::kPushPastEnd, {at});
  std::vector<int> order = identityOrder(grid);
  order.insert(order.begin() + at - 1, 0);
  order.pop_back();
  return placeSlots(state, grid, order, {at});
}

RowEdit clearChannels(AppState& state, ChannelGrid& grid, const ChannelSelection& selection) {
  if (auto refused = selectionRefusal(state, grid, selection)) return *refused;
  const ChannelSelection channels = selectedChannels(selection, grid);
  std::vector<int> order = identityOrder(grid);
  for (const int n : channels) order[at(n)] = 0;
  return placeSlots(state, grid, order, channels);
}

RowEdit deleteAndShiftUp(AppState& state, ChannelGrid& grid, const ChannelSelection& selection) {
  if (auto refused = selectionRefusal(state, grid, selection)) return *refused;
  const ChannelSelection channels = selectedChannels(selection, grid);
  std::vector<int> order;
  for (const int n : identityOrder(grid))
    if (!std::ranges::binary_search(channels, n)) order.push_back(n);
  order.resize(static_cast<std::size_t>(grid.rows()), 0);
  return placeSlots(state, grid, order, {channels.front()});
}

RowEdit moveUp(AppState& state, ChannelGrid& grid, const ChannelSelection& selection) {
  return moveBy(state, grid, selection, -1);
}

RowEdit moveDown(AppState& state, ChannelGrid& grid, const ChannelSelection& selection) {
  return moveBy(state, grid, selection, +1);
}

RowEdit sortByRxFrequency(AppState& state, ChannelGrid& grid, const ChannelSelection& selection) {
  ChannelSelection channels = selectedChannels(selection, grid);
  if (state.locked()) return refuse(state, RowRefusal::kLocked, channels);
  storeGrid(grid);
  const ChannelSelection kept = channels;
  if (channels.size() < 2) channels = identityOrder(grid);
  std::erase_if(channels, [&](int n) { return !used(grid, n); });
  std::vector<int> sorted = channels;
  std::ranges::stable_sort(sorted, {}, [&](int n) { return grid.table().value(n, col::kRx); });
  std::vector<int> order = identityOrder(grid);
  for (std::size_t i = 0; i < channels.size(); ++i) order[at(channels[i])] = sorted[i];
  return placeSlots(state, grid, order, kept);
}

RowEdit applyColumns(AppState& state, ChannelGrid& grid, const ChannelSelection& selection,
                     const ColumnEdit& edit) {
  if (auto refused = selectionRefusal(state, grid, selection)) return *refused;
  const ChannelSelection channels = selectedChannels(selection, grid);
  std::vector<int> columns = edit.columns;
  std::ranges::sort(columns);
  return changeChannels(state, grid, channels, [&] {
    for (const int n : channels) {
      const bool wasUsed = used(grid, n);
      for (const int c : columns)
        if (columnApplies(grid, n, c, edit)) applyColumn(grid, n, c, edit, wasUsed);
    }
  });
}

RowEdit fillDown(AppState& state, ChannelGrid& grid, const ChannelSelection& selection,
                 int column) {
  if (auto refused = selectionRefusal(state, grid, selection)) return *refused;
  const ChannelSelection channels = selectedChannels(selection, grid);
  if (!used(grid, channels.front())) return refuse(state, RowRefusal::kFirstEmpty, channels);
  if (channels.size() < 2) {
    RowEdit nothing;
    nothing.selection = channels;
    return nothing;
  }
  const ColumnEdit edit{{column}, readChannel(grid, channels.front())};
  RowEdit filled =
      applyColumns(state, grid, ChannelSelection(channels.begin() + 1, channels.end()), edit);
  filled.selection = channels;
  return filled;
}

}  // namespace q7
