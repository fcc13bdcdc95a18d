#pragma once
// A test's program folder: the shipped settings, template and defaults files
// copied beside the program, with the "Setting" keys the test names. No port
// of this machine takes part: every port points at nothing.
#include <filesystem>
#include <map>
#include <string>

#include "foundation/profile_file.h"

namespace q7::test {

inline void shipProgramFiles(const std::filesystem::path& folder,
                             const std::map<std::string, std::string>& setting) {
  for (const char* name : {"corvane.def", "dhcpqec.def", "DefRadioSet.def"}) {
    std::filesystem::copy_file(std::filesystem::path(Q7_DATA_DIR) / name, folder / name,
                               std::filesystem::copy_options::overwrite_existing);
  }
  ProfileFile settings(folder / "corvane.def");
  for (const auto& [key, value] : setting) settings.write("Setting", key, value);
  for (int port = 1; port <= 16; ++port)
    settings.write("Ports", std::to_string(port), (folder / "none").string());
}

}  // namespace q7::test
