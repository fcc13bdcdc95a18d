#include "settings/ui/settings_panel.h"

#include "channels/ui/channel_window.h"
#include "foundation/error_report.h"
#include "settings/option_refresh.h"
#include "settings/serial_numbers.h"
#include "settings/ui/common_pages_view.h"
#include "settings/ui/ptt_id_pause_dialog.h"
#include "settings/ui/signalling_pages_view.h"
#include "settings/ui/volume_dialog.h"

namespace q7 {

SettingsPanel::SettingsPanel(AppState& state, ChannelWindow& window, Prompts* prompts)
    : QObject(&window),
      state_(state),
      window_(window),
      pages_(state.image, state.captions),
      binder_(pages_, this),
      prompts_(prompts) {
  buildCommonPages(binder_,
                   {window.sysSetFrame(1), window.sysSetFrame(2), window.sysSetFrame(3),
                    window.sysSetFrame(4), window.sysSetFrame(5), window.modelInfoFrame()},
                   [this] { openVolumeDialog(); });
  buildSignallingPages(binder_,
                       {window.sysSetFrame(6), window.sysSetFrame(7), window.sysSetFrame(8)},
                       {[this] { openPttIdPauseDialog(); }, [this] { importSerialNumbers(); }});
  window.setOptionPages(hooks());
}

SettingsPanel::~SettingsPanel() = default;

OptionPagesHooks SettingsPanel::hooks() {
  return optionRefreshHooks(pages_);
}

// The dialog is made on first use and hidden, not destroyed, when closed.
void SettingsPanel::openVolumeDialog() {
  if (!frmSetVolume_) frmSetVolume_ = new VolumeDialog(state_.image, state_.captions, &window_);
  frmSetVolume_->showSteps();
  frmSetVolume_->exec();
}

void SettingsPanel::openPttIdPauseDialog() {
  if (!frmPttIdPauseChSet_) {
    frmPttIdPauseChSet_ = new PttIdPauseDialog(state_.image, state_.captions, &window_);
  }
  frmPttIdPauseChSet_->showChannels();
  frmPttIdPauseChSet_->exec();
}

// The file dialog starts in the folder of the current data file.
void SettingsPanel::importSerialNumbers() {
  if (prompts_) importSeq(pages_, *prompts_, state_.currentDataPath.parent_path().string());
}

void SettingsPanel::advanceSerialNumber() {
  guard("frmChMem->cmdSeqSwitch_Click", [&] { advanceSerialAfterWrite(pages_); });
}

}  // namespace q7
