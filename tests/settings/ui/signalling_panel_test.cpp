// The DTMF, two-tone and Embedded Msg pages inside the channel window.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <functional>

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
  LaidOutWindow(AppState& state, Prompts& prompts, NoShell& shell)
      : ChannelWindow(state, prompts, shell, shell) {
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

// The PTT ID pause dialog, opened with its button on the DTMF page.
class PttIdPauseFromThePage : public SignallingPanelTest {
 protected:
  // Opens the dialog and, while it is up, does `use` with it, then closes it with OK.
  void useDialog(const std::function<void()>& use) {
    QTimer::singleShot(0, &window, [this, use] {
      dialog = window.findChild<QDialog*>("frmPttIdPauseChSet");
      if (!dialog) return;
      use();
      if (auto* ok = dialog->findChild<QPushButton*>("cmdOK"))
        QTest::mouseClick(ok, Qt::LeftButton);
      if (dialog->isVisible()) dialog->reject();  // never leave the test waiting on the dialog
    });
    QTest::mouseClick(window.sysSetFrame(6)->findChild<QPushButton*>("cmdPttIdPauseChSet"),
                      Qt::LeftButton);
    ASSERT_NE(dialog, nullptr) << "the button opened no dialog";
  }
  QRadioButton* option(const char* name) const { return dialog->findChild<QRadioButton*>(name); }
  QCheckBox* box(int i) const {
    return dialog->findChild<QCheckBox*>(QString("chkPttIdPauseChSet(%1)").arg(i));
  }
  void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
  // Channel n's flag: bit 6 of byte 13 of its record.
  std::uint8_t& flagByte(int channel) { return state.image[0x1D + 16 * (channel - 1)]; }
  void setFlags(bool (*on)(int channel)) {
    for (int n = 1; n <= 16; ++n) flagByte(n) = on(n) ? 0x40 : 0x00;
  }
  int flagsSet() {
    int set = 0;
    for (int n = 1; n <= 16; ++n) set += (flagByte(n) & 0x40) != 0;
    return set;
  }
  // "All" and "None" as the dialog shows them.
  std::pair<bool, bool> options() const {
    return {option("chkSelectAll")->isChecked(), option("chkSelectNone")->isChecked()};
  }

  QDialog* dialog = nullptr;
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

TEST_F(PttIdPauseFromThePage, EachOpeningShowsAllOrNoneFromTheFlags) {
  setFlags([](int) { return false; });
  useDialog([&] {
    EXPECT_EQ(options(), std::make_pair(false, true)) << "no flag set";
    click(option("chkSelectAll"));
    EXPECT_EQ(flagsSet(), 16);
  });

  setFlags([](int) { return true; });
  useDialog([&] { EXPECT_EQ(options(), std::make_pair(true, false)) << "every flag set"; });

  setFlags([](int n) { return n == 5; });
  useDialog([&] {
    EXPECT_EQ(options(), std::make_pair(false, false)) << "channel 5 alone";
    for (int i = 0; i < 16; ++i) EXPECT_EQ(box(i)->isChecked(), i == 4) << i;
  });
  EXPECT_EQ(flagsSet(), 1) << "opening and closing writes nothing";
}

TEST_F(PttIdPauseFromThePage, ClickingTheChosenOptionKeepsItChosen) {
  setFlags([](int n) { return n == 2; });
  useDialog([&] {
    click(option("chkSelectAll"));
    click(option("chkSelectAll"));
    EXPECT_EQ(flagsSet(), 16);
    EXPECT_EQ(options(), std::make_pair(true, false));
    for (int i = 0; i < 16; ++i) EXPECT_TRUE(box(i)->isChecked()) << i;

    click(option("chkSelectNone"));
    click(option("chkSelectNone"));
    EXPECT_EQ(flagsSet(), 0);
    EXPECT_EQ(options(), std::make_pair(false, true));
    for (int i = 0; i < 16; ++i) EXPECT_FALSE(box(i)->isChecked()) << i;
  });
}

}  // namespace
}  // namespace q7
