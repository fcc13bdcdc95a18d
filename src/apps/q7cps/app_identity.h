#pragma once
// Who the desktop program is to the desktop: its application id (which names
// its desktop entry), its version and its window icon.
class QApplication;

namespace q7 {

void setApplicationIdentity(QApplication& app);

}  // namespace q7
