// The whole program against a simulated radio: read it, edit channel and
// option, write it back, and find the edits in the radio's memory.
#include <gtest/gtest.h>

#include "channels/ui/channel_window.h"
#include "channels/ui/flex_grid.h"
#include "comm/sim_process.h"
#include "comm/ui/comm_window.h"
#include "settings/ui/settings_panel.h"
#include "shell/error_report.h"
#include "shell/ui/main_window.h"
#include "support/scripted_prompts.h"
#include "support/temp_dir.h"

namespace q7 {
namespace {

TEST(MainWindowRadio, ReadEditWriteRoundTripThroughTheSimulator) {
  test::TempDir dir;
  for (const char* name : {"corvane.def", "dhcpqec.def", "DefRadioSet.def"}) {
    std::filesystem::copy_file(std::filesystem::path(Q7_DATA_DIR) / name, dir / name);
  }
  const auto sample = std::filesystem::path(Q7_DATA_DIR) / "Data" / "Sample.dat";
  test::SimProcess sim(
      {"--image", sample.string(), "--save", (dir / "radio.dat").string(), "--baud", "0"});
  ProfileFile settings(dir / "corvane.def");
  settings.write("Setting", "FirRun", "0");
  settings.write("Setting", "Language", "3");
  settings.write("Ports", "1", sim.device());

  errorReporter().clear();
  AppState state;
  state.programFolder = dir.path();
  test::ScriptedPrompts prompts;
  MainWindow window(state, prompts);
  ASSERT_TRUE(window.start());
  EXPECT_EQ(state.port, 1);

  window.commWindow()->cmdRead_Click();
  const ChannelGrid& grid = window.channelWindow()->channelGrid();
  EXPECT_EQ(grid.cell(1, 1).text, "446.00625");
  EXPECT_EQ(grid.cell(4, 2).text, "");  // receive-only channel

  auto* cells = window.channelWindow()->findChild<FlexGrid*>("vsfgGridCh");
  EditRequest request;
  emit cells->beforeEdit(1, 1, &request);
  ASSERT_TRUE(request.allowed);
  emit cells->afterEdit(1, 1, "446.1");
  window.optionPages()->model().choose("cboTot", 2);

  window.commWindow()->cmdWrite_Click();
  EXPECT_TRUE(prompts.messages.empty());
  sim.stop();
  CodeplugImage radio;
  radio.loadFileLayout(readImageFile(dir / "radio.dat", kDataFileSize));
  EXPECT_EQ(radio[0x10], 0x00);  // 446.10000 MHz = 44610000, BCD low byte first
  EXPECT_EQ(radio[0x11], 0x00);
  EXPECT_EQ(radio[0x12], 0x61);
  EXPECT_EQ(radio[0x13], 0x44);
  EXPECT_EQ(radio[0x130], 2);
  EXPECT_TRUE(errorReporter().lines().empty());
  state.closing = true;
}

}  // namespace
}  // namespace q7
