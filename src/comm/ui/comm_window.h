#pragma once
// frmCommun: the modal window in which every read and write of the radio
// runs: read and write buttons, progress bar, status line, a blinking light
// and the stop box; a hidden panel (opened by the 6th, 16th ... double-click
// on the progress frame) holds the address ranges, two options and the
// traffic log. The window closes itself at the end of each read or write; a
// close while one runs becomes a stop request.
#include <QDialog>
#include <optional>

#include "comm/checked_transfer.h"
#include "comm/radio_transfer.h"
#include "comm/ui/qt_serial_link.h"
#include "foundation/app_state.h"
#include "foundation/editor_views.h"
#include "foundation/prompts.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTimer;

namespace q7 {

class MemoryView;

class CommWindow : public QDialog, private TransferObserver {
  Q_OBJECT
 public:
  CommWindow(AppState& state, Prompts& prompts, EditorViews& views, QWidget* parent = nullptr);

  // Program -> Read: only the read button, shown modally.
  int showRead();
  // Program -> Write: only the write button, shown modally.
  int showWrite();
  // Both buttons as they are, shown modally.
  int showReadWrite();

  // The work of other parts that a write needs: the key lists, the serial
  // number, the selected band. Channel encoding and the image display come
  // from the editor views unless given here.
  void setTransferHooks(TransferHooks hooks) { extraHooks_ = std::move(hooks); }
  // The memory view refreshed around transfers when "Show Memory Data" is checked.
  void setMemoryView(MemoryView* view) { memoryView_ = view; }
  // Start-up: puts the address texts into the fields, writing nothing back.
  void setAddressFields(const MemoryRanges& ranges);

  void cmdRead_Click();
  void cmdWrite_Click();
  void fraOne_DblClick();

  // How the last read or write since the window was shown ended; empty
  // when none ran.
  std::optional<TransferOutcome> lastOutcome() const { return lastOutcome_; }
  // The backup and read-back of the last write since the window was shown.
  const std::optional<CheckedWrite>& lastWrite() const { return lastWrite_; }
  bool busy() const { return busy_; }
  bool panelOpen() const;
  RadioTransfer& transfer() { return transfer_; }
  QListWidget* trafficLog() const { return listRtData_; }
  QCheckBox* stopBox() const { return chkStopCom_; }
  QCheckBox* notShowCourseBox() const { return chkNotShowProg_; }
  QCheckBox* showMemoryBox() const { return chkShowMemDat_; }
  QLineEdit* addressField(const QString& name) const;
  QProgressBar* progressBar() const { return prgCommunicate_; }
  QLabel* statusLabel() const { return lblComStatus_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void reject() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // TransferObserver
  void setProgress(int percent) override;
  void setStatus(const std::string& text) override;
  void showStopBox() override;

  int showWith(QPushButton* button);
  void showPanel(bool open);
  void buildControls();
  void buildRangePanel();
  void initFace();
  void connectAddressFields();
  void beginSequence(QPushButton* running, QPushButton* other);
  void portNotOpened();
  void endSequence();
  void unload();
  void stopRequestedByClose();
  void setStopBox(bool visible, bool checked);
  TransferHooks composedHooks();
  TransferRanges ranges() const;
  CheckedTransfer checkedTransfer();
  void tellBackupFailure(const std::string& failure);

  AppState& state_;
  Prompts& prompts_;
  EditorViews& views_;
  QtSerialLink link_;
  QtWaitClock clock_;
  RadioTransfer transfer_;
  TransferHooks extraHooks_;
  MemoryView* memoryView_ = nullptr;
  bool busy_ = false;
  std::optional<TransferOutcome> lastOutcome_;
  std::optional<CheckedWrite> lastWrite_;
  int doubleClicks_ = 0;

  QGroupBox* fraOne_;
  QPushButton* cmdRead_;
  QPushButton* cmdWrite_;
  QProgressBar* prgCommunicate_;
  QLabel* lblComStatus_;
  QLabel* lblComPercent_;
  QLabel* imgGreen_;
  QLabel* imgRed_;
  QTimer* tmrLigGrint_;
  QCheckBox* chkStopCom_;
  QGroupBox* fraRdWrDat_;
  QCheckBox* chkNotShowProg_;
  QCheckBox* chkShowMemDat_;
  QGroupBox* fraTwo_;
  QListWidget* listRtData_;
};

}  // namespace q7
