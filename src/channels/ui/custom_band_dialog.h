#pragma once
// frmCustomFre: the modal dialog in which the user types a band of his own.
// OK starts a new image, then takes the two limits when they make a band
// within 120..520 MHz, or else falls back to 120..520 MHz; Cancel changes
// nothing. The last accepted texts come back the next time it opens.
#include <QDialog>

#include "channels/model_band.h"
#include "foundation/app_state.h"
#include "foundation/shell_commands.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace q7 {

class CustomBandDialog : public QDialog {
  Q_OBJECT
 public:
  CustomBandDialog(AppState& state, ShellCommands& shell, BandLimits& band,
                   QWidget* parent = nullptr);

  // Form_Load: captions and the remembered (or first) texts.
  void formLoad();
  void cmdOkClick();
  void cmdCancelClick();

 private:
  void initFace();

  AppState& state_;
  ShellCommands& shell_;
  BandLimits& band_;
  QLabel* lblFreMin_;
  QLabel* lblFreMax_;
  QLineEdit* txtFreMin_;
  QLineEdit* txtFreMax_;
  QPushButton* cmdOk_;
  QPushButton* cmdCancel_;
  QString mstrFreMin_;
  QString mstrFreMax_;
};

}  // namespace q7
