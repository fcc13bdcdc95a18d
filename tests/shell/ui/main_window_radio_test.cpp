// The whole program against a simulated radio, driven the way a dealer drives
// it: shortcuts, the toolbar, Enter on the communication window, typing into
// the channel grid; the edits must end up in the radio's memory.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include "channels/ui/channel_grid_view.h"
#include "channels/radio_charset.h"
#include "channels/ui/channel_window.h"
#include "comm/pattern_file.h"
#include "comm/port_claim.h"
#include "comm/sim_process.h"
#include "comm/ui/comm_window.h"
#include "foundation/error_report.h"
#include "shell/ui/compare_window.h"
#include "shell/ui/error_list_window.h"
#include "shell/ui/main_window.h"
#include "support/scripted_prompts.h"
#include "support/shipped_program.h"
#include "support/temp_dir.h"
#include "support/ui/modal_answer.h"
#include "support/ui/window_focus.h"

namespace q7 {
namespace {

class MainWindowRadioTest : public ::testing::Test {
 protected:
  MainWindowRadioTest() {
    test::shipProgramFiles(dir.path(), {{"FirRun", "0"}, {"Language", "3"}, {"COM", "1"}});
    ProfileFile(dir / "corvane.def").write("Ports", "1", sim.device());
    errorReporter().clear();
    state.programFolder = dir.path();
    window = std::make_unique<MainWindow>(state, prompts);
    EXPECT_EQ(window->start(), StartupOutcome::Started);
    EXPECT_TRUE(test::activate(window.get()));
  }
  ~MainWindowRadioTest() override { state.closing = true; }

  // Presses Enter on whatever has the keyboard once the communication window
  // is up, and notes what that was.
  void pressEnterInCommWindow() {
    answer.emplace([this](QWidget*) {
      focused = QApplication::focusWidget();
      QTest::keyClick(focused, Qt::Key_Return);
    });
  }
  void shortcut(Qt::Key key) {
    test::activate(window.get());
    QTest::keyClick(window.get(), key, Qt::ControlModifier);
  }
  ChannelGridView* grid() {
    return window->channelWindow()->findChild<ChannelGridView*>("vsfgGridCh");
  }
  // Enter on the communication window; when the port dialog then opens, its
  // title is noted and Esc leaves it and the communication window.
  void pressEnterThenLeaveThePortDialog() {
    answer.emplace([this](QWidget* modal) {
      portDialog.emplace([this](QWidget* dialog) {
        dialogTitle = dialog->windowTitle();
        commWindow.emplace([](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
        QTest::keyClick(dialog, Qt::Key_Escape);
      });
      QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : modal,
                      Qt::Key_Return);
    });
  }
  // The main window is active again once a modal window has gone, as under a
  // window manager.
  void clickCell(int row, int column) {
    test::activate(window.get());
    QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {},
                      grid()->cellRect(row, column).center());
  }
  // Clicks a cell (which opens its editor or the tone box), selects what it
  // holds, types over it and presses Enter.
  void typeIntoCell(int row, int column, const char* text) {
    clickCell(row, column);
    QWidget* editor = QApplication::focusWidget();
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();  // the grid commits an edit ended by Enter once idle
  }
  CodeplugImage radioMemory() {
    sim.stop();
    CodeplugImage radio;
    radio.loadFileLayout(readImageFile(dir / "radio.dat", kDataFileSize));
    return radio;
  }

  test::TempDir dir;
  test::SimProcess sim{{"--image",
                        (std::filesystem::path(Q7_DATA_DIR) / "Data" / "Sample.dat").string(),
                        "--save", (dir / "radio.dat").string(), "--baud", "0"}};
  AppState state;
  test::ScriptedPrompts prompts;
  std::unique_ptr<MainWindow> window;
  QPointer<QWidget> focused;
  std::optional<test::ModalAnswer> answer;
  std::optional<test::ModalAnswer> portDialog, commWindow;
  QString dialogTitle;
};

TEST_F(MainWindowRadioTest, CtrlREnterReadsTypedEditsCtrlWEnterWritesThemIntoTheRadio) {
  pressEnterInCommWindow();
  shortcut(Qt::Key_R);
  EXPECT_EQ(focused, window->commWindow()->findChild<QPushButton*>("cmdRead"));
  const ChannelGrid& channels = window->channelWindow()->channelGrid();
  EXPECT_EQ(channels.cell(1, 1).text, "446.00625");
  EXPECT_EQ(window->panelText(kNoticePanel), "Read Successful");

  typeIntoCell(1, 1, "446.1");
  typeIntoCell(1, 3, "88.5");

  pressEnterInCommWindow();
  shortcut(Qt::Key_W);
  EXPECT_EQ(focused, window->commWindow()->findChild<QPushButton*>("cmdWrite"));
  EXPECT_EQ(window->panelText(kNoticePanel), "Write Successful");
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].text, "Verified");
  const CodeplugImage radio = radioMemory();
  // 446.10000 MHz = 44610000, BCD low byte first; 88.5 Hz = 885 = 0x0375, low byte first.
  const std::uint8_t expected[] = {0x00, 0x00, 0x61, 0x44};
  for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(radio[0x10 + i], expected[i]) << i;
  EXPECT_EQ(radio[0x18], 0x75);
  EXPECT_EQ(radio[0x19], 0x03);
  EXPECT_TRUE(errorReporter().lines().empty());
}

TEST_F(MainWindowRadioTest, ToolbarButtonsClickedWithTheMouseReadAndWrite) {
  auto* toolBar = window->findChild<QToolBar*>("tlbMdiFrmMain");
  auto clickTool = [&](const char* name) {
    QTest::mouseClick(toolBar->widgetForAction(window->action(name)), Qt::LeftButton);
  };
  auto clickVisibleButton = [](QWidget* modal) {
    for (auto* button : modal->findChildren<QPushButton*>()) {
      if (button->isVisible()) return QTest::mouseClick(button, Qt::LeftButton);
    }
  };
  std::optional<test::ModalAnswer> click(std::in_place, clickVisibleButton);
  clickTool("tlbRead");
  EXPECT_EQ(window->channelWindow()->channelGrid().cell(1, 1).text, "446.00625");
  typeIntoCell(1, 1, "440");
  click.emplace(clickVisibleButton);
  clickTool("tlbWrite");
  const CodeplugImage radio = radioMemory();
  EXPECT_EQ(radio[0x13], 0x44);  // 440.00000 MHz
  EXPECT_EQ(radio[0x12], 0x00);
}

// The window for a write shows only its progress frame: keys typed into it
// go to the write button, never to the hidden address fields.
TEST_F(MainWindowRadioTest, CommunicationWindowKeepsKeysAwayFromItsHiddenPanel) {
  pressEnterInCommWindow();
  shortcut(Qt::Key_R);
  bool panelHidden = false;
  test::ModalAnswer typeAndLeave([&](QWidget* modal) {
    focused = QApplication::focusWidget();
    panelHidden = !modal->findChild<QGroupBox*>("fraRdWrDat")->isVisible() &&
                  !modal->findChild<QGroupBox*>("fraTwo")->isVisible();
    QTest::keyClicks(focused, "77");
    QTest::keyClick(focused, Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), "77");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  });
  shortcut(Qt::Key_W);
  EXPECT_TRUE(panelHidden);
  EXPECT_EQ(focused, window->commWindow()->findChild<QPushButton*>("cmdWrite"));
  EXPECT_EQ(state.settings.read("Setting", "ReadStartAddr", ""), "0000");
  EXPECT_EQ(state.ranges.readStart, 0);
  EXPECT_FALSE(window->commWindow()->isVisible());
}

TEST_F(MainWindowRadioTest, WritingAnImageWithoutChannelsAsksFirst) {
  prompts.answers = {false};
  const test::ModalAnswer leave([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
  shortcut(Qt::Key_W);
  ASSERT_EQ(prompts.questions.size(), 1u);
  EXPECT_EQ(prompts.questions[0].text,
            "No channel is in use in this data. Write it into the radio anyway?");
  EXPECT_FALSE(leave.answered());
  EXPECT_EQ(radioMemory()[0x13], 0x44);  // the sample's channel 1 is still in the radio
}

TEST_F(MainWindowRadioTest, PortDialogFromTheMenuNamesDevicesAndTheStatusBarTheChosenOne) {
  QString firstPort, secondPort;
  const test::ModalAnswer lookAndChoose([&](QWidget* modal) {
    firstPort = modal->findChild<QRadioButton*>("COM1_0")->text();
    secondPort = modal->findChild<QRadioButton*>("COM1_1")->text();
    QTest::mouseClick(modal->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
  });
  window->action("mnuCommunicate")->trigger();
  EXPECT_EQ(firstPort, QString("COM1   %1").arg(QString::fromStdString(sim.device())));
  EXPECT_EQ(secondPort, "COM2   not present");
  EXPECT_EQ(window->panelText(kPortPanel), "COM1  " + sim.device());
}

TEST_F(MainWindowRadioTest, ExitAfterAnEditOffersToSaveAndNotAfterARead) {
  pressEnterInCommWindow();
  shortcut(Qt::Key_R);
  prompts.answers = {false};
  window->close();
  ASSERT_EQ(prompts.questions.size(), 1u);
  EXPECT_EQ(prompts.questions[0].text, "Are you sure want to exit?");

  typeIntoCell(1, 1, "440");
  prompts.questions.clear();
  prompts.answers = {false, false};
  window->close();
  ASSERT_EQ(prompts.questions.size(), 2u);
  EXPECT_EQ(prompts.questions[0].text, "TempData has changed,Do you want to save it now?");
  EXPECT_EQ(prompts.questions[1].text, "Are you sure want to exit?");
}

// Locked, a read's result shows until the lock's 30 s check, which brings
// the lock's notice back; the 5 s blink then alternates it with "Ready".
TEST_F(MainWindowRadioTest, TheLockNoticeComesBackAfterATransfersResult) {
  window->action("mnuLockFace")->trigger();
  pressEnterInCommWindow();
  shortcut(Qt::Key_R);
  EXPECT_EQ(window->panelText(kNoticePanel), "Read Successful");
  auto* check = window->findChild<QTimer*>("tmrChLock");
  auto* blink = window->findChild<QTimer*>("tmrChLockBlink");
  ASSERT_TRUE(check->isActive());
  ASSERT_TRUE(QMetaObject::invokeMethod(check, "timeout"));
  EXPECT_EQ(window->panelText(kNoticePanel), "Interface Locked");
  EXPECT_TRUE(blink->isActive());
  ASSERT_TRUE(QMetaObject::invokeMethod(blink, "timeout"));
  ASSERT_TRUE(QMetaObject::invokeMethod(blink, "timeout"));
  EXPECT_EQ(window->panelText(kNoticePanel), "Ready");
  ASSERT_TRUE(QMetaObject::invokeMethod(blink, "timeout"));
  EXPECT_EQ(window->panelText(kNoticePanel), "Interface Locked");
}

std::vector<std::string> backupNames(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  if (!std::filesystem::exists(folder)) return names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

bool endsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

TEST_F(MainWindowRadioTest, EveryReadAndEveryWriteLeavesABackupInTheDataFolder) {
  pressEnterInCommWindow();
  shortcut(Qt::Key_R);
  pressEnterInCommWindow();
  shortcut(Qt::Key_W);
  const auto names = backupNames(dir / "Data" / "Backups");
  ASSERT_EQ(names.size(), 2u);
  EXPECT_TRUE(endsWith(names[0], "_read.dat") || endsWith(names[1], "_read.dat"));
  EXPECT_TRUE(endsWith(names[0], "_write.dat") || endsWith(names[1], "_write.dat"));
}

TEST_F(MainWindowRadioTest, AFailedVerifyNamesTheAddressAndOffersTheComparison) {
  test::SimProcess corrupting(
      {"--image", (std::filesystem::path(Q7_DATA_DIR) / "Data" / "Sample.dat").string(),
       "--corrupt-write", "130", "--baud", "0"});
  state.settings.write("Ports", "1", corrupting.device());
  pressEnterInCommWindow();
  shortcut(Qt::Key_R);
  prompts.answers = {true};
  pressEnterInCommWindow();
  shortcut(Qt::Key_W);
  ASSERT_EQ(prompts.questions.size(), 1u);
  EXPECT_EQ(prompts.questions[0].text,
            "Verify failed: the radio differs from what was sent at:\n0x130\n\n"
            "Compare what was sent with what the radio holds?");
  CompareWindow* compare = window->compareWindow();
  ASSERT_NE(compare, nullptr);
  EXPECT_TRUE(compare->isVisible());
  EXPECT_NE(compare->list()->toPlainText().indexOf("0x130 04 -> FB"), -1)
      << compare->list()->toPlainText().toStdString();
}

TEST_F(MainWindowRadioTest, TheSettingsMenuTurnsBackupsAndVerifyOff) {
  for (const char* name : {"mnuBackups", "mnuVerify"}) {
    ASSERT_TRUE(window->action(name)->isChecked()) << name;
    window->action(name)->trigger();
  }
  EXPECT_EQ(state.settings.read("Setting", "Backups", ""), "0");
  EXPECT_EQ(state.settings.read("Setting", "Verify", ""), "0");
  pressEnterInCommWindow();
  shortcut(Qt::Key_R);
  pressEnterInCommWindow();
  shortcut(Qt::Key_W);
  EXPECT_EQ(window->panelText(kNoticePanel), "Write Successful");
  EXPECT_TRUE(prompts.messages.empty());
  EXPECT_TRUE(backupNames(dir / "Data" / "Backups").empty());
  window->action("mnuVerify")->trigger();
  EXPECT_EQ(state.settings.read("Setting", "Verify", ""), "1");
}

TEST_F(MainWindowRadioTest, CompareWithFileListsWhatTheFileChanges) {
  pressEnterInCommWindow();
  shortcut(Qt::Key_R);
  auto bytes = test::fileBytes(std::filesystem::path(Q7_DATA_DIR) / "Data" / "Sample.dat");
  bytes[kFileHeaderSize + 0x130] = 6;  // time-out timer 90 s
  const auto other = dir / "other.dat";
  std::ofstream(other, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  prompts.fileNames = {other.string()};
  window->action("mnuCompare")->trigger();
  ASSERT_NE(window->compareWindow(), nullptr);
  EXPECT_EQ(window->compareWindow()->list()->toPlainText(),
            "Time-out Timer[s] (cboTot) 60s -> 90s\n");
  EXPECT_TRUE(window->compareWindow()->list()->isReadOnly());
  prompts.fileNames = {(std::filesystem::path(Q7_DATA_DIR) / "Data" / "Sample.dat").string()};
  window->action("mnuCompare")->trigger();
  EXPECT_EQ(window->compareWindow()->list()->toPlainText(), "Nothing differs.");
}

// A port another program holds: the read stops before a byte is sent, the
// reason names the holder, and the port dialog opens to pick another port.
TEST_F(MainWindowRadioTest, ReadingAPortAnotherProgramHoldsSaysItIsInUse) {
  const int holder = ::open(sim.device().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
  ASSERT_GE(holder, 0);
  ASSERT_EQ(claimPort(holder), PortClaim::Taken);
  pressEnterThenLeaveThePortDialog();
  shortcut(Qt::Key_R);
  releasePort(holder);
  ::close(holder);
  EXPECT_EQ(dialogTitle, "Communication Port");
  auto* errorList = window->findChild<ErrorListWindow*>();
  ASSERT_NE(errorList, nullptr);
  EXPECT_TRUE(errorList->isVisible());
  const auto items =
      errorList->findChild<QListWidget*>("listShowErr")
          ->findItems(QString::fromStdString(sim.device() + ": in use by another program"),
                      Qt::MatchContains);
  EXPECT_EQ(items.size(), 1);
}

// The radio stores the VOX levels of the first write step and is then lost:
// the dealer hears where the write stopped and that the radio is partly written.
TEST_F(MainWindowRadioTest, AWriteCutAfterTheVoxLevelsSaysTheRadioIsPartlyWritten) {
  pressEnterInCommWindow();
  shortcut(Qt::Key_R);
  test::SimProcess cutting({"--image",
                            (std::filesystem::path(Q7_DATA_DIR) / "Data" / "Sample.dat").string(),
                            "--corrupt-frame", "4", "--hangup-after", "4", "--baud", "0"});
  state.settings.write("Ports", "1", cutting.device());
  window->action("mnuBackups")->trigger();  // the write's own frames come first
  pressEnterInCommWindow();
  shortcut(Qt::Key_W);
  EXPECT_EQ(window->panelText(kNoticePanel), "Write Failed");
  ASSERT_FALSE(prompts.messages.empty());
  EXPECT_EQ(prompts.messages.back().text,
            "Write Failed\nat 0% of the write; the radio is only partly written; write it again");
}

// Write with the port's device gone: one plain message naming the port, then
// the port dialog to pick another; the error list stays empty.
TEST_F(MainWindowRadioTest, WritingWithThePortsDeviceGoneSaysSoAndOffersAnotherPort) {
  pressEnterInCommWindow();
  shortcut(Qt::Key_R);
  const std::string gone = (dir / "ttyGone").string();
  state.settings.write("Ports", "1", gone);
  pressEnterThenLeaveThePortDialog();
  shortcut(Qt::Key_W);
  EXPECT_EQ(dialogTitle, "Communication Port");
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].text,
            "The device of COM1 (" + gone +
                ") is not present. Connect the programming cable, or choose another port in the "
                "Communication Port dialog that follows.");
  EXPECT_TRUE(errorReporter().lines().empty());
}

}  // namespace
}  // namespace q7
