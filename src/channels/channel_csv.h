#pragma once
// The channels as a table in the columns common radio tools use:
// Location, Name, Frequency (RX MHz), Duplex ("", "+", "-", "split", "off")
// and Offset (MHz; with "split" the TX frequency), Tone ("", "Tone", "TSQL",
// "DTCS", "Cross"; read also "DTCS-R"), rToneFreq (TX CTCSS Hz), cToneFreq
// (RX CTCSS Hz), DtcsCode, DtcsPolarity (TX then RX, N normal, R inverted),
// Mode ("FM" wide, "NFM" narrow), Power (the power option's text, or watts
// such as "5.0W"), Skip ("S" when the channel is not in the scan list),
// Comment; then CrossMode ("Tone->DTCS" and so on) and RxDtcsCode, which give
// the tones of a "Cross" channel exactly, and the radio's other channel
// options under their English grid captions. The radio has no channel names:
// Name and Comment are written empty and dropped on reading. TStep, URCALL,
// RPT1CALL, RPT2CALL and DVCODE, which other tools write, are read and
// ignored. Unused slots are rows with only their Location; slots a table does
// not list are unused.
#include <string>
#include <vector>

#include "channels/channel_entry.h"
#include "channels/channel_grid.h"
#include "channels/grid_layout.h"

namespace q7 {

// One data row of a table as read.
struct CsvChannelRow {
  int source = 0;    // the line of the text it starts on (from 1, remarks and blank lines counted)
  int location = 0;  // its Location, 1..rows; 0 when the table has no Location column
  ChannelEntry entry;
  // Why the row does not fit this radio, one line each ("row 4 Frequency:
  // 999.000000 is outside the band 400-470"); empty when it fits.
  std::vector<std::string> faults;

  bool fits() const { return faults.empty(); }
};

struct CsvChannels {
  char separator = ',';             // ',' or '\t', found from the first line
  bool header = false;              // false: the columns are the export's, in its order
  bool locations = false;           // the table has a Location column
  std::vector<CsvChannelRow> rows;  // the data rows that are not blank
  // Faults of the whole table (an unknown column, no Frequency column),
  // naming the header's line: when there are any, no row is read.
  std::vector<std::string> faults;
  // What was read but not kept ("Name and Comment are dropped: ..."), one line each.
  std::vector<std::string> notes;
};

// Reads a table for the grid (its band, tone list and row count) without
// changing it. Separator tab or comma, optional header row (a first record
// whose first field is not a whole number), CR LF or LF, a UTF-8 byte order
// mark, quoted fields and '#' remark lines are all taken; a row may have one
// more field than the header when that field is empty. `english` is the grid
// layout of the English interface, whose item texts the table holds.
CsvChannels readChannelTable(const std::string& text, const ChannelGrid& grid,
                             const GridLayout& english);

// The header and then the given rows (slot numbers 1..grid.rows()), each line
// ending in CR LF; `separator` is ',' or '\t'.
std::string exportChannelRows(const ChannelGrid& grid, const GridLayout& english,
                              const std::vector<int>& rows, char separator);
// Every slot of the grid as a comma-separated row.
std::string exportChannelsCsv(const ChannelGrid& grid, const GridLayout& english);

// Types the rows of a table that fit into the grid; every other slot,
// including those of rows that do not fit, becomes unused.
void enterChannelTable(const CsvChannels& table, ChannelGrid& grid);

// What to do with rows that do not fit.
enum class UnfitRows { kRefuseTable, kLeaveOut };

struct ChannelImport {
  // The table's faults, then each row that does not fit with its reason,
  // one line each (row 1 is the header row).
  std::vector<std::string> faults;
  std::vector<std::string> notes;  // as CsvChannels::notes
  bool entered = false;            // the grid took the table
};

// Reads a table and types it into the grid (enterChannelTable). A table with
// faults of its own, or with any row that does not fit unless `unfit` says
// kLeaveOut, leaves the grid untouched.
ChannelImport importChannelsCsv(const std::string& text, ChannelGrid& grid,
                                const GridLayout& english,
                                UnfitRows unfit = UnfitRows::kRefuseTable);

}  // namespace q7
