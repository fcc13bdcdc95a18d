// Reading a channel table: its shape (separator, header), then each data row
// as a channel entry with the reasons it does not fit this radio.
#include <algorithm>
#include <limits>
#include <map>

#include "channels/channel_csv.h"
#include "channels/channel_csv_columns.h"
#include "channels/decimal_text.h"
#include "channels/tone_plan.h"

namespace q7 {
namespace {

using namespace csv;

// Columns other tools write for values this radio has no field for.
constexpr std::array<const char*, 5> kIgnoredColumns = {"TStep", "URCALL", "RPT1CALL", "RPT2CALL",
                                                        "DVCODE"};
// Columns read only to be dropped, with one note.
constexpr std::array<Field, 2> kDroppedFields = {kName, kComment};
constexpr const char* kDroppedNote =
    "Name and Comment are dropped: this radio has no channel names";

// A power in watts ("5.0W", "1 W") at or above this is High, below it Low.
constexpr double kHighPowerWatts = 2.0;
constexpr const char* kHighPower = "High";
constexpr const char* kLowPower = "Low";

// Tone modes other tools write, read as this radio's own.
constexpr const char* kInvertedDcsMode = "DTCS-R";
constexpr const char* kReverseTsqlMode = "TSQL-R";

bool isWholeNumber(const std::string& text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

// A data row of the table: its fields by column name, and the faults met.
class RowFields {
 public:
  RowFields(const CsvRecord& record, const std::map<std::string, std::size_t>& columns,
            CsvChannelRow& row)
      : record_(record), columns_(columns), row_(row) {}

  std::string field(const std::string& name) const {
    const auto found = columns_.find(name);
    return found == columns_.end() || found->second >= record_.size() ? "" : record_[found->second];
  }
  std::string field(Field name) const { return field(kFixedNames[name]); }
  bool has(Field name) const { return columns_.contains(kFixedNames[name]); }
  void fault(const std::string& column, const std::string& what) const {
    fault(column + ": " + what);
  }
  // "Column: why" from a check elsewhere.
  void fault(const std::string& columnAndWhat) const {
    row_.faults.push_back("row " + std::to_string(row_.source) + " " + columnAndWhat);
  }

 private:
  const CsvRecord& record_;
  const std::map<std::string, std::size_t>& columns_;
  CsvChannelRow& row_;
};

bool blank(const CsvRecord& record) {
  return std::all_of(record.begin(), record.end(), [](const auto& f) { return f.empty(); });
}

bool threeOctalDigits(const std::string& code) {
  return code.size() == 3 && code.find_first_not_of("01234567") == std::string::npos;
}

// "5.0W", "1 W" as watts; nullopt for any other text.
std::optional<double> watts(const std::string& text) {
  if (!text.ends_with('W')) return std::nullopt;
  std::string number = text.substr(0, text.size() - 1);
  while (number.ends_with(' ')) number.pop_back();
  if (!isNumeric(number)) return std::nullopt;
  return std::stod(number);
}

class TableReader {
 public:
  TableReader(const ChannelGrid& grid, const GridLayout& english)
      : grid_(grid), english_(english) {}

  CsvChannels read(const std::string& text);

 private:
  void readHeader(const CsvRecord& header);
  void readRow(const CsvRecord& record, CsvChannelRow& row);
  void readLocation(const RowFields& fields, CsvChannelRow& row);
  void checkWidth(const CsvRecord& record, const RowFields& fields);
  std::optional<std::int32_t> frequency(const RowFields& row, Field field,
                                        const std::string& text) const;
  void readTx(const RowFields& row, ChannelEntry& entry) const;
  void readTones(const RowFields& row, ChannelEntry& entry) const;
  void readOptions(const RowFields& row, ChannelEntry& entry) const;
  void readPower(const RowFields& row, ChannelEntry& entry) const;
  void readItem(const RowFields& row, const std::string& name, int column,
                ChannelEntry& entry) const;

  const ChannelGrid& grid_;
  const GridLayout& english_;
  CsvChannels table_;
  std::size_t width_ = 0;
  std::map<std::string, std::size_t> columns_;
  std::string headerRow_;    // "row 1" where the header stands
  std::vector<bool> taken_;  // by location
  bool dropped_ = false;
};

CsvChannels TableReader::read(const std::string& text) {
  table_.separator = detectSeparator(text);
  std::vector<int> lines;
  const std::vector<CsvRecord> records = parseCsv(text, table_.separator, &lines);
  if (records.empty()) {
    table_.faults.push_back("row 1: the table is empty");
    return table_;
  }
  table_.header = !isWholeNumber(records.front().front()) && !blank(records.front());
  headerRow_ = "row " + std::to_string(lines.front());
  readHeader(table_.header ? records.front() : headerRecord(grid_, english_));
  table_.locations = columns_.contains(kFixedNames[kLocation]);
  if (!table_.faults.empty()) return table_;
  taken_.assign(static_cast<std::size_t>(grid_.rows()) + 1, false);
  for (std::size_t i = table_.header ? 1 : 0; i < records.size(); ++i) {
    if (blank(records[i])) continue;
    CsvChannelRow& row = table_.rows.emplace_back();
    row.source = lines[i];
    readRow(records[i], row);
  }
  if (dropped_) table_.notes.push_back(kDroppedNote);
  return table_;
}

void TableReader::readHeader(const CsvRecord& header) {
  const CsvRecord known = headerRecord(grid_, english_);
  width_ = header.size();
  for (std::size_t i = 0; i < header.size(); ++i) {
    const bool ignored = std::find(kIgnoredColumns.begin(), kIgnoredColumns.end(), header[i]) !=
                         kIgnoredColumns.end();
    if (!ignored && std::find(known.begin(), known.end(), header[i]) == known.end())
      table_.faults.push_back(headerRow_ + " " + header[i] + ": no such column");
    else if (!columns_.emplace(header[i], i).second)
      table_.faults.push_back(headerRow_ + " " + header[i] + ": column given twice");
  }
  if (!columns_.contains(kFixedNames[kFrequency]))
    table_.faults.push_back(headerRow_ + ": no " + kFixedNames[kFrequency] + " column");
}

void TableReader::readRow(const CsvRecord& record, CsvChannelRow& row) {
  const RowFields fields(record, columns_, row);
  checkWidth(record, fields);
  for (const Field dropped : kDroppedFields) dropped_ = dropped_ || !fields.field(dropped).empty();
  readLocation(fields, row);
  if (fields.field(kFrequency).empty()) return;
  const auto rx = frequency(fields, kFrequency, fields.field(kFrequency));
  row.entry.rx = rx.value_or(0);
  if (rx) readTx(fields, row.entry);
  readTones(fields, row.entry);
  readOptions(fields, row.entry);
}

// Fields past the header are faults, but for one empty field other tools add.
void TableReader::checkWidth(const CsvRecord& record, const RowFields& fields) {
  const bool oneEmptyMore = record.size() == width_ + 1 && record.back().empty();
  if (record.size() > width_ && !oneEmptyMore)
    fields.fault("has " + std::to_string(record.size()) + " fields, the header " +
                 std::to_string(width_));
}

void TableReader::readLocation(const RowFields& fields, CsvChannelRow& row) {
  if (!fields.has(kLocation)) return;
  const std::string location = fields.field(kLocation);
  const auto number = isWholeNumber(location) ? scaledHalfEven(location, 0) : std::nullopt;
  if (number && *number > grid_.rows())
    return fields.fault("Location", location + " is past channel " + std::to_string(grid_.rows()));
  if (!number || *number < 1)
    return fields.fault("Location",
                        location + " is not a channel 1-" + std::to_string(grid_.rows()));
  const auto slot = static_cast<std::size_t>(*number);
  if (taken_[slot]) return fields.fault("Location", location + " is given twice");
  taken_[slot] = true;
  row.location = static_cast<int>(*number);
}

std::optional<std::int32_t> TableReader::frequency(const RowFields& row, Field field,
                                                   const std::string& text) const {
  const auto value = parseMegahertz(text);
  if (!value) {
    row.fault(kFixedNames[field], text + " is not a frequency in MHz");
    return std::nullopt;
  }
  const std::string outside = bandFault(text, *value, grid_.band());
  if (outside.empty()) return value;
  row.fault(kFixedNames[field], outside);
  return std::nullopt;
}

void TableReader::readTx(const RowFields& row, ChannelEntry& entry) const {
  const std::string duplex = row.field(kDuplex);
  const std::string offset = row.field(kOffset);
  if (duplex.empty()) {
    entry.tx = entry.rx;
    return;
  }
  if (duplex == "off") return;
  if (duplex != "+" && duplex != "-" && duplex != "split")
    return row.fault("Duplex", duplex + " is not empty, +, -, split or off");
  const auto shift = parseMegahertz(offset);
  if (!shift) return row.fault("Offset", offset + " is not a frequency in MHz");
  const std::int64_t tx = duplex == "split" ? *shift
                          : duplex == "+"   ? static_cast<std::int64_t>(entry.rx) + *shift
                                            : static_cast<std::int64_t>(entry.rx) - *shift;
  const auto held = static_cast<std::int32_t>(
      std::clamp<std::int64_t>(tx, -1, std::numeric_limits<std::int32_t>::max()));
  const std::string outside = bandFault(tx < 0 ? "below 0" : megahertz6(tx), held, grid_.band());
  if (!outside.empty()) return row.fault("Offset", "TX " + outside);
  entry.tx = held;
}

// DTCS-R is DTCS with both codes inverted.
TonePlan readPlan(const RowFields& row) {
  TonePlan plan;
  plan.mode = row.field(kTone);
  const auto take = [&](Field field, std::string& target) {
    if (!row.field(field).empty()) target = row.field(field);
  };
  take(kRToneFreq, plan.txCtcss);
  take(kCToneFreq, plan.rxCtcss);
  take(kDtcsCode, plan.txDcs);
  take(kDtcsPolarity, plan.polarity);
  take(kCrossMode, plan.crossMode);
  plan.rxDcs = row.field(kRxDtcsCode).empty() ? plan.txDcs : row.field(kRxDtcsCode);
  if (plan.mode == kInvertedDcsMode) {
    plan.mode = "DTCS";
    plan.polarity = "RR";
  }
  return plan;
}

void TableReader::readTones(const RowFields& row, ChannelEntry& entry) const {
  const TonePlan plan = readPlan(row);
  if (plan.mode == kReverseTsqlMode)
    return row.fault("Tone", plan.mode + " is not a tone mode of this radio");
  for (const auto& [field, code] : {std::pair{kDtcsCode, plan.txDcs}, {kRxDtcsCode, plan.rxDcs}})
    if (!threeOctalDigits(code)) return row.fault(kFixedNames[field], code + " is not a DCS code");
  const ToneCodec& tones = grid_.tones();
  const PlanTones texts = planTones(plan, tones.offText());
  if (!texts.fault.empty()) return row.fault(texts.fault);
  // TSQL takes both tones from cToneFreq.
  const Field txField = plan.mode == "TSQL" ? kCToneFreq : kRToneFreq;
  for (const auto& [field, tone] : {std::pair{txField, texts.tx}, {kCToneFreq, texts.rx}}) {
    const std::string wrong = toneFault(tones, tone);
    if (!wrong.empty()) return row.fault(kFixedNames[field], wrong);
  }
  entry.txTone = tones.normalise(texts.tx);
  entry.rxTone = tones.normalise(texts.rx);
}

void TableReader::readItem(const RowFields& row, const std::string& name, int column,
                           ChannelEntry& entry) const {
  const std::string text = row.field(name);
  if (text.empty()) return;
  const auto position = itemPosition(english_, column, text);
  if (!position) return row.fault(name, text + " is not one of its choices");
  entry.options[static_cast<std::size_t>(column)] = *position;
}

void TableReader::readPower(const RowFields& row, ChannelEntry& entry) const {
  const auto power = watts(row.field(kPower));
  if (!power) return readItem(row, kFixedNames[kPower], kPowerColumn, entry);
  const auto position =
      itemPosition(english_, kPowerColumn, *power >= kHighPowerWatts ? kHighPower : kLowPower);
  if (position) entry.options[kPowerColumn] = *position;
}

void TableReader::readOptions(const RowFields& row, ChannelEntry& entry) const {
  const std::string mode = row.field(kMode);
  const auto width = std::find(kModes.begin(), kModes.end(), mode);
  if (width != kModes.end())
    entry.options[kBandwidthColumn] = static_cast<std::int32_t>(width - kModes.begin());
  else if (!mode.empty())
    row.fault("Mode", mode + " is not FM or NFM");
  readPower(row, entry);
  const std::string skip = row.field(kSkip);
  if (!skip.empty() && skip != kSkipped) row.fault("Skip", skip + " is not empty or S");
  entry.options[kScanAddColumn] = skip.empty() ? kScanAddedPosition : 1 - kScanAddedPosition;
  for (int c = col::kFirstOption; c <= lastOptionColumn(grid_, english_); ++c)
    if (isExtraOption(c)) readItem(row, english_.captions.at(c), c, entry);
}

}  // namespace

CsvChannels readChannelTable(const std::string& text, const ChannelGrid& grid,
                             const GridLayout& english) {
  return TableReader(grid, english).read(text);
}

}  // namespace q7
