#include "channels/pasted_rows.h"

#include <algorithm>

#include "channels/channel_csv.h"
#include "channels/csv_table.h"

namespace q7 {
namespace {

constexpr const char* kLocation = "Location";
constexpr char kHeldComma = '\x1F';

bool blank(const CsvRecord& record) {
  return std::ranges::all_of(record, [](const std::string& f) { return f.empty(); });
}

// Tab-separated text is read as CSV with tabs and commas traded, so quoted
// fields work alike in both.
std::vector<CsvRecord> records(const std::string& text) {
  const std::string firstLine = text.substr(0, text.find('\n'));
  if (firstLine.find('\t') == std::string::npos) return parseCsv(text);
  std::string traded = text;
  for (char& c : traded) c = c == ',' ? kHeldComma : c == '\t' ? ',' : c;
  std::vector<CsvRecord> read = parseCsv(traded);
  for (CsvRecord& record : read)
    for (std::string& field : record) std::ranges::replace(field, kHeldComma, ',');
  return read;
}

std::vector<CsvRecord> exported(const AppState& state, const ChannelGrid& grid) {
  return parseCsv(exportChannelsCsv(grid, readChInfo(state.settings, kEnglish)));
}

// The row alone as a table whose only channel is channel 1.
std::string oneRowTable(CsvRecord header, CsvRecord row) {
  const auto location = std::ranges::find(header, kLocation);
  if (location == header.end()) {
    header.insert(header.begin(), kLocation);
    row.insert(row.begin(), "1");
  } else {
    const auto at = static_cast<std::size_t>(location - header.begin());
    if (row.size() <= at) row.resize(at + 1);
    row[at] = "1";
  }
  return csvLine(header) + csvLine(row);
}

// "row 2 Frequency: why" as "Frequency: why".
std::string withoutRowNumber(const std::string& fault) {
  const auto after = fault.find_first_of(" :", fault.find(' ') + 1);
  if (after == std::string::npos) return fault;
  return fault.substr(fault.find_first_not_of(' ', after + 1));
}

}  // namespace

std::vector<PastedRow> readPastedRows(const AppState& state, const ChannelGrid& grid,
                                      const std::string& text) {
  const std::vector<CsvRecord> read = records(text);
  const bool hasHeader =
      !read.empty() && std::ranges::find(read.front(), kLocation) != read.front().end();
  const CsvRecord header = hasHeader ? read.front() : exported(state, grid).front();
  AppState scratch = state;
  scratch.lockState = kUnlockedText;
  ChannelGrid reader(scratch, grid.band());
  reader.initialise();
  std::vector<PastedRow> rows;
  for (std::size_t i = hasHeader ? 1 : 0; i < read.size(); ++i) {
    if (blank(read[i])) continue;
    reader.delOneChannel(1);
    PastedRow row{static_cast<int>(i) + 1, {}, {}};
    const auto english = readChInfo(state.settings, kEnglish);
    for (const std::string& fault :
         importChannelsCsv(oneRowTable(header, read[i]), reader, english))
      row.faults.push_back(withoutRowNumber(fault));
    row.entry = readChannel(reader, 1);
    rows.push_back(std::move(row));
  }
  return rows;
}

std::string channelRowsText(const AppState& state, const ChannelGrid& grid,
                            const std::vector<int>& channels, char separator) {
  const std::vector<CsvRecord> table = exported(state, grid);
  std::string text;
  const auto line = [&](const CsvRecord& record) {
    if (separator == ',') return text += csvLine(record);
    for (std::size_t f = 0; f < record.size(); ++f) text += (f ? "\t" : "") + record[f];
    return text += "\r\n";
  };
  line(table.front());
  for (const int n : channels)
    if (n >= 1 && static_cast<std::size_t>(n) < table.size())
      line(table[static_cast<std::size_t>(n)]);
  return text;
}

}  // namespace q7
