#include "settings/ui/volume_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "foundation/error_report.h"
#include "foundation/ui/qt_text.h"
#include "foundation/ui/wheel_guard.h"
#include "settings/option_pages.h"
#include "settings/settings_caption_rows.h"
#include "settings/volume_table.h"

namespace q7 {

VolumeDialog::VolumeDialog(CodeplugImage& image, const CaptionTable& captions, QWidget* parent)
    : QDialog(parent),
      steps_(image),
      chkVolumeIic_(new QCheckBox(this)),
      cmdDefault_(new QPushButton(this)),
      cmdOK_(new QPushButton(this)) {
  setObjectName("frmSetVolume");
  setModal(true);
  auto* layout = new QGridLayout(this);
  QStringList positions;
  for (int p = 0; p < kVolumePositions; ++p) positions << QString::number(p);
  for (int step = 1; step <= kVolumeSteps; ++step) {
    const auto i = static_cast<std::size_t>(step - 1);
    lblVolumeLevel_[i] = new QLabel(this);
    lblVolumeLevel_[i]->setObjectName(qs(elementName("lblVolumeLevel", step)));
    cboVolumeDat_[i] = new QComboBox(this);
    cboVolumeDat_[i]->setObjectName(qs(elementName("cboVolumeDat", step)));
    cboVolumeDat_[i]->addItems(positions);
    guardWheel(cboVolumeDat_[i]);
    layout->addWidget(lblVolumeLevel_[i], step - 1, 0);
    layout->addWidget(cboVolumeDat_[i], step - 1, 1);
    connect(cboVolumeDat_[i], &QComboBox::activated, this, [this, step](int position) {
      guard("frmSetVolume->cboVolumeDat_Click", [&] { steps_.chooseVolume(step, position); });
    });
  }
  chkVolumeIic_->setObjectName("chkVolumeIic");
  cmdDefault_->setObjectName("cmdDefault");
  cmdOK_->setObjectName("cmdOK");
  // Enter presses OK wherever the focus is; Default, which overwrites every
  // step, only ever by a deliberate click or Space on it.
  cmdOK_->setDefault(true);
  cmdDefault_->setAutoDefault(false);
  layout->addWidget(chkVolumeIic_, kVolumeSteps, 0, 1, 2);
  layout->addWidget(cmdDefault_, kVolumeSteps + 1, 0);
  layout->addWidget(cmdOK_, kVolumeSteps + 1, 1);

  connect(chkVolumeIic_, &QCheckBox::clicked, this, [this](bool checked) {
    guard("frmSetVolume->chkVolumeIic_Click", [&] { steps_.setUseThisSet(checked); });
  });
  connect(cmdDefault_, &QPushButton::clicked, this, [this] {
    guard("frmSetVolume->cmdDefault_Click", [&] {
      steps_.restoreDefault();
      showSteps();
    });
  });
  connect(cmdOK_, &QPushButton::clicked, this,
          [this] { guard("frmSetVolume->cmdOK_Click", [&] { accept(); }); });
  guard("frmSetVolume->Form_Load", [&] { initFace(captions); });
  showSteps();
}

void VolumeDialog::initFace(const CaptionTable& captions) {
  setWindowTitle(qs(captions(row::kVolumeTitle)));
  for (int step = 1; step <= kVolumeSteps; ++step) {
    lblVolumeLevel_[static_cast<std::size_t>(step - 1)]->setText(
        qs(volumeStepLabel(captions, step)));
  }
  cmdDefault_->setText(qs(captions(row::kVolumeDefault)));
  chkVolumeIic_->setText(qs(captions(row::kVolumeUseThisSet)));
  cmdOK_->setText(qs(captions(row::kVolumeOk)));
}

void VolumeDialog::showSteps() {
  guard("frmSetVolume->SeqVolumeDatToSeq", [&] {
    const auto positions = steps_.seqVolumeDatToSeq();
    for (std::size_t i = 0; i < positions.size(); ++i) {
      cboVolumeDat_[i]->setCurrentIndex(positions[i]);  // no handler: only the user's choice writes
    }
    chkVolumeIic_->setChecked(steps_.useThisSet());
  });
}

}  // namespace q7
