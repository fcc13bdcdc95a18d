#pragma once
// The keys of section "Setting" of the settings file, with the default a read
// falls back to and the longest value that survives a read whole.
#include <cstddef>
#include <string>

#include "foundation/profile_file.h"

namespace q7 {

inline constexpr const char* kSettingSection = "Setting";

struct SettingKey {
  const char* name;
  const char* fallback;
  std::size_t longest;
};

namespace key {
inline constexpr SettingKey kFirRunCheck{"FirRun", "2", 2};
inline constexpr SettingKey kFirRunDetect{"FirRun", "1", 2};
inline constexpr SettingKey kLanguage{"Language", "2", 8};
inline constexpr SettingKey kCom{"COM", "1", 8};
inline constexpr SettingKey kDatNum{"DatNum", "0", 8};
inline constexpr SettingKey kEngFont{"EngFont", "Times New Roman", 29};
inline constexpr SettingKey kChsFont{"ChsFont", "宋体", 29};
// Colours as BGR numbers: light red for frequencies outside the band, white otherwise.
inline constexpr SettingKey kOverColor{"OverColor", "8421631", 29};
inline constexpr SettingKey kDefColor{"DefColor", "16777215", 29};
inline constexpr SettingKey kTableMaxAddr{"TableMaxAddr", "1FFF", 14};
inline constexpr SettingKey kReadStartAddr{"ReadStartAddr", "0000", 14};
inline constexpr SettingKey kReadEndAddr{"ReadEndAddr", "1FFF", 14};
inline constexpr SettingKey kWriteStartAddr{"WriteStartAddr", "0000", 14};
inline constexpr SettingKey kWriteEndAddr{"WriteEndAddr", "1FFF", 14};
inline constexpr SettingKey kChannelLock{"ChannelLock", "ShowNo", 14};
// "0" turns off the backup kept of every read and before every write.
inline constexpr SettingKey kBackups{"Backups", "1", 2};
// "0" turns off the read-back that checks every write.
inline constexpr SettingKey kVerify{"Verify", "1", 2};
}  // namespace key

inline std::string readSetting(const ProfileFile& file, const SettingKey& k) {
  return file.read(kSettingSection, k.name, k.fallback, k.longest);
}

// A numeric key as a 16-bit integer; text that is not such a number gives the key's default.
inline int readSettingInt(const ProfileFile& file, const SettingKey& k) {
  return static_cast<int>(
      file.readNumber(kSettingSection, k.name, std::stol(k.fallback), k.longest));
}

// A colour number (decimal, 0..0xFFFFFF); anything else gives the key's default.
inline long readSettingColour(const ProfileFile& file, const SettingKey& k) {
  return file.readNumber(kSettingSection, k.name, std::stol(k.fallback), k.longest, 0, 0xFFFFFF);
}

inline bool writeSetting(ProfileFile& file, const SettingKey& k, const std::string& value) {
  return file.write(kSettingSection, k.name, value);
}

// A switch of the settings file: on unless the key holds 0.
inline bool settingOn(const ProfileFile& file, const SettingKey& k) {
  return readSetting(file, k) != "0";
}

}  // namespace q7
