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
// Notes on typed frequencies.
inline constexpr int kAboveTheBand = 500;
inline constexpr int kBelowTheBand = 501;
inline constexpr int kOffTheStep = 502;
inline constexpr int kTypedNotAFrequency = 503;
// The row commands of the Edit menu and the channel popup.
inline constexpr int kCut = 504;
inline constexpr int kCopy = 505;
inline constexpr int kPaste = 506;
inline constexpr int kInsertChannel = 507;
inline constexpr int kDeleteAndShiftUp = 508;
inline constexpr int kMoveUp = 509;
inline constexpr int kMoveDown = 510;
inline constexpr int kSortByRx = 511;
inline constexpr int kFillDown = 512;
inline constexpr int kEditSelected = 513;
}  // namespace q7::row
