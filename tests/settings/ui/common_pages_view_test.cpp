// The windows of Common Set, Key Assign, Vox, Scan, Battery and the model
// information controls, offscreen.
#include "settings/ui/common_pages_view.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <array>
#include <cstdlib>
#include <memory>

#include "foundation/ui/qt_text.h"
#include "support/ui/window_focus.h"

namespace q7 {
namespace {

constexpr const char* kFrames[] = {"fraSysSet1", "fraSysSet2", "fraSysSet3",
                                   "fraSysSet4", "fraSysSet5", "fraModelInfo"};

struct PagesWindow {
  CodeplugImage image;
  CaptionTable captions;
  OptionPages pages{image, captions};
  ControlBinder binder{pages};
  QTabWidget tabs;
  std::array<QWidget*, 6> frames{};
  int volumeDialogs = 0;

  explicit PagesWindow(int language = kEnglish) : captions(language) {
    for (std::size_t i = 0; i < 6; ++i) {
      frames[i] = i < 5 ? new QWidget : new QGroupBox;
      frames[i]->setObjectName(kFrames[i]);
      tabs.addTab(frames[i], kFrames[i]);
    }
    new QGridLayout(frames[5]);  // the model and band rows live here already
    buildCommonPages(binder, {frames[0], frames[1], frames[2], frames[3], frames[4], frames[5]},
                     [this] { ++volumeDialogs; });
    tabs.resize(1024, 300);
  }
  template <class W>
  W* find(const char* name) {
    W* widget = tabs.findChild<W*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
};

// Tab follows what the eye sees: the ">>" button right after the volume list
// it serves, "Default" right after the ten VOX levels.
TEST(CommonPagesView, TabGoesFromEachListToTheButtonBesideIt) {
  PagesWindow w;
  w.pages.initOpt();
  const std::pair<const char*, const char*> steps[] = {
      {"cboTwoWayVolumeLevel", "cmdTwoWayVolSet"},
      {"cboVoxCmpDat(10)", "cmdVoxCmpDefault"},
  };
  for (const auto& [from, to] : steps) {
    auto* start = w.find<QWidget>(from);
    for (int i = 0; i < w.tabs.count(); ++i)
      if (w.tabs.widget(i)->isAncestorOf(start)) w.tabs.setCurrentIndex(i);
    ASSERT_TRUE(test::activate(&w.tabs));
    start->setFocus();
    QTest::keyClick(start, Qt::Key_Tab);
    ASSERT_NE(QApplication::focusWidget(), nullptr) << from;
    EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(), to) << from;
  }
}

TEST(CommonPagesView, EveryControlHasItsWidgetInItsFrame) {
  PagesWindow w;
  for (std::size_t i = 0; i < 6; ++i) {
    for (const std::string& name : w.pages.controlsIn(kFrames[i])) {
      QWidget* widget = w.frames[i]->findChild<QWidget*>(qs(name));
      EXPECT_NE(widget, nullptr) << name << " in " << kFrames[i];
    }
  }
  EXPECT_NE(w.find<QListWidget>("listSk1Short"), nullptr);
  EXPECT_NE(w.find<QComboBox>("cboSk1LongTime"), nullptr);
  EXPECT_NE(w.find<QLabel>("lblVoxCmpLevel(9)"), nullptr);
}

TEST(CommonPagesView, WidgetsShowTheLoadedImageAndWriteTheUsersChoice) {
  PagesWindow w;
  w.image[0x130] = 0x13;
  w.image[0x36D] = 0x01;
  w.image[0x361] = 9;
  w.pages.initOpt();
  auto* tot = w.find<QComboBox>("cboTot");
  EXPECT_EQ(tot->currentText(), "60s");
  EXPECT_EQ(w.find<QListWidget>("listSk1Long")->currentItem()->text(), "10--Squelch Off Momentary");

  tot->setCurrentIndex(2);
  emit tot->activated(2);
  EXPECT_EQ(w.image[0x130], 2);

  auto* sk2 = w.find<QListWidget>("listSk2Short");
  sk2->setCurrentRow(24);
  EXPECT_EQ(w.image[0x362], 28);
  EXPECT_EQ(sk2->currentRow(), 24);
}

TEST(CommonPagesView, HandlersShowTheirDependenciesAtOnce) {
  PagesWindow w;
  w.image[0x36D] = 0x01;
  w.image[0x367] = 0x10;
  w.pages.initOpt();
  auto* txEnd = w.find<QCheckBox>("chkTxEndTone");
  auto* monitor = w.find<QCheckBox>("chkMoniTxEndTone");
  EXPECT_TRUE(monitor->isChecked());
  txEnd->click();
  EXPECT_FALSE(monitor->isChecked());
  EXPECT_FALSE(monitor->isEnabled());
  EXPECT_EQ(w.image[0x367], 0x00);

  auto* level = w.find<QComboBox>("cboVoxCmpDat(1)");
  EXPECT_EQ(level->toolTip(), "2200mv");
  w.find<QPushButton>("cmdVoxCmpDefault")->click();
  EXPECT_EQ(w.image[0x19E], 0x5A);
}

TEST(CommonPagesView, TheVolumeButtonOpensTheVolumeDialog) {
  PagesWindow w;
  w.pages.initOpt();
  auto* button = w.find<QPushButton>("cmdTwoWayVolSet");
  EXPECT_EQ(button->text(), ">>");
  button->click();
  EXPECT_EQ(w.volumeDialogs, 1);
}

// On a 1024-pixel wide screen no page needs to scroll sideways, in any language.
TEST(CommonPagesView, PagesFitTheWidthOfASmallScreenInEveryLanguage) {
  for (int language : {kSimplifiedChinese, kTraditionalChinese, kEnglish}) {
    PagesWindow w(language);
    w.pages.initOpt();  // the lists' widths follow their items
    for (std::size_t i = 0; i < 5; ++i) {
      auto* scroll = w.frames[i]->findChild<QScrollArea*>();
      ASSERT_NE(scroll, nullptr);
      EXPECT_LE(scroll->widget()->sizeHint().width(), 1000)
          << kFrames[i] << " language " << language;
    }
  }
}

}  // namespace
}  // namespace q7
