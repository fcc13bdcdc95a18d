#include "channels/channel_csv.h"

#include <algorithm>
#include <array>
#include <limits>
#include <map>
#include <optional>

#include "channels/channel_entry.h"
#include "channels/csv_table.h"
#include "channels/decimal_text.h"
#include "channels/tone_plan.h"

namespace q7 {
namespace {

enum Field {
  kLocation,
  kName,
  kFrequency,
  kDuplex,
  kOffset,
  kTone,
  kRToneFreq,
  kCToneFreq,
  kDtcsCode,
  kDtcsPolarity,
  kMode,
  kPower,
  kSkip,
  kComment,
  kCrossMode,
  kRxDtcsCode,
  kFixedFields
};

constexpr std::array<const char*, kFixedFields> kFixedNames = {
    "Location",  "Name",      "Frequency", "Duplex",       "Offset", "Tone",
    "rToneFreq", "cToneFreq", "DtcsCode",  "DtcsPolarity", "Mode",   "Power",
    "Skip",      "Comment",   "CrossMode", "RxDtcsCode"};

// The option columns the common columns stand for.
constexpr int kBandwidthColumn = 5;
constexpr int kPowerColumn = 6;
constexpr int kScanAddColumn = col::kBitmapOption;
constexpr int kScanAddedPosition = 1;
constexpr std::array<const char*, 2> kModes = {"FM", "NFM"};  // wide, narrow
constexpr const char* kSkipped = "S";

bool isExtraOption(int column) {
  return isOptionColumn(column) && column != kBandwidthColumn && column != kPowerColumn &&
         column != kScanAddColumn;
}

int lastOptionColumn(const ChannelGrid& grid, const GridLayout& english) {
  return std::min(grid.columns(), english.columns);
}

// 10 Hz as MHz with six decimals: 44600625 gives "446.006250".
std::string megahertz6(std::int64_t frequency) {
  std::string tail = std::to_string(frequency % 100000 * 10);
  return std::to_string(frequency / 100000) + "." + std::string(6 - tail.size(), '0') + tail;
}

struct Duplex {
  std::string mode;
  std::string offset = "0.000000";
};

Duplex duplexOf(const ChannelEntry& entry) {
  if (entry.tx == kNoFrequency) return {"off"};
  if (entry.tx == entry.rx) return {""};
  const std::int64_t shift = static_cast<std::int64_t>(entry.tx) - entry.rx;
  return {shift > 0 ? "+" : "-", megahertz6(shift > 0 ? shift : -shift)};
}

std::string itemText(const GridLayout& english, int column, std::int32_t position) {
  const GridColumn& layout = english.at(column);
  return position >= 0 && position < layout.itemCount ? layout.itemText(position) : "";
}

// The position of an item text of a column; nullopt when the column has no such item.
std::optional<std::int32_t> itemPosition(const GridLayout& english, int column,
                                         const std::string& text) {
  for (int position = 0; position < english.at(column).itemCount; ++position)
    if (english.at(column).itemText(position) == text) return position;
  return std::nullopt;
}

CsvRecord headerRecord(const ChannelGrid& grid, const GridLayout& english) {
  CsvRecord header(kFixedNames.begin(), kFixedNames.end());
  for (int c = col::kFirstOption; c <= lastOptionColumn(grid, english); ++c)
    if (isExtraOption(c)) header.push_back(english.captions.at(c));
  return header;
}

CsvRecord channelRecord(const ChannelGrid& grid, const GridLayout& english, int row) {
  const ChannelEntry entry = readChannel(grid, row);
  CsvRecord record(kFixedFields);
  record[kLocation] = std::to_string(row);
  if (!entry.used()) {
    record.resize(headerRecord(grid, english).size());
    return record;
  }
  const std::string& off = grid.tones().offText();
  const Duplex duplex = duplexOf(entry);
  const TonePlan plan = tonePlan(entry.tx == kNoFrequency ? off : entry.txTone, entry.rxTone, off);
  const auto option = [&](int column) { return entry.options[static_cast<std::size_t>(column)]; };
  const std::int32_t width = option(kBandwidthColumn);
  record[kFrequency] = megahertz6(entry.rx);
  record[kDuplex] = duplex.mode;
  record[kOffset] = duplex.offset;
  record[kTone] = plan.mode;
  record[kRToneFreq] = plan.txCtcss;
  record[kCToneFreq] = plan.rxCtcss;
  record[kDtcsCode] = plan.txDcs;
  record[kDtcsPolarity] = plan.polarity;
  record[kMode] = width >= 0 && width < 2 ? kModes[static_cast<std::size_t>(width)] : "";
  record[kPower] = itemText(english, kPowerColumn, option(kPowerColumn));
  record[kSkip] = option(kScanAddColumn) == kScanAddedPosition ? "" : kSkipped;
  record[kCrossMode] = plan.crossMode;
  record[kRxDtcsCode] = plan.rxDcs;
  for (int c = col::kFirstOption; c <= lastOptionColumn(grid, english); ++c)
    if (isExtraOption(c)) record.push_back(itemText(english, c, option(c)));
  return record;
}

// One data row of a table being read: its fields by column name, and the faults met.
class CsvRow {
 public:
  CsvRow(const CsvRecord& record, const std::map<std::string, std::size_t>& columns, int number,
         std::vector<std::string>& faults)
      : record_(record), columns_(columns), number_(number), faults_(faults) {}

  std::string field(const std::string& name) const {
    const auto found = columns_.find(name);
    return found == columns_.end() || found->second >= record_.size() ? "" : record_[found->second];
  }
  std::string field(Field name) const { return field(kFixedNames[name]); }
  bool blank() const {
    return std::all_of(record_.begin(), record_.end(), [](const auto& f) { return f.empty(); });
  }
  void fault(const std::string& column, const std::string& what) const {
    faults_.push_back("row " + std::to_string(number_) + " " + column + ": " + what);
  }
  // "Column: why" from a check elsewhere.
  void fault(const std::string& columnAndWhat) const {
    faults_.push_back("row " + std::to_string(number_) + " " + columnAndWhat);
  }

 private:
  const CsvRecord& record_;
  const std::map<std::string, std::size_t>& columns_;
  int number_;
  std::vector<std::string>& faults_;
};

class CsvReader {
 public:
  CsvReader(ChannelGrid& grid, const GridLayout& english) : grid_(grid), english_(english) {
    entries_.resize(static_cast<std::size_t>(grid.rows()) + 1);
  }

  std::vector<std::string> read(const std::string& text);

 private:
  bool readHeader(const CsvRecord& header);
  void readRow(const CsvRow& row);
  std::optional<std::int32_t> frequency(const CsvRow& row, Field field, const std::string& text);
  void readTx(const CsvRow& row, ChannelEntry& entry);
  void readTones(const CsvRow& row, ChannelEntry& entry);
  void readOptions(const CsvRow& row, ChannelEntry& entry);
  void readItem(const CsvRow& row, const std::string& name, int column, ChannelEntry& entry);

  ChannelGrid& grid_;
  const GridLayout& english_;
  std::map<std::string, std::size_t> columns_;
  std::vector<std::optional<ChannelEntry>> entries_;  // by location
  std::vector<std::string> faults_;
};

std::vector<std::string> CsvReader::read(const std::string& text) {
  const std::vector<CsvRecord> records = parseCsv(text);
  if (records.empty()) return {"row 1: no header row"};
  if (!readHeader(records.front())) return faults_;
  for (std::size_t i = 1; i < records.size(); ++i) {
    const CsvRow row(records[i], columns_, static_cast<int>(i + 1), faults_);
    if (!row.blank()) readRow(row);
  }
  if (!faults_.empty()) return faults_;
  for (int location = 1; location <= grid_.rows(); ++location)
    enterChannel(grid_, location,
                 entries_[static_cast<std::size_t>(location)].value_or(ChannelEntry{}));
  return {};
}

bool CsvReader::readHeader(const CsvRecord& header) {
  const CsvRecord known = headerRecord(grid_, english_);
  for (std::size_t i = 0; i < header.size(); ++i) {
    if (std::find(known.begin(), known.end(), header[i]) == known.end())
      faults_.push_back("row 1 " + header[i] + ": no such column");
    else if (!columns_.emplace(header[i], i).second)
      faults_.push_back("row 1 " + header[i] + ": column given twice");
  }
  for (const Field needed : {kLocation, kFrequency})
    if (!columns_.contains(kFixedNames[needed]))
      faults_.push_back(std::string("row 1: no ") + kFixedNames[needed] + " column");
  return faults_.empty();
}

void CsvReader::readRow(const CsvRow& row) {
  const std::string location = row.field(kLocation);
  const auto number = scaledHalfEven(location, 0);
  const bool whole = isNumeric(location) && location.find('.') == std::string::npos;
  if (!whole || !number || *number < 1 || *number > grid_.rows())
    return row.fault("Location", location + " is not a channel 1-" + std::to_string(grid_.rows()));
  auto& slot = entries_[static_cast<std::size_t>(*number)];
  if (slot) return row.fault("Location", location + " is given twice");
  ChannelEntry entry;
  if (!row.field(kFrequency).empty()) {
    const auto rx = frequency(row, kFrequency, row.field(kFrequency));
    entry.rx = rx.value_or(0);
    if (rx) readTx(row, entry);
    readTones(row, entry);
    readOptions(row, entry);
  }
  slot = entry;
}

std::optional<std::int32_t> CsvReader::frequency(const CsvRow& row, Field field,
                                                 const std::string& text) {
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

void CsvReader::readTx(const CsvRow& row, ChannelEntry& entry) {
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

bool threeOctalDigits(const std::string& code) {
  return code.size() == 3 && code.find_first_not_of("01234567") == std::string::npos;
}

void CsvReader::readTones(const CsvRow& row, ChannelEntry& entry) {
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

void CsvReader::readItem(const CsvRow& row, const std::string& name, int column,
                         ChannelEntry& entry) {
  const std::string text = row.field(name);
  if (text.empty()) return;
  const auto position = itemPosition(english_, column, text);
  if (!position) return row.fault(name, text + " is not one of its choices");
  entry.options[static_cast<std::size_t>(column)] = *position;
}

void CsvReader::readOptions(const CsvRow& row, ChannelEntry& entry) {
  const std::string mode = row.field(kMode);
  const auto width = std::find(kModes.begin(), kModes.end(), mode);
  if (width != kModes.end())
    entry.options[kBandwidthColumn] = static_cast<std::int32_t>(width - kModes.begin());
  else if (!mode.empty())
    row.fault("Mode", mode + " is not FM or NFM");
  readItem(row, kFixedNames[kPower], kPowerColumn, entry);
  const std::string skip = row.field(kSkip);
  if (!skip.empty() && skip != kSkipped) row.fault("Skip", skip + " is not empty or S");
  entry.options[kScanAddColumn] = skip.empty() ? kScanAddedPosition : 1 - kScanAddedPosition;
  for (int c = col::kFirstOption; c <= lastOptionColumn(grid_, english_); ++c)
    if (isExtraOption(c)) readItem(row, english_.captions.at(c), c, entry);
}

}  // namespace

std::string exportChannelsCsv(const ChannelGrid& grid, const GridLayout& english) {
  std::string text = csvLine(headerRecord(grid, english));
  for (int row = 1; row <= grid.rows(); ++row) text += csvLine(channelRecord(grid, english, row));
  return text;
}

std::vector<std::string> importChannelsCsv(const std::string& text, ChannelGrid& grid,
                                           const GridLayout& english) {
  return CsvReader(grid, english).read(text);
}

}  // namespace q7
