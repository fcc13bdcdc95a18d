// The volume dialog and the PTT ID pause channel dialog, offscreen.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "settings/ui/ptt_id_pause_dialog.h"
#include "settings/ui/volume_dialog.h"

namespace q7 {
namespace {

template <class Widget>
Widget* child(QWidget& parent, const char* name) {
  auto* widget = parent.findChild<Widget*>(name);
  EXPECT_NE(widget, nullptr) << name;
  return widget;
}

// Chooses an item of a drop-down list as the user does, with the keyboard.
void chooseWithKeys(QComboBox* list, int position) {
  list->setFocus();
  QTest::keyClick(list, Qt::Key_Home);
  for (int i = 0; i < position; ++i) QTest::keyClick(list, Qt::Key_Down);
}

class VolumeDialogTest : public ::testing::Test {
 protected:
  CodeplugImage image;
  CaptionTable captions{kEnglish};
};

TEST_F(VolumeDialogTest, ShowsCaptionsAndTheStoredSteps) {
  image[0x1A1] = 69;
  image[0x1AB] = 0x5A;
  VolumeDialog dialog(image, captions);
  EXPECT_EQ(dialog.windowTitle(), "Set Volume");
  EXPECT_EQ(child<QLabel>(dialog, "lblVolumeLevel(1)")->text(), "Volume  1 Level");
  EXPECT_EQ(child<QLabel>(dialog, "lblVolumeLevel(10)")->text(), "Volume 10 Level");
  EXPECT_EQ(child<QPushButton>(dialog, "cmdDefault")->text(), "Default");
  EXPECT_EQ(child<QCheckBox>(dialog, "chkVolumeIic")->text(), "Use This Set");
  EXPECT_EQ(child<QComboBox>(dialog, "cboVolumeDat(1)")->currentText(), "63");
  EXPECT_EQ(child<QComboBox>(dialog, "cboVolumeDat(1)")->count(), 256);
  EXPECT_TRUE(child<QCheckBox>(dialog, "chkVolumeIic")->isChecked());
  EXPECT_EQ(image[0x1A1], 69);  // showing writes nothing
}

TEST_F(VolumeDialogTest, DefaultShowsTheFactoryPositions) {
  VolumeDialog dialog(image, captions);
  QTest::mouseClick(child<QPushButton>(dialog, "cmdDefault"), Qt::LeftButton);
  const int factory[] = {63, 111, 143, 159, 175, 191, 207, 223, 239, 252};
  for (int step = 1; step <= 10; ++step) {
    const auto name = "cboVolumeDat(" + std::to_string(step) + ")";
    EXPECT_EQ(child<QComboBox>(dialog, name.c_str())->currentIndex(), factory[step - 1]);
  }
  EXPECT_TRUE(child<QCheckBox>(dialog, "chkVolumeIic")->isChecked());
  EXPECT_EQ(image[0x1AB], 0x5A);
  EXPECT_EQ(image[0x1AA], 253);
}

TEST_F(VolumeDialogTest, UserChoicesGoStraightIntoTheImage) {
  VolumeDialog dialog(image, captions);
  dialog.show();
  chooseWithKeys(child<QComboBox>(dialog, "cboVolumeDat(3)"), 100);
  EXPECT_EQ(image[0x1A3], 47);
  QTest::mouseClick(child<QCheckBox>(dialog, "chkVolumeIic"), Qt::LeftButton);
  EXPECT_EQ(image[0x1AB], 0x5A);
  QTest::mouseClick(child<QCheckBox>(dialog, "chkVolumeIic"), Qt::LeftButton);
  EXPECT_EQ(image[0x1AB], 0xFF);
}

// Enter, wherever the focus is, presses OK and keeps the steps chosen; it
// never presses Default, which would overwrite them all.
TEST_F(VolumeDialogTest, EnterPressesOkNeverDefault) {
  VolumeDialog dialog(image, captions);
  const char* const focused[] = {"cboVolumeDat(2)", "cboVolumeDat(10)", "chkVolumeIic",
                                 "cmdDefault"};
  for (const char* name : focused) {
    SCOPED_TRACE(name);
    dialog.show();
    chooseWithKeys(child<QComboBox>(dialog, "cboVolumeDat(2)"), 5);
    QWidget* widget = child<QWidget>(dialog, name);
    widget->setFocus();
    QTest::keyClick(widget, Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(image[0x1A2], 5);  // position 5, not the factory step
  }
}

class PttIdPauseDialogTest : public ::testing::Test {
 protected:
  QCheckBox* box(QWidget& dialog, int i) {
    const auto name = "chkPttIdPauseChSet(" + std::to_string(i) + ")";
    return child<QCheckBox>(dialog, name.c_str());
  }
  CodeplugImage image;
  CaptionTable captions{kEnglish};
};

TEST_F(PttIdPauseDialogTest, ShowsTheFlagsWithoutWritingThem) {
  for (std::size_t a = 0x10; a < 0x110; ++a) image[a] = static_cast<std::uint8_t>(a * 37);
  const CodeplugImage before = image;
  PttIdPauseDialog dialog(image, captions);
  EXPECT_EQ(dialog.windowTitle(), "PTT ID Pause In Channel Set");
  EXPECT_EQ(box(dialog, 15)->text(), "CH 16");
  EXPECT_EQ(child<QRadioButton>(dialog, "chkSelectAll")->text(), "All");
  for (int i = 0; i < 16; ++i) {
    EXPECT_EQ(box(dialog, i)->isChecked(), (image[0x1D + 16 * i] & 0x40) != 0) << i;
  }
  EXPECT_EQ(image, before);
}

TEST_F(PttIdPauseDialogTest, AllSetsEveryFlagAndAClickedBoxClearsAll) {
  PttIdPauseDialog dialog(image, captions);
  dialog.show();
  QTest::mouseClick(child<QRadioButton>(dialog, "chkSelectAll"), Qt::LeftButton);
  for (int i = 0; i < 16; ++i) {
    EXPECT_EQ(image[0x1D + 16 * i], 0x40) << i;
    EXPECT_TRUE(box(dialog, i)->isChecked()) << i;
  }
  QTest::mouseClick(box(dialog, 2), Qt::LeftButton);
  EXPECT_EQ(image[0x3D], 0x00);
  EXPECT_FALSE(child<QRadioButton>(dialog, "chkSelectAll")->isChecked());
  EXPECT_FALSE(child<QRadioButton>(dialog, "chkSelectNone")->isChecked());
  QTest::mouseClick(child<QRadioButton>(dialog, "chkSelectNone"), Qt::LeftButton);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(image[0x1D + 16 * i], 0x00) << i;
  EXPECT_FALSE(child<QRadioButton>(dialog, "chkSelectAll")->isChecked());
}

}  // namespace
}  // namespace q7
