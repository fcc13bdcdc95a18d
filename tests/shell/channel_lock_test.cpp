#include "shell/channel_lock.h"

#include <gtest/gtest.h>

#include "foundation/setting_keys.h"
#include "support/shell_fakes.h"
#include "support/temp_dir.h"

namespace q7 {
namespace {

class ChannelLockTest : public ::testing::Test {
 protected:
  ChannelLockTest() : lock(state, status, indicators) {
    state.settings = ProfileFile(dir / "corvane.def");
    state.captions = CaptionTable(kEnglish);
    lock.setViews(&views);
  }
  std::string notice() { return status.panelText(kNoticePanel); }

  test::TempDir dir;
  AppState state;
  test::RecordingStatus status;
  test::RecordingIndicators indicators;
  test::RecordingViews views;
  ChannelLock lock;
};

TEST_F(ChannelLockTest, ToggleTwiceLocksThenUnlocksAndStoresTheState) {
  lock.toggle("mdifrmMain->mnuChLock_Click");
  EXPECT_TRUE(state.locked());
  EXPECT_TRUE(indicators.checked);
  EXPECT_EQ(notice(), "Interface Locked");
  EXPECT_EQ(readSetting(state.settings, key::kChannelLock), "ShowLock");
  lock.toggle("mdifrmMain->mnuChLock_Click");
  EXPECT_FALSE(state.locked());
  EXPECT_EQ(notice(), "Ready");
  EXPECT_EQ(readSetting(state.settings, key::kChannelLock), "ShowNo");
  EXPECT_EQ(views.calls, (std::vector<std::string>{"lock", "unlock"}));
}

TEST_F(ChannelLockTest, StoredStateAppliesWithoutWriting) {
  state.lockState = "NoMenu";
  lock.applyStored();
  EXPECT_FALSE(indicators.checked);
  EXPECT_EQ(views.calls.back(), "unlock");
  state.lockState = "ShowLock";
  lock.applyStored();
  EXPECT_TRUE(indicators.checked);
  EXPECT_FALSE(state.settings.exists());
}

TEST_F(ChannelLockTest, IdleCheckStartsBlinkingOnlyWhenReadyIsShown) {
  lock.lockFaceOperate(true);
  lock.idleCheck();
  EXPECT_FALSE(indicators.blinking);
  status.setPanelText(kNoticePanel, "Ready");
  lock.idleCheck();
  EXPECT_TRUE(indicators.blinking);
  EXPECT_EQ(notice(), "Interface Locked");
  lock.blink();
  EXPECT_EQ(notice(), "Interface Locked");
  lock.blink();
  EXPECT_EQ(notice(), "Ready");
  status.setPanelText(kNoticePanel, "Reading...");
  lock.blink();
  EXPECT_EQ(notice(), "Reading...");
  lock.lockFaceOperate(false);
  EXPECT_FALSE(indicators.blinking);
  lock.blink();
  EXPECT_EQ(notice(), "Ready");
}

// How a transfer ended stays until the next idle check; while locked, the
// lock's notice then comes back and blinks. Another text put there after it
// is left alone, and unlocked nothing comes back.
TEST_F(ChannelLockTest, APassingMessageGivesWayToTheLockNotice) {
  lock.showPassing("Read Successful");
  lock.idleCheck();
  EXPECT_EQ(notice(), "Read Successful");
  lock.lockFaceOperate(true);
  lock.showPassing("Write Failed");
  status.setPanelText(kNoticePanel, "Reading...");
  lock.idleCheck();
  EXPECT_EQ(notice(), "Reading...");
  lock.showPassing("Read Successful");
  lock.idleCheck();
  EXPECT_EQ(notice(), "Interface Locked");
  EXPECT_TRUE(indicators.blinking);
  lock.blink();
  lock.blink();
  EXPECT_EQ(notice(), "Ready");
}

}  // namespace
}  // namespace q7
