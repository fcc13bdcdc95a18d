#pragma once
// SoftDisplay, the refresh after a file was opened or the radio was read, in
// its order: model and band from the image, every channel row, the option
// pages, the identifier repair and the VOX calibration check. The channel
// window draws the result; the command line runs it without a display.
#include <functional>

#include "channels/channel_grid.h"
#include "channels/model_band.h"
#include "channels/option_pages_hooks.h"

namespace q7 {

// `applyModelBand` takes the model and band the image selects (their bytes
// repaired) before any channel is drawn, so the out-of-band colours follow
// the band of this image, not the one shown before.
void softDisplay(CodeplugImage& image, ChannelGrid& grid, const OptionPagesHooks& optionPages,
                 const std::function<void(const ImageModelBand&)>& applyModelBand);

}  // namespace q7
