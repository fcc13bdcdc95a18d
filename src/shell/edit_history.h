#pragma once
// The steps of the user's changes to the image since it was last opened,
// started with New or read from the radio, for Undo and Redo. Each step is the
// image as Save would write it then; a step that undoes nothing new (the same
// radio bytes as the step before) is not kept.
#include <cstddef>
#include <vector>

#include "foundation/codeplug_image.h"

namespace q7 {

// Whether two images hold the same radio bytes a data file keeps (0x010..0x3FF).
bool sameFiledBytes(const CodeplugImage& a, const CodeplugImage& b);

class EditHistory {
 public:
  // The oldest steps are dropped beyond this many.
  static constexpr std::size_t kDepth = 500;

  // A new starting point: nothing to undo or redo.
  void reset(const CodeplugImage& image);
  // The image after a change; true when it differs from the current step and
  // became the new one (the steps that could be redone are dropped).
  bool record(const CodeplugImage& image);
  // Takes the image as the current step without adding one (after an undo or
  // redo has been shown and the display settled it).
  void settle(const CodeplugImage& image);

  bool canUndo() const { return at_ > 0; }
  bool canRedo() const { return at_ + 1 < steps_.size(); }
  // The step before (after) the current one, which becomes current. Only
  // call when canUndo() (canRedo()).
  const CodeplugImage& undo();
  const CodeplugImage& redo();

 private:
  std::vector<CodeplugImage> steps_ = std::vector<CodeplugImage>(1);  // never empty
  std::size_t at_ = 0;
};

}  // namespace q7
