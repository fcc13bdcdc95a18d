#pragma once
// The channel interface lock: the grid and the option pages refuse edits while
// it is on, the status bar says so, and once another action has put "Ready"
// back, a 30 s check restores the notice, which then alternates with "Ready"
// every 5 s. The state survives a restart through the key "ChannelLock".
#include "foundation/app_state.h"
#include "foundation/editor_views.h"
#include "foundation/status_panels.h"

namespace q7 {

class LockIndicators {
 public:
  virtual ~LockIndicators() = default;
  // Check mark of both lock entries (Settings menu and channel popup).
  virtual void setLockChecked(bool checked) = 0;
  virtual bool lockChecked() const = 0;
  virtual void setBlinking(bool running) = 0;
};

class ChannelLock {
 public:
  ChannelLock(AppState& state, StatusPanels& status, LockIndicators& indicators);
  void setViews(EditorViews* views) { views_ = views; }

  void lockFaceOperate(bool lock);
  // Settings -> Lock Face and the popup's Lock Channel Interface.
  void toggle(const char* location);
  // Start-up: check marks and lock from the stored state, without writing it.
  void applyStored();
  // Puts a passing message into panel 1 (how a transfer ended): while locked,
  // the next idle check takes it for "Ready" and brings the lock's notice back.
  void showPassing(const std::string& text);
  // Timer ticks: the 30 s idle check and the 5 s blink.
  void idleCheck();
  void blink();

 private:
  const std::string& caption(int row) const { return state_.caption(row); }

  AppState& state_;
  StatusPanels& status_;
  LockIndicators& indicators_;
  EditorViews* views_ = nullptr;
  int blinkCounter_ = 0;
  std::string passing_;
};

}  // namespace q7
