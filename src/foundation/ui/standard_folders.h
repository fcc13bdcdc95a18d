#pragma once
// The user's own folders for the settings file and the data folder, as the
// desktop names them: the configuration folder's q7cps (~/.config/q7cps) and
// the documents folder's q7cps (~/Documents/q7cps).
#include <filesystem>

#include "foundation/file_locations.h"

namespace q7 {

UserFolders standardUserFolders();

// The locations for a program started from `executableFolder`, with the
// user's folders seeded where they are used.
FileLocations prepareFileLocations(const std::filesystem::path& executableFolder);

}  // namespace q7
