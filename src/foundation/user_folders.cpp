#include "foundation/user_folders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>

namespace q7 {
namespace {

namespace fs = std::filesystem;

constexpr const char* kUserSubfolder = "q7cps";
constexpr std::string_view kDocumentsKey = "XDG_DOCUMENTS_DIR=";
constexpr std::string_view kHomeVariable = "$HOME";

std::optional<fs::path> absoluteVariable(const EnvironmentLookup& env, const char* name) {
  const char* value = env(name);
  if (!value || !*value || !fs::path(value).is_absolute()) return std::nullopt;
  return fs::path(value);
}

// A value of user-dirs.dirs: "$HOME/yyy" or "/yyy", quoted, with shell
// escapes; anything else is not a folder.
std::optional<fs::path> userDirValue(std::string_view text, const fs::path& home) {
  if (text.size() < 2 || text.front() != '"' || text.back() != '"') return std::nullopt;
  text = text.substr(1, text.size() - 2);
  std::string value;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 1 < text.size()) ++i;
    value += text[i];
  }
  if (text.starts_with(kHomeVariable)) {
    return home / fs::path(value.substr(kHomeVariable.size())).relative_path();
  }
  if (!fs::path(value).is_absolute()) return std::nullopt;
  return fs::path(value);
}

std::optional<fs::path> documentsFromUserDirs(const fs::path& configHome, const fs::path& home) {
  std::ifstream in(configHome / "user-dirs.dirs");
  std::optional<fs::path> documents;
  for (std::string line; std::getline(in, line);) {
    if (!line.starts_with(kDocumentsKey)) continue;
    if (auto value = userDirValue(std::string_view(line).substr(kDocumentsKey.size()), home)) {
      documents = value;
    }
  }
  return documents;
}

fs::path accountHome() {
  const passwd* account = ::getpwuid(::getuid());
  return account && account->pw_dir ? fs::path(account->pw_dir) : fs::path("/");
}

}  // namespace

UserFolders xdgUserFolders(const EnvironmentLookup& env, const fs::path& fallbackHome) {
  const fs::path home = absoluteVariable(env, "HOME").value_or(fallbackHome);
  const fs::path configHome = absoluteVariable(env, "XDG_CONFIG_HOME").value_or(home / ".config");
  const fs::path documents = documentsFromUserDirs(configHome, home).value_or(home / "Documents");
  return {configHome / kUserSubfolder, documents / kUserSubfolder};
}

UserFolders standardUserFolders() {
  return xdgUserFolders([](const char* name) { return std::getenv(name); }, accountHome());
}

FileLocations prepareFileLocations(const fs::path& executableFolder) {
  const FileLocations locations = locateFiles(executableFolder, standardUserFolders());
  seedUserFiles(locations);
  return locations;
}

}  // namespace q7
