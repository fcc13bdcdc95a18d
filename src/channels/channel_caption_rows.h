#pragma once
// Caption rows of the channel window's own texts.
namespace q7::row {
inline constexpr int kModelName = 16;
inline constexpr int kLockChannelInterface = 47;
inline constexpr int kDeleteChannel = 110;
inline constexpr int kDeleteAllChannels = 112;
inline constexpr int kModelType = 113;
inline constexpr int kFrequency = 114;
inline constexpr int kCustomBand = 115;
inline constexpr int kModelInformation = 207;
inline constexpr int kChannelInfo = 208;
inline constexpr int kCustomTitle = 370;
inline constexpr int kFreMin = 371;
inline constexpr int kFreMax = 372;
inline constexpr int kOk = 373;
inline constexpr int kCancel = 374;
inline constexpr int kRestoreDefault = 400;
inline constexpr int kOpenChannel = 458;
inline constexpr int kSaveAsDefault = 459;
}  // namespace q7::row
