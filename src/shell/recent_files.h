#pragma once
// The data files last opened or saved, newest first, kept in a section of the
// settings file so that the list outlives the program.
#include <filesystem>
#include <vector>

#include "foundation/profile_file.h"

namespace q7 {

inline constexpr const char* kRecentSection = "RecentFiles";
inline constexpr std::size_t kRecentCount = 8;

class RecentFiles {
 public:
  explicit RecentFiles(ProfileFile& settings) : settings_(settings) {}

  // Puts the file first in the list (once, by its absolute path); the ninth goes.
  void remember(const std::filesystem::path& file);
  // The files that still exist, newest first; the ones gone leave the settings too.
  std::vector<std::filesystem::path> existing();

 private:
  std::vector<std::filesystem::path> stored() const;
  void store(const std::vector<std::filesystem::path>& files);

  ProfileFile& settings_;
};

}  // namespace q7
