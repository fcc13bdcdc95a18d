#pragma once
// Recording stand-ins for the main window's status bar, the editors and the
// lock indicators, for tests of the shell's logic without a display.
#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "foundation/editor_views.h"
#include "foundation/shell_commands.h"
#include "foundation/status_panels.h"
#include "shell/channel_lock.h"

namespace q7::test {

class RecordingStatus : public StatusPanels {
 public:
  std::map<int, std::string> panels;
  void setPanelText(int panel, const std::string& text) override { panels[panel] = text; }
  std::string panelText(int panel) const override {
    const auto it = panels.find(panel);
    return it == panels.end() ? std::string() : it->second;
  }
};

class RecordingViews : public EditorViews {
 public:
  std::vector<std::string> calls;
  void commitPendingEdit() override { calls.push_back("commit"); }
  void storeChannels() override { calls.push_back("store"); }
  void showImage() override { calls.push_back("show"); }
  void showNewImage() override { calls.push_back("showNew"); }
  void applyLock(bool locked) override { calls.push_back(locked ? "lock" : "unlock"); }
  void deleteAllChannels() override { calls.push_back("deleteAll"); }
  int count(const std::string& call) const {
    return static_cast<int>(std::count(calls.begin(), calls.end(), call));
  }
};

// A main window that does nothing when the channel window calls it but
// keep what its status bar is told.
class NoShell : public ShellCommands, public RecordingStatus {
 public:
  void newFileSol() override {}
  void restoreDefaults() override {}
  void useDefaultDataPath() override {}
  void toggleChannelLock() override {}
  void setMemoryViewVisible(bool) override {}
};

class RecordingIndicators : public LockIndicators {
 public:
  bool checked = false;
  bool blinking = false;
  void setLockChecked(bool c) override { checked = c; }
  bool lockChecked() const override { return checked; }
  void setBlinking(bool running) override { blinking = running; }
};

}  // namespace q7::test
