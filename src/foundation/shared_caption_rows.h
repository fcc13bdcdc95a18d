#pragma once
// Caption rows the program's parts share: its title, the title of its
// notices, the status bar's texts and the dealer's backup message.
namespace q7::row {
inline constexpr int kTitle = 16;
inline constexpr int kNotice = 70;
inline constexpr int kFileName = 85;
inline constexpr int kReady = 94;
inline constexpr int kNotPresent = 449;
inline constexpr int kBackupFailed = 467;
}  // namespace q7::row
