#include "comm/port_holders.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <fstream>
#include <optional>

namespace q7 {
namespace {

namespace fs = std::filesystem;

struct UsualHolder {
  const char* program;
  const char* hint;
};

// One line each for the holders a new cable usually meets.
constexpr UsualHolder kUsualHolders[] = {
    {"ModemManager",
     "the modem manager probes new serial ports: stop it for the cable with "
     "\"sudo systemctl stop ModemManager\""},
    {"brltty",
     "the braille display service claims CH340 cables: stop it with "
     "\"sudo systemctl stop brltty-udev.service brltty.service\", or remove the brltty package"},
};

std::optional<dev_t> deviceNumber(const fs::path& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0 || !S_ISCHR(info.st_mode)) return std::nullopt;
  return info.st_rdev;
}

std::optional<pid_t> pidOf(const std::string& name) {
  pid_t pid = 0;
  const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), pid);
  if (error != std::errc() || end != name.data() + name.size()) return std::nullopt;
  return pid;
}

bool holds(const fs::path& fdFolder, dev_t wanted) {
  std::error_code ec;
  for (const fs::directory_entry& fd : fs::directory_iterator(fdFolder, ec)) {
    const auto number = deviceNumber(fd.path());
    if (number && *number == wanted) return true;
  }
  return false;
}

std::string programName(const fs::path& processFolder) {
  std::string name;
  std::getline(std::ifstream(processFolder / "comm"), name);
  return name.empty() ? "a program" : name;
}

}  // namespace

std::vector<PortHolder> portHolders(const fs::path& device, const fs::path& proc) {
  std::vector<PortHolder> holders;
  const auto wanted = deviceNumber(device);
  if (!wanted) return holders;
  std::error_code ec;
  for (const fs::directory_entry& entry : fs::directory_iterator(proc, ec)) {
    const auto pid = pidOf(entry.path().filename().string());
    if (!pid || *pid == ::getpid() || !holds(entry.path() / "fd", *wanted)) continue;
    holders.push_back({*pid, programName(entry.path())});
  }
  std::ranges::sort(holders, {}, &PortHolder::pid);
  return holders;
}

std::string inUseText(const std::vector<PortHolder>& holders) {
  if (holders.empty()) return "in use by another program";
  std::string text = "in use by ";
  for (std::size_t i = 0; i < holders.size(); ++i) {
    text +=
        (i == 0 ? "" : ", ") + holders[i].program + " (pid " + std::to_string(holders[i].pid) + ")";
  }
  for (const UsualHolder& usual : kUsualHolders) {
    const bool found = std::ranges::any_of(
        holders, [&](const PortHolder& holder) { return holder.program == usual.program; });
    if (found) text += std::string("; ") + usual.hint;
  }
  return text;
}

std::vector<std::string> stableNames(const fs::path& device, const fs::path& byId) {
  std::vector<std::string> names;
  std::error_code ec;
  const fs::path real = fs::canonical(device, ec);
  if (ec) return names;
  for (const fs::directory_entry& entry : fs::directory_iterator(byId, ec)) {
    std::error_code linkError;
    if (fs::canonical(entry.path(), linkError) == real && !linkError)
      names.push_back(entry.path().string());
  }
  std::ranges::sort(names);
  return names;
}

}  // namespace q7
