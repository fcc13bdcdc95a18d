#include "comm/port_selection.h"

#include "foundation/error_report.h"
#include "foundation/setting_keys.h"

namespace q7 {

bool PortSelection::verdictCom(int port) {
  if (port < kLowestPort || port > kHighestPort) return false;
  availability_[static_cast<std::size_t>(port)] = 1;
  try {
    link_.open(port);
    link_.close();
  } catch (...) {
    availability_[static_cast<std::size_t>(port)] = -1;
    link_.close();
  }
  return availability_[static_cast<std::size_t>(port)] == 1;
}

void PortSelection::enableCom() {
  for (int port = kLowestPort; port <= kHighestPort; ++port) verdictCom(port);
}

void PortSelection::autoSetPort(AppState& state) {
  guard("mdifrmMain->AutoSetPort", [&] {
    enableCom();
    for (int port = kLowestPort; port <= kHighestPort; ++port) {
      if (availability(port) != 1) continue;
      state.port = port;
      writeSetting(state.settings, key::kCom, std::to_string(port));
      return;
    }
  });
}

void PortSelection::startupCheck(AppState& state) {
  if (!verdictCom(state.port)) autoSetPort(state);
}

int PortSelection::availability(int port) const {
  if (port < kLowestPort || port > kHighestPort) return -1;
  return availability_[static_cast<std::size_t>(port)];
}

}  // namespace q7
