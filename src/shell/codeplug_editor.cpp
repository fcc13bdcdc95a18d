#include "shell/codeplug_editor.h"

#include "channels/soft_display.h"
#include "settings/key_page.h"
#include "settings/option_refresh.h"

namespace q7 {

CodeplugEditor::CodeplugEditor(AppState& state)
    : state_(state), grid_(state, modelBand_.limits), pages_(state.image, state.captions) {}

void CodeplugEditor::initialise() {
  grid_.initialise();
}

void CodeplugEditor::showImage() {
  softDisplay(state_.image, grid_, optionRefreshHooks(pages_),
              [this](const ImageModelBand& loaded) { modelBand_ = loaded; });
}

void CodeplugEditor::storeChannels() {
  grid_.chInfoToIicDat();
}

void CodeplugEditor::commitKeyLists() {
  q7::commitKeyLists(pages_);
}

TransferHooks CodeplugEditor::writeHooks() {
  TransferHooks hooks;
  hooks.storeChannels = [this] { storeChannels(); };
  hooks.commitKeyLists = [this] { commitKeyLists(); };
  hooks.bandLimits = [this] { return modelBand_.limits; };
  return hooks;
}

}  // namespace q7
