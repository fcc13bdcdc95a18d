// The communication window reading and writing q7sim through a pseudo-terminal.
#include "comm/ui/comm_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "comm/hex_text.h"
#include "comm/sim_process.h"
#include "comm/ui/memory_view.h"
#include "foundation/error_report.h"
#include "support/scripted_prompts.h"
#include "support/shell_fakes.h"
#include "support/temp_dir.h"
#include "support/ui/modal_answer.h"

namespace q7 {
namespace {

using test::SimProcess;

CodeplugImage patternImage() {
  CodeplugImage image;
  for (std::size_t i = 0; i < kRadioSize; ++i) image[i] = static_cast<std::uint8_t>(i * 11 + 5);
  image[0x37A] = 0x40;
  image[0x37B] = 0x00;
  image[0x37C] = 0x47;
  image[0x37D] = 0x00;
  return image;
}

class CommWindowTest : public ::testing::Test {
 protected:
  CommWindowTest() {
    state.settings = ProfileFile(dir / "corvane.def");
    // Backups go beside the data file, inside this test's own folder.
    state.defaultDataPath = dir / "Data" / "Untitled.dat";
    state.captions = CaptionTable(kEnglish);
    state.port = 1;
    state.ranges.readStart = 0;
    state.ranges.readEnd = 0x3FF;
    state.ranges.writeStart = 0x010;
    state.ranges.writeEnd = 0x37F;
  }
  // Port 1 is the simulator's terminal.
  void usePort(const SimProcess& sim) { state.settings.write("Ports", "1", sim.device()); }
  std::filesystem::path imageFile(const CodeplugImage& image) {
    const auto path = dir / "radio.dat";
    writeDataFile(path, image);
    return path;
  }

  test::TempDir dir;
  AppState state;
  test::ScriptedPrompts prompts;
  test::RecordingViews views;
};

TEST_F(CommWindowTest, AReadFillsTheImageShowsItAndLogsTheTraffic) {
  const CodeplugImage radio = patternImage();
  SimProcess sim({"--image", imageFile(radio).string(), "--baud", "0"});
  usePort(sim);
  CommWindow window(state, prompts, views);
  window.cmdRead_Click();
  for (std::size_t a = 0x010; a < kRadioSize; ++a) ASSERT_EQ(state.image[a], radio[a]) << a;
  EXPECT_EQ(views.count("show"), 1);
  EXPECT_FALSE(window.busy());
  EXPECT_FALSE(window.isVisible());
  ASSERT_GT(window.trafficLog()->count(), 68);
  EXPECT_EQ(window.trafficLog()->item(0)->text(), "Tx: 50 52 4F 47 ");
  EXPECT_TRUE(prompts.messages.empty());
  // The window is left as freshly loaded for the next transfer.
  EXPECT_EQ(window.progressBar()->value(), 0);
  EXPECT_TRUE(window.statusLabel()->text().isEmpty());
}

TEST_F(CommWindowTest, ShowMemoryDataRefreshesTheMemoryViewAfterARead) {
  const CodeplugImage radio = patternImage();
  SimProcess sim({"--image", imageFile(radio).string(), "--baud", "0"});
  usePort(sim);
  state.ranges.tableMax = 0x3FF;
  MemoryView view(state, prompts, views);
  view.setGridMemDat();
  CommWindow window(state, prompts, views);
  window.setMemoryView(&view);
  window.showMemoryBox()->setChecked(true);
  window.cmdRead_Click();
  EXPECT_EQ(view.grid()->item(0x12, 3)->text().toStdString(), formatByte(radio[0x123]));
}

TEST_F(CommWindowTest, AWriteStoresTheChannelsFirstAndReachesTheRadio) {
  const auto saved = dir / "saved.dat";
  SimProcess sim({"--class", "31", "--save", saved.string(), "--baud", "0"});
  usePort(sim);
  state.image = patternImage();
  state.image[0x367] |= 0x01;
  CommWindow window(state, prompts, views);
  TransferHooks hooks;
  hooks.bandLimits = [] { return BandLimits{40000000, 47000000}; };
  window.setTransferHooks(hooks);
  window.cmdWrite_Click();
  EXPECT_EQ(views.count("store"), 1);
  sim.stop();
  CodeplugImage written;
  written.loadFileLayout(readImageFile(saved, kDataFileSize));
  for (std::size_t a = 0x010; a <= 0x37F; ++a) {
    if (a >= 0x1A0 && a <= 0x1AB) continue;
    ASSERT_EQ(written[a], state.image[a]) << a;
  }
  EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(CommWindowTest, AFailedReadLeavesTheImageAsItWas) {
  SimProcess sim({"--hangup-after", "3", "--baud", "0"});
  usePort(sim);
  state.image = patternImage();
  const CodeplugImage before = state.image;
  CommWindow window(state, prompts, views);
  window.cmdRead_Click();
  EXPECT_EQ(state.image, before);
  EXPECT_EQ(views.count("show"), 0);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].text, "Communication failed,please check commuication port!");
}

TEST_F(CommWindowTest, ClosingDuringAReadStopsItInsteadOfClosing) {
  SimProcess sim({"--mute", "--baud", "0"});
  usePort(sim);
  const CodeplugImage before = state.image;
  CommWindow window(state, prompts, views);
  bool closedWhileBusy = false, stopBoxChecked = false, writeOffered = true;
  QTimer::singleShot(50, &window, [&] {
    closedWhileBusy = window.busy();
    writeOffered = window.findChild<QPushButton*>("cmdWrite")->isEnabled();
    window.close();
    stopBoxChecked = !window.stopBox()->isHidden() && window.stopBox()->isChecked();
  });
  window.cmdRead_Click();
  EXPECT_TRUE(closedWhileBusy);
  EXPECT_TRUE(stopBoxChecked);
  EXPECT_FALSE(writeOffered);
  EXPECT_FALSE(window.stopBox()->isChecked());
  EXPECT_EQ(window.transfer().attempts(), 6);
  EXPECT_TRUE(prompts.messages.empty());
  EXPECT_EQ(state.image, before);
}

TEST_F(CommWindowTest, UncheckingTheStopBoxWithdrawsTheStopRequest) {
  SimProcess sim({"--mute", "--baud", "0"});
  usePort(sim);
  CommWindow window(state, prompts, views);
  window.show();
  bool stopAfterCheck = false, stopAfterUncheck = true;
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    if (!window.stopBox()->isVisible()) return;
    watch.stop();
    QTest::mouseClick(window.stopBox(), Qt::LeftButton);
    stopAfterCheck = window.transfer().stopRequested();
    QTest::mouseClick(window.stopBox(), Qt::LeftButton);
    stopAfterUncheck = window.transfer().stopRequested();
    window.close();  // ends the read at its next failed attempt
  });
  watch.start(5);
  window.cmdRead_Click();
  EXPECT_TRUE(stopAfterCheck);
  EXPECT_FALSE(stopAfterUncheck);
  EXPECT_EQ(window.transfer().attempts(), 7);
}

TEST_F(CommWindowTest, NotShowCourseKeepsTheLogEmpty) {
  SimProcess sim({"--baud", "0"});
  usePort(sim);
  CommWindow window(state, prompts, views);
  window.notShowCourseBox()->setChecked(true);
  window.cmdRead_Click();
  EXPECT_EQ(views.count("show"), 1);
  EXPECT_EQ(window.trafficLog()->count(), 0);
}

TEST_F(CommWindowTest, APortThatWillNotOpenKeepsTheWindowReady) {
  errorReporter().clear();
  state.settings.write("Ports", "1", (dir / "no-such-device").string());
  CommWindow window(state, prompts, views);
  // The user closes the port dialog as soon as it shows.
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->objectName() == "frmToolCom" && w->isVisible()) w->close();
  });
  closer.start(10);
  window.cmdRead_Click();
  EXPECT_FALSE(window.busy());
  // A device that is not present is the user's to hear of, in plain words,
  // before the port dialog; the error list has nothing to add.
  EXPECT_TRUE(errorReporter().lines().empty());
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_NE(prompts.messages[0].text.find("no-such-device) is not present"), std::string::npos)
      << prompts.messages[0].text;
}

TEST_F(CommWindowTest, TheSixthAndSixteenthDoubleClicksToggleThePanel) {
  CommWindow window(state, prompts, views);
  for (int i = 0; i < 5; ++i) window.fraOne_DblClick();
  EXPECT_FALSE(window.panelOpen());
  window.fraOne_DblClick();
  EXPECT_TRUE(window.panelOpen());
  for (int i = 0; i < 9; ++i) window.fraOne_DblClick();
  EXPECT_TRUE(window.panelOpen());
  window.fraOne_DblClick();
  EXPECT_FALSE(window.panelOpen());
}

// Closed with its close box while idle, the window opens again with the stop
// box hidden and clear and the light on, as when it was first made.
TEST_F(CommWindowTest, EachOpeningStartsWithAClearStopBoxAndTheLightOn) {
  SimProcess sim({"--baud", "0"});
  usePort(sim);
  CommWindow window(state, prompts, views);
  auto* light = window.findChild<QLabel*>("imgGreen");
  std::optional<test::ModalAnswer> answer(std::in_place, [&](QWidget*) {
    QTest::mouseClick(window.findChild<QPushButton*>("cmdRead"), Qt::LeftButton);
  });
  window.showRead();
  EXPECT_TRUE(light->isHidden()) << "a transfer ends with the light off";
  answer.emplace([](QWidget* modal) { modal->close(); });
  window.showRead();
  EXPECT_TRUE(window.stopBox()->isChecked());
  bool stopBoxShown = true, stopBoxChecked = true, lightOn = false, stopRequested = true;
  answer.emplace([&](QWidget* modal) {
    stopBoxShown = window.stopBox()->isVisible();
    stopBoxChecked = window.stopBox()->isChecked();
    lightOn = light->isVisible();
    stopRequested = window.transfer().stopRequested();
    QTest::keyClick(modal, Qt::Key_Escape);
  });
  window.showRead();
  ASSERT_TRUE(answer->answered());
  EXPECT_FALSE(stopBoxShown);
  EXPECT_FALSE(stopBoxChecked);
  EXPECT_TRUE(lightOn);
  EXPECT_FALSE(stopRequested);
}

TEST_F(CommWindowTest, AddressFieldsAreStoredAsTypedAndReadAsHex) {
  CommWindow window(state, prompts, views);
  window.addressField("txtReadEndAddr")->setText("3FF");
  EXPECT_EQ(state.settings.read("Setting", "ReadEndAddr", ""), "3FF");
  EXPECT_EQ(state.ranges.readEnd, 0x3FF);
  window.addressField("txtReadEndAddr")->setText("XYZ");
  EXPECT_EQ(state.settings.read("Setting", "ReadEndAddr", ""), "XYZ");
  EXPECT_EQ(state.ranges.readEnd, 0x3FF);
  EXPECT_NE(errorReporter().lines().back().find("frmCommun->txtReadEndAddr_Change"),
            std::string::npos);
  window.addressField("txtMaxAddr")->setText("1F0");
  EXPECT_EQ(state.ranges.tableMax, 0x1F0);
}

}  // namespace
}  // namespace q7
