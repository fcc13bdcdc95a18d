#include <gtest/gtest.h>

#include "channels/grid_fixture.h"
#include "channels/report_watch.h"
#include "support/temp_dir.h"

namespace q7 {
namespace {

using Grid = test::GridFixture;

TEST_F(Grid, ErasedImageShowsSixteenEmptyRowsWithDefaultOptions) {
  EXPECT_EQ(grid.rows(), 16);
  EXPECT_EQ(grid.columns(), 13);
  for (int row = 1; row <= 16; ++row) {
    EXPECT_EQ(grid.table().value(row, col::kRx), kNoFrequency);
    EXPECT_EQ(grid.table().value(row, col::kTx), kNoFrequency);
    EXPECT_EQ(grid.table().value(row, col::kBitmapOption), 1) << "shipped default: scan add";
    EXPECT_EQ(grid.table().value(row, 12), 0);
    for (int column = 1; column <= 13; ++column) EXPECT_EQ(text(row, column), "");
  }
}

TEST_F(Grid, StoredChannelShowsItsFieldsAndReceiveOnlyLeavesTxCellsEmpty) {
  putRecord(2, {0x25, 0x06, 0x60, 0x44, 0xFF, 0xFF, 0xFF, 0xFF, 0x75, 0x03, 0x13, 0x28, 0x89, 0x20,
                0x00, 0x03});
  putRecord(3, {0x00, 0x00, 0x61, 0x44, 0x00, 0x00, 0x10, 0x45, 0xFF, 0xFF, 0xEC, 0xA9});
  grid.showChTblGrid();
  EXPECT_EQ(text(2, 1), "446.00625");
  EXPECT_EQ(text(2, 2), "");
  EXPECT_EQ(text(2, 3), "88.5");
  EXPECT_EQ(text(2, 4), "");
  EXPECT_EQ(grid.table().tone(2, col::kTxTone), "D023N");
  EXPECT_EQ(text(2, 5), "Narrow");
  EXPECT_EQ(text(2, 8), "Carrier");
  EXPECT_EQ(text(2, 10), "BOT");
  EXPECT_EQ(text(2, 12), "3");
  EXPECT_EQ(text(3, 1), "446.1");
  EXPECT_EQ(text(3, 2), "451");
  EXPECT_EQ(text(3, 3), "None");
  EXPECT_EQ(text(3, 4), "D754I");
}

TEST_F(Grid, FrequenciesOutsideTheBandAreMarkedButKept) {
  putRecord(1, {0x00, 0x00, 0x00, 0x48, 0x00, 0x00, 0x00, 0x39});
  grid.showChTblGrid();
  EXPECT_EQ(text(1, 1), "480");
  EXPECT_TRUE(grid.cell(1, 1).outOfBand);
  EXPECT_EQ(text(1, 2), "390");
  EXPECT_TRUE(grid.cell(1, 2).outOfBand);
  EXPECT_EQ(grid.table().value(1, col::kRx), 48000000);
}

TEST_F(Grid, WritingBackAnUnchangedImageKeepsItsChannels) {
  putRecord(4, {0x25, 0x06, 0x60, 0x44, 0x00, 0x50, 0x60, 0x44, 0x75, 0x03, 0x13, 0x28, 0x89, 0x20,
                0x00, 0x03});
  const CodeplugImage before = state.image;
  grid.showChTblGrid();
  grid.chInfoToIicDat();
  for (std::size_t i = 0; i < kRecordSize; ++i) {
    EXPECT_EQ(state.image[recordAddress(4) + i], before[recordAddress(4) + i]) << i;
  }
}

TEST_F(Grid, DeletingAChannelRestoresTheTemplateRecordAndKeepsTheBitmap) {
  // The template image is the template file: channel 5's record at file offset 0x60.
  for (std::size_t i = 0; i < 2 * kRecordSize; ++i) state.templateImage[0x50 + i] = 0x40 + i;
  putRecord(5, {0x25, 0x06, 0x60, 0x44});
  state.image[0x17E] = 0x10;
  grid.showChTblGrid();
  ASSERT_EQ(text(5, 1), "446.00625");
  EXPECT_TRUE(grid.delOneChannel(5));
  for (std::size_t i = 0; i < kRecordSize; ++i) EXPECT_EQ(recordByte(5, i), 0x50 + i) << i;
  EXPECT_EQ(state.image[0x17E], 0x10);
  EXPECT_EQ(text(5, 1), "");
  EXPECT_EQ(grid.table().value(5, col::kRx), kNoFrequency);
  EXPECT_EQ(grid.table().tone(5, col::kRxTone), "");

  putRecord(6, {0x25, 0x06, 0x60, 0x44});
  grid.showChTblGrid();
  grid.deleteAllChannels();
  for (int row = 1; row <= 16; ++row) EXPECT_EQ(grid.table().value(row, col::kRx), kNoFrequency);
  EXPECT_EQ(recordByte(6, 3), 0xFF);
}

TEST_F(Grid, RowCountBeyondTheRadioNeverReachesPastChannel16) {
  test::TempDir dir;
  state.settings = ProfileFile(dir / "corvane.def");
  state.settings.writeWholeFile("[ChInfo]\r\n3000=40\r\n");
  putRecord(16, {0x25, 0x06, 0x60, 0x44});
  test::ReportWatch watch;
  grid.initialise();
  grid.showChTblGrid();
  grid.chInfoToIicDat();
  EXPECT_EQ(grid.rows(), 16);
  for (std::size_t a = recordAddress(17); a < recordAddress(18); ++a)
    EXPECT_EQ(state.image[a], 0xFF);
  EXPECT_EQ(watch.locations().front(), "modChMem->ReadChInfo");
}

}  // namespace
}  // namespace q7
