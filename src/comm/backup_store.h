#pragma once
// The backups of a dealer's bench: every image read from a radio, and the
// radio's memory as it was before every write, kept as data files in the
// folder "Backups" of the data folder, named by local date and time, the kind
// of transfer and information line 1, the newest 200 kept.
#include <chrono>
#include <ctime>
#include <filesystem>
#include <string>

#include "foundation/codeplug_image.h"

namespace q7 {

inline constexpr const char* kBackupFolderName = "Backups";
inline constexpr std::size_t kBackupsKept = 200;

enum class BackupKind { Read, Write };

// The text made fit for a file name: blanks become "_", characters a file
// system refuses or a shell would trip over are dropped, UTF-8 is kept.
std::string fileNameSafe(const std::string& text);

// "YYYY-MM-DD_HHMM_read_INFO1.dat"; without "_INFO1" when the line is empty.
// `suffix` above 1 is added as "_N" before ".dat".
std::string backupFileName(const std::tm& local, BackupKind kind, const std::string& infoLine,
                           int suffix = 1);

// Saves `image` in `folder` (made when missing) under a name that no backup
// there has yet, removes the oldest backups beyond the newest 200 and returns
// the path. Throws std::runtime_error with a one-line reason.
std::filesystem::path saveBackup(const std::filesystem::path& folder, const CodeplugImage& image,
                                 BackupKind kind, std::chrono::system_clock::time_point when);

// Removes the oldest backups of `folder` (by modification time, then name)
// beyond the newest `kept`; other files are left alone.
void pruneBackups(const std::filesystem::path& folder, std::size_t kept);

}  // namespace q7
