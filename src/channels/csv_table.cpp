#include "channels/csv_table.h"

#include <string_view>

namespace q7 {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool needsQuotes(const std::string& field) {
  return field.find_first_of(",\"\r\n") != std::string::npos;
}

std::string quotedField(const std::string& field) {
  std::string out = "\"";
  for (const char c : field) out += c == '"' ? std::string("\"\"") : std::string(1, c);
  return out + "\"";
}

}  // namespace

std::vector<CsvRecord> parseCsv(const std::string& text) {
  std::vector<CsvRecord> records;
  CsvRecord record;
  std::string field;
  bool quoted = false;
  bool any = false;
  const auto endField = [&] {
    record.push_back(std::move(field));
    field.clear();
  };
  const auto endRecord = [&] {
    endField();
    records.push_back(std::move(record));
    record.clear();
    any = false;
  };
  // Spreadsheets may begin the file with the UTF-8 byte order mark.
  const std::size_t start = text.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
  for (std::size_t i = start; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      if (c != '"') {
        field += c;
      } else if (i + 1 < text.size() && text[i + 1] == '"') {
        field += '"';
        ++i;
      } else {
        quoted = false;
      }
      continue;
    }
    any = true;
    if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      endField();
    } else if (c == '\n') {
      endRecord();
    } else if (c != '\r') {
      field += c;
    }
  }
  if (any || !field.empty() || !record.empty()) endRecord();
  return records;
}

std::string csvLine(const CsvRecord& fields) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line += ',';
    line += needsQuotes(fields[i]) ? quotedField(fields[i]) : fields[i];
  }
  return line + "\r\n";
}

}  // namespace q7
