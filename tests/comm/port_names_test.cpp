#include "comm/port_names.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace q7 {
namespace {

TEST(PortNames, UsbAdaptersComeFirstThenNamesInNumberOrder) {
  std::vector<std::string> devices = {"/dev/ttyS10",  "/dev/ttyS2",   "/dev/ttyACM0",
                                      "/dev/ttyUSB1", "/dev/ttyUSB0", "/dev/ttyAMA0"};
  sortSerialDevices(devices);
  EXPECT_EQ(devices, (std::vector<std::string>{"/dev/ttyACM0", "/dev/ttyUSB0", "/dev/ttyUSB1",
                                               "/dev/ttyAMA0", "/dev/ttyS2", "/dev/ttyS10"}));
}

TEST(PortNames, ThePortsSectionNamesADeviceBeforeTheList) {
  test::TempDir dir;
  ProfileFile settings(dir / "corvane.def");
  settings.write(kPortsSection, "2", "/dev/radio");
  const std::vector<std::string> devices = {"/dev/ttyUSB0", "/dev/ttyS0"};
  EXPECT_EQ(portDevice(1, settings, devices), "/dev/ttyUSB0");
  EXPECT_EQ(portDevice(2, settings, devices), "/dev/radio");
  EXPECT_EQ(portDevice(3, settings, devices), "");
  EXPECT_EQ(portDevice(0, settings, devices), "");
}

}  // namespace
}  // namespace q7
