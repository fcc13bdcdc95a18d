#pragma once
// Choosing the serial port: each port 1..16 is tested by opening and closing
// it; the stored port is kept when it opens, otherwise the lowest port that
// opens becomes the port and is stored under "COM" of the settings file.
#include <array>

#include "comm/port_names.h"
#include "comm/serial_link.h"
#include "foundation/app_state.h"

namespace q7 {

class PortSelection {
 public:
  explicit PortSelection(SerialLink& link) : link_(link) {}

  // `VerdictCom`: opens and closes `port`; true when both worked. The port is
  // closed afterwards either way.
  bool verdictCom(int port);
  // `EnableCOM`: tests every port in ascending order.
  void enableCom();
  // `AutoSetPort`: the lowest port that opens becomes the port number and is
  // written to the settings file; with none, nothing changes.
  void autoSetPort(AppState& state);
  // Start-up: test the stored port; when it does not open, choose another.
  void startupCheck(AppState& state);

  // 1 when the last test of `port` opened it, -1 when it failed, 0 untested.
  int availability(int port) const;

 private:
  SerialLink& link_;
  std::array<int, kHighestPort + 1> availability_{};
};

}  // namespace q7
