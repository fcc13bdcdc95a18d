#include "shell/codeplug_editor.h"

#include <gtest/gtest.h>

#include "foundation/error_report.h"

namespace q7 {
namespace {

// An editor over the shipped settings file and template, as the command line builds it.
struct ShippedEditor {
  ShippedEditor() {
    state.settings = ProfileFile(std::filesystem::path(Q7_DATA_DIR) / "corvane.def");
    state.captions = CaptionTable(kEnglish);
    const auto templ = readImageFile(std::filesystem::path(Q7_DATA_DIR) / "dhcpqec.def", 1040);
    std::copy(templ.begin(), templ.end(), state.templateImage.bytes().begin());
    state.image.loadFileLayout(templ);
    editor.initialise();
  }
  AppState state;
  CodeplugEditor editor{state};
};

TEST(CodeplugEditor, RefreshRepairsTheImageAsTheWindowsDo) {
  errorReporter().clear();
  ShippedEditor e;
  std::fill(e.state.image.bytes().begin(), e.state.image.bytes().begin() + 1024, 0xFF);
  e.editor.showImage();
  EXPECT_TRUE(errorReporter().lines().empty());
  EXPECT_EQ(e.editor.modelBand().bandPosition, 8);  // erased band -> 400..480 MHz
  EXPECT_EQ(e.state.image[0x37A], 0x40);
  EXPECT_EQ(e.state.image[0x37C], 0x48);
  EXPECT_EQ(e.state.image[0x1B8], 'R');
  EXPECT_EQ(e.state.image[0x130], 4);  // time-out timer out of range -> 60 s
  EXPECT_EQ(e.editor.pages().control("cboTot").selected, 4);
}

TEST(CodeplugEditor, TheWriteHooksEncodeTheChannelTable) {
  ShippedEditor e;
  e.editor.showImage();
  e.state.image[0x10] = 0x12;  // a stray RX byte in channel 1, which the table holds erased
  const TransferHooks hooks = e.editor.writeHooks();
  hooks.storeChannels();
  hooks.commitKeyLists();
  for (std::size_t a = 0x10; a < 0x14; ++a) EXPECT_EQ(e.state.image[a], 0xFF) << a;
}

// Out-of-band colours follow the band of the image being shown, not the band
// of the one shown before it.
TEST(CodeplugEditor, OutOfBandMarksFollowTheBandOfTheImageShown) {
  ShippedEditor e;
  e.editor.showImage();                                     // the template's 400 - 470 MHz
  const std::uint8_t vhfBand[] = {0x13, 0x60, 0x17, 0x40};  // 136 - 174 MHz
  std::copy(std::begin(vhfBand), std::end(vhfBand), e.state.image.bytes().begin() + 0x37A);
  const std::uint8_t at145[] = {0x00, 0x00, 0x50, 0x14}, at446[] = {0x00, 0x00, 0x60, 0x44};
  std::copy(std::begin(at145), std::end(at145), e.state.image.bytes().begin() + 0x10);
  std::copy(std::begin(at446), std::end(at446), e.state.image.bytes().begin() + 0x20);
  e.editor.showImage();
  EXPECT_EQ(e.editor.modelBand().limits.lower, 13600000);
  EXPECT_EQ(e.editor.grid().cell(1, 1).text, "145");
  EXPECT_FALSE(e.editor.grid().cell(1, 1).outOfBand);
  EXPECT_TRUE(e.editor.grid().cell(2, 1).outOfBand);
}

// A save depends only on the image being saved: an empty slot gets no tone
// words from the image shown before.
TEST(CodeplugEditor, EmptySlotsKeepNoTonesOfTheImageShownBefore) {
  ShippedEditor e;
  const std::uint8_t channel5[] = {0x00, 0x00, 0x60, 0x44, 0xFF, 0xFF,
                                   0xFF, 0xFF, 0x75, 0x03, 0x13, 0x28};  // 446 MHz, 88.5 / D023N
  std::copy(std::begin(channel5), std::end(channel5), e.state.image.bytes().begin() + 0x50);
  e.editor.showImage();
  EXPECT_EQ(e.editor.grid().cell(5, 3).text, "88.5");
  std::fill_n(e.state.image.bytes().begin() + 0x50, 16, 0xFF);
  e.editor.showImage();
  e.editor.storeChannels();
  for (std::size_t a = 0x58; a < 0x5C; ++a) EXPECT_EQ(e.state.image[a], 0xFF) << a;
}

}  // namespace
}  // namespace q7
