#pragma once
// What a dealer sees of a port number: its device and, for a USB cable
// adapter, the product and maker the system reports ("/dev/ttyUSB0 — FT232R
// USB UART, FTDI"), then the device's stable names under /dev/serial/by-id/;
// an empty string when no device stands behind the port.
#include <string>

namespace q7 {

std::string portDescription(const std::string& device);
// True when a device stands behind the name (on Windows every COM name counts).
bool devicePresent(const std::string& device);

}  // namespace q7
