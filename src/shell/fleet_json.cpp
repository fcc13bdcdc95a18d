#include "shell/fleet_json.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <nlohmann/json.hpp>
#include <set>

#include "channels/channel_caption_rows.h"
#include "channels/decimal_text.h"
#include "channels/radio_charset.h"
#include "settings/volume_steps.h"
#include "settings/volume_table.h"
#include "shell/codeplug_report.h"
#include "shell/fleet_builder.h"

namespace q7 {
namespace {

constexpr int kMhzDecimals = 5;

Json bandJson(const CodeplugEditor& editor, const AppState& state) {
  const ImageModelBand& loaded = editor.modelBand();
  const bool listed = loaded.bandPosition >= 0 && loaded.bandPosition < kCustomBand;
  return {{"text", listed ? kBands[static_cast<std::size_t>(loaded.bandPosition)].text
                          : state.caption(row::kCustomBand)},
          {"lower", decimalText(loaded.limits.lower, kMhzDecimals)},
          {"upper", decimalText(loaded.limits.upper, kMhzDecimals)}};
}

Json channelJson(const ChannelGrid& grid, int row) {
  Json channel = {{"channel", row}, {"rx", grid.cell(row, col::kRx).text}};
  if (grid.table().value(row, col::kRx) == kNoFrequency) return channel;
  channel["tx"] = grid.cell(row, col::kTx).text;
  channel["rxTone"] = grid.table().tone(row, col::kRxTone);
  channel["txTone"] = grid.table().tone(row, col::kTxTone);
  Json options = Json::object();
  for (int c = col::kFirstOption; c <= grid.columns(); ++c)
    if (isOptionColumn(c)) options[grid.layout().captions.at(c)] = grid.cell(row, c).text;
  channel["options"] = std::move(options);
  return channel;
}

Json controlJson(const ControlState& control) {
  switch (control.kind) {
    case ControlKind::List:
      if (control.selected < 0 || control.selected >= static_cast<int>(control.items.size()))
        return "";
      return control.items[static_cast<std::size_t>(control.selected)];
    case ControlKind::Check:
      return control.checked;
    default:
      return control.text;
  }
}

Json optionsJson(const OptionPages& pages) {
  const std::set<std::string> skipped = controlsReportedElsewhere();
  Json options = Json::object();
  for (const std::string& name : pages.controlNames()) {
    const ControlState& control = pages.control(name);
    if (control.kind == ControlKind::Button || skipped.contains(name)) continue;
    options[name] = controlJson(control);
  }
  return options;
}

Json twoToneJson(const OptionPages& pages) {
  Json records = Json::array();
  for (int grid = 0; grid < kTwoToneGrids; ++grid) {
    for (int row = 1; row <= kTwoToneRowsPerGrid; ++row) {
      Json record = Json::object();
      for (int column = kToneAFreColumn; column < kTwoToneColumns; ++column)
        record[kTwoToneFields[static_cast<std::size_t>(column)]] =
            pages.control(twoToneCellName(grid, row, column)).text;
      records.push_back(std::move(record));
    }
  }
  return records;
}

Json volumeJson(CodeplugImage image) {
  const VolumeSteps steps(image);
  const auto positions = steps.seqVolumeDatToSeq();
  return {{"useThisSet", steps.useThisSet()},
          {"steps", Json(std::vector<int>(positions.begin(), positions.end()))}};
}

Json unmappedJson(const std::map<std::size_t, std::uint8_t>& named, const CodeplugImage& file) {
  Json unmapped = Json::object();
  for (const auto& [index, value] : named)
    unmapped[hexText(static_cast<unsigned>(index), 3)] = {{"named", hexText(value, 2)},
                                                          {"file", hexText(file[index], 2)}};
  return unmapped;
}

}  // namespace

Json namedValues(const CodeplugEditor& editor, const AppState& state) {
  Json infoLines = Json::array();
  for (int line = 1; line <= kInfoLineCount; ++line)
    infoLines.push_back(editor.pages().control(elementName(kInfoLineArray, line)).text);
  Json channels = Json::array();
  for (int row = 1; row <= editor.grid().rows(); ++row)
    channels.push_back(channelJson(editor.grid(), row));
  return {{"model", state.caption(row::kModelName)}, {"band", bandJson(editor, state)},
          {"channels", std::move(channels)},         {"infoLines", std::move(infoLines)},
          {"options", optionsJson(editor.pages())},  {"twoTone", twoToneJson(editor.pages())},
          {"volume", volumeJson(state.image)}};
}

std::string exportFleet(CodeplugEditor& editor, AppState& state) {
  editor.storeChannels();
  // Through text and back, so that the bytes are worked out from what an
  // import will read (texts that are not UTF-8 are written with U+FFFD).
  Json file =
      Json::parse(namedValues(editor, state).dump(-1, ' ', false, Json::error_handler_t::replace));
  // Bytes the named values do not give back are carried, and put in before
  // the values are set; that can change what the values give (a list the
  // file's bytes fill otherwise), so the set grows until it holds.
  std::map<std::size_t, std::uint8_t> named;
  for (bool grew = true; grew;) {
    file["unmapped"] = unmappedJson(named, state.image);
    FleetBuilder built(state);
    built.build(file);
    grew = false;
    for (std::size_t index = 0; index < state.image.size(); ++index) {
      const std::uint8_t given = built.namedImage()[index];
      if (given == state.image[index] && !named.contains(index)) continue;
      grew = grew || !named.contains(index);
      named[index] = given;
    }
  }
  return file.dump(2) + "\n";
}

FleetImport importFleet(const std::string& text, const AppState& state) {
  FleetImport result;
  Json file;
  try {
    file = Json::parse(text);
  } catch (const Json::parse_error& error) {
    result.faults.push_back(std::string("not JSON: ") + error.what());
    return result;
  }
  FleetBuilder builder(state);
  builder.build(file);
  result.faults = std::move(builder.faults());
  result.warnings = std::move(builder.warnings());
  if (result.faults.empty()) result.image = builder.image();
  return result;
}

}  // namespace q7
