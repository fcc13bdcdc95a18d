// The option pages inside the channel window.
#include "settings/ui/settings_panel.h"

#include <gtest/gtest.h>

#include <QComboBox>

#include "channels/ui/channel_window.h"
#include "support/scripted_prompts.h"
#include "support/shell_fakes.h"

namespace q7 {
namespace {

using test::NoShell;

TEST(SettingsPanel, FillsTheWindowsFramesAndRefreshesWithTheWindow) {
  AppState state;
  test::ScriptedPrompts prompts;
  NoShell shell;
  ChannelWindow window(state, prompts, shell, shell);
  window.initChMem();
  SettingsPanel panel(state, window);
  EXPECT_NE(window.sysSetFrame(1)->findChild<QComboBox*>("cboTot"), nullptr);
  EXPECT_NE(window.sysSetFrame(5)->findChild<QComboBox*>("cboSaveMode"), nullptr);
  EXPECT_NE(window.modelInfoFrame()->findChild<QComboBox*>("cboRadioSql"), nullptr);

  for (std::uint8_t& b : state.image.bytes()) b = 0xFF;
  window.showImage();
  EXPECT_EQ(state.image[0x130], 4);     // loaded by InitOpt
  EXPECT_EQ(state.image[0x1B8], 'R');   // identifier repaired
  EXPECT_EQ(state.image[0x19E], 0x5A);  // VOX levels restored
  EXPECT_EQ(window.sysSetFrame(1)->findChild<QComboBox*>("cboTot")->currentText(), "60s");
}

}  // namespace
}  // namespace q7
