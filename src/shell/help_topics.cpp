#include "shell/help_topics.h"

#include <array>
#include <string_view>

namespace q7 {

namespace {

struct WindowSection {
  std::string_view window;
  std::string_view anchor;
};
// Dialogs and windows that have a section of their own; the rest of the
// program is the channel window.
constexpr WindowSection kWindowSections[] = {
    {"frmCommun", "writing"},     {"frmToolCom", "cable"},
    {"frmMemDat", "memory-view"}, {"frmPartFill", "memory-view"},
    {"frmCompare", "compare"},    {"frmShowErr", "troubleshooting"},
    {"frmSetVolume", "volume"},   {"frmPttIdPauseChSet", "page-dtmf"},
};

// The option pages by tab, left to right.
constexpr std::array<std::string_view, 8> kPageSections = {
    "page-radio-info", "page-common",  "page-keys", "page-vox",
    "page-scan",       "page-battery", "page-dtmf", "page-embedded",
};

}  // namespace

std::string helpSection(const std::string& window, int page) {
  for (const WindowSection& s : kWindowSections) {
    if (s.window == window) return std::string(s.anchor);
  }
  if (page >= 0 && page < static_cast<int>(kPageSections.size())) {
    return std::string(kPageSections[static_cast<std::size_t>(page)]);
  }
  return "channels";
}

}  // namespace q7
