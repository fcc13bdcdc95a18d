#include <gtest/gtest.h>

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "channels/ui/channel_window_fixture.h"

namespace q7 {
namespace {

using ChannelWindowBand = test::WindowFixture;

std::array<std::uint8_t, 4> bandBytes(const AppState& state) {
  return {state.image[0x37A], state.image[0x37B], state.image[0x37C], state.image[0x37D]};
}

TEST_F(ChannelWindowBand, SetUpSelects400To470AndStartsANewImage) {
  auto* model = child<QComboBox>("cboModel");
  auto* band = child<QComboBox>("cboFrequency");
  EXPECT_EQ(model->count(), 1);
  EXPECT_EQ(model->currentText(), "TARN Q7");
  ASSERT_EQ(band->count(), 15);
  EXPECT_EQ(band->currentIndex(), 7);
  EXPECT_EQ(band->itemText(14), "Custom");
  EXPECT_EQ(shell.newFiles, 1);
  EXPECT_EQ(bandBytes(state), (std::array<std::uint8_t, 4>{0x40, 0x00, 0x47, 0x00}));
  EXPECT_EQ(window->bandLimits(), (BandLimits{40000000, 47000000}));
}

TEST_F(ChannelWindowBand, ChangingTheBandStartsANewImageWithTheNewLimits) {
  typeInto(1, 1, "446.1");
  auto* band = child<QComboBox>("cboFrequency");
  band->setCurrentIndex(2);
  emit band->activated(2);
  EXPECT_EQ(shell.newFiles, 2);
  EXPECT_EQ(bandBytes(state), (std::array<std::uint8_t, 4>{0x13, 0x60, 0x15, 0x00}));
  EXPECT_EQ(window->bandLimits(), (BandLimits{13600000, 15000000}));
  EXPECT_EQ(cell(1, 1), "");
  typeInto(1, 1, "446.1");
  EXPECT_EQ(cell(1, 1), "150") << "typed frequencies now meet the new band";
}

// Answers the custom band dialog when it shows: checks the lower limit it
// offers, types the two limits and presses the button.
void answerCustomBand(QWidget* window, QString offeredMin, QString min, QString max,
                      const char* button) {
  QTimer::singleShot(0, [=] {
    auto* dialog = window->findChild<QDialog*>("frmCustomFre");
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isModal());
    EXPECT_EQ(dialog->findChild<QLineEdit*>("txtFreMin")->text(), offeredMin);
    dialog->findChild<QLineEdit*>("txtFreMin")->setText(min);
    dialog->findChild<QLineEdit*>("txtFreMax")->setText(max);
    dialog->findChild<QPushButton*>(button)->click();
  });
}

TEST_F(ChannelWindowBand, CustomBandComesFromTheDialog) {
  auto* band = child<QComboBox>("cboFrequency");
  answerCustomBand(window.get(), "120", "123.456", "130", "cmdOK");
  emit band->activated(kCustomBand);
  EXPECT_EQ(window->bandLimits(), (BandLimits{12345600, 13000000}));
  EXPECT_EQ(bandBytes(state), (std::array<std::uint8_t, 4>{0x12, 0x35, 0x13, 0x00}));
  EXPECT_EQ(shell.newFiles, 3);
  EXPECT_EQ(shell.defaultPaths, 1);

  answerCustomBand(window.get(), "123.456", "450", "430", "cmdOK");
  emit band->activated(kCustomBand);
  EXPECT_EQ(window->bandLimits(), kWidestCustomBand);

  answerCustomBand(window.get(), "120", "400", "410", "cmdCancel");
  emit band->activated(kCustomBand);
  EXPECT_EQ(window->bandLimits(), kWidestCustomBand);
  EXPECT_EQ(bandBytes(state), (std::array<std::uint8_t, 4>{0x12, 0x00, 0x52, 0x00}));
  EXPECT_EQ(shell.defaultPaths, 2);
}

TEST_F(ChannelWindowBand, CancelledCustomBandLeavesImageListAndLimits) {
  auto* band = child<QComboBox>("cboFrequency");
  typeInto(1, 1, "446.1");
  const int newFiles = shell.newFiles;
  const auto bytes = bandBytes(state);
  answerCustomBand(window.get(), "120", "400", "410", "cmdCancel");
  band->setFocus();
  QTest::keyClick(band, Qt::Key_End);  // the last entry: Custom
  EXPECT_EQ(band->currentIndex(), kDefaultBand);
  EXPECT_EQ(window->bandLimits(), bandLimits(kDefaultBand));
  EXPECT_EQ(bandBytes(state), bytes);
  EXPECT_EQ(shell.newFiles, newFiles);
  EXPECT_EQ(cell(1, 1), "446.1");
}

TEST_F(ChannelWindowBand, OpenedImageBringsItsOwnBandWithoutANewImage) {
  std::vector<std::string> calls;
  window->setOptionPages({[&] { calls.push_back("initOpt"); },
                          [&] { calls.push_back("repairIdentifier"); },
                          [&] { calls.push_back("checkVoxCalibration"); }});
  const std::uint8_t record[] = {0x00, 0x50, 0x45, 0x14, 0xFF, 0xFF, 0xFF, 0xFF};
  for (std::size_t i = 0; i < sizeof record; ++i) state.image[0x20 + i] = record[i];
  state.image[0x379] = 3;
  state.image[0x37A] = 0x13;
  state.image[0x37B] = 0x60;
  state.image[0x37C] = 0x17;
  state.image[0x37D] = 0x40;
  window->showImage();
  EXPECT_EQ(shell.newFiles, 1);
  EXPECT_EQ(child<QComboBox>("cboFrequency")->currentIndex(), 1);
  EXPECT_EQ(window->bandLimits(), (BandLimits{13600000, 17400000}));
  EXPECT_EQ(state.image[0x379], 0);
  EXPECT_EQ(cell(2, 1), "144.55");
  EXPECT_EQ(cell(2, 2), "");
  EXPECT_EQ(calls,
            (std::vector<std::string>{"initOpt", "repairIdentifier", "checkVoxCalibration"}));
}

TEST_F(ChannelWindowBand, ButtonsRestoreDefaultsAndDeleteEveryChannel) {
  child<QPushButton>("cmdDefSet")->click();
  EXPECT_EQ(shell.defaultsRestored, 1);
  typeInto(1, 1, "446.1");
  typeInto(16, 1, "446.2");
  child<QPushButton>("cmdDelAllCh")->click();
  EXPECT_EQ(cell(1, 1), "");
  EXPECT_EQ(cell(16, 1), "");
  EXPECT_EQ(state.image[0x100 + 3], 0xFF);
}

TEST_F(ChannelWindowBand, NinthDoubleClickOnTheModelLabelShowsTheMemoryView) {
  auto* label = child<QLabel>("lblModel");
  for (int click = 0; click < 10; ++click) QTest::mouseDClick(label, Qt::LeftButton);
  ASSERT_EQ(shell.memoryView.size(), 10u);
  for (std::size_t i = 0; i < 10; ++i) EXPECT_EQ(shell.memoryView[i], i == 8) << i;
}

}  // namespace
}  // namespace q7
