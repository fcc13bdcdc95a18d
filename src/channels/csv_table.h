#pragma once
// Comma-separated tables: fields holding a comma, a quote or a line break are
// quoted, quotes inside doubled; lines end in CR LF or LF.
#include <string>
#include <vector>

namespace q7 {

using CsvRecord = std::vector<std::string>;

// The records of a table; a quote left open runs to the end of the text, and
// a byte order mark at its start is skipped.
std::vector<CsvRecord> parseCsv(const std::string& text);
// One record as a line, ending in a line break.
std::string csvLine(const CsvRecord& fields);

}  // namespace q7
