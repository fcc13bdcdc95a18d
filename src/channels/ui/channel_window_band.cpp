// The channel window's model and band controls: the lists, the band change
// that starts a new image, the custom band, and taking both from the image.
#include <QComboBox>
#include <QSignalBlocker>

#include "channels/channel_caption_rows.h"
#include "channels/ui/channel_window.h"
#include "channels/ui/custom_band_dialog.h"
#include "foundation/error_report.h"
#include "foundation/file_locations.h"
#include "foundation/memory_map.h"
#include "foundation/ui/qt_text.h"

namespace q7 {

void ChannelWindow::chInfoModel() {
  guard("frmChMem->ChInfoModel", [&] {
    const QSignalBlocker modelSignals(cboModel_);
    const QSignalBlocker bandSignals(cboFrequency_);
    cboModel_->clear();
    cboModel_->addItem(qs(caption(row::kModelName)));
    cboModel_->setCurrentIndex(0);
    cboFrequency_->clear();
    for (const BandEntry& band : kBands) cboFrequency_->addItem(band.text);
    cboFrequency_->addItem(qs(caption(row::kCustomBand)));
    cboFrequency_->setCurrentIndex(kDefaultBand);
  });
  cboFrequencyClick(kDefaultBand);
}

void ChannelWindow::cboModelClick() {
  guard("frmChMem->cboModel_Click", [&] {
    if (cboModel_->currentIndex() < 0) cboModel_->setCurrentIndex(0);
    state_.image[map::kModel] = static_cast<std::uint8_t>(cboModel_->currentIndex());
  });
}

void ChannelWindow::cboFrequencyClick(int position) {
  if (loadingBand_) return;
  guard("frmChMem->cboFrequency_Click", [&] {
    if (position == kCustomBand) {
      frmCustomFre_->formLoad();
      // Cancel leaves the image, the list and the limits as they were.
      if (frmCustomFre_->exec() != QDialog::Accepted) return showBandPosition(bandPosition_);
    } else {
      band_ = q7::bandLimits(position);
    }
    bandPosition_ = position;
    storeBandLimits(state_.image, band_);
    shell_.newFileSol();
  });
}

void ChannelWindow::showBandPosition(int position) {
  const QSignalBlocker bandSignals(cboFrequency_);
  cboFrequency_->setCurrentIndex(position);
}

// Model and band as a file or a radio brought them; selecting them here
// starts no new image.
void ChannelWindow::showModelBand(const ImageModelBand& loaded) {
  const QSignalBlocker modelSignals(cboModel_);
  const QSignalBlocker bandSignals(cboFrequency_);
  loadingBand_ = true;
  cboModel_->setCurrentIndex(loaded.model);
  cboFrequency_->setCurrentIndex(loaded.bandPosition);
  bandPosition_ = loaded.bandPosition;
  band_ = loaded.limits;
  loadingBand_ = false;
}

void ChannelWindow::cmdDefSetClick() {
  guard("frmChMem->cmdDefSet_Click", [&] { shell_.restoreDefaults(); });
}

void ChannelWindow::lblModelDblClick() {
  shell_.setMemoryViewVisible(countModelLabelClick(modelLabelClicks_));
}

}  // namespace q7
