#pragma once
// A channel grid over an erased image and the shipped settings file, in English,
// with the band 400..470 MHz.
#include <gtest/gtest.h>

#include "channels/channel_grid.h"

namespace q7::test {

class GridFixture : public ::testing::Test {
 protected:
  GridFixture() {
    state.settings = ProfileFile(std::string(Q7_DATA_DIR) + "/corvane.def");
    state.language = kEnglish;
    for (auto& byte : state.image.bytes()) byte = 0xFF;
    state.templateImage = state.image;
    grid.initialise();
    grid.showChTblGrid();
  }

  void putRecord(int channel, std::initializer_list<std::uint8_t> bytes) {
    std::size_t address = recordAddress(channel);
    for (const std::uint8_t b : bytes) state.image[address++] = b;
  }
  std::uint8_t recordByte(int channel, std::size_t offset) const {
    return state.image[recordAddress(channel) + offset];
  }
  const std::string& text(int row, int column) const { return grid.cell(row, column).text; }
  // Types a frequency into an empty row the way the grid lets it be typed.
  void typeRx(int row, const std::string& mhz) {
    grid.click(row, col::kRx);
    if (grid.beforeEdit(row, col::kRx).allowed) grid.afterEdit(row, col::kRx, mhz);
  }

  AppState state;
  BandLimits band{40000000, 47000000};
  ChannelGrid grid{state, band};
};

}  // namespace q7::test
