#include "channels/channel_paste.h"

#include "channels/channel_csv.h"
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

// "row 4 Frequency: why" as "Frequency: why": the row is named already.
std::string withoutRowNumber(const std::string& fault) {
  const auto after = fault.find_first_of(" :", fault.find(' ') + 1);
  if (after == std::string::npos) return fault;
  return fault.substr(fault.find_first_not_of(' ', after + 1));
}

bool used(const ChannelGrid& grid, int channel) {
  return grid.table().value(channel, col::kRx) != kNoFrequency;
}

// The text's rows from channel `first` down, each placed or faulted.
PastePlan planPaste(const AppState& state, const ChannelGrid& grid,
                    const std::vector<CsvChannelRow>& rows, int first) {
  PastePlan plan;
  int channel = first;
  for (const CsvChannelRow& row : rows) {
    if (channel > grid.rows())
      plan.faults.push_back(
          faultLine(state, row.source, channel, state.caption(row::kPastLastChannel)));
    for (const std::string& fault : row.faults)
      plan.faults.push_back(faultLine(state, row.source, channel, withoutRowNumber(fault)));
    if (channel <= grid.rows() && row.fits()) plan.placements.push_back({channel, row.entry});
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

// The rows not taken, in one message.
void tellFaults(const AppState& state, Prompts& prompts, const std::vector<std::string>& faults) {
  if (faults.empty()) return;
  std::string message = state.caption(row::kRowsNotTaken);
  for (const std::string& line : faults) message += "\n" + line;
  prompts.tell(state.caption(row::kNotice), message, PromptIcon::Exclamation);
}

}  // namespace

std::string copyChannels(const AppState& state, const ChannelGrid& grid,
                         const ChannelSelection& selection, TextSeparator separator) {
  return exportChannelRows(grid, readChInfo(state.settings, kEnglish),
                           selectedChannels(selection, grid), static_cast<char>(separator));
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
  const CsvChannels table = readChannelTable(text, grid, readChInfo(state.settings, kEnglish));
  if (!table.faults.empty()) {
    outcome.faults = table.faults;
    tellFaults(state, prompts, outcome.faults);
    return outcome;
  }
  if (table.rows.empty()) {
    prompts.tell(notice, state.caption(row::kNothingToPaste), PromptIcon::Exclamation);
    return outcome;
  }
  const PastePlan plan = planPaste(state, grid, table.rows, first);
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
  tellFaults(state, prompts, outcome.faults);
  return outcome;
}

}  // namespace q7
