#include "shell/codeplug_editor.h"

#include <gtest/gtest.h>

#include "shell/error_report.h"

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

TEST(CodeplugEditor, StoreForWriteEncodesTheChannelTable) {
  ShippedEditor e;
  e.editor.showImage();
  e.state.image[0x10] = 0x12;  // a stray RX byte in channel 1, which the table holds erased
  e.editor.storeForWrite();
  for (std::size_t a = 0x10; a < 0x14; ++a) EXPECT_EQ(e.state.image[a], 0xFF) << a;
}

}  // namespace
}  // namespace q7
