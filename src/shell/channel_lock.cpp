#include "shell/channel_lock.h"

#include "foundation/error_report.h"
#include "foundation/setting_keys.h"
#include "foundation/shared_caption_rows.h"
#include "shell/shell_caption_rows.h"

namespace q7 {

ChannelLock::ChannelLock(AppState& state, StatusPanels& status, LockIndicators& indicators)
    : state_(state), status_(status), indicators_(indicators) {}

void ChannelLock::lockFaceOperate(bool lock) {
  guard("mdifrmMain->LockFaceOperate", [&] {
    state_.lockState = lock ? kLockedText : kUnlockedText;
    status_.setPanelText(kNoticePanel, caption(lock ? row::kLocked : row::kReady));
    if (!lock) indicators_.setBlinking(false);
    if (views_) views_->applyLock(lock);
  });
}

void ChannelLock::toggle(const char* location) {
  guard(location, [&] {
    const bool lock = !indicators_.lockChecked();
    indicators_.setLockChecked(lock);
    lockFaceOperate(lock);
    writeSetting(state_.settings, key::kChannelLock, state_.lockState);
  });
}

void ChannelLock::applyStored() {
  const bool lock = state_.locked();
  indicators_.setLockChecked(lock);
  lockFaceOperate(lock);
}

void ChannelLock::showPassing(const std::string& text) {
  status_.setPanelText(kNoticePanel, text);
  passing_ = text;
}

void ChannelLock::idleCheck() {
  if (!state_.locked()) return;
  const std::string shown = status_.panelText(kNoticePanel);
  if (shown != caption(row::kReady) && (passing_.empty() || shown != passing_)) return;
  passing_.clear();
  status_.setPanelText(kNoticePanel, caption(row::kLocked));
  indicators_.setBlinking(true);
}

void ChannelLock::blink() {
  if (!state_.locked()) return;
  blinkCounter_ = blinkCounter_ >= 1 ? 0 : blinkCounter_ + 1;
  const std::string shown = status_.panelText(kNoticePanel);
  if (shown != caption(row::kLocked) && shown != "" && shown != caption(row::kReady)) return;
  status_.setPanelText(kNoticePanel, caption(blinkCounter_ == 0 ? row::kReady : row::kLocked));
}

}  // namespace q7
