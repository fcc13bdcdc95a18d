#include "channels/channel_paste.h"

#include "channels/pasted_rows.h"
#include "channels/row_caption_rows.h"
#include "foundation/shared_caption_rows.h"

namespace q7 {
namespace {

// A row of the text that fits, and the channel it goes to.
struct Placement {
  int channel;
  ChannelEntry entry;
};

struct PastePlan {
  std::vector<Placement> placements;
  std::vector<std::string> faults;
};

std::string faultLine(const AppState& state, int textRow, int channel, const std::string& why) {
  return state.caption(row::kPastedRow) + " " + std::to_string(textRow) + ", " +
         state.caption(row::kPastedChannel) + " " + std::to_string(channel) + ": " + why;
}

bool used(const ChannelGrid& grid, int channel) {
  return grid.table().value(channel, col::kRx) != kNoFrequency;
}

// The text's rows from channel `first` down, each placed or faulted.
PastePlan planPaste(const AppState& state, const ChannelGrid& grid,
                    const std::vector<PastedRow>& rows, int first) {
  PastePlan plan;
  int channel = first;
  for (const PastedRow& row : rows) {
    if (channel > grid.rows())
      plan.faults.push_back(
          faultLine(state, row.number, channel, state.caption(row::kPastLastChannel)));
    for (const std::string& fault : row.faults)
      plan.faults.push_back(faultLine(state, row.number, channel, fault));
    if (channel <= grid.rows() && row.faults.empty())
      plan.placements.push_back({channel, row.entry});
    ++channel;
  }
  return plan;
}

// The channels in use a paste would overwrite, as "3, 4, 9".
std::string overwritten(const ChannelGrid& grid, const std::vector<Placement>& placements) {
  std::string list;
  for (const Placement& p : placements)
    if (used(grid, p.channel)) list += (list.empty() ? "" : ", ") + std::to_string(p.channel);
  return list;
}

}  // namespace

std::string copyChannels(const AppState& state, const ChannelGrid& grid,
                         const ChannelSelection& selection, TextSeparator separator) {
  return channelRowsText(state, grid, selectedChannels(selection, grid),
                         static_cast<char>(separator));
}

PasteOutcome pasteChannels(AppState& state, ChannelGrid& grid, Prompts& prompts,
                           const std::string& text, int first) {
  PasteOutcome outcome;
  const std::string& notice = state.caption(row::kNotice);
  if (auto refused = selectionRefusal(state, grid, {first})) {
    outcome.edit = *refused;
    prompts.tell(notice, refused->reason, PromptIcon::Exclamation);
    return outcome;
  }
  const auto rows = readPastedRows(state, grid, text);
  if (rows.empty()) {
    prompts.tell(notice, state.caption(row::kNothingToPaste), PromptIcon::Exclamation);
    return outcome;
  }
  const PastePlan plan = planPaste(state, grid, rows, first);
  const std::string overwrites = overwritten(grid, plan.placements);
  if (!overwrites.empty() &&
      !prompts.askYesNo(notice, state.caption(row::kAskOverwrite) + "\n" + overwrites,
                        PromptIcon::Question)) {
    outcome.declined = true;
    return outcome;
  }
  ChannelSelection pasted;
  for (const Placement& p : plan.placements) pasted.push_back(p.channel);
  outcome.edit = changeChannels(state, grid, pasted, [&] {
    for (const Placement& p : plan.placements) enterChannel(grid, p.channel, p.entry);
  });
  outcome.faults = plan.faults;
  if (!outcome.faults.empty()) {
    std::string message = state.caption(row::kRowsNotTaken);
    for (const std::string& line : outcome.faults) message += "\n" + line;
    prompts.tell(notice, message, PromptIcon::Exclamation);
  }
  return outcome;
}

}  // namespace q7
