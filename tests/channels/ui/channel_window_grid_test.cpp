#include <gtest/gtest.h>

#include <QAction>
#include <QGroupBox>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>

#include "channels/ui/channel_window_fixture.h"

namespace q7 {
namespace {

using ChannelWindowGrid = test::WindowFixture;

TEST_F(ChannelWindowGrid, SetUpLaysOutTheGridTabsAndFrames) {
  EXPECT_EQ(grid()->dataRows(), 16);
  EXPECT_EQ(grid()->dataColumns(), 13);
  EXPECT_EQ(grid()->headerText(1), "RX Freq[MHz]");
  EXPECT_EQ(grid()->columnFormat(1), "###.#####");
  EXPECT_EQ(child<QGroupBox>("fraMain")->title(), "Channel Info");
  EXPECT_EQ(toneBox()->count(), 261);
  EXPECT_FALSE(toneBox()->isVisible());
  auto* tabs = child<QTabWidget>("sstabSetMode");
  ASSERT_EQ(tabs->count(), 8);
  EXPECT_EQ(tabs->widget(0)->objectName(), "fraSysSet0");
  EXPECT_EQ(tabs->widget(7)->objectName(), "fraSysSet8");
  for (int i = 0; i < kSysSetFrames; ++i) {
    ASSERT_NE(window->sysSetFrame(i), nullptr);
    EXPECT_EQ(window->sysSetFrame(i)->objectName(), QString("fraSysSet%1").arg(i));
  }
  EXPECT_EQ(window->sysSetFrame(7)->parentWidget(), window->modelInfoFrame());
  EXPECT_EQ(window->sysSetFrame(9), nullptr);
}

TEST_F(ChannelWindowGrid, TypingAFrequencyIntoAnEmptyRowFillsTheChannel) {
  typeInto(1, 1, "446.0031");
  EXPECT_EQ(cell(1, 1), "446.005");
  EXPECT_EQ(cell(1, 2), "446.005");
  EXPECT_EQ(cell(1, 3), "None");
  EXPECT_EQ(cell(1, 4), "None");
  EXPECT_EQ(cell(1, 5), "Wide");
  EXPECT_EQ(grid()->cursorCell(), (CellPos{1, 2}));
  EXPECT_EQ(state.image[0x10 + 1], 0x05);
  EXPECT_EQ(state.image[0x10 + 3], 0x44);
  EXPECT_EQ(state.image[0x10 + 7], 0x44);
}

TEST_F(ChannelWindowGrid, ClickingAnEmptyRowEditsItsRx) {
  clickCell(3, 6);
  EXPECT_EQ(grid()->cursorCell(), (CellPos{3, 1}));
  EXPECT_NE(qobject_cast<QLineEdit*>(grid()->openEditor()), nullptr);
}

TEST_F(ChannelWindowGrid, EmptyingTxLeavesAReceiveOnlyChannel) {
  typeInto(2, 1, "446.1");
  typeInto(2, 2, "");
  EXPECT_EQ(cell(2, 1), "446.1");
  EXPECT_EQ(cell(2, 2), "");
  EXPECT_EQ(cell(2, 4), "");
  clickCell(2, 4);
  EXPECT_EQ(grid()->cursorCell(), (CellPos{2, 2}));
  EXPECT_FALSE(toneBox()->isVisible());
}

TEST_F(ChannelWindowGrid, EmptyingRxClearsTheRow) {
  typeInto(3, 1, "446.1");
  typeInto(3, 1, "");
  for (int column = 1; column <= 13; ++column) EXPECT_EQ(cell(3, column), "") << column;
  EXPECT_EQ(state.image[0x30 + 3], 0x44) << "the image keeps the channel until it is stored";
  window->storeChannels();
  EXPECT_EQ(state.image[0x30 + 3], 0xFF);
}

TEST_F(ChannelWindowGrid, ToneBoxOpensOverToneCellsAndCommitsNormalisedText) {
  typeInto(4, 1, "446.1");
  clickCell(4, 3);
  ASSERT_TRUE(toneBox()->isVisible());
  EXPECT_EQ(toneBox()->currentText(), "None");
  EXPECT_EQ(toneBox()->geometry().topLeft(), grid()->cellRect(4, 3).topLeft());
  toneBox()->setCurrentText("023");
  clickCell(4, 6);
  EXPECT_FALSE(toneBox()->isVisible());
  EXPECT_EQ(cell(4, 3), "D023N");
  EXPECT_EQ(cell(4, 4), "D023N");

  clickCell(4, 4);
  toneBox()->setCurrentIndex(9);  // 88.5 from the list
  window->commitPendingEdit();
  EXPECT_EQ(cell(4, 4), "88.5");
  EXPECT_EQ(cell(4, 3), "D023N");
  window->storeChannels();
  EXPECT_EQ(state.image.word(0x40 + 10), 0x0375);
  EXPECT_EQ(state.image.word(0x40 + 8), 0x2813);
}

TEST_F(ChannelWindowGrid, DoubleClicksCopyTxAndTonesAndCycleOptions) {
  typeInto(5, 1, "446.1");
  typeInto(5, 2, "");
  doubleClickCell(5, 2);
  EXPECT_EQ(cell(5, 2), "446.1");
  EXPECT_EQ(cell(5, 4), "None");

  clickCell(5, 4);
  toneBox()->setCurrentText("D754I");
  window->commitPendingEdit();
  clickCell(5, 3);
  QTest::mouseDClick(toneBox()->lineEdit(), Qt::LeftButton);
  EXPECT_EQ(cell(5, 3), "D754I");

  doubleClickCell(5, 9);
  EXPECT_EQ(cell(5, 9), "On");
  doubleClickCell(5, 9);
  EXPECT_EQ(cell(5, 9), "Off");
}

// A double-click acts on the current cell: clicking the transmit tone of a
// receive-only channel moves the cursor to its TX cell, and the double-click
// there copies RX to TX.
TEST_F(ChannelWindowGrid, DoubleClickActsOnTheCurrentCell) {
  typeInto(5, 1, "446.1");
  typeInto(5, 2, "");
  ASSERT_EQ(cell(5, 2), "");
  doubleClickCell(5, 4);
  EXPECT_EQ(cell(5, 2), "446.1");
}

TEST_F(ChannelWindowGrid, PickingAnOptionFromTheCellList) {
  typeInto(6, 1, "446.1");
  clickCell(6, 8);
  auto* list = qobject_cast<QComboBox*>(grid()->openEditor());
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->count(), 3);
  list->setCurrentIndex(1);
  emit list->activated(1);
  EXPECT_EQ(cell(6, 8), "Carrier");
  EXPECT_EQ(state.image[0x60 + 12] & 0x18, 0x08);
}

TEST_F(ChannelWindowGrid, PopupEnablesDeleteForUsedChannelsAndDeletes) {
  typeInto(7, 1, "446.1");
  clickCell(7, 5, Qt::RightButton);
  auto* menu = child<QMenu>("mnuPopMenuOne");
  ASSERT_NE(menu, nullptr);
  auto* deleteOne = menu->findChild<QAction*>("mnuDelOne");
  auto* deleteAll = menu->findChild<QAction*>("mnuDelAll");
  auto* lock = menu->findChild<QAction*>("mnuPopChLock");
  EXPECT_EQ(deleteOne->text(), "Delete channel 7");
  EXPECT_TRUE(deleteOne->isEnabled());
  EXPECT_TRUE(deleteAll->isEnabled());
  EXPECT_FALSE(lock->isChecked());
  menu->hide();

  clickCell(8, 5, Qt::RightButton);
  EXPECT_FALSE(deleteOne->isEnabled());
  menu->hide();

  clickCell(7, 5, Qt::RightButton);
  deleteOne->trigger();
  menu->hide();
  EXPECT_EQ(cell(7, 1), "");
  EXPECT_EQ(state.image[0x70 + 3], 0xFF);
}

// Locked, the grid refuses every edit from mouse and keys, while its popup
// still opens with every entry disabled but the lock.
TEST_F(ChannelWindowGrid, LockRefusesEditsAndDisablesTheFrames) {
  typeInto(9, 1, "446.1");
  auto* menu = child<QMenu>("mnuPopMenuOne");
  auto* lock = menu->findChild<QAction*>("mnuPopChLock");
  lock->trigger();
  ASSERT_TRUE(state.locked());
  EXPECT_EQ(grid()->editTriggers(), QAbstractItemView::NoEditTriggers);
  for (int i = 0; i < kSysSetFrames; ++i) EXPECT_FALSE(window->sysSetFrame(i)->isEnabled());

  clickCell(9, 1);
  EXPECT_EQ(grid()->openEditor(), nullptr);
  QTest::keyClicks(grid(), "440");
  EXPECT_EQ(grid()->openEditor(), nullptr);
  clickCell(9, 3);
  EXPECT_FALSE(toneBox()->isVisible());
  QTest::mouseDClick(grid()->viewport(), Qt::LeftButton, {}, grid()->cellRect(9, 5).center());
  EXPECT_EQ(cell(9, 5), "Wide");
  EXPECT_EQ(cell(9, 1), "446.1");

  clickCell(9, 5, Qt::RightButton);
  EXPECT_TRUE(menu->isVisible());
  EXPECT_TRUE(lock->isChecked());
  for (const char* entry : {"mnuOpenCh", "mnuSaveDef", "mnuDelOne", "mnuDelAll"})
    EXPECT_FALSE(menu->findChild<QAction*>(entry)->isEnabled()) << entry;
  EXPECT_EQ(menu->findChild<QAction*>("mnuOpenCh")->text(), "Open channel 9");
  EXPECT_EQ(menu->findChild<QAction*>("mnuSaveDef")->text(), "Save as default");
  menu->hide();

  lock->trigger();
  EXPECT_FALSE(state.locked());
  EXPECT_TRUE(window->sysSetFrame(3)->isEnabled());
  clickCell(9, 5, Qt::RightButton);
  EXPECT_FALSE(menu->findChild<QAction*>("mnuOpenCh")->isEnabled());
  EXPECT_TRUE(menu->findChild<QAction*>("mnuDelOne")->isEnabled());
  menu->hide();
}

TEST_F(ChannelWindowGrid, ClickedRowIsHighlightedAndOutOfBandFrequenciesStandOut) {
  const QColor normal(255, 255, 255);     // DefColor 16777215
  const QColor outOfBand(255, 128, 128);  // OverColor 8421631, stored blue-green-red
  const QColor highlight(194, 121, 240);
  state.image[0x20 + 2] = 0x80;
  state.image[0x20 + 3] = 0x48;  // channel 2 receives on 480 MHz
  window->showImage();
  typeInto(1, 1, "446.1");
  clickCell(1, 5);
  EXPECT_EQ(grid()->cellBackground(1, 5), highlight);
  EXPECT_EQ(grid()->cellBackground(2, 1), outOfBand);
  EXPECT_EQ(grid()->cellBackground(2, 5), normal);
  EXPECT_EQ(grid()->selectionColour(), QColor(255, 0, 255));
  clickCell(2, 5);
  EXPECT_EQ(grid()->cellBackground(1, 5), normal);
  EXPECT_EQ(grid()->cellBackground(2, 1), outOfBand);
  EXPECT_EQ(grid()->cellBackground(2, 5), highlight);
}

TEST_F(ChannelWindowGrid, PendingEditsAreStoredBeforeTheImageIsSaved) {
  clickCell(10, 1);
  auto* editor = qobject_cast<QLineEdit*>(grid()->openEditor());
  ASSERT_NE(editor, nullptr);
  QTest::keyClicks(editor, "145.0125");
  window->commitPendingEdit();
  EXPECT_EQ(cell(10, 1), "400") << "raised into the band 400..470 MHz";
  EXPECT_EQ(grid()->openEditor(), nullptr);
}

TEST_F(ChannelWindowGrid, WindowGoingAwayDropsAnEditStillOpen) {
  clickCell(11, 1);
  auto* editor = qobject_cast<QLineEdit*>(grid()->openEditor());
  ASSERT_NE(editor, nullptr);
  QTest::keyClicks(editor, "446.1");
  shell.views = nullptr;
  window.reset();
  EXPECT_EQ(state.image[0xB0 + 3], 0xFF);
}

TEST(ChannelWindowLanguage, TextsAndLayoutFollowTheInterfaceLanguage) {
  AppState state;
  state.settings = ProfileFile(std::string(Q7_DATA_DIR) + "/corvane.def");
  state.language = kSimplifiedChinese;
  state.captions = CaptionTable(kSimplifiedChinese);
  test::ScriptedPrompts prompts;
  test::FakeShell shell(state);
  ChannelWindow window(state, prompts, shell, shell);
  shell.views = &window;
  window.initChMem();
  auto* grid = window.findChild<ChannelGridView*>("vsfgGridCh");
  EXPECT_EQ(window.findChild<QGroupBox*>("fraMain")->title(), "信道信息");
  EXPECT_EQ(grid->headerText(1), "接收频率[MHz]");
  EXPECT_EQ(window.findChild<QTabWidget*>("sstabSetMode")->tabText(0), "机型信息");
  EXPECT_EQ(window.findChild<QComboBox*>("cboFrequency")->itemText(14), "自定义");
  EXPECT_EQ(window.findChild<QComboBox*>("cboGridChCtdcs")->itemText(0), "无");
  EXPECT_EQ(window.findChild<QPushButton*>("cmdDelAllCh")->text(), "删除所有信道");
}

}  // namespace
}  // namespace q7
