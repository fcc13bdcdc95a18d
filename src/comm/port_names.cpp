#include "comm/port_names.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <tuple>

namespace q7 {
namespace {

bool isUsbAdapter(const std::string& device) {
  const std::string name = std::filesystem::path(device).filename().string();
  return name.starts_with("ttyUSB") || name.starts_with("ttyACM");
}

// Splits "ttyS10" into "ttyS" and 10, so that ttyS2 comes before ttyS10.
std::pair<std::string, long> nameAndNumber(const std::string& device) {
  std::size_t digits = device.size();
  while (digits > 0 && std::isdigit(static_cast<unsigned char>(device[digits - 1]))) --digits;
  const std::string number = device.substr(digits);
  return {device.substr(0, digits), number.empty() ? -1 : std::stol(number.substr(0, 9))};
}

}  // namespace

void sortSerialDevices(std::vector<std::string>& devices) {
  std::ranges::sort(devices, [](const std::string& a, const std::string& b) {
    return std::tuple(!isUsbAdapter(a), nameAndNumber(a)) <
           std::tuple(!isUsbAdapter(b), nameAndNumber(b));
  });
}

std::vector<std::string> listSerialDevices() {
  std::vector<std::string> devices;
#ifndef _WIN32
  namespace fs = std::filesystem;
  std::error_code ec;
  // Only terminals backed by a device driver are serial ports (not consoles or ptys).
  for (const fs::directory_entry& entry : fs::directory_iterator("/sys/class/tty", ec)) {
    if (fs::exists(entry.path() / "device", ec))
      devices.push_back("/dev/" + entry.path().filename().string());
  }
#endif
  sortSerialDevices(devices);
  return devices;
}

std::string portDevice(int port, const ProfileFile& settings,
                       const std::vector<std::string>& devices) {
#ifdef _WIN32
  (void)settings;
  (void)devices;
  return "COM" + std::to_string(port);
#else
  const std::string named = settings.read(kPortsSection, std::to_string(port), "");
  if (!named.empty()) return named;
  if (port < 1 || static_cast<std::size_t>(port) > devices.size()) return {};
  return devices[static_cast<std::size_t>(port) - 1];
#endif
}

}  // namespace q7
