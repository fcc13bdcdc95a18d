#include "channels/channel_record.h"

#include <gtest/gtest.h>

#include "channels/report_watch.h"

namespace q7 {
namespace {

CodeplugImage erasedImage() {
  CodeplugImage image;
  for (auto& byte : image.bytes()) byte = 0xFF;
  return image;
}

void putBytes(CodeplugImage& image, std::size_t address,
              std::initializer_list<std::uint8_t> bytes) {
  for (const std::uint8_t b : bytes) image[address++] = b;
}

TEST(ChannelRecord, FrequencyBytesRoundTrip) {
  CodeplugImage image = erasedImage();
  putBytes(image, recordAddress(1), {0x25, 0x06, 0x60, 0x44});
  ChannelTable table;
  icRxFreSol(image, table, 1);
  EXPECT_EQ(table.value(1, col::kRx), 44600625);

  image[recordAddress(1)] = 0;
  ciRxFreSol(image, table, 1);
  EXPECT_EQ(image[recordAddress(1) + 0], 0x25);
  EXPECT_EQ(image[recordAddress(1) + 1], 0x06);
  EXPECT_EQ(image[recordAddress(1) + 2], 0x60);
  EXPECT_EQ(image[recordAddress(1) + 3], 0x44);
  EXPECT_EQ((separateFreChar(44600625)), (std::array<std::uint8_t, 4>{0x44, 0x60, 0x06, 0x25}));
}

TEST(ChannelRecord, SlotIsInUseOnlyForATopByteOf01To99) {
  const std::pair<std::uint8_t, bool> cases[] = {{0x00, false}, {0x01, true},  {0x44, true},
                                                 {0x99, true},  {0x9A, false}, {0xFF, false}};
  for (const auto& [top, used] : cases) {
    CodeplugImage image = erasedImage();
    putBytes(image, recordAddress(2), {0x25, 0x06, 0x60, top});
    EXPECT_EQ(frequencyPresent(image, recordAddress(2)), used) << int(top);
  }
}

TEST(ChannelRecord, AbsentTxIsMinusOneAndWrittenBackAsFF) {
  CodeplugImage image = erasedImage();
  putBytes(image, recordAddress(3), {0x00, 0x00, 0x60, 0x44});
  ChannelTable table;
  table.value(3, col::kTx) = 44600000;
  icTxFreSol(image, table, 3);
  EXPECT_EQ(table.value(3, col::kTx), kNoFrequency);
  putBytes(image, recordAddress(3) + kTxOffset, {1, 2, 3, 4});
  ciTxFreSol(image, table, 3);
  for (std::size_t i = 4; i < 8; ++i) EXPECT_EQ(image[recordAddress(3) + i], 0xFF);
}

TEST(ChannelRecord, ShortFrequenciesKeepTheirValueOnTheWayBack) {
  // Byte 3 = 0x01 is a used slot holding 10.00000 MHz: seven decimal digits.
  CodeplugImage image = erasedImage();
  putBytes(image, recordAddress(4), {0x00, 0x00, 0x00, 0x01});
  ChannelTable table;
  icRxFreSol(image, table, 4);
  EXPECT_EQ(table.value(4, col::kRx), 1000000);
  ciRxFreSol(image, table, 4);
  EXPECT_EQ(image[recordAddress(4) + 3], 0x01);
  EXPECT_EQ(image[recordAddress(4) + 2], 0x00);
}

TEST(ChannelRecord, NonDecimalNibbleGives120MHzForRxAndNoTxWithAReport) {
  CodeplugImage image = erasedImage();
  putBytes(image, recordAddress(5), {0x5A, 0x06, 0x60, 0x44, 0x00, 0x0B, 0x60, 0x44});
  ChannelTable table;
  table.value(5, col::kTx) = 14500000;  // left over from an earlier image
  test::ReportWatch watch;
  icRxFreSol(image, table, 5);
  icTxFreSol(image, table, 5);
  EXPECT_EQ(table.value(5, col::kRx), kUndecodableRx);
  EXPECT_EQ(table.value(5, col::kTx), kNoFrequency);
  EXPECT_EQ(watch.locations(),
            (std::vector<std::string>{"modChMem->IcRxFreSol", "modChMem->IcTxFreSol"}));
}

// One row per option column: where its value lives and how each byte pattern reads.
struct OptionCase {
  int column;
  std::size_t offset;
  std::uint8_t bits;
  std::int32_t value;
};

TEST(ChannelRecord, OptionBitsDecodeByTheColumnTable) {
  const OptionCase cases[] = {
      {5, 13, 0x20, 1},  {6, 13, 0x10, 1},  {9, 13, 0x80, 1},  {8, 12, 0x08, 1},
      {8, 12, 0x10, 2},  {8, 12, 0x18, 0},  {11, 12, 0x02, 1}, {11, 12, 0x04, 2},
      {11, 12, 0x06, 0}, {13, 12, 0x20, 1}, {13, 12, 0x40, 0}, {13, 12, 0x60, 0},
      {10, 12, 0x01, 1}, {10, 14, 0x01, 2}, {12, 15, 0x05, 5}, {12, 15, 0x07, 7},
  };
  for (const OptionCase& c : cases) {
    CodeplugImage image;  // all other option bits clear
    image[recordAddress(6) + c.offset] = c.bits;
    ChannelTable table;
    icChParaSol(image, table, 6);
    EXPECT_EQ(table.value(6, c.column), c.value)
        << "column " << c.column << " bits " << int(c.bits);
  }
  CodeplugImage both;
  both[recordAddress(6) + 12] = 0x01;
  both[recordAddress(6) + 14] = 0x01;
  ChannelTable table;
  icChParaSol(both, table, 6);
  EXPECT_EQ(table.value(6, 10), 3);
}

TEST(ChannelRecord, OptionBitsEncodeOneColumnWithoutTouchingTheOthers) {
  struct Expect {
    int column;
    std::int32_t value;
    std::uint8_t b12, b13, b14, b15;
  };
  // The record starts as 81 FF FF FF in bytes 12..15, which decodes and
  // encodes unchanged; each case changes one column.
  const Expect cases[] = {
      {5, 0, 0x81, 0xDF, 0xFF, 0xFF},  {6, 0, 0x81, 0xEF, 0xFF, 0xFF},
      {9, 0, 0x81, 0x7F, 0xFF, 0xFF},  {8, 1, 0x89, 0xFF, 0xFF, 0xFF},
      {8, 2, 0x91, 0xFF, 0xFF, 0xFF},  {8, 3, 0x81, 0xFF, 0xFF, 0xFF},
      {11, 1, 0x83, 0xFF, 0xFF, 0xFF}, {11, 2, 0x85, 0xFF, 0xFF, 0xFF},
      {13, 1, 0xA1, 0xFF, 0xFF, 0xFF}, {10, 0, 0x80, 0xFF, 0xFE, 0xFF},
      {10, 1, 0x81, 0xFF, 0xFE, 0xFF}, {10, 2, 0x80, 0xFF, 0xFF, 0xFF},
      {10, 5, 0x80, 0xFF, 0xFF, 0xFF}, {12, 2, 0x81, 0xFF, 0xFF, 0xFA},
  };
  for (const Expect& c : cases) {
    CodeplugImage image = erasedImage();
    image[recordAddress(7) + 12] = 0x81;
    ChannelTable table;
    icChParaSol(image, table, 7);
    table.value(7, c.column) = c.value;
    ciChParaSol(image, table, 7);
    const std::size_t base = recordAddress(7);
    const std::array<std::uint8_t, 4> bytes = {image[base + 12], image[base + 13], image[base + 14],
                                               image[base + 15]};
    EXPECT_EQ(bytes, (std::array<std::uint8_t, 4>{c.b12, c.b13, c.b14, c.b15}))
        << "column " << c.column << " value " << c.value;
  }
}

TEST(ChannelRecord, ErasedOptionBytesKeepTheBitsNoColumnOwns) {
  // 0x18, 0x06 and 0x60 in byte 12 read as item 0 and are written back cleared;
  // byte 12 bit 7, byte 13 bits 0..3 and 6, byte 14 bits 1..7 and byte 15 bits
  // 3..7 belong to no column and stay set.
  CodeplugImage image = erasedImage();
  ChannelTable table;
  icChParaSol(image, table, 9);
  EXPECT_EQ(table.value(9, 8), 0);
  EXPECT_EQ(table.value(9, 11), 0);
  EXPECT_EQ(table.value(9, 13), 0);
  ciChParaSol(image, table, 9);
  const std::size_t base = recordAddress(9);
  EXPECT_EQ(image[base + 12], 0x81);
  EXPECT_EQ(image[base + 13], 0xFF);
  EXPECT_EQ(image[base + 14], 0xFF);
  EXPECT_EQ(image[base + 15], 0xFF);

  for (const int column : {5, 6, 9, 10, 12}) table.value(9, column) = 0;
  image[base + 12] = 0x60;
  ciChParaSol(image, table, 9);
  EXPECT_EQ(image[base + 12], 0x00);
  EXPECT_EQ(image[base + 13], 0x4F);
  EXPECT_EQ(image[base + 14], 0xFE);
  EXPECT_EQ(image[base + 15], 0xF8);
}

TEST(ChannelRecord, Column12IsClampedIntoThreeBitsAlsoInTheTable) {
  CodeplugImage image = erasedImage();
  image[recordAddress(8) + 15] = 0xF0;
  ChannelTable table;
  table.value(8, 12) = 9;
  ciChParaSol(image, table, 8);
  EXPECT_EQ(image[recordAddress(8) + 15], 0xF7);
  EXPECT_EQ(table.value(8, 12), 7);
  table.value(8, 12) = -4;
  ciChParaSol(image, table, 8);
  EXPECT_EQ(image[recordAddress(8) + 15], 0xF0);
  EXPECT_EQ(table.value(8, 12), 0);
}

TEST(ChannelRecord, ChannelBitmapHasOneBitPerChannel) {
  CodeplugImage image;
  ChannelTable table;
  for (int n = 1; n <= kChannelSlots; ++n) table.value(n, col::kBitmapOption) = n == 9 || n == 16;
  for (int n = 1; n <= kChannelSlots; ++n) ciChParaSol(image, table, n);
  EXPECT_EQ(image[0x17E], 0x00);
  EXPECT_EQ(image[0x17F], 0x81);  // channel 9 is bit 0, channel 16 bit 7 of 0x17F

  image[0x17E] = 0x04;
  icChParaSol(image, table, 3);
  EXPECT_EQ(table.value(3, col::kBitmapOption), 1);
  icChParaSol(image, table, 4);
  EXPECT_EQ(table.value(4, col::kBitmapOption), 0);
}

TEST(ChannelRecord, TableRefusesCellsOutsideItsRange) {
  ChannelTable table;
  EXPECT_THROW(table.value(17, 1), Failure);
  EXPECT_THROW(table.value(1, 21), Failure);
  EXPECT_THROW(table.tone(1, 5), Failure);
  CodeplugImage image;
  EXPECT_THROW(icRxFreSol(image, table, 17), Failure);
  EXPECT_THROW(separateFreChar(100000000), Failure);
}

}  // namespace
}  // namespace q7
