#pragma once
// The PTT ID pause channel dialog frmPttIdPauseChSet: a check box per channel
// and the options "All" and "None". The boxes report every change, also those
// the dialog makes itself; the model ignores them while it sets the boxes.
#include <QDialog>
#include <array>

#include "foundation/caption_table.h"
#include "settings/ptt_id_pause.h"

class QCheckBox;
class QPushButton;
class QRadioButton;

namespace q7 {

class PttIdPauseDialog : public QDialog {
  Q_OBJECT
 public:
  PttIdPauseDialog(CodeplugImage& image, const CaptionTable& captions, QWidget* parent = nullptr);

  // PttIdPauseChSet: the boxes from the channels' flags (call before each showing).
  void showChannels();

 private:
  void initFace(const CaptionTable& captions);
  void showModel();

  PttIdPauseChannels channels_;
  std::array<QCheckBox*, kPttIdPauseChannels> chkPttIdPauseChSet_{};
  QRadioButton* chkSelectAll_;
  QRadioButton* chkSelectNone_;
  QPushButton* cmdOK_;
};

}  // namespace q7
