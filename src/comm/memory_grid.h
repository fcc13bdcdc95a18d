#pragma once
// The memory data view's logic: the image as a hex grid of 16 bytes a row,
// the change marks of a refresh, the edit commit, the byte tooltip and the
// partial fill, with the conversions they use.
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "foundation/codeplug_image.h"

namespace q7 {

// Highest address the grid shows: the table maximum, cut at the radio's 0x3FF.
long gridHighestAddress(long tableMax);
// Data rows for that highest address (0x3FF gives 64).
int gridRowCount(long tableMax);
// Row label: the row's first address as four hex digits and "H" ("03F0H").
std::string gridRowLabel(int dataRow);

// `H_To_B`: each hex digit as four bits, other characters skipped ("92" -> "10010010").
std::string hexToBits(const std::string& text);
// `B_To_D`: the bits as a number. Throws Failure for more than 16 bits or a
// character other than 0 and 1.
long bitsToNumber(const std::string& bits);
// `B_To_BitShow`: "B7:1 B6:0 ... B0:0 ", two more spaces between bits 4 and 3.
std::string bitListing(const std::string& bits);
// `SeparateChar`: the last four characters as hex digit values, digit k from
// the right at position k; missing digits and non-hex characters count 0.
std::array<int, 4> separateChar(const std::string& text);
// The value of a typed cell: d3*4096 + d2*256 + d1*16 + d0.
long cellValue(const std::string& text);

// Tooltip of a data cell (row >= 1, column 1..16) showing `cellText`.
std::string cellTipText(int row, int column, const std::string& cellText);

// Cell texts of the grid by address, for the commit and the refresh.
using CellText = std::function<std::string(long address)>;

// `GridDataTemp` for the one cell the user edited: stores its value into the
// image byte at `address`. A value above 255 is a Failure and stores nothing.
// Only an edited cell is stored: the other cells may be stale or still empty.
void commitGridCell(const std::string& text, long address, CodeplugImage& image);

// `TableFreDat`: the addresses whose non-empty cell differs from the image.
std::vector<long> changedCells(const CellText& cell, long highestAddress,
                               const CodeplugImage& image);

enum class FillBase { Hex, Decimal, Binary };
// The partial fill's value, at most 255; nullopt for a text that is not a
// non-negative number in that base.
std::optional<int> fillValue(const std::string& text, FillBase base);
// Sets image bytes start..end (inclusive, cut at 0x3FF) to `value`; nothing when start > end.
void fillImage(CodeplugImage& image, long start, long end, int value);

}  // namespace q7
