#pragma once
// Delimited tables: fields separated by a comma or a tab; fields holding the
// separator, a quote or a line break are quoted, quotes inside doubled; lines
// end in CR LF or LF; lines starting with '#' are remarks.
#include <string>
#include <vector>

namespace q7 {

using CsvRecord = std::vector<std::string>;

// The separator of a table: a tab when its first line that is not a remark
// holds one, else a comma.
char detectSeparator(const std::string& text);

// The records of a table; a quote left open runs to the end of the text, a
// byte order mark at its start is skipped and so are remark lines. `lines`,
// when given, receives the line number (from 1) each record starts on.
std::vector<CsvRecord> parseCsv(const std::string& text, char separator = ',',
                                std::vector<int>* lines = nullptr);
// One record as a line, ending in CR LF.
std::string csvLine(const CsvRecord& fields, char separator = ',');

}  // namespace q7
