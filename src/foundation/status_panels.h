#pragma once
// The main window's status bar: panel 1 notice, panel 2 port, panel 3 file name.
#include <string>

namespace q7 {

enum StatusPanel : int { kNoticePanel = 1, kPortPanel = 2, kFilePanel = 3 };

class StatusPanels {
 public:
  virtual ~StatusPanels() = default;
  virtual void setPanelText(int panel, const std::string& text) = 0;
  virtual std::string panelText(int panel) const = 0;
};

}  // namespace q7
