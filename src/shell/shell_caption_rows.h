#pragma once
// Caption rows of the main window's questions and messages: files, language,
// lock, start-up, writing, verifying, comparing, channel tables, fleet files and help.
namespace q7::row {
inline constexpr int kRestart = 68;
// The restart message and its title in the interface's language.
inline constexpr int kRestartNotice = 605;
inline constexpr int kRestartTitle = 606;
inline constexpr int kExitQuestion = 73;
inline constexpr int kNewQuestion = 74;
inline constexpr int kSaveQuestion = 82;
inline constexpr int kWrongFile = 83;
inline constexpr int kSaveFailed = 84;
inline constexpr int kSaveAsFailed = 86;
inline constexpr int kLocked = 116;
inline constexpr int kWriteSucceeded = 446;
inline constexpr int kWriteFailed = 447;
inline constexpr int kNoChannel = 448;
inline constexpr int kCsvFiles = 452;
inline constexpr int kTableFaults = 453;
inline constexpr int kTableNotSaved = 454;
inline constexpr int kVerified = 463;
inline constexpr int kVerifyFailed = 464;
inline constexpr int kOfferCompare = 465;
inline constexpr int kBackupReadFailed = 466;
inline constexpr int kCompare = 468;
inline constexpr int kNothingDiffers = 469;
inline constexpr int kReadBackFailed = 470;
inline constexpr int kTableNotRead = 474;
inline constexpr int kLockedImport = 475;
inline constexpr int kRowsLeftOut = 650;
inline constexpr int kImportTheRest = 651;
inline constexpr int kOfferTableImport = 652;
inline constexpr int kOfferFleetImport = 653;
inline constexpr int kFleetFaults = 654;
// The about box's maker lines: the copyright holder and the licence.
inline constexpr int kCopyright = 690;
inline constexpr int kLicence = 691;
inline constexpr int kUserGuide = 700;
inline constexpr int kOpenBackups = 701;
inline constexpr int kNoFileManager = 702;
inline constexpr int kUserGuideTitle = 703;
}  // namespace q7::row
