#pragma once
// The channels as a CSV table in the columns common radio tools use:
// Location, Name, Frequency (RX MHz), Duplex ("", "+", "-", "split", "off")
// and Offset (MHz; with "split" the TX frequency), Tone ("", "Tone", "TSQL",
// "DTCS", "Cross"), rToneFreq (TX CTCSS Hz), cToneFreq (RX CTCSS Hz),
// DtcsCode, DtcsPolarity (TX then RX, N normal, R inverted), Mode ("FM" wide,
// "NFM" narrow), Power (the power option's text), Skip ("S" when the channel
// is not in the scan list), Comment; then CrossMode ("Tone->DTCS" and so on)
// and RxDtcsCode, which give the tones of a "Cross" channel exactly, and the
// radio's other channel options under their English grid captions. The radio
// has no channel names, so Name and Comment stay empty. Unused slots are rows
// with only their Location; slots a table does not list are unused.
#include <string>
#include <vector>

#include "channels/channel_grid.h"
#include "channels/grid_layout.h"

namespace q7 {

// Every slot of the grid as a row. `english` is the grid layout of the
// English interface: its captions and item texts are the ones written.
std::string exportChannelsCsv(const ChannelGrid& grid, const GridLayout& english);

// Reads a table and, when every row is sound, types its channels into the
// grid (each slot the table leaves out becomes unused). Otherwise the grid
// is not touched and the faults are returned, one line each:
// "row 4 Frequency: 999.000000 is outside the band 400-470" (row 1 is the
// header row).
std::vector<std::string> importChannelsCsv(const std::string& text, ChannelGrid& grid,
                                           const GridLayout& english);

}  // namespace q7
