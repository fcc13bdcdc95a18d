// Only a deliberate choice changes the image: a wheel turned over the option
// pages' drop-down lists while the dealer scrolls changes nothing, and a
// two-tone duration cell keeps a value off its list unless another is picked.
#include <gtest/gtest.h>

#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <functional>
#include <vector>

#include "channels/ui/channel_window_fixture.h"
#include "foundation/ui/wheel_guard.h"
#include "settings/two_tone.h"
#include "settings/ui/settings_panel.h"
#include "settings/ui/volume_dialog.h"
#include "support/ui/wheel.h"
#include "support/ui/window_focus.h"

namespace q7 {
namespace {

constexpr std::size_t kRecord1 = 0x280;

class OptionPagesWheel : public test::WindowFixture {
 protected:
  OptionPagesWheel() {
    window->showImage();  // InitOpt fills and sets every page
    EXPECT_TRUE(test::activate(window.get()));
  }
  QTabWidget* tabs() const { return child<QTabWidget>("sstabSetMode"); }
  static QScrollArea* scrollAreaOf(QWidget* widget) {
    for (QWidget* w = widget; w; w = w->parentWidget()) {
      if (auto* area = qobject_cast<QScrollArea*>(w)) return area;
    }
    return nullptr;
  }
  // Brings `widget` into view on its tab and in its scroll area.
  void bringIntoView(QWidget* widget) {
    for (int i = 0; i < tabs()->count(); ++i) {
      if (tabs()->widget(i)->isAncestorOf(widget)) tabs()->setCurrentIndex(i);
    }
    if (QScrollArea* area = scrollAreaOf(widget)) area->ensureWidgetVisible(widget);
    QCoreApplication::processEvents();
  }
  QTableWidget* twoToneGrid() const { return child<QTableWidget>("vsfgGridTwoTone(0)"); }
  // Record 1: tone A 1000.0 Hz held for `tenths` tenths of a second.
  void storeRecord1(std::uint8_t tenths) {
    const std::uint8_t record[] = {0x10, 0x27, tenths, 0xFF, 0xFF, 0xFF, 0xFF, 0x5A};
    for (std::size_t i = 0; i < 8; ++i) state.image[kRecord1 + i] = record[i];
    window->showImage();
  }
  // Double-clicks the A Time cell of record 1; the list it opens.
  QComboBox* openDuration() {
    QTableWidget* table = twoToneGrid();
    bringIntoView(table);
    const QPoint at = table->visualItemRect(table->item(0, kToneATimeColumn)).center();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, at);
    return qobject_cast<QComboBox*>(table->indexWidget(table->model()->index(0, kToneATimeColumn)));
  }
  QString durationText() const { return twoToneGrid()->item(0, kToneATimeColumn)->text(); }

  SettingsPanel panel{state, *window};
};

TEST_F(OptionPagesWheel, EveryDropDownListTheWindowsMakeIsGuarded) {
  const QList<QComboBox*> lists = window->findChildren<QComboBox*>();
  EXPECT_GT(lists.size(), 50);
  for (QComboBox* list : lists)
    EXPECT_TRUE(isWheelGuarded(list)) << list->objectName().toStdString();
  VolumeDialog volume(state.image, state.captions);
  for (QComboBox* list : volume.findChildren<QComboBox*>()) EXPECT_TRUE(isWheelGuarded(list));
  QComboBox* duration = openDuration();
  ASSERT_NE(duration, nullptr);
  EXPECT_TRUE(isWheelGuarded(duration)) << "an in-cell list made later";
}

// Regression: one notch over a closed list chose its neighbour and wrote it.
TEST_F(OptionPagesWheel, AWheelPassingOverTheClosedListsOfEveryPageChangesNothing) {
  const CodeplugImage before = state.image;
  int lists = 0;
  for (QComboBox* list : window->findChildren<QComboBox*>()) {
    if (list == toneBox() || !list->isEnabled()) continue;
    const std::string name = list->objectName().toStdString();
    bringIntoView(list);
    EXPECT_TRUE(list->isVisible()) << name;
    grid()->setFocus();
    const int shown = list->currentIndex();
    for (int notches : {-1, 1, 1}) {
      bringIntoView(list);  // the page may have scrolled it away
      EXPECT_TRUE(test::isPartOf(test::turnWheel(list, notches), list)) << name;
    }
    EXPECT_EQ(list->currentIndex(), shown) << name;
    EXPECT_FALSE(list->hasFocus()) << name;
    ++lists;
  }
  EXPECT_GT(lists, 40) << "every page's lists were turned over";
  EXPECT_EQ(state.image, before);
}

TEST_F(OptionPagesWheel, AWheelPassingOverAListScrollsThePageInstead) {
  window->resize(700, 420);
  auto* list = child<QComboBox>("cboTtPreCarTime");
  bringIntoView(list);
  QScrollArea* area = scrollAreaOf(list);
  ASSERT_NE(area, nullptr);
  area->verticalScrollBar()->setValue(0);
  bringIntoView(list);
  ASSERT_GT(area->verticalScrollBar()->maximum(), 0) << "the page is taller than its room";
  const int top = area->verticalScrollBar()->value();
  grid()->setFocus();
  ASSERT_TRUE(test::isPartOf(test::turnWheel(list), list));
  EXPECT_GT(area->verticalScrollBar()->value(), top);
  EXPECT_EQ(list->currentIndex(), state.image[0x3E4]);
}

TEST_F(OptionPagesWheel, AFocusedOptionListTurnsWithTheWheelAndStores) {
  auto* list = child<QComboBox>("cboTot");
  bringIntoView(list);
  const int shown = list->currentIndex();
  list->setFocus();
  ASSERT_TRUE(list->hasFocus());
  test::turnWheel(list);
  EXPECT_EQ(list->currentIndex(), shown + 1);
  EXPECT_EQ(state.image[0x130], shown + 1);
}

// Regression: a stored 9.9 s (not among the offered durations) became 1.0 s
// when the cell's list was opened and left.
TEST_F(OptionPagesWheel, ADurationOffTheListSurvivesOpeningAndLeavingItsCell) {
  const std::vector<std::function<void(QComboBox*)>> leave = {
      [](QComboBox* list) { QTest::keyClick(list, Qt::Key_Escape); },
      [](QComboBox* list) { QTest::keyClick(list, Qt::Key_Return); },
      [this](QComboBox*) { clickCell(10, 1); },  // a click elsewhere takes the focus
      [](QComboBox* list) { test::turnWheel(list, -3); },
      [this](QComboBox*) {  // the window loses the focus: Qt stores and closes the editor
        ASSERT_TRUE(test::workElsewhere(window.get()));
      }};
  for (std::uint8_t tenths : {99, 1}) {
    storeRecord1(tenths);
    const QString shown = durationText();
    ASSERT_EQ(shown, tenths == 99 ? "9.9" : "0.1");
    const CodeplugImage before = state.image;
    for (std::size_t way = 0; way < leave.size(); ++way) {
      QComboBox* list = openDuration();
      ASSERT_NE(list, nullptr) << way;
      EXPECT_EQ(list->currentIndex(), -1) << "no entry matches " << shown.toStdString();
      leave[way](list);
      QCoreApplication::processEvents();
      grid()->setFocus();  // whatever is still open ends here
      QCoreApplication::processEvents();
      EXPECT_EQ(state.image[kRecord1 + 2], tenths) << way;
      EXPECT_EQ(durationText(), shown) << way;
      EXPECT_EQ(state.image, before) << way;
    }
  }
}

TEST_F(OptionPagesWheel, PickingAnotherDurationStoresIt) {
  storeRecord1(99);
  QComboBox* list = openDuration();
  ASSERT_NE(list, nullptr);
  QTest::keyClick(list, Qt::Key_Down);  // the first entry, 0.3 s
  EXPECT_EQ(list->currentText(), "0.3");
  QTest::keyClick(list, Qt::Key_Return);
  QCoreApplication::processEvents();
  EXPECT_EQ(state.image[kRecord1 + 2], 3);
  EXPECT_EQ(durationText(), "0.3");

  list = openDuration();
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->currentText(), "0.3");
  QTest::keyClick(list, Qt::Key_Down);
  QTest::keyClick(list, Qt::Key_Down);
  grid()->setFocus();  // leaving after a pick stores it
  QCoreApplication::processEvents();
  EXPECT_EQ(state.image[kRecord1 + 2], 5);
  EXPECT_EQ(durationText(), "0.5");
}

}  // namespace
}  // namespace q7
