#include "comm/write_verify.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "comm/checked_transfer.h"

namespace q7 {
namespace {

bool checked(AddressRange range, int address) {
  const auto addresses = verifiedAddresses(range);
  return std::binary_search(addresses.begin(), addresses.end(), address);
}

TEST(WriteVerify, ChecksWhatTheWriteSendsAndTheRadioKeepsAsSent) {
  struct Case {
    AddressRange range;
    int address;
    bool isChecked;
  };
  const Case cases[] = {
      {{0x010, 0x37F}, 0x010, true},  {{0x010, 0x37F}, 0x37F, true},
      {{0x010, 0x37F}, 0x00F, false}, {{0x010, 0x37F}, 0x380, false},
      {{0x010, 0x37F}, 0x19F, true},  {{0x010, 0x37F}, 0x1A0, false},  // volume steps: not sent
      {{0x010, 0x37F}, 0x1AB, false}, {{0x010, 0x37F}, 0x1AC, true},
      {{0x010, 0x37F}, 0x1AF, true},  {{0x010, 0x37F}, 0x1B0, true},
      {{0x000, 0x3FF}, 0x388, false},  // the radio's command-pair declaration
      {{0x000, 0x3FF}, 0x3D0, false}, {{0x000, 0x3FF}, 0x3FF, false},
      {{0x000, 0x3FF}, 0x3CF, true},  {{0x000, 0x7FF}, 0x3CF, true},
      {{0x1A5, 0x1B5}, 0x1B4, false},  // the block from 0x1A5 carries only 0x1AC..0x1AF
      {{0x1A5, 0x1B5}, 0x1AD, true},  {{0x1A5, 0x1B5}, 0x1B5, true},
  };
  for (const Case& c : cases)
    EXPECT_EQ(checked(c.range, c.address), c.isChecked)
        << std::hex << c.range.start << "-" << c.range.end << " @" << c.address;
}

TEST(WriteVerify, NamesOnlyTheCheckedBytesThatDiffer) {
  CodeplugImage sent;
  for (std::size_t i = 0; i < kRadioSize; ++i) sent[i] = static_cast<std::uint8_t>(i);
  CodeplugImage back = sent;
  EXPECT_TRUE(differingAddresses(sent, back, {0x010, 0x37F}).empty());
  for (int a : {0x011, 0x1A2, 0x2F0, 0x3E0}) back[static_cast<std::size_t>(a)] ^= 0x40;
  EXPECT_EQ(differingAddresses(sent, back, {0x010, 0x37F}), (std::vector<int>{0x011, 0x2F0}));
  EXPECT_EQ(addressList({0x011, 0x2F0}), "0x011, 0x2F0");
}

TEST(WriteVerify, TheSettingsFileCanTurnEachSafeguardOff) {
  const auto folder = std::filesystem::temp_directory_path() / "q7-safeguard-settings.def";
  struct Case {
    std::string text;
    bool backups;
    bool verify;
  };
  const Case cases[] = {
      {"[Setting]\n", true, true},
      {"[Setting]\nBackups=0\n", false, true},
      {"[Setting]\nVerify=0\n", true, false},
      {"[Setting]\nBackups=1\nVerify=1\n", true, true},
  };
  for (const Case& c : cases) {
    ProfileFile file(folder);
    ASSERT_TRUE(file.writeWholeFile(c.text));
    const Safeguards s = safeguardsFrom(file, "/data");
    EXPECT_EQ(s.backups, c.backups) << c.text;
    EXPECT_EQ(s.verify, c.verify) << c.text;
    EXPECT_EQ(s.backupFolder, std::filesystem::path("/data/Backups"));
  }
  std::filesystem::remove(folder);
}

}  // namespace
}  // namespace q7
