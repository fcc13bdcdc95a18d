#pragma once
// Port numbers and the devices behind them. On Windows port n is "COMn". On
// Linux port n is the device named by key "n" of section "Ports" of the
// settings file when present, otherwise the n-th serial device of the system
// (USB cable adapters first, then the others, each by name).
#include <string>
#include <vector>

#include "foundation/profile_file.h"

namespace q7 {

inline constexpr int kLowestPort = 1;
inline constexpr int kHighestPort = 16;
inline constexpr const char* kPortsSection = "Ports";

// Serial devices of the system in port order ("/dev/ttyUSB0", ...).
std::vector<std::string> listSerialDevices();
// The order of `listSerialDevices` applied to any list of device names.
void sortSerialDevices(std::vector<std::string>& devices);
// Device of port `port`; empty when there is none.
std::string portDevice(int port, const ProfileFile& settings,
                       const std::vector<std::string>& devices);

}  // namespace q7
