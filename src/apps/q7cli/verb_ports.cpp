// "q7cli ports": the port numbers and the devices behind them.
#include <iostream>

#include "cli_radio.h"
#include "comm/port_names.h"
#include "verbs.h"

namespace q7::cli {

int runPorts(const CliArgs&) {
  const ProfileFile settings = programSettings();
  const std::vector<std::string> devices = listSerialDevices();
  bool any = false;
  for (int port = kLowestPort; port <= kHighestPort; ++port) {
    const std::string device = portDevice(port, settings, devices);
    if (device.empty()) continue;
    std::cout << port << "\t" << device << "\n";
    any = true;
  }
  if (!any) std::cerr << "no serial ports found\n";
  return 0;
}

}  // namespace q7::cli
