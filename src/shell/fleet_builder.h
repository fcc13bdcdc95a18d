#pragma once
// Builds an image from a parsed fleet file (fleet_json.h): the template as
// New leaves it, the unmapped bytes as the file holds them, the model and
// band, the editor opened over it and every named value set as the windows
// set it, the channels stored as Save stores them and the unmapped bytes put
// back where no value the dealer changed owns them. Each fault found on the
// way is kept as one line; a value carried as the file holds it that the
// named values cannot hold (a channel outside the band, a tone no list
// holds) is a warning.
#include <map>
#include <memory>
#include <nlohmann/json.hpp>
#include <set>
#include <string>
#include <vector>

#include "channels/channel_entry.h"
#include "foundation/app_state.h"
#include "shell/codeplug_editor.h"

namespace q7 {

using Json = nlohmann::ordered_json;

// A value in hexadecimal with at least `digits` digits, as unmapped entries give them.
std::string hexText(unsigned value, int digits);

// Every named value of the image `editor` shows, as a fleet file holds them.
Json namedValues(const CodeplugEditor& editor, const AppState& state);

class FleetBuilder {
 public:
  explicit FleetBuilder(const AppState& state);

  void build(const Json& file);
  std::vector<std::string>& faults() { return faults_; }
  std::vector<std::string>& warnings() { return warnings_; }
  const CodeplugImage& image() const { return work_.image; }
  // The image as the named values left it, before the unmapped bits were set.
  const CodeplugImage& namedImage() const { return namedImage_; }

 private:
  void fault(const std::string& where, const std::string& what) {
    faults_.push_back(where + ": " + what);
  }
  const std::string* text(const Json& value, const std::string& where);
  const Json* section(const Json& file, const char* name, bool wantArray);

  void setModel(const Json& model);
  void setBand(const Json& band);
  void setOptions(const Json& options);
  void setOption(const std::string& name, const Json& value);
  void setInfoLines(const Json& lines);
  void setTwoTone(const Json& records);
  void setVolume(const Json& volume);
  void setChannels(const Json& channels);
  void setChannel(const Json& channel);
  std::int32_t frequency(const Json& channel, const char* key, const std::string& where);
  std::string tone(const Json& channel, const char* key, const std::string& where);
  void setChannelOptions(const Json& options, ChannelEntry& entry, const std::string& where);
  void readUnmapped(const Json& unmapped);
  std::map<std::size_t, std::uint8_t> ownedBits(const Json& file);
  void settleUnmapped(const Json& file);
  void keepCarriedFaults(const Json& shown, const Json& file);

  struct UnmappedByte {
    std::size_t index;
    std::uint8_t named;
    std::uint8_t file;
  };

  AppState work_;
  std::vector<UnmappedByte> unmapped_;
  CodeplugImage namedImage_;
  std::unique_ptr<CodeplugEditor> editor_;
  std::vector<std::string> faults_;
  std::vector<std::string> warnings_;
  std::set<int> channelsSeen_;
  int row_ = 0;  // the channel being set
  struct CarriedFault {
    int row;
    const char* key;   // "rx", "tx", "rxTone", "txTone"
    std::string line;  // "channel 1 rx: 120 is outside the band 400-470"
  };
  std::vector<CarriedFault> carriedFaults_;
};

}  // namespace q7
