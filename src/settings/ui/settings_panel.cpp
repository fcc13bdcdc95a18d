#include "settings/ui/settings_panel.h"

#include "channels/ui/channel_window.h"
#include "settings/radio_identifier.h"
#include "settings/ui/common_pages_view.h"
#include "settings/ui/volume_dialog.h"
#include "settings/vox_page.h"

namespace q7 {

SettingsPanel::SettingsPanel(AppState& state, ChannelWindow& window)
    : QObject(&window),
      state_(state),
      window_(window),
      pages_(state.image, state.captions),
      binder_(pages_, this) {
  buildCommonPages(binder_,
                   {window.sysSetFrame(1), window.sysSetFrame(2), window.sysSetFrame(3),
                    window.sysSetFrame(4), window.sysSetFrame(5), window.modelInfoFrame()},
                   [this] { openVolumeDialog(); });
  window.setOptionPages(hooks());
}

SettingsPanel::~SettingsPanel() = default;

OptionPagesHooks SettingsPanel::hooks() {
  return {[this] { pages_.initOpt(); }, [this] { repairIdentifier(state_.image); },
          [this] { checkVoxCalibration(pages_); }};
}

// The dialog is made on first use and hidden, not destroyed, when closed.
void SettingsPanel::openVolumeDialog() {
  if (!frmSetVolume_) frmSetVolume_ = new VolumeDialog(state_.image, state_.captions, &window_);
  frmSetVolume_->showSteps();
  frmSetVolume_->exec();
}

}  // namespace q7
