#include "foundation/ui/standard_folders.h"

#include <QStandardPaths>

namespace q7 {
namespace {

constexpr const char* kUserSubfolder = "q7cps";

std::filesystem::path standardFolder(QStandardPaths::StandardLocation location) {
  return std::filesystem::path(QStandardPaths::writableLocation(location).toStdString()) /
         kUserSubfolder;
}

}  // namespace

UserFolders standardUserFolders() {
  return {standardFolder(QStandardPaths::GenericConfigLocation),
          standardFolder(QStandardPaths::DocumentsLocation)};
}

FileLocations prepareFileLocations(const std::filesystem::path& executableFolder) {
  const FileLocations locations = locateFiles(executableFolder, standardUserFolders());
  seedUserFiles(locations);
  return locations;
}

}  // namespace q7
