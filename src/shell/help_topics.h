#pragma once
// Which section of the user guide belongs to the window in front: the guide's
// anchors by window name, and for the channel window by the option page that
// holds the focus.
#include <string>

namespace q7 {

// The anchor of the guide's section for `window` (an object name such as
// "frmCommun"); `page` is the option page holding the focus in the channel
// window (0..7), or -1 when the focus is elsewhere.
std::string helpSection(const std::string& window, int page);

}  // namespace q7
