#pragma once
// SoftDisplay, the refresh after a file was opened or the radio was read, in
// its order: model and band from the image, every channel row, the option
// pages, the identifier repair and the VOX calibration check. The channel
// window draws the result; the command line runs it without a display.
#include "channels/channel_grid.h"
#include "channels/model_band.h"
#include "channels/option_pages_hooks.h"

namespace q7 {

// Returns the model and band the image selects (repairing their bytes).
ImageModelBand softDisplay(CodeplugImage& image, ChannelGrid& grid,
                           const OptionPagesHooks& optionPages);

}  // namespace q7
