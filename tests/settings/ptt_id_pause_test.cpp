#include "settings/ptt_id_pause.h"

#include <gtest/gtest.h>

namespace q7 {
namespace {

// Channel records filled with a pattern, so that stray writes show.
CodeplugImage patternedRecords() {
  CodeplugImage image;
  for (std::size_t a = 0x10; a < 0x110; ++a) image[a] = static_cast<std::uint8_t>(a * 37);
  return image;
}

TEST(PttIdPauseFlag, IsBitSixOfByteThirteenOfEachRecord) {
  CodeplugImage image;
  for (int channel = 1; channel <= 16; ++channel) {
    const std::size_t address = 0x1D + 16 * static_cast<std::size_t>(channel - 1);
    image[address] = 0x40;
    EXPECT_TRUE(pttIdPauseFlag(image, channel)) << channel;
    setPttIdPauseFlag(image, channel, false);
    EXPECT_EQ(image[address], 0) << channel;
  }
}

TEST(PttIdPauseChannels, AllAndNoneChangeOnlyBitSixOfTheSixteenRecords) {
  CodeplugImage image = patternedRecords();
  const CodeplugImage before = image;
  PttIdPauseChannels dialog(image);
  dialog.chooseAll();
  for (std::size_t a = 0x10; a < 0x110; ++a) {
    const bool flagByte = a % 16 == 0x0D;
    EXPECT_EQ(image[a], flagByte ? (before[a] | 0x40) : before[a]) << a;
  }
  EXPECT_TRUE(dialog.selectAll());
  EXPECT_FALSE(dialog.selectNone());
  for (int i = 0; i < 16; ++i) EXPECT_TRUE(dialog.box(i));

  dialog.chooseNone();
  for (std::size_t a = 0x10; a < 0x110; ++a) {
    const bool flagByte = a % 16 == 0x0D;
    EXPECT_EQ(image[a], flagByte ? (before[a] & 0xBF) : before[a]) << a;
  }
  EXPECT_FALSE(dialog.selectAll());
  EXPECT_TRUE(dialog.selectNone());
}

TEST(PttIdPauseChannels, BoxHandlersFiredByTheViewWhileLoadingWriteNothing) {
  CodeplugImage image = patternedRecords();
  const CodeplugImage before = image;
  PttIdPauseChannels dialog(image);
  int notified = 0;
  // A view that reports each box it sets as a click, as a check box control does.
  dialog.setListener([&] {
    ++notified;
    for (int i = 0; i < 16; ++i) dialog.channelBoxClicked(i, !dialog.box(i));
  });
  dialog.pttIdPauseChSet();
  EXPECT_EQ(notified, 1);
  EXPECT_EQ(image, before);
  EXPECT_FALSE(dialog.busy());
  for (int channel = 1; channel <= 16; ++channel) {
    EXPECT_EQ(dialog.box(channel - 1), pttIdPauseFlag(image, channel)) << channel;
  }
}

TEST(PttIdPauseChannels, ShowingTheFlagsChoosesAllOrNoneFromThemAlone) {
  struct Case {
    const char* flags;  // channel 1 first, '1' for a set flag
    bool all;
    bool none;
  };
  const Case cases[] = {
      {"1111111111111111", true, false},
      {"0000000000000000", false, true},
      {"0000100000000000", false, false},
      {"1111111111111110", false, false},
  };
  CodeplugImage image;
  PttIdPauseChannels dialog(image);
  for (const Case& c : cases) {
    for (int channel = 1; channel <= 16; ++channel) {
      setPttIdPauseFlag(image, channel, c.flags[channel - 1] == '1');
    }
    dialog.pttIdPauseChSet();
    EXPECT_EQ(dialog.selectAll(), c.all) << c.flags;
    EXPECT_EQ(dialog.selectNone(), c.none) << c.flags;
    // Chosen last time, the other option is replaced by what the flags say.
    c.all ? dialog.chooseNone() : dialog.chooseAll();
  }
}

TEST(PttIdPauseChannels, ClickingABoxWritesEveryChannelAndClearsTheOptionThatNoLongerHolds) {
  CodeplugImage image;
  PttIdPauseChannels dialog(image);
  dialog.chooseAll();
  dialog.channelBoxClicked(4, false);
  for (int channel = 1; channel <= 16; ++channel) {
    EXPECT_EQ(pttIdPauseFlag(image, channel), channel != 5) << channel;
  }
  EXPECT_FALSE(dialog.selectAll());
  EXPECT_FALSE(dialog.selectNone());

  dialog.chooseNone();
  dialog.channelBoxClicked(0, true);
  EXPECT_TRUE(pttIdPauseFlag(image, 1));
  EXPECT_FALSE(pttIdPauseFlag(image, 2));
  EXPECT_FALSE(dialog.selectNone());
}

}  // namespace
}  // namespace q7
