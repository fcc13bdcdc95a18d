#pragma once
// Caption rows of the option pages' own texts and of their dialogs; the option
// tables name the rows of their labels and list items.
namespace q7::row {
inline constexpr int kVolumeTitle = 334;
inline constexpr int kVolumeStep = 335;
inline constexpr int kVolumeLevel = 336;
inline constexpr int kVolumeDefault = 337;
inline constexpr int kVolumeUseThisSet = 338;
inline constexpr int kVolumeOk = 339;
inline constexpr int kSelectAll = 367;
inline constexpr int kSelectNone = 368;
inline constexpr int kPttIdPauseTitle = 387;
inline constexpr int kPttIdPauseChannel = 388;
inline constexpr int kPttIdPauseOk = 389;
inline constexpr int kVoxCompareVoltage = 401;
inline constexpr int kVoxLevelSuffix = 402;
inline constexpr int kFirstKeyFunction = 411;
inline constexpr int kFirstDigitDelay = 245;
inline constexpr int kSideTone = 340;
inline constexpr int kAutoResetTimer = 345;
inline constexpr int kInfoLine2 = 600;
// The serial number file example: its heading and its three numbers.
inline constexpr int kSerialExample = 601;
inline constexpr int kSerialExampleFirst = 602;
}  // namespace q7::row
