#include "channels/channel_entry.h"

#include <limits>

#include "channels/decimal_text.h"

namespace q7 {
namespace {

constexpr int kMhzDecimals = 5;

std::string megahertzText(std::int32_t frequency) {
  return decimalText(frequency, kMhzDecimals);
}

void enterFrequency(ChannelGrid& grid, int row, int column, std::int32_t frequency) {
  if (grid.table().value(row, column) == frequency) return;
  grid.afterEdit(row, column, frequency == kNoFrequency ? "" : megahertzText(frequency));
}

void enterTone(ChannelGrid& grid, int row, int column, const std::string& text) {
  if (grid.table().tone(row, column) == text) return;
  grid.click(row, column);
  if (!grid.toneBox().visible()) return;
  grid.setToneBoxText(text);
  grid.toneBoxLostFocus();
}

void enterOption(ChannelGrid& grid, int row, int column, std::int32_t position) {
  if (position < 0 || grid.table().value(row, column) == position) return;
  const auto items = grid.layout().at(column).dropList();
  if (position >= static_cast<std::int32_t>(items.size())) return;
  grid.afterEdit(row, column, items[static_cast<std::size_t>(position)]);
}

}  // namespace

ChannelEntry readChannel(const ChannelGrid& grid, int row) {
  const ChannelTable& table = grid.table();
  ChannelEntry entry;
  entry.rx = table.value(row, col::kRx);
  if (!entry.used()) return entry;
  entry.tx = table.value(row, col::kTx);
  entry.rxTone = table.tone(row, col::kRxTone);
  entry.txTone = table.tone(row, col::kTxTone);
  for (int c = col::kFirstOption; c <= grid.columns(); ++c)
    if (isOptionColumn(c)) entry.options[static_cast<std::size_t>(c)] = table.value(row, c);
  return entry;
}

void enterColumn(ChannelGrid& grid, int row, int column, const ChannelEntry& entry) {
  if (column == col::kRx || column == col::kTx)
    return enterFrequency(grid, row, column, column == col::kRx ? entry.rx : entry.tx);
  if (column == col::kRxTone) return enterTone(grid, row, column, entry.rxTone);
  if (column == col::kTxTone) return enterTone(grid, row, column, entry.txTone);
  if (isOptionColumn(column))
    enterOption(grid, row, column, entry.options[static_cast<std::size_t>(column)]);
}

void enterChannel(ChannelGrid& grid, int row, const ChannelEntry& entry) {
  if (!entry.used()) {
    if (grid.table().value(row, col::kRx) != kNoFrequency) grid.delOneChannel(row);
    return;
  }
  for (int c = col::kRx; c <= grid.columns(); ++c) enterColumn(grid, row, c, entry);
  grid.hideToneBox();
}

std::optional<std::int32_t> parseMegahertz(const std::string& text) {
  if (!isNumeric(text)) return std::nullopt;
  const auto scaled = scaledHalfEven(text, kMhzDecimals);
  if (!scaled || *scaled < 0 || *scaled > std::numeric_limits<std::int32_t>::max())
    return std::nullopt;
  return static_cast<std::int32_t>(*scaled);
}

std::string bandFault(const std::string& text, std::int32_t frequency, const BandLimits& band) {
  if (!outsideBand(frequency, band)) return {};
  return text + " is outside the band " + megahertzText(band.lower) + "-" +
         megahertzText(band.upper);
}

std::string toneFault(const ToneCodec& tones, const std::string& text) {
  if (text.empty() || text == tones.offText() || tones.normalise(text) != tones.offText())
    return {};
  return text + " is not a tone (" + tones.offText() + ", 60.0..265.0 Hz or D023N, D023I)";
}

}  // namespace q7
