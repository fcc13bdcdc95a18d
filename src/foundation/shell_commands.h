#pragma once
// The main window's operations that the channel window calls.
#include <string>

namespace q7 {

class ShellCommands {
 public:
  virtual ~ShellCommands() = default;
  // Rebuilds the image from the template, keeping model and band (0x379..0x37D).
  virtual void newFileSol() = 0;
  // Opens a data file; an empty path asks the user.
  virtual void openFile(const std::string& path) = 0;
  // Current data file path back to the default (Untitled.dat), shown in the status bar.
  virtual void useDefaultDataPath() = 0;
  // Toggles the channel lock (both lock menu entries).
  virtual void toggleChannelLock() = 0;
  // Shows or hides the memory data view.
  virtual void setMemoryViewVisible(bool visible) = 0;
};

}  // namespace q7
