#pragma once
// The option pages of the channel window put together: the model over the
// program's image and captions, the widgets bound to it in the window's tab
// frames, and the refresh hooks the window's display refresh calls.
#include <QObject>
#include <memory>

#include "channels/option_pages_hooks.h"
#include "settings/option_pages.h"
#include "settings/ui/control_binder.h"
#include "shell/app_state.h"

namespace q7 {

class ChannelWindow;
class VolumeDialog;

class SettingsPanel : public QObject {
  Q_OBJECT
 public:
  // Fills the window's frames and hands it the refresh hooks.
  SettingsPanel(AppState& state, ChannelWindow& window);
  ~SettingsPanel() override;

  OptionPages& model() { return pages_; }
  ControlBinder& binder() { return binder_; }
  // InitOpt, the identifier repair and the VOX calibration check.
  OptionPagesHooks hooks();

 private:
  void openVolumeDialog();

  AppState& state_;
  ChannelWindow& window_;
  OptionPages pages_;
  ControlBinder binder_;
  VolumeDialog* frmSetVolume_ = nullptr;
};

}  // namespace q7
