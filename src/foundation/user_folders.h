#pragma once
// The user's own folders for the settings file and the data folder, found by
// the desktop's rules (XDG base directories and user directories): the
// configuration folder's q7cps ($XDG_CONFIG_HOME, else ~/.config) and the
// documents folder's q7cps (XDG_DOCUMENTS_DIR of user-dirs.dirs in the
// configuration folder, else ~/Documents).
#include <filesystem>
#include <functional>

#include "foundation/file_locations.h"

namespace q7 {

// Looks up an environment variable; null when it is not set.
using EnvironmentLookup = std::function<const char*(const char*)>;

// The user's folders by the environment `env`; `fallbackHome` stands for
// $HOME when the environment names no home.
UserFolders xdgUserFolders(const EnvironmentLookup& env, const std::filesystem::path& fallbackHome);

// The user's folders by this process's environment.
UserFolders standardUserFolders();

// The locations for a program started from `executableFolder`, with the
// user's folders seeded where they are used.
FileLocations prepareFileLocations(const std::filesystem::path& executableFolder);

}  // namespace q7
