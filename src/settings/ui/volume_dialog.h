#pragma once
// The volume dialog frmSetVolume: the codes of the ten steps of the radio's
// volume control as positions of the loudness scale, the "Use This Set"
// marker and the factory values. Every choice goes straight into the image.
#include <QDialog>
#include <array>

#include "settings/volume_steps.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace q7 {

class VolumeDialog : public QDialog {
  Q_OBJECT
 public:
  VolumeDialog(CodeplugImage& image, const CaptionTable& captions, QWidget* parent = nullptr);

  // Form_Load: shows the image's steps and marker (call before each showing).
  void showSteps();

 private:
  void initFace(const CaptionTable& captions);

  VolumeSteps steps_;
  std::array<QLabel*, kVolumeSteps> lblVolumeLevel_{};
  std::array<QComboBox*, kVolumeSteps> cboVolumeDat_{};
  QCheckBox* chkVolumeIic_;
  QPushButton* cmdDefault_;
  QPushButton* cmdOK_;
};

}  // namespace q7
