#pragma once
// One channel as a fleet file holds it: the RX and TX frequencies in 10 Hz
// (kNoFrequency for none), the receive and transmit tone texts and the item
// position of each option column. A channel is read from the grid and typed
// back into it through the grid's own events (frequency cells, the tone box,
// the option cells), so the channel table and the image change exactly as
// they do when a user types the same values.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "channels/channel_grid.h"

namespace q7 {

struct ChannelEntry {
  std::int32_t rx = kNoFrequency;
  std::int32_t tx = kNoFrequency;
  std::string rxTone;
  std::string txTone;
  // Item positions by grid column; -1 leaves the column as it is.
  std::vector<std::int32_t> options = std::vector<std::int32_t>(col::kCount, -1);

  bool used() const { return rx != kNoFrequency; }
};

ChannelEntry readChannel(const ChannelGrid& grid, int row);

// Types the entry into row `row`. An unused entry deletes a channel in use
// and leaves an unused slot as it is; values equal to what the row holds are
// not typed again (the grid would move them onto the channel step).
void enterChannel(ChannelGrid& grid, int row, const ChannelEntry& entry);

// Types one column of the entry into row `row` as enterChannel does; the
// transmit tone only reaches a channel with a TX frequency.
void enterColumn(ChannelGrid& grid, int row, int column, const ChannelEntry& entry);

// A frequency text in MHz as 10 Hz; nullopt when it is not a number.
std::optional<std::int32_t> parseMegahertz(const std::string& text);
// Empty when `frequency` lies in the band, else why not ("999 is outside the band 400-470").
std::string bandFault(const std::string& text, std::int32_t frequency, const BandLimits& band);
// Empty when the tone box takes `text` as a tone (or as off), else why not.
std::string toneFault(const ToneCodec& tones, const std::string& text);

}  // namespace q7
