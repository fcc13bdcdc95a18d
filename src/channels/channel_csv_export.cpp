// The channels as rows of a table in the export's columns.
#include "channels/channel_csv.h"
#include "channels/channel_csv_columns.h"
#include "channels/channel_entry.h"
#include "channels/tone_plan.h"

namespace q7 {
namespace {

using namespace csv;

struct Duplex {
  std::string mode;
  std::string offset = "0.000000";
};

Duplex duplexOf(const ChannelEntry& entry) {
  if (entry.tx == kNoFrequency) return {"off"};
  if (entry.tx == entry.rx) return {""};
  const std::int64_t shift = static_cast<std::int64_t>(entry.tx) - entry.rx;
  return {shift > 0 ? "+" : "-", megahertz6(shift > 0 ? shift : -shift)};
}

CsvRecord channelRecord(const ChannelGrid& grid, const GridLayout& english, int row) {
  const ChannelEntry entry = readChannel(grid, row);
  CsvRecord record(kFixedFields);
  record[kLocation] = std::to_string(row);
  if (!entry.used()) {
    record.resize(headerRecord(grid, english).size());
    return record;
  }
  const std::string& off = grid.tones().offText();
  const Duplex duplex = duplexOf(entry);
  const TonePlan plan = tonePlan(entry.tx == kNoFrequency ? off : entry.txTone, entry.rxTone, off);
  const auto option = [&](int column) { return entry.options[static_cast<std::size_t>(column)]; };
  const std::int32_t width = option(kBandwidthColumn);
  record[kFrequency] = megahertz6(entry.rx);
  record[kDuplex] = duplex.mode;
  record[kOffset] = duplex.offset;
  record[kTone] = plan.mode;
  record[kRToneFreq] = plan.txCtcss;
  record[kCToneFreq] = plan.rxCtcss;
  record[kDtcsCode] = plan.txDcs;
  record[kDtcsPolarity] = plan.polarity;
  record[kMode] = width >= 0 && width < 2 ? kModes[static_cast<std::size_t>(width)] : "";
  record[kPower] = itemText(english, kPowerColumn, option(kPowerColumn));
  record[kSkip] = option(kScanAddColumn) == kScanAddedPosition ? "" : kSkipped;
  record[kCrossMode] = plan.crossMode;
  record[kRxDtcsCode] = plan.rxDcs;
  for (int c = col::kFirstOption; c <= lastOptionColumn(grid, english); ++c)
    if (isExtraOption(c)) record.push_back(itemText(english, c, option(c)));
  return record;
}

}  // namespace

std::string exportChannelRows(const ChannelGrid& grid, const GridLayout& english,
                              const std::vector<int>& rows, char separator) {
  std::string text = csvLine(headerRecord(grid, english), separator);
  for (const int row : rows) text += csvLine(channelRecord(grid, english, row), separator);
  return text;
}

std::string exportChannelsCsv(const ChannelGrid& grid, const GridLayout& english) {
  std::vector<int> rows;
  for (int row = 1; row <= grid.rows(); ++row) rows.push_back(row);
  return exportChannelRows(grid, english, rows, ',');
}

}  // namespace q7
