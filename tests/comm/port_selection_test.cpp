#include "comm/port_selection.h"

#include <gtest/gtest.h>

#include <set>

#include "foundation/error_report.h"
#include "foundation/setting_keys.h"
#include "support/temp_dir.h"

namespace q7 {
namespace {

// A line on which only some port numbers exist.
class SomePortsLink : public SerialLink {
 public:
  std::set<int> present;
  bool open_ = false;
  void open(int port) override {
    if (!present.count(port)) throw Failure(err::kFileNotFound, "COM" + std::to_string(port));
    open_ = true;
  }
  void close() override { open_ = false; }
  bool isOpen() const override { return open_; }
  void clearOutput() override {}
  void clearInput() override {}
  void send(std::span<const std::uint8_t>) override {}
  std::size_t outputCount() override { return 0; }
  std::size_t inputCount() override { return 0; }
  Bytes readAll() override { return {}; }
  bool waitForInput(std::size_t, TimePoint, const StopFlag&) override { return false; }
  bool waitForSent(TimePoint) override { return true; }
};

class PortSelectionTest : public ::testing::Test {
 protected:
  PortSelectionTest() { state.settings = ProfileFile(dir / "corvane.def"); }
  test::TempDir dir;
  AppState state;
  SomePortsLink link;
  PortSelection selection{link};
};

TEST_F(PortSelectionTest, AWorkingStoredPortIsKeptAndNothingWritten) {
  link.present = {2, 5};
  state.port = 5;
  selection.startupCheck(state);
  EXPECT_EQ(state.port, 5);
  EXPECT_EQ(state.settings.read(kSettingSection, "COM", "absent"), "absent");
  EXPECT_FALSE(link.isOpen());
}

TEST_F(PortSelectionTest, AFailingStoredPortGivesWayToTheLowestThatOpens) {
  link.present = {12, 3};
  state.port = 1;
  selection.startupCheck(state);
  EXPECT_EQ(state.port, 3);
  EXPECT_EQ(state.settings.read(kSettingSection, "COM", ""), "3");
  EXPECT_EQ(selection.availability(1), -1);
  EXPECT_EQ(selection.availability(12), 1);
}

TEST_F(PortSelectionTest, WithNoUsablePortTheStoredNumberStaysAndNothingIsWritten) {
  state.port = 4;
  selection.startupCheck(state);
  EXPECT_EQ(state.port, 4);
  EXPECT_FALSE(state.settings.exists());
  for (int port = 1; port <= 16; ++port) EXPECT_EQ(selection.availability(port), -1);
}

}  // namespace
}  // namespace q7
