#pragma once
// The main window's operations that the channel window calls.
#include <string>

namespace q7 {

class ShellCommands {
 public:
  virtual ~ShellCommands() = default;
  // Rebuilds the image from the template, keeping model and band (0x379..0x37D).
  virtual void newFileSol() = 0;
  // Restore Default Setting: the defaults file beside the program replaces
  // the image, after the offer to save a changed one, as a step Undo takes back.
  virtual void restoreDefaults() = 0;
  // Current data file path back to the default (Untitled.dat), shown in the status bar.
  virtual void useDefaultDataPath() = 0;
  // Toggles the channel lock (both lock menu entries).
  virtual void toggleChannelLock() = 0;
  // Shows or hides the memory data view.
  virtual void setMemoryViewVisible(bool visible) = 0;
};

}  // namespace q7
