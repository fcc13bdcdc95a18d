#pragma once
// The channel grid's shape, read once from the settings file's "ChInfo"
// section for the interface language (keys from 1000, 2000 or 3000): rows,
// row height, columns, header captions, widths, and per column its strings:
// string 0 the column key ("RxFre", "TxFre", "CtcssDcsDec", "CtcssDcsEnc",
// "OFFSET", "CHNAME") or an option column's drop-down list ("a|b|c"), string
// 1 the item count, string 2 the default item, strings 3.. the item texts;
// each column's strings end with "*EndOfThisItem*".
#include <string>
#include <vector>

#include "foundation/profile_file.h"

namespace q7 {

inline constexpr const char* kChInfoSection = "ChInfo";
inline constexpr int kMaxGridRows = 16;     // the radio's channel slots
inline constexpr int kMinGridColumns = 4;   // RX, TX and the two tones
inline constexpr int kMaxGridColumns = 20;  // the channel value table's columns
inline constexpr int kStringsPerColumn = 50;
inline constexpr int kMaxItemPosition = 46;  // item texts are strings 3..49

struct GridColumn {
  std::vector<std::string> strings;  // as read, without the end marker
  int width = 1000;                  // twips
  int itemCount = 0;
  int defaultItem = 0;

  const std::string& key() const;
  // The items of the in-cell drop-down list (string 0 split at '|').
  std::vector<std::string> dropList() const;
  // The text shown for an item position; empty when the column has no such
  // item. Throws Failure for a position outside 0..46.
  std::string itemText(int position) const;
  // The number format of the column's key ("###.#####" for frequencies).
  std::string format() const;
};

struct GridLayout {
  int rows = kMaxGridRows;
  int rowHeight = 240;  // twips
  int columns = 9;
  std::vector<std::string> captions;  // columns 0..columns
  std::vector<GridColumn> column;     // columns 0..columns

  // Column c (0..columns); throws Failure outside.
  const GridColumn& at(int c) const;
};

// ReadChInfo. Missing keys take their defaults; counts outside what the radio
// and the channel table hold (rows 1..16, columns 4..20, item counts and
// default items outside the column's items) are clamped, and, like a column
// without its end marker, reported as "modChMem->ReadChInfo".
GridLayout readChInfo(const ProfileFile& settings, int language);

}  // namespace q7
