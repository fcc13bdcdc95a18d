// The DTMF, two-tone and Embedded Msg pages inside the channel window.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <fstream>

#include "channels/ui/channel_window.h"
#include "settings/ui/settings_panel.h"
#include "support/scripted_prompts.h"
#include "support/shell_fakes.h"
#include "support/temp_dir.h"

namespace q7 {
namespace {

using test::NoShell;

// The channel window laid out before the option pages join it, as at start-up.
struct LaidOutWindow : ChannelWindow {
  LaidOutWindow(AppState& state, Prompts& prompts, ShellCommands& shell)
      : ChannelWindow(state, prompts, shell) {
    initChMem();
  }
};

class SignallingPanelTest : public ::testing::Test {
 protected:
  AppState state;
  test::ScriptedPrompts prompts;
  test::TempDir dir;
  NoShell shell;
  LaidOutWindow window{state, prompts, shell};
  SettingsPanel panel{state, window, &prompts};
};

TEST_F(SignallingPanelTest, FillsTheDtmfTwoToneAndEmbeddedMsgFrames) {
  EXPECT_NE(window.sysSetFrame(6)->findChild<QComboBox*>("cboCodeContiTime"), nullptr);
  EXPECT_NE(window.sysSetFrame(7)->findChild<QTableWidget*>("vsfgGridTwoTone(1)"), nullptr);
  EXPECT_NE(window.sysSetFrame(8)->findChild<QLineEdit*>("txtInfo(1)"), nullptr);

  for (std::uint8_t& b : state.image.bytes()) b = 0xFF;
  window.showImage();
  EXPECT_EQ(state.image[0x3DA], 50);  // loaded by InitOpt
  EXPECT_EQ(window.sysSetFrame(6)->findChild<QComboBox*>("cboCodeSpaceTime")->currentText(), "510");
}

TEST_F(SignallingPanelTest, ImportedSerialNumbersAdvanceAfterEachWrite) {
  state.currentDataPath = dir / "Untitled.dat";
  const auto file = dir / "sn.txt";
  std::ofstream(file) << "[SerialNo]\n1=A1\n2=A2\n";
  prompts.fileNames.push_back(file.string());
  QTest::mouseClick(window.sysSetFrame(8)->findChild<QPushButton*>("cmdImportSeq"), Qt::LeftButton);
  EXPECT_EQ(prompts.dialogDirs, (std::vector<std::string>{dir.path().string()}));
  panel.model().click("chkAutoNextSn", true);
  panel.advanceSerialNumber();
  EXPECT_EQ(window.sysSetFrame(8)->findChild<QLineEdit*>("txtInfo(1)")->text(), "A2");
  EXPECT_EQ(state.image.word(0x302), '2');
}

}  // namespace
}  // namespace q7
