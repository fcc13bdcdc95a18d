#pragma once
// The channel window and its option pages without a display: the channel
// table, the model and band, and the option model over the program's image.
// It runs what the desktop program runs on the image at start-up, after Open
// and before Write, so the command line changes and sends exactly the same
// bytes as the windows do.
#include "channels/channel_grid.h"
#include "channels/model_band.h"
#include "comm/transfer_hooks.h"
#include "foundation/app_state.h"
#include "settings/option_pages.h"

namespace q7 {

class CodeplugEditor {
 public:
  // `state` must hold the settings file, the captions and both image arrays.
  explicit CodeplugEditor(AppState& state);

  // Tone list, grid layout and every channel row blanked from the template.
  void initialise();
  // The refresh after Open or a radio read: model and band, channels, option
  // pages, identifier repair, VOX calibration check.
  void showImage();
  // Before Save: every channel of the channel table into the image.
  void storeChannels();
  // Before Write, after the channels: the four key lists into the image.
  void commitKeyLists();
  // What a write runs at its fixed moments: the channels and key lists into
  // the image before sending, and the selected band for the radio.
  TransferHooks writeHooks();

  const ChannelGrid& grid() const { return grid_; }
  ChannelGrid& grid() { return grid_; }
  const OptionPages& pages() const { return pages_; }
  OptionPages& pages() { return pages_; }
  const ImageModelBand& modelBand() const { return modelBand_; }

 private:
  AppState& state_;
  ImageModelBand modelBand_;
  ChannelGrid grid_;
  OptionPages pages_;
};

}  // namespace q7
