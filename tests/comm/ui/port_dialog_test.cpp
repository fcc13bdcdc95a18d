// The port dialog testing ports: only ports whose device opens stay choosable.
#include "comm/ui/port_dialog.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "comm/sim_process.h"
#include "comm/ui/qt_serial_link.h"
#include "support/temp_dir.h"

namespace q7 {
namespace {

class PortDialogTest : public ::testing::Test {
 protected:
  PortDialogTest() {
    state.settings = ProfileFile(dir / "corvane.def");
    // Ports without a device of their own point at a path that does not exist.
    for (int port = 1; port <= 16; ++port)
      state.settings.write("Ports", std::to_string(port), (dir / "none").string());
    state.settings.write("Ports", "3", sim.device());
    state.settings.write("Ports", "12", sim.device());
    state.port = 3;
  }
  test::TempDir dir;
  test::SimProcess sim{{"--baud", "0"}};
  AppState state;
  QtSerialLink link{systemPortDevices(state.settings)};
};

TEST_F(PortDialogTest, PortsThatDoNotOpenAreDisabledAndTheCurrentOneChecked) {
  PortDialog dialog(state, link);
  for (int port = 1; port <= 16; ++port)
    EXPECT_EQ(dialog.portButton(port)->isEnabled(), port == 3 || port == 12) << port;
  EXPECT_TRUE(dialog.portButton(3)->isChecked());
  EXPECT_FALSE(link.isOpen());
}

TEST_F(PortDialogTest, EachPortNamesItsDeviceOrSaysItIsNotPresent) {
  PortDialog dialog(state, link);
  EXPECT_EQ(dialog.portButton(3)->text(),
            QString("COM3   %1").arg(QString::fromStdString(sim.device())));
  EXPECT_EQ(dialog.portButton(1)->text(), "COM1   not present");
}

TEST_F(PortDialogTest, OkStoresThePortClickedWithTheMouse) {
  PortDialog dialog(state, link);
  dialog.show();
  QTest::mouseClick(dialog.portButton(12), Qt::LeftButton);
  QTest::mouseClick(dialog.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
  EXPECT_EQ(state.port, 12);
  EXPECT_EQ(state.settings.read("Setting", "COM", ""), "12");
}

TEST_F(PortDialogTest, CancelRestoresThePortOfTheOpening) {
  PortDialog dialog(state, link);
  dialog.show();
  QTest::mouseClick(dialog.portButton(12), Qt::LeftButton);
  state.port = 9;
  QTest::mouseClick(dialog.findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
  EXPECT_EQ(state.port, 3);
  EXPECT_EQ(state.settings.read("Setting", "COM", "none"), "none");
}

}  // namespace
}  // namespace q7
