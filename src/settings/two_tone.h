#pragma once
// The two-tone table: 16 records of 8 bytes at 0x280, shown as two grids of
// eight rows (records 1-8 and 9-16). A record holds tone A and tone B, each a
// frequency (Hz x 10, low byte first) and a duration (s x 10), the gap between
// them (s x 10) and a marker, 0x5A when the record is in use. The grids show
// each record as five texts; loading fills them from the image, and storing
// (after any cell edit) validates every row and writes all records back.
#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "foundation/codeplug_image.h"

namespace q7 {

inline constexpr int kTwoToneRecords = 16;
inline constexpr int kTwoToneGrids = 2;
inline constexpr int kTwoToneRowsPerGrid = 8;
inline constexpr std::size_t kTwoToneBase = 0x280;
inline constexpr std::size_t kTwoToneRecordSize = 8;

// Grid columns; column 0 is the fixed record number.
enum TwoToneColumn : int {
  kNumberColumn = 0,
  kToneAFreColumn = 1,
  kToneATimeColumn = 2,
  kToneBFreColumn = 3,
  kToneBTimeColumn = 4,
  kIntervalColumn = 5,
  kTwoToneColumns = 6,
};

// The texts of columns 1..5 of one row (element 0 unused, kept empty).
using TwoToneRow = std::array<std::string, kTwoToneColumns>;
using TwoToneTable = std::array<TwoToneRow, kTwoToneRecords>;

// Record number 1..16 of grid 0/1, row 1..8.
int twoToneRecord(int grid, int row);

// Loading: the row of one record (1..16). A duration or gap beyond what the
// radio accepts is repaired in the image (duration -> 1.0 s, gap -> 0.5 s).
TwoToneRow loadTwoToneRecord(CodeplugImage& image, int record);
TwoToneTable loadTwoToneTable(CodeplugImage& image);

// Storing: validates the row's texts (repairing them as the grid then shows
// them) and writes the record.
void storeTwoToneRecord(CodeplugImage& image, int record, TwoToneRow& row);
void storeTwoToneTable(CodeplugImage& image, TwoToneTable& table);

// Grid set-up data.
// The header format string of the language ("No.|A Fre|A Time|B Fre|B Time|Interval").
std::string twoToneHeader(int language);
inline constexpr std::array<int, kTwoToneColumns> kTwoToneColumnWidths = {500,  1300, 1050,
                                                                          1300, 1050, 1100};
inline constexpr int kTwoToneRowHeight = 260;
// Drop-down items of the duration columns ("0.3" .. "9.7", "10.0") and of the gap column
// ("0.0" .. "2.0").
const std::vector<std::string>& twoToneDurationItems();
const std::vector<std::string>& twoToneGapItems();

}  // namespace q7
