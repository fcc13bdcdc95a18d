// The read and write buttons of the communication window: the window's side
// of a transfer (buttons, light, stop box, busy flag, closing at the end).
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include "comm/comm_caption_rows.h"
#include "comm/ui/comm_window.h"
#include "comm/ui/memory_view.h"
#include "comm/ui/port_dialog.h"
#include "foundation/error_report.h"
#include "foundation/shared_caption_rows.h"
#include "foundation/ui/qt_text.h"

namespace q7 {
namespace {

void setBold(QPushButton* button, bool bold) {
  QFont font = button->font();
  font.setBold(bold);
  button->setFont(font);
}

}  // namespace

int CommWindow::showRead() {
  cmdWrite_->setVisible(false);
  cmdRead_->setVisible(true);
  return showWith(cmdRead_);
}

int CommWindow::showWrite() {
  cmdRead_->setVisible(false);
  cmdWrite_->setVisible(true);
  return showWith(cmdWrite_);
}

int CommWindow::showReadWrite() {
  return showWith(cmdRead_->isVisible() ? cmdRead_ : cmdWrite_);
}

// The button the user came for takes the keyboard and Enter, so the hidden
// panel's fields never see a key. Each opening starts as the window was
// first made: stop box hidden and clear, light on, no progress.
int CommWindow::showWith(QPushButton* button) {
  lastOutcome_.reset();
  lastWrite_.reset();
  setStopBox(false, false);
  imgGreen_->show();
  prgCommunicate_->setValue(0);
  lblComStatus_->clear();
  for (QPushButton* b : {cmdRead_, cmdWrite_}) {
    b->setAutoDefault(b == button);
    b->setDefault(b == button);
  }
  button->setFocus();
  return exec();
}

TransferRanges CommWindow::ranges() const {
  const MemoryRanges& r = state_.ranges;
  return {{r.readStart, r.readEnd}, {r.writeStart, r.writeEnd}};
}

// The data folder is the folder of the default data file.
CheckedTransfer CommWindow::checkedTransfer() {
  return CheckedTransfer(transfer_,
                         safeguardsFrom(state_.settings, state_.defaultDataPath.parent_path()));
}

void CommWindow::tellBackupFailure(const std::string& failure) {
  prompts_.tell(state_.caption(row::kNotice), state_.caption(row::kBackupFailed) + "\n" + failure,
                PromptIcon::Exclamation);
}

TransferHooks CommWindow::composedHooks() {
  TransferHooks hooks = extraHooks_;
  if (!hooks.storeChannels) hooks.storeChannels = [this] { views_.storeChannels(); };
  if (!hooks.showImage) hooks.showImage = [this] { views_.showImage(); };
  hooks.refreshMemoryView = [this] {
    if (chkShowMemDat_->isChecked() && memoryView_) memoryView_->tableFreDat();
  };
  return hooks;
}

void CommWindow::beginSequence(QPushButton* running, QPushButton* other) {
  {
    const QSignalBlocker quiet(chkStopCom_);
    setStopBox(false, false);
  }
  tmrLigGrint_->start();
  setBold(running, true);
  setBold(other, false);
  transfer_.setHooks(composedHooks());
  // A new transfer starts without the last one's stop request; within it no
  // stage clears a request.
  transfer_.withdrawStop();
  busy_ = true;
  // The progress frame takes the keyboard first: a disabled button would
  // hand it on to the next field, and a key there would change a range.
  fraOne_->setFocus();
  // Both buttons: a second transfer started from within this one's waits
  // would interleave its frames with the running exchange.
  running->setEnabled(false);
  other->setEnabled(false);
}

// The port dialog lets the user pick another port; this window stays open.
// A port whose device is gone is said so first, in plain words.
void CommWindow::portNotOpened() {
  busy_ = false;
  cmdRead_->setEnabled(true);
  cmdWrite_->setEnabled(true);
  if (const std::string& device = transfer_.absentDevice(); !device.empty()) {
    const std::string port = "COM" + std::to_string(state_.port);
    std::string text = state_.caption(row::kPortDeviceAbsent);
    text.replace(text.find("%1"), 2, device == port ? port : port + " (" + device + ")");
    prompts_.tell(state_.caption(row::kNotice), text, PromptIcon::Exclamation);
  }
  PortDialog dialog(state_, link_, parentWidget());
  dialog.exec();
}

void CommWindow::endSequence() {
  tmrLigGrint_->stop();
  imgGreen_->hide();
  prgCommunicate_->setValue(0);
  lblComStatus_->clear();
  lblComPercent_->clear();
  cmdRead_->setEnabled(true);
  cmdWrite_->setEnabled(true);
  const QSignalBlocker quiet(chkStopCom_);
  setStopBox(false, false);
  busy_ = false;
}

void CommWindow::cmdRead_Click() {
  TransferOutcome outcome = TransferOutcome::Failed;
  const bool ran = guard("frmCommun->cmdRead_Click", [&] {
    beginSequence(cmdRead_, cmdWrite_);
    const CheckedRead read = checkedTransfer().read(state_.image, state_.port, ranges());
    outcome = read.outcome;
    if (!read.backupFailure.empty()) tellBackupFailure(read.backupFailure);
  });
  lastOutcome_ = outcome;
  if (ran && outcome == TransferOutcome::PortNotOpened) return portNotOpened();
  clock_.delayNms(1);
  clock_.sleep(Millis(1));
  endSequence();
  unload();
}

void CommWindow::cmdWrite_Click() {
  TransferOutcome outcome = TransferOutcome::Failed;
  const bool ran = guard("frmCommun->cmdWrite_Click", [&] {
    beginSequence(cmdWrite_, cmdRead_);
    lastWrite_ = checkedTransfer().write(state_.image, state_.port, ranges());
    outcome = lastWrite_->outcome;
  });
  lastOutcome_ = outcome;
  if (ran && outcome == TransferOutcome::PortNotOpened) return portNotOpened();
  endSequence();
  clock_.sleep(Millis(20));
  unload();
}

void CommWindow::setProgress(int percent) {
  prgCommunicate_->setValue(percent);
}

void CommWindow::setStatus(const std::string& text) {
  lblComStatus_->setText(qs(text));
}

void CommWindow::showStopBox() {
  chkStopCom_->setVisible(true);
}

}  // namespace q7
