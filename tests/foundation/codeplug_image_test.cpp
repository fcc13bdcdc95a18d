#include "foundation/codeplug_image.h"

#include <gtest/gtest.h>

#include <fstream>

#include "foundation/error_report.h"
#include "support/temp_dir.h"

namespace q7 {
namespace {

CodeplugImage patterned() {
  CodeplugImage image;
  for (std::size_t i = 0; i < kRadioSize; ++i) image[i] = static_cast<std::uint8_t>(i * 7 + 3);
  return image;
}

void putBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

TEST(DataFile, LayoutIsIdentifierHeaderFillerThenRadioBytes) {
  const CodeplugImage image = patterned();
  const auto file = image.toFileLayout();
  ASSERT_EQ(file.size(), 1040u);
  EXPECT_EQ(std::string(file.begin(), file.begin() + 6), "QM5128");
  for (std::size_t i = 6; i < 16; ++i) EXPECT_EQ(file[i], image[i]) << i;
  for (std::size_t i = 16; i < 32; ++i) EXPECT_EQ(file[i], 0xFF) << i;
  for (std::size_t a = 0x10; a < 0x400; ++a) EXPECT_EQ(file[a + 16], image[a]) << a;
}

TEST(DataFile, SaveThenOpenGivesBackTheRadioBytes) {
  test::TempDir dir;
  const CodeplugImage image = patterned();
  writeDataFile(dir / "a.dat", image);
  EXPECT_EQ(std::filesystem::file_size(dir / "a.dat"), 1040u);
  CodeplugImage loaded;
  loaded.loadFileLayout(readImageFile(dir / "a.dat", loaded.size()));
  for (std::size_t a = 16; a < kRadioSize; ++a) EXPECT_EQ(loaded[a], image[a]) << a;
  EXPECT_EQ(std::string(loaded.bytes().begin(), loaded.bytes().begin() + 6), "QM5128");
}

TEST(DataFile, SavingOverALongerFileLeavesExactly1040Bytes) {
  test::TempDir dir;
  putBytes(dir / "a.dat", std::vector<std::uint8_t>(5000, 0x11));
  writeDataFile(dir / "a.dat", patterned());
  EXPECT_EQ(std::filesystem::file_size(dir / "a.dat"), 1040u);
}

TEST(DataFile, FailedSaveLeavesTheOldFile) {
  test::TempDir dir;
  putBytes(dir / "a.dat", std::vector<std::uint8_t>(1040, 0x22));
  std::filesystem::create_directory(dir / "folder.dat");
  EXPECT_THROW(writeDataFile(dir / "folder.dat", patterned()), Failure);
  EXPECT_THROW(writeDataFile(dir / "nowhere" / "a.dat", patterned()), Failure);
  CodeplugImage loaded;
  loaded.loadFileLayout(readImageFile(dir / "a.dat", loaded.size()));
  EXPECT_EQ(loaded[100], 0x22);
}

TEST(DataFile, ShortMissingAndLongFiles) {
  test::TempDir dir;
  putBytes(dir / "short.dat", std::vector<std::uint8_t>(1039, 0));
  EXPECT_THROW(readImageFile(dir / "short.dat", 1040), Failure);
  try {
    readImageFile(dir / "none.dat", 1040);
    FAIL();
  } catch (const Failure& f) {
    EXPECT_EQ(f.number(), err::kFileNotFound);
  }
  std::vector<std::uint8_t> longer(2000, 0x33);
  longer[1039] = 0x44;
  putBytes(dir / "long.dat", longer);
  const auto bytes = readImageFile(dir / "long.dat", 1040);
  ASSERT_EQ(bytes.size(), 1040u);
  EXPECT_EQ(bytes.back(), 0x44);
}

TEST(CodeplugImage, LoadMovesFileBytesDownBy16AndWordsAreLowByteFirst) {
  std::vector<std::uint8_t> file(1040);
  for (std::size_t i = 0; i < file.size(); ++i) file[i] = static_cast<std::uint8_t>(i);
  CodeplugImage image;
  image.loadFileLayout(file);
  EXPECT_EQ(image[5], 5);
  EXPECT_EQ(image[15], 15);
  EXPECT_EQ(image[16], 32);
  EXPECT_EQ(image[1023], static_cast<std::uint8_t>(1039));
  EXPECT_EQ(image[1030], static_cast<std::uint8_t>(1030));
  image.setWord(0x100, 0x1234);
  EXPECT_EQ(image[0x100], 0x34);
  EXPECT_EQ(image.word(0x100), 0x1234);
}

TEST(CodeplugImage, MarkSavedCopiesIdentifierAndTail) {
  CodeplugImage image = patterned();
  image.markSaved();
  EXPECT_EQ(image[0], 'Q');
  EXPECT_EQ(image[5], '8');
  for (std::size_t i = 0; i < 16; ++i) EXPECT_EQ(image[1024 + i], image[1008 + i]);
}

}  // namespace
}  // namespace q7

namespace q7 {
namespace {

TEST(ImageAccessors, PackedBcdInEitherByteOrder) {
  struct Case {
    std::uint32_t value;
    int digits;
    ByteOrder order;
    std::vector<std::uint8_t> bytes;
  };
  const Case cases[] = {
      {44600625, 8, ByteOrder::HighFirst, {0x44, 0x60, 0x06, 0x25}},
      {44600625, 8, ByteOrder::LowFirst, {0x25, 0x06, 0x60, 0x44}},
      {4000, 4, ByteOrder::HighFirst, {0x40, 0x00}},
      {12345, 4, ByteOrder::HighFirst, {0x23, 0x45}},  // digits beyond the field are dropped
      {7, 2, ByteOrder::LowFirst, {0x07}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(packBcd(c.value, c.digits, c.order), c.bytes) << c.value;
    CodeplugImage image;
    image.setBcd(0x100, c.digits, c.value, c.order);
    for (std::size_t i = 0; i < c.bytes.size(); ++i) EXPECT_EQ(image[0x100 + i], c.bytes[i]);
    EXPECT_TRUE(image.isBcd(0x100, c.digits));
    EXPECT_EQ(image.bcd(0x100, c.digits, c.order), c.value % (c.digits == 4 ? 10000 : 100000000))
        << c.value;
  }
}

TEST(ImageAccessors, NibblesAboveNineAreWeightedButNotBcd) {
  CodeplugImage image;
  image[0x37A] = 0x1A;
  image[0x37B] = 0x00;
  EXPECT_FALSE(image.isBcd(0x37A, 4));
  EXPECT_EQ(image.bcd(0x37A, 4, ByteOrder::HighFirst), 2000u);  // 1·1000 + 10·100
}

TEST(ImageAccessors, SetBitsChangesOnlyTheMaskedBits) {
  CodeplugImage image;
  image[0x367] = 0b1010'0101;
  image.setBits(0x367, 0b0000'1111, 0b1111'0010);
  EXPECT_EQ(image[0x367], 0b1010'0010);
  EXPECT_EQ(image.bits(0x367, 0b1100'0000), 0b1000'0000);
}

}  // namespace
}  // namespace q7
