#pragma once
// What the shell needs from the channel window (grid and option pages) when
// the image changes hands: encode before Save and Write, show after Open, New
// and a radio read, apply the channel lock, delete every channel.
namespace q7 {

class EditorViews {
 public:
  virtual ~EditorViews() = default;
  // Ends a tone edit still open in the grid, so its text reaches the channel table.
  virtual void commitPendingEdit() = 0;
  // Encodes every channel of the channel table into the image.
  virtual void storeChannels() = 0;
  // Full display refresh after Open or a radio read: model and band, channel
  // grid, option pages, identifier repair, VOX calibration check.
  virtual void showImage() = 0;
  // Refresh after New: channel grid and option pages; hides the grid's tone list.
  virtual void showNewImage() = 0;
  // Locks (or unlocks) the grid and the option page frames.
  virtual void applyLock(bool locked) = 0;
  // Deletes every channel of the grid, one by one, stopping at the first failure.
  virtual void deleteAllChannels() = 0;
};

}  // namespace q7
