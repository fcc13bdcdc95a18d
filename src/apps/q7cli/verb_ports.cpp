// "q7cli ports": the port numbers, the devices behind them and the stable
// names of those devices (/dev/serial/by-id/...), which stay the same when
// cables are replugged and serve as --port or [Ports] entries.
#include <iostream>

#include "cli_args.h"
#include "cli_radio.h"
#include "comm/port_holders.h"
#include "comm/port_names.h"
#include "verbs.h"

namespace q7::cli {
namespace {

int runPorts() {
  const ProfileFile settings = programSettings();
  const std::vector<std::string> devices = listSerialDevices();
  bool any = false;
  for (int port = kLowestPort; port <= kHighestPort; ++port) {
    const std::string device = portDevice(port, settings, devices);
    if (device.empty()) continue;
    std::cout << port << "\t" << device;
    for (const std::string& name : stableNames(device)) std::cout << "\t" << name;
    std::cout << "\n";
    any = true;
  }
  if (!any) std::cerr << "no serial ports found\n";
  return kExitSuccess;
}

}  // namespace

Verb declarePorts(CLI::App& app) {
  return {addVerb(app, "ports",
                  "list the port numbers, the devices behind them and their stable names"),
          runPorts};
}

}  // namespace q7::cli
