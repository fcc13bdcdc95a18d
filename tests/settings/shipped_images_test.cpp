// The template and the factory defaults shipped beside the program load
// through the option pages without a single byte being corrected.
#include <gtest/gtest.h>

#include <string>

#include "pages_fixture.h"
#include "settings/vox_page.h"

namespace q7 {
namespace {

using test::Pages;

constexpr const char* kShippedImages[] = {"dhcpqec.def", "DefRadioSet.def"};

CodeplugImage shippedImage(const std::string& name) {
  CodeplugImage image;
  image.loadFileLayout(readImageFile(std::string(Q7_DATA_DIR) + "/" + name, kDataFileSize));
  return image;
}

void expectUnchangedByLoading(Pages& t, const CodeplugImage& file, const std::string& name) {
  t.image = file;
  t.pages.initOpt();
  checkVoxCalibration(t.pages);
  for (std::size_t address = 0; address < kRadioSize; ++address)
    EXPECT_EQ(t.image[address], file[address]) << name << " address " << std::hex << address;
}

TEST(ShippedImages, LoadWithoutCorrection) {
  for (const char* name : kShippedImages) {
    Pages fresh;
    expectUnchangedByLoading(fresh, shippedImage(name), name);
    Pages afterErased(0xFF);  // the pages showed another image before
    afterErased.pages.initOpt();
    expectUnchangedByLoading(afterErased, shippedImage(name), name);
  }
}

TEST(ShippedImages, ErasedChannelsModelAndBand) {
  for (const char* name : kShippedImages) {
    const std::vector<std::uint8_t> file =
        readImageFile(std::string(Q7_DATA_DIR) + "/" + name, kDataFileSize);
    ASSERT_EQ(file.size(), kDataFileSize);
    EXPECT_EQ(std::string(file.begin(), file.begin() + 6), "QM5128");
    for (std::size_t offset = 16; offset < 32; ++offset) EXPECT_EQ(file[offset], 0xFF) << name;
    const CodeplugImage image = shippedImage(name);
    for (std::size_t address = 0x010; address < 0x110; ++address)
      EXPECT_EQ(image[address], 0xFF) << name << " channel byte " << std::hex << address;
    EXPECT_EQ(image[0x379], 0) << name;
    EXPECT_EQ(image.word(0x37A), 0x0040) << name;  // 40 00: 400.0 MHz
    EXPECT_EQ(image.word(0x37C), 0x0047) << name;  // 47 00: 470.0 MHz
    EXPECT_EQ(image[0x19E], 0x5A) << name;
  }
}

TEST(ShippedImages, OnlyTheDefaultsUseTheirOwnVolumeSteps) {
  const CodeplugImage defaults = shippedImage("DefRadioSet.def");
  const std::uint8_t factory[] = {0, 69, 148, 120, 227, 79, 185, 156, 173, 175, 253, 0x5A};
  for (std::size_t i = 0; i < 12; ++i) EXPECT_EQ(defaults[0x1A0 + i], factory[i]) << i;
  EXPECT_EQ(shippedImage("dhcpqec.def")[0x1AB], 0xFF);
}

}  // namespace
}  // namespace q7
