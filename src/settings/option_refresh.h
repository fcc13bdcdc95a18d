#pragma once
// The option pages' part of the display refresh: InitOpt over the model, the
// identifier repair at 0x1B8 and the VOX calibration check, as the channel
// window's refresh calls them.
#include "channels/option_pages_hooks.h"
#include "settings/option_pages.h"

namespace q7 {

OptionPagesHooks optionRefreshHooks(OptionPages& pages);

}  // namespace q7
