#include "channels/csv_table.h"

#include <string_view>

namespace q7 {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

constexpr char kRemark = '#';

bool needsQuotes(const std::string& field, char separator) {
  return field.find_first_of(std::string("\"\r\n") + separator) != std::string::npos ||
         field.starts_with(kRemark);
}

std::size_t afterByteOrderMark(const std::string& text) {
  return text.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
}

// The end of the line starting at `i` (the position of its line feed or the text's end).
std::size_t lineEnd(const std::string& text, std::size_t i) {
  const std::size_t end = text.find('\n', i);
  return end == std::string::npos ? text.size() : end;
}

std::string quotedField(const std::string& field) {
  std::string out = "\"";
  for (const char c : field) out += c == '"' ? std::string("\"\"") : std::string(1, c);
  return out + "\"";
}

}  // namespace

char detectSeparator(const std::string& text) {
  std::size_t i = afterByteOrderMark(text);
  while (i < text.size() && text[i] == kRemark) i = lineEnd(text, i) + 1;
  if (i >= text.size()) return ',';
  return text.find('\t', i) < lineEnd(text, i) ? '\t' : ',';
}

std::vector<CsvRecord> parseCsv(const std::string& text, char separator, std::vector<int>* lines) {
  std::vector<CsvRecord> records;
  CsvRecord record;
  std::string field;
  bool quoted = false;
  bool any = false;
  int line = 1;
  int recordLine = 1;
  const auto endField = [&] {
    record.push_back(std::move(field));
    field.clear();
  };
  const auto endRecord = [&] {
    endField();
    records.push_back(std::move(record));
    if (lines) lines->push_back(recordLine);
    record.clear();
    any = false;
  };
  // Spreadsheets may begin the file with the UTF-8 byte order mark.
  for (std::size_t i = afterByteOrderMark(text); i < text.size(); ++i) {
    const char c = text[i];
    const bool recordStart = !quoted && !any && record.empty() && field.empty();
    if (recordStart) recordLine = line;
    if (c == '\n') ++line;
    if (recordStart && c == kRemark) {
      i = lineEnd(text, i);
      if (i < text.size()) ++line;
      continue;
    }
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
    } else if (c == separator) {
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

std::string csvLine(const CsvRecord& fields, char separator) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line += separator;
    line += needsQuotes(fields[i], separator) ? quotedField(fields[i]) : fields[i];
  }
  return line + "\r\n";
}

}  // namespace q7
