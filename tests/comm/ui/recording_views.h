#pragma once
// EditorViews that only count what the windows ask of them.
#include "shell/editor_views.h"

namespace q7::test {

struct RecordingViews : EditorViews {
  int pendingCommits = 0, stores = 0, shows = 0, newShows = 0, deletes = 0;
  void commitPendingEdit() override { ++pendingCommits; }
  void storeChannels() override { ++stores; }
  void showImage() override { ++shows; }
  void showNewImage() override { ++newShows; }
  void applyLock(bool) override {}
  void deleteAllChannels() override { ++deletes; }
};

}  // namespace q7::test
