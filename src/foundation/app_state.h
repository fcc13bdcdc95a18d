#pragma once
// The process-wide state the start-up sequence prepares and many windows read:
// settings file, language and captions, port, data file paths, font, colours,
// memory ranges, the exit flags, the lock state and the two image arrays.
#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

#include "foundation/caption_table.h"
#include "foundation/codeplug_image.h"
#include "foundation/file_locations.h"
#include "foundation/profile_file.h"

namespace q7 {

// Entry i = 2^i, and its clear mask 0xFFFF - 2^i, for testing and clearing flag bits.
inline constexpr std::array<std::uint16_t, 16> kBitValue = [] {
  std::array<std::uint16_t, 16> t{};
  for (int i = 0; i < 16; ++i) t[i] = static_cast<std::uint16_t>(1u << i);
  return t;
}();
inline constexpr std::array<std::uint16_t, 16> kBitClear = [] {
  std::array<std::uint16_t, 16> t{};
  for (int i = 0; i < 16; ++i) t[i] = static_cast<std::uint16_t>(0xFFFFu - (1u << i));
  return t;
}();

// Ends each item list of the channel grid layout.
inline constexpr const char* kItemEndMarker = "*EndOfThisItem*";

inline constexpr const char* kLockedText = "ShowLock";
inline constexpr const char* kUnlockedText = "ShowNo";

// Memory ranges of reading, writing, the memory view and its partial fill, with
// the texts typed for them (the communication window shows the texts).
struct MemoryRanges {
  long tableMax = 0x1FFF;
  long readStart = 0, readEnd = 0x1FFF;
  long writeStart = 0, writeEnd = 0x1FFF;
  long fillStart = 0, fillEnd = 0x1FFF;
  std::string tableMaxText = "1FFF";
  std::string readStartText = "0000", readEndText = "1FFF";
  std::string writeStartText = "0000", writeEndText = "1FFF";
};

inline constexpr const char* kSettingsFile = "corvane.def";
inline constexpr const char* kDataFolderName = "Data";

struct AppState {
  // Where the shipped files are: template, defaults, help, the shipped settings.
  std::filesystem::path programFolder;
  // Where the settings file is read and written; empty: the program folder.
  std::filesystem::path settingsFolder;
  // Where data files are saved by default; empty: "Data" in the program folder.
  std::filesystem::path dataFolder;
  ProfileFile settings;
  int language = kEnglish;
  CaptionTable captions;
  int port = 1;
  std::filesystem::path defaultDataPath;
  std::filesystem::path currentDataPath;
  std::string fontFace = "Times New Roman";
  long overColor = 8421631;
  long defColor = 16777215;
  MemoryRanges ranges;
  bool quitWithoutAsking = false;
  bool closing = false;
  std::string lockState = kUnlockedText;
  CodeplugImage image;
  CodeplugImage templateImage;

  void useLocations(const FileLocations& where) {
    programFolder = where.programFolder;
    settingsFolder = where.settingsFolder;
    dataFolder = where.dataFolder;
  }
  std::filesystem::path settingsPath() const {
    return (settingsFolder.empty() ? programFolder : settingsFolder) / kSettingsFile;
  }
  std::filesystem::path dataFolderPath() const {
    return dataFolder.empty() ? programFolder / kDataFolderName : dataFolder;
  }
  bool locked() const { return lockState == kLockedText; }
  const std::string& caption(int row) const { return captions(row); }
};

}  // namespace q7
