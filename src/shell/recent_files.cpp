#include "shell/recent_files.h"

#include <algorithm>
#include <string>

namespace q7 {
namespace {

std::string keyOf(std::size_t index) {
  return "File" + std::to_string(index + 1);
}

// Paths of one file compare equal however they were written.
std::filesystem::path absolutePath(const std::filesystem::path& file) {
  std::error_code ec;
  const auto absolute = std::filesystem::absolute(file, ec);
  return (ec ? file : absolute).lexically_normal();
}

bool present(const std::filesystem::path& file) {
  std::error_code ec;
  return std::filesystem::is_regular_file(file, ec);
}

}  // namespace

std::vector<std::filesystem::path> RecentFiles::stored() const {
  std::vector<std::filesystem::path> files;
  for (std::size_t i = 0; i < kRecentCount; ++i) {
    const std::string value = settings_.read(kRecentSection, keyOf(i), "", 4096);
    if (!value.empty()) files.emplace_back(value);
  }
  return files;
}

void RecentFiles::store(const std::vector<std::filesystem::path>& files) {
  for (std::size_t i = 0; i < kRecentCount; ++i) {
    const std::string value = i < files.size() ? files[i].string() : std::string();
    if (settings_.read(kRecentSection, keyOf(i), "", 4096) != value)
      settings_.write(kRecentSection, keyOf(i), value);
  }
}

void RecentFiles::remember(const std::filesystem::path& file) {
  const auto path = absolutePath(file);
  auto files = stored();
  std::erase(files, path);
  files.insert(files.begin(), path);
  if (files.size() > kRecentCount) files.resize(kRecentCount);
  store(files);
}

std::vector<std::filesystem::path> RecentFiles::existing() {
  const auto files = stored();
  std::vector<std::filesystem::path> kept;
  std::copy_if(files.begin(), files.end(), std::back_inserter(kept), present);
  if (kept.size() != files.size()) store(kept);
  return kept;
}

}  // namespace q7
