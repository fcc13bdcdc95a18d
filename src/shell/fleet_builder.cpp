#include "shell/fleet_builder.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <optional>
#include <set>

#include "channels/channel_caption_rows.h"
#include "channels/channel_record.h"
#include "channels/decimal_text.h"
#include "channels/radio_charset.h"
#include "foundation/memory_map.h"
#include "settings/volume_steps.h"
#include "settings/volume_table.h"
#include "shell/codeplug_report.h"
#include "shell/fleet_json.h"

namespace q7 {
namespace {

const std::set<std::string> kSections = {"model",   "band",    "channels", "infoLines",
                                         "options", "twoTone", "volume",   "unmapped"};

std::string quoted(const std::string& text) {
  return Json(text).dump(-1, ' ', false, Json::error_handler_t::replace);
}

std::optional<unsigned> hexValue(const std::string& text, unsigned highest) {
  if (text.empty() || text.size() > 4 ||
      text.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
    return std::nullopt;
  const unsigned value = static_cast<unsigned>(std::stoul(text, nullptr, 16));
  if (value > highest) return std::nullopt;
  return value;
}

}  // namespace

std::string hexText(unsigned value, int digits) {
  char text[8];
  std::snprintf(text, sizeof text, "%0*X", digits, value);
  return text;
}

FleetBuilder::FleetBuilder(const AppState& state) : work_(state) {
  work_.image.loadFileLayout(work_.templateImage.bytes());
}

const std::string* FleetBuilder::text(const Json& value, const std::string& where) {
  if (value.is_string()) return value.get_ptr<const std::string*>();
  fault(where, value.dump() + " is not a text");
  return nullptr;
}

const Json* FleetBuilder::section(const Json& file, const char* name, bool wantArray) {
  const auto found = file.find(name);
  if (found == file.end()) return nullptr;
  if (wantArray ? found->is_array() : found->is_object()) return &*found;
  fault(name, wantArray ? "not a list" : "not an object");
  return nullptr;
}

void FleetBuilder::build(const Json& file) {
  if (!file.is_object()) return fault("file", "not a JSON object");
  for (const auto& [name, value] : file.items())
    if (!kSections.contains(name)) fault(name, "no such entry");
  if (const Json* unmapped = section(file, "unmapped", false)) readUnmapped(*unmapped);
  for (const UnmappedByte& byte : unmapped_) work_.image[byte.index] = byte.file;
  if (const auto found = file.find("model"); found != file.end()) setModel(*found);
  if (const Json* band = section(file, "band", false)) setBand(*band);
  editor_ = std::make_unique<CodeplugEditor>(work_);
  editor_->initialise();
  editor_->showImage();
  if (const Json* options = section(file, "options", false)) setOptions(*options);
  if (const Json* lines = section(file, "infoLines", true)) setInfoLines(*lines);
  if (const Json* records = section(file, "twoTone", true)) setTwoTone(*records);
  if (const Json* volume = section(file, "volume", false)) setVolume(*volume);
  if (const Json* channels = section(file, "channels", true)) setChannels(*channels);
  editor_->storeChannels();
  namedImage_ = work_.image;
  settleUnmapped(file);
}

void FleetBuilder::setModel(const Json& model) {
  const std::string* name = text(model, "model");
  if (name && *name != work_.caption(row::kModelName))
    fault("model", quoted(*name) + " is not " + quoted(work_.caption(row::kModelName)));
  work_.image[map::kModel] = 0;
}

void FleetBuilder::setBand(const Json& band) {
  const std::string* name = band.contains("text") ? text(band["text"], "band text") : nullptr;
  if (!name) return fault("band", "no band text");
  for (int position = 0; position < kCustomBand; ++position) {
    if (*name != kBands[static_cast<std::size_t>(position)].text) continue;
    return storeBandLimits(work_.image, bandLimits(position));
  }
  if (*name != work_.caption(row::kCustomBand))
    return fault("band", quoted(*name) + " is not a band of this radio");
  const auto limit = [&](const char* key) -> std::optional<std::int32_t> {
    const std::string* mhz =
        band.contains(key) ? text(band[key], "band " + std::string(key)) : nullptr;
    const auto value = mhz ? parseMegahertz(*mhz) : std::nullopt;
    if (!value || outsideBand(*value, kStoredRange)) {
      fault("band " + std::string(key), (mhz ? *mhz : "nothing") + " is not a limit in 120-550");
      return std::nullopt;
    }
    return value;
  };
  const auto lower = limit("lower");
  const auto upper = limit("upper");
  if (!lower || !upper) return;
  if (*upper < *lower) return fault("band", "the upper limit lies below the lower one");
  storeBandLimits(work_.image, {*lower, *upper});
}

void FleetBuilder::setOptions(const Json& options) {
  const std::set<std::string> skipped = controlsReportedElsewhere();
  for (const auto& [name, value] : options.items()) {
    const bool known = editor_->pages().has(name) && !skipped.contains(name) &&
                       editor_->pages().control(name).kind != ControlKind::Button;
    if (!known) {
      fault("option " + name, "no such option");
      continue;
    }
    setOption(name, value);
  }
}

void FleetBuilder::setOption(const std::string& name, const Json& value) {
  OptionPages& pages = editor_->pages();
  const ControlState& control = pages.control(name);
  const std::string where = "option " + name;
  if (control.kind == ControlKind::Check) {
    if (!value.is_boolean()) return fault(where, value.dump() + " is not true or false");
    return pages.click(name, value.get<bool>());
  }
  const std::string* typed = text(value, where);
  if (!typed) return;
  if (control.kind == ControlKind::Text) return pages.type(name, *typed);
  if (typed->empty()) return;
  const auto found = std::find(control.items.begin(), control.items.end(), *typed);
  if (found == control.items.end()) return fault(where, quoted(*typed) + " is not in its list");
  pages.choose(name, static_cast<int>(found - control.items.begin()));
}

void FleetBuilder::setInfoLines(const Json& lines) {
  if (lines.size() > static_cast<std::size_t>(kInfoLineCount))
    fault("infoLines", "more than " + std::to_string(kInfoLineCount) + " lines");
  for (int line = 1; line <= kInfoLineCount && line <= static_cast<int>(lines.size()); ++line) {
    const std::string* typed =
        text(lines[static_cast<std::size_t>(line - 1)], "infoLines " + std::to_string(line));
    if (typed) editor_->pages().type(elementName(kInfoLineArray, line), *typed);
  }
}

void FleetBuilder::setTwoTone(const Json& records) {
  constexpr int kRecords = kTwoToneGrids * kTwoToneRowsPerGrid;
  if (records.size() > static_cast<std::size_t>(kRecords))
    fault("twoTone", "more than " + std::to_string(kRecords) + " records");
  for (int index = 0; index < kRecords && index < static_cast<int>(records.size()); ++index) {
    const Json& record = records[static_cast<std::size_t>(index)];
    const std::string where = "twoTone " + std::to_string(index + 1);
    if (!record.is_object()) {
      fault(where, "not an object");
      continue;
    }
    for (const auto& [field, value] : record.items()) {
      const auto column =
          std::find(kTwoToneFields.begin() + kToneAFreColumn, kTwoToneFields.end(), field);
      if (column == kTwoToneFields.end()) {
        fault(where + " " + field, "no such field");
        continue;
      }
      const std::string* typed = text(value, where + " " + field);
      if (!typed) continue;
      editor_->pages().type(
          twoToneCellName(index / kTwoToneRowsPerGrid, index % kTwoToneRowsPerGrid + 1,
                          static_cast<int>(column - kTwoToneFields.begin())),
          *typed);
    }
  }
}

void FleetBuilder::setVolume(const Json& volume) {
  VolumeSteps steps(work_.image);
  if (const auto found = volume.find("steps"); found != volume.end()) {
    if (!found->is_array() || found->size() != static_cast<std::size_t>(kVolumeSteps))
      return fault("volume steps", "not a list of " + std::to_string(kVolumeSteps) + " positions");
    for (int step = 1; step <= kVolumeSteps; ++step) {
      const Json& position = (*found)[static_cast<std::size_t>(step - 1)];
      if (!position.is_number_integer() || position.get<int>() < 0 ||
          position.get<int>() >= kVolumePositions) {
        fault("volume step " + std::to_string(step),
              position.dump() + " is not a position 0-" + std::to_string(kVolumePositions - 1));
        continue;
      }
      steps.chooseVolume(step, position.get<int>());
    }
  }
  if (const auto found = volume.find("useThisSet"); found != volume.end()) {
    if (!found->is_boolean()) return fault("volume useThisSet", "not true or false");
    steps.setUseThisSet(found->get<bool>());
  }
}

void FleetBuilder::setChannels(const Json& channels) {
  for (const Json& channel : channels) setChannel(channel);
  for (int row = 1; row <= editor_->grid().rows(); ++row)
    if (!channelsSeen_.contains(row)) enterChannel(editor_->grid(), row, {});
}

std::int32_t FleetBuilder::frequency(const Json& channel, const char* key,
                                     const std::string& where) {
  const auto found = channel.find(key);
  if (found == channel.end()) return kNoFrequency;
  const std::string* mhz = text(*found, where + " " + key);
  if (!mhz || mhz->empty()) return kNoFrequency;
  const auto value = parseMegahertz(*mhz);
  if (!value) {
    fault(where + " " + key, *mhz + " is not a frequency in MHz");
    return kNoFrequency;
  }
  const std::string outside = bandFault(*mhz, *value, editor_->modelBand().limits);
  if (!outside.empty()) carriedFaults_.push_back({row_, key, where + " " + key + ": " + outside});
  return *value;
}

std::string FleetBuilder::tone(const Json& channel, const char* key, const std::string& where) {
  const auto found = channel.find(key);
  if (found == channel.end()) return editor_->grid().tones().offText();
  const std::string* typed = text(*found, where + " " + key);
  if (!typed) return {};
  const std::string wrong = toneFault(editor_->grid().tones(), *typed);
  if (!wrong.empty()) carriedFaults_.push_back({row_, key, where + " " + key + ": " + wrong});
  return *typed;
}

void FleetBuilder::setChannelOptions(const Json& options, ChannelEntry& entry,
                                     const std::string& where) {
  const GridLayout& layout = editor_->grid().layout();
  for (const auto& [caption, value] : options.items()) {
    int column = col::kFirstOption;
    while (column <= layout.columns &&
           !(isOptionColumn(column) && layout.captions.at(column) == caption))
      ++column;
    if (column > layout.columns) {
      fault(where + " " + caption, "no such channel option");
      continue;
    }
    const std::string* typed = text(value, where + " " + caption);
    if (!typed || typed->empty()) continue;
    const auto items = layout.at(column).dropList();
    const auto found = std::find(items.begin(), items.end(), *typed);
    if (found == items.end()) {
      fault(where + " " + caption, quoted(*typed) + " is not in its list");
      continue;
    }
    entry.options[static_cast<std::size_t>(column)] =
        static_cast<std::int32_t>(found - items.begin());
  }
}

void FleetBuilder::setChannel(const Json& channel) {
  const int rows = editor_->grid().rows();
  if (!channel.is_object() || !channel.contains("channel") ||
      !channel["channel"].is_number_integer()) {
    return fault("channels", "an entry without its channel number");
  }
  const int row = channel["channel"].get<int>();
  const std::string where = "channel " + std::to_string(row);
  if (row < 1 || row > rows)
    return fault(where, "no such channel (1-" + std::to_string(rows) + ")");
  if (!channelsSeen_.insert(row).second) return fault(where, "given twice");
  for (const auto& [key, value] : channel.items())
    if (key != "channel" && key != "rx" && key != "tx" && key != "rxTone" && key != "txTone" &&
        key != "options")
      fault(where + " " + key, "no such entry");
  row_ = row;
  ChannelEntry entry;
  entry.rx = frequency(channel, "rx", where);
  if (!entry.used()) return enterChannel(editor_->grid(), row, entry);
  entry.tx = frequency(channel, "tx", where);
  entry.rxTone = tone(channel, "rxTone", where);
  entry.txTone = tone(channel, "txTone", where);
  if (const auto options = channel.find("options"); options != channel.end()) {
    if (options->is_object())
      setChannelOptions(*options, entry, where);
    else
      fault(where + " options", "not an object");
  }
  enterChannel(editor_->grid(), row, entry);
}

void FleetBuilder::readUnmapped(const Json& unmapped) {
  for (const auto& [address, entry] : unmapped.items()) {
    const std::string where = "unmapped " + address;
    const auto index = hexValue(address, static_cast<unsigned>(work_.image.size() - 1));
    if (!index) {
      fault(where, "not an address 0-" + hexText(static_cast<unsigned>(work_.image.size() - 1), 3));
      continue;
    }
    const Json& bytes = entry;  // a lambda cannot take a structured binding in clang 14
    const auto byte = [&](const char* key) -> std::optional<unsigned> {
      const auto found = bytes.is_object() ? bytes.find(key) : bytes.end();
      const auto value = found != bytes.end() && found->is_string()
                             ? hexValue(found->get<std::string>(), 0xFF)
                             : std::nullopt;
      if (!value) fault(where, std::string("no byte 00-FF as \"") + key + "\"");
      return value;
    };
    const auto named = byte("named");
    const auto kept = byte("file");
    if (named && kept)
      unmapped_.push_back(
          {*index, static_cast<std::uint8_t>(*named), static_cast<std::uint8_t>(*kept)});
  }
}

// The bits of a byte that the values the dealer changed own: a channel owns
// its record and its bit in the bitmap, an information line its characters.
// A value counts as changed when its text in the file differs from what the
// image shows with the carried bytes put back.
std::map<std::size_t, std::uint8_t> FleetBuilder::ownedBits(const Json& file) {
  CodeplugImage carried = namedImage_;
  for (const UnmappedByte& byte : unmapped_) carried[byte.index] = byte.file;
  work_.image = carried;
  editor_->showImage();
  const Json shown = Json::parse(
      namedValues(*editor_, work_).dump(-1, ' ', false, Json::error_handler_t::replace));
  work_.image = namedImage_;
  std::map<std::size_t, std::uint8_t> owned;
  const auto own = [&](std::size_t first, std::size_t size, std::uint8_t bits, bool changed) {
    for (std::size_t index = first; index < first + size; ++index)
      owned[index] |= changed ? bits : std::uint8_t{0};
  };
  const auto list = [&](const char* name) {
    const auto found = file.find(name);
    return found != file.end() && found->is_array() ? &*found : nullptr;
  };
  const Json* channels = list("channels");
  for (int row = 1; row <= editor_->grid().rows(); ++row) {
    const Json& now = shown["channels"][static_cast<std::size_t>(row - 1)];
    const auto given = std::find_if(
        channels ? channels->begin() : shown.end(), channels ? channels->end() : shown.end(),
        [&](const Json& c) { return c.is_object() && c.value("channel", 0) == row; });
    const bool changed = channels && (given == channels->end() ? now["rx"] != "" : *given != now);
    own(recordAddress(row), kRecordSize, 0xFF, changed);
    const int bit = row - 1;
    own(map::kChannelBitmap + static_cast<std::size_t>(bit / 8), 1,
        static_cast<std::uint8_t>(1u << (bit % 8)), changed);
  }
  const Json* lines = list("infoLines");
  for (int line = 1; line <= kInfoLineCount; ++line) {
    const auto index = static_cast<std::size_t>(line - 1);
    const bool changed =
        lines && index < lines->size() && (*lines)[index] != shown["infoLines"][index];
    own(infoLineAddress(line), kInfoLineBytes, 0xFF, changed);
  }
  keepCarriedFaults(shown, file);
  return owned;
}

// The carried bytes back wherever no changed value owns them. A byte no
// channel or information line covers takes the file's bits in which the
// named values left it as at export.
void FleetBuilder::settleUnmapped(const Json& file) {
  const auto owned = ownedBits(file);
  for (const UnmappedByte& byte : unmapped_) {
    std::uint8_t& target = work_.image[byte.index];
    const auto found = owned.find(byte.index);
    const unsigned differs = byte.named ^ byte.file;
    const unsigned carried = found != owned.end()                           ? ~found->second
                             : (target & differs) == (byte.named & differs) ? differs
                                                                            : 0u;
    target = static_cast<std::uint8_t>((target & ~carried) | (byte.file & carried));
  }
}

// A value the named values cannot hold is a warning when the file carries it
// as the image shows it, a fault when the dealer typed it.
void FleetBuilder::keepCarriedFaults(const Json& shown, const Json& file) {
  for (const CarriedFault& carried : carriedFaults_) {
    const auto index = static_cast<std::size_t>(carried.row - 1);
    const Json now = shown["channels"][index].value(carried.key, Json());
    const bool typed =
        std::none_of(file["channels"].begin(), file["channels"].end(), [&](const Json& channel) {
          return channel.is_object() && channel.value("channel", 0) == carried.row &&
                 channel.value(carried.key, Json()) == now;
        });
    if (typed)
      faults_.push_back(carried.line);
    else
      warnings_.push_back(carried.line + "; carried as it is");
  }
}

}  // namespace q7
