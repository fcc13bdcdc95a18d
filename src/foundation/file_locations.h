#pragma once
// Where the program's files are. The shipped files (template, factory
// defaults, help, the shipped settings and data folder) stand beside the
// program in the build tree, or in ../share/q7cps once installed. The
// settings file and the data folder stay beside the program while its folder
// can be written; an installed program keeps them in the user's own folders,
// seeded from the shipped copies on the first start.
#include <filesystem>
#include <functional>

namespace q7 {

inline constexpr const char* kInstalledShareFolder = "../share/q7cps";
// The shipped template (the blank image New starts from) and the factory defaults.
inline constexpr const char* kTemplateFileName = "dhcpqec.def";
inline constexpr const char* kDefaultsFileName = "DefRadioSet.def";

// The user's own folders, as the platform names them.
struct UserFolders {
  std::filesystem::path settings;  // holds the settings file
  std::filesystem::path data;      // the data folder
};

struct FileLocations {
  std::filesystem::path programFolder;   // the shipped, read-only files
  std::filesystem::path settingsFolder;  // where the settings file is read and written
  std::filesystem::path dataFolder;      // where data files are saved by default
  bool inUserFolders = false;
};

using WritableCheck = std::function<bool(const std::filesystem::path&)>;

// True when this process may create files in `folder`.
bool folderWritable(const std::filesystem::path& folder);

// The locations for a program started from `executableFolder`.
FileLocations locateFiles(const std::filesystem::path& executableFolder, const UserFolders& user,
                          const WritableCheck& writable = folderWritable);

// Creates the user's folders and copies the shipped settings file and the
// shipped data files into them where the user has no copy yet; a file the
// user already has is never replaced. Does nothing beside the program.
void seedUserFiles(const FileLocations& locations);

}  // namespace q7
