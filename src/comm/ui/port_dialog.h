#pragma once
// frmToolCom: the communication port dialog. Each of the ports COM1..COM16 is
// tested when the dialog opens; ports that do not open are shown unchecked and
// disabled. OK stores the chosen port under "COM"; Cancel restores the port
// that was current when the dialog opened.
#include <QDialog>
#include <array>

#include "comm/port_selection.h"
#include "foundation/app_state.h"

class QRadioButton;
class QGroupBox;
class QLabel;
class QPushButton;

namespace q7 {

class PortDialog : public QDialog {
  Q_OBJECT
 public:
  PortDialog(AppState& state, SerialLink& link, QWidget* parent = nullptr);

  QRadioButton* portButton(int port) const {
    return buttons_.at(static_cast<std::size_t>(port - 1));
  }
  void cmdOK_Click();
  void cmdCancel_Click();

 private:
  void initFace();
  void enableCom();

  AppState& state_;
  PortSelection selection_;
  int remembered_ = 1;
  QGroupBox* fraToolCom_;
  QLabel* lblToolCom_;
  QPushButton* cmdOK_;
  QPushButton* cmdCancel_;
  std::array<QRadioButton*, kHighestPort> buttons_{};
};

}  // namespace q7
