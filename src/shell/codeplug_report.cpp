#include "shell/codeplug_report.h"

#include "channels/channel_caption_rows.h"
#include "channels/decimal_text.h"
#include "channels/radio_charset.h"
#include "channels/tone_codec.h"
#include "foundation/memory_map.h"

#include "settings/volume_steps.h"

namespace q7 {
namespace {

constexpr int kMhzDecimals = 5;

ReportValue modelReport(const CodeplugEditor& editor, const AppState& state) {
  const ImageModelBand& loaded = editor.modelBand();
  return ReportValue::object()
      .add("position", ReportValue::number(loaded.model))
      .add("text", ReportValue::text(state.caption(row::kModelName)));
}

ReportValue bandReport(const CodeplugEditor& editor, const AppState& state) {
  const ImageModelBand& loaded = editor.modelBand();
  const bool listed = loaded.bandPosition >= 0 && loaded.bandPosition < kCustomBand;
  const std::string text = listed ? kBands[static_cast<std::size_t>(loaded.bandPosition)].text
                                  : state.caption(row::kCustomBand);
  return ReportValue::object()
      .add("position", ReportValue::number(loaded.bandPosition))
      .add("text", ReportValue::text(text))
      .add("lower", ReportValue::text(decimalText(loaded.limits.lower, kMhzDecimals)))
      .add("upper", ReportValue::text(decimalText(loaded.limits.upper, kMhzDecimals)));
}

ReportValue optionColumns(const ChannelGrid& grid, int channel) {
  ReportValue columns = ReportValue::object();
  for (int c = col::kFirstOption; c <= grid.columns(); ++c) {
    if (!isOptionColumn(c)) continue;
    columns.add(std::to_string(c),
                ReportValue::object()
                    .add("caption", ReportValue::text(grid.layout().captions.at(c)))
                    .add("position", ReportValue::number(grid.table().value(channel, c)))
                    .add("text", ReportValue::text(grid.cell(channel, c).text)));
  }
  return columns;
}

// The off tone in English, whatever the interface language: one form in every report.
std::string toneText(const ChannelGrid& grid, int channel, int column) {
  const std::string& text = grid.table().tone(channel, column);
  return text == grid.tones().offText() ? toneOffText(kEnglish) : text;
}

// Frequencies in MHz as the grid shows them ("446.00625"); empty for none.
ReportValue channelReport(const ChannelGrid& grid, int channel) {
  return ReportValue::object()
      .add("rx", ReportValue::text(grid.cell(channel, col::kRx).text))
      .add("tx", ReportValue::text(grid.cell(channel, col::kTx).text))
      .add("rxTone", ReportValue::text(toneText(grid, channel, col::kRxTone)))
      .add("txTone", ReportValue::text(toneText(grid, channel, col::kTxTone)))
      .add("options", optionColumns(grid, channel));
}

ReportValue channelsReport(const ChannelGrid& grid) {
  ReportValue channels = ReportValue::list();
  for (int n = 1; n <= grid.rows(); ++n) channels.append(channelReport(grid, n));
  return channels;
}

ReportValue infoLinesReport(const OptionPages& pages) {
  ReportValue lines = ReportValue::list();
  for (int line = 1; line <= kInfoLineCount; ++line)
    lines.append(ReportValue::text(pages.control(elementName(kInfoLineArray, line)).text));
  return lines;
}

ReportValue controlReport(const ControlState& control) {
  switch (control.kind) {
    case ControlKind::List: {
      const bool chosen =
          control.selected >= 0 && control.selected < static_cast<int>(control.items.size());
      return ReportValue::object()
          .add("position", ReportValue::number(control.selected))
          .add("text",
               ReportValue::text(chosen ? control.items[static_cast<std::size_t>(control.selected)]
                                        : ""));
    }
    case ControlKind::Check:
      return ReportValue::object().add("checked", ReportValue::flag(control.checked));
    default:
      return ReportValue::object().add("text", ReportValue::text(control.text));
  }
}

ReportValue optionsReport(const OptionPages& pages) {
  const std::set<std::string> skipped = controlsReportedElsewhere();
  ReportValue options = ReportValue::object();
  for (const std::string& name : pages.controlNames()) {
    const ControlState& control = pages.control(name);
    if (control.kind == ControlKind::Button || skipped.contains(name)) continue;
    options.add(name, controlReport(control));
  }
  return options;
}

ReportValue twoToneReport(const OptionPages& pages) {
  ReportValue records = ReportValue::list();
  for (int grid = 0; grid < kTwoToneGrids; ++grid) {
    for (int row = 1; row <= kTwoToneRowsPerGrid; ++row) {
      ReportValue record = ReportValue::object();
      for (int column = kToneAFreColumn; column < kTwoToneColumns; ++column)
        record.add(kTwoToneFields[static_cast<std::size_t>(column)],
                   ReportValue::text(pages.control(twoToneCellName(grid, row, column)).text));
      records.append(std::move(record));
    }
  }
  return records;
}

ReportValue volumeReport(const CodeplugImage& image) {
  CodeplugImage copy = image;  // the steps are only read
  const VolumeSteps steps(copy);
  const auto positions = steps.seqVolumeDatToSeq();
  ReportValue list = ReportValue::list();
  for (int step = 1; step <= kVolumeSteps; ++step)
    list.append(
        ReportValue::object()
            .add("position", ReportValue::number(positions[static_cast<std::size_t>(step - 1)]))
            .add("code", ReportValue::number(image[map::kVolumeSteps + step])));
  return ReportValue::object()
      .add("useThisSet", ReportValue::flag(steps.useThisSet()))
      .add("steps", std::move(list));
}

}  // namespace

std::set<std::string> controlsReportedElsewhere() {
  std::set<std::string> names;
  for (int line = 1; line <= kInfoLineCount; ++line)
    names.insert(elementName(kInfoLineArray, line));
  for (int grid = 0; grid < kTwoToneGrids; ++grid)
    for (int row = 1; row <= kTwoToneRowsPerGrid; ++row)
      for (int column = kToneAFreColumn; column < kTwoToneColumns; ++column)
        names.insert(twoToneCellName(grid, row, column));
  return names;
}

ReportValue codeplugReport(const CodeplugEditor& editor, const AppState& state) {
  return ReportValue::object()
      .add("model", modelReport(editor, state))
      .add("band", bandReport(editor, state))
      .add("channels", channelsReport(editor.grid()))
      .add("infoLines", infoLinesReport(editor.pages()))
      .add("options", optionsReport(editor.pages()))
      .add("twoTone", twoToneReport(editor.pages()))
      .add("volume", volumeReport(state.image));
}

}  // namespace q7
