#include "foundation/file_locations.h"

#include <unistd.h>

#include "foundation/app_state.h"

namespace q7 {
namespace {

namespace fs = std::filesystem;

// A folder holds shipped files when the settings file or the template is there.
bool holdsShippedFiles(const fs::path& folder) {
  std::error_code ec;
  return fs::exists(folder / kSettingsFile, ec) || fs::exists(folder / kTemplateFileName, ec);
}

fs::path shippedFolder(const fs::path& executableFolder) {
  if (holdsShippedFiles(executableFolder)) return executableFolder;
  const fs::path share = (executableFolder / kInstalledShareFolder).lexically_normal();
  std::error_code ec;
  return fs::is_directory(share, ec) ? share : executableFolder;
}

// Copies `from` to `to` unless `to` exists; the copy can be written by its owner.
void copyIfAbsent(const fs::path& from, const fs::path& to) {
  std::error_code ec;
  if (fs::exists(to, ec) || !fs::is_regular_file(from, ec)) return;
  if (!fs::copy_file(from, to, fs::copy_options::skip_existing, ec)) return;
  fs::permissions(to, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, ec);
}

}  // namespace

bool folderWritable(const fs::path& folder) {
  return ::access(folder.c_str(), W_OK | X_OK) == 0;
}

FileLocations locateFiles(const fs::path& executableFolder, const UserFolders& user,
                          const WritableCheck& writable) {
  const fs::path shipped = shippedFolder(executableFolder);
  if (shipped == executableFolder && writable(executableFolder)) {
    return {shipped, shipped, shipped / kDataFolderName, false};
  }
  return {shipped, user.settings, user.data, true};
}

void seedUserFiles(const FileLocations& locations) {
  if (!locations.inUserFolders) return;
  std::error_code ec;
  fs::create_directories(locations.settingsFolder, ec);
  fs::create_directories(locations.dataFolder, ec);
  copyIfAbsent(locations.programFolder / kSettingsFile, locations.settingsFolder / kSettingsFile);
  const fs::path shippedData = locations.programFolder / kDataFolderName;
  for (const auto& entry : fs::directory_iterator(shippedData, ec)) {
    copyIfAbsent(entry.path(), locations.dataFolder / entry.path().filename());
  }
}

}  // namespace q7
