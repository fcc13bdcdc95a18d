#pragma once
// The option pages of the channel window put together: the model over the
// program's image and captions, the widgets bound to it in the window's tab
// frames, and the refresh hooks the window's display refresh calls.
#include <QObject>
#include <memory>

#include "channels/option_pages_hooks.h"
#include "foundation/app_state.h"
#include "settings/option_pages.h"
#include "settings/ui/control_binder.h"

namespace q7 {

class ChannelWindow;
class PttIdPauseDialog;
class Prompts;
class VolumeDialog;

class SettingsPanel : public QObject {
  Q_OBJECT
 public:
  // Fills the window's frames and hands it the refresh hooks. `prompts` asks
  // for the serial number file (without it the import button does nothing).
  SettingsPanel(AppState& state, ChannelWindow& window, Prompts* prompts = nullptr);
  ~SettingsPanel() override;

  OptionPages& model() { return pages_; }
  ControlBinder& binder() { return binder_; }
  // InitOpt, the identifier repair and the VOX calibration check.
  OptionPagesHooks hooks();
  // After a write that ended well: the next serial number when "Auto" is checked.
  void advanceSerialNumber();

 private:
  void openVolumeDialog();
  void openPttIdPauseDialog();
  void importSerialNumbers();

  AppState& state_;
  ChannelWindow& window_;
  OptionPages pages_;
  ControlBinder binder_;
  Prompts* prompts_;
  VolumeDialog* frmSetVolume_ = nullptr;
  PttIdPauseDialog* frmPttIdPauseChSet_ = nullptr;
};

}  // namespace q7
