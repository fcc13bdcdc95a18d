#include "comm/backup_store.h"

#include <algorithm>
#include <mutex>
#include <regex>
#include <stdexcept>
#include <vector>

#include "channels/radio_charset.h"
#include "foundation/error_report.h"

namespace q7 {
namespace {

constexpr int kInfoLineForName = 1;
constexpr std::string_view kRefused = "/\\:*?\"<>|'`$&;!";

const char* kindName(BackupKind kind) {
  return kind == BackupKind::Read ? "read" : "write";
}

bool isBackupName(const std::string& name) {
  static const std::regex pattern(R"(\d{4}-\d{2}-\d{2}_\d{4}_(read|write).*\.dat)");
  return std::regex_match(name, pattern);
}

std::tm localTime(std::chrono::system_clock::time_point when) {
  const std::time_t seconds = std::chrono::system_clock::to_time_t(when);
  std::tm local{};
  localtime_r(&seconds, &local);
  return local;
}

}  // namespace

std::string fileNameSafe(const std::string& text) {
  std::string safe;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == ' ') {
      safe += '_';
    } else if (byte >= 0x20 && byte != 0x7F && kRefused.find(c) == std::string_view::npos) {
      safe += c;
    }
  }
  const auto first = safe.find_first_not_of("_.");
  const auto last = safe.find_last_not_of("_.");
  return first == std::string::npos ? std::string() : safe.substr(first, last - first + 1);
}

std::string backupFileName(const std::tm& local, BackupKind kind, const std::string& infoLine,
                           int suffix) {
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y-%m-%d_%H%M", &local);
  std::string name = std::string(stamp) + "_" + kindName(kind);
  const std::string line = fileNameSafe(infoLine);
  if (!line.empty()) name += "_" + line;
  if (suffix > 1) name += "_" + std::to_string(suffix);
  return name + ".dat";
}

std::filesystem::path saveBackup(const std::filesystem::path& folder, const CodeplugImage& image,
                                 BackupKind kind, std::chrono::system_clock::time_point when) {
  // Radios written side by side may back up in the same minute: choosing the
  // free name and saving under it is one step, so no backup overwrites another.
  static std::mutex choosingName;
  const std::lock_guard<std::mutex> lock(choosingName);
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (!std::filesystem::is_directory(folder))
    throw std::runtime_error("cannot make the backup folder " + folder.string());
  const std::tm local = localTime(when);
  const std::string line = decodeInfoLine(image, kInfoLineForName);
  std::filesystem::path path;
  for (int suffix = 1;; ++suffix) {
    path = folder / backupFileName(local, kind, line, suffix);
    if (!std::filesystem::exists(path, ec)) break;
  }
  try {
    writeDataFile(path, image);
  } catch (const Failure&) {
    throw std::runtime_error("cannot save the backup " + path.string());
  }
  pruneBackups(folder, kBackupsKept);
  return path;
}

void pruneBackups(const std::filesystem::path& folder, std::size_t kept) {
  struct Entry {
    std::filesystem::file_time_type time;
    std::filesystem::path path;
  };
  std::vector<Entry> backups;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
    if (!entry.is_regular_file(ec) || !isBackupName(entry.path().filename().string())) continue;
    backups.push_back({entry.last_write_time(ec), entry.path()});
  }
  if (backups.size() <= kept) return;
  std::sort(backups.begin(), backups.end(), [](const Entry& a, const Entry& b) {
    return a.time != b.time ? a.time < b.time : a.path < b.path;
  });
  for (std::size_t i = 0; i + kept < backups.size(); ++i)
    std::filesystem::remove(backups[i].path, ec);
}

}  // namespace q7
