#include "comm/ui/port_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "comm/comm_caption_rows.h"
#include "comm/ui/port_description.h"
#include "comm/ui/qt_serial_link.h"
#include "foundation/error_report.h"
#include "foundation/setting_keys.h"
#include "foundation/shared_caption_rows.h"
#include "foundation/ui/qt_text.h"

namespace q7 {
namespace {

constexpr int kPortsPerColumn = 8;

}  // namespace

PortDialog::PortDialog(AppState& state, SerialLink& link, QWidget* parent)
    : QDialog(parent),
      state_(state),
      selection_(link),
      fraToolCom_(new QGroupBox(this)),
      lblToolCom_(new QLabel(fraToolCom_)),
      cmdOK_(new QPushButton(this)),
      cmdCancel_(new QPushButton(this)) {
  setObjectName("frmToolCom");
  cmdOK_->setObjectName("cmdOK");
  cmdCancel_->setObjectName("cmdCancel");
  setModal(true);
  auto* grid = new QGridLayout(fraToolCom_);
  grid->addWidget(lblToolCom_, 0, 0, 1, 2);
  for (int port = kLowestPort; port <= kHighestPort; ++port) {
    auto* button = new QRadioButton(fraToolCom_);
    button->setObjectName(QString("COM1_%1").arg(port - 1));
    grid->addWidget(button, 1 + (port - 1) % kPortsPerColumn, (port - 1) / kPortsPerColumn);
    buttons_[static_cast<std::size_t>(port - 1)] = button;
  }
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(fraToolCom_);
  auto* row = new QHBoxLayout;
  row->addStretch();
  row->addWidget(cmdOK_);
  row->addWidget(cmdCancel_);
  layout->addLayout(row);
  connect(cmdOK_, &QPushButton::clicked, this, &PortDialog::cmdOK_Click);
  connect(cmdCancel_, &QPushButton::clicked, this, &PortDialog::cmdCancel_Click);
  guard("frmToolCom->Form_Load", [&] {
    initFace();
    enableCom();
    remembered_ = state_.port;
    if (state_.port >= kLowestPort && state_.port <= kHighestPort)
      portButton(state_.port)->setChecked(true);
  });
}

void PortDialog::initFace() {
  const QFont font(qs(state_.fontFace));
  setWindowTitle(qs(state_.caption(row::kPortTitle)));
  fraToolCom_->setTitle(qs(state_.caption(row::kPortFrame)));
  lblToolCom_->setText(qs(state_.caption(row::kPortLabel)));
  cmdOK_->setText(qs(state_.caption(row::kPortOk)));
  cmdCancel_->setText(qs(state_.caption(row::kPortCancel)));
  for (QWidget* w :
       std::initializer_list<QWidget*>{this, fraToolCom_, lblToolCom_, cmdOK_, cmdCancel_})
    w->setFont(font);
  const auto deviceOf = systemPortDevices(state_.settings);
  for (int port = kLowestPort; port <= kHighestPort; ++port) {
    const std::string about = portDescription(deviceOf(port));
    QRadioButton* button = portButton(port);
    button->setFont(font);
    button->setText(QString("COM%1   %2")
                        .arg(port)
                        .arg(qs(about.empty() ? state_.caption(row::kNotPresent) : about)));
  }
}

void PortDialog::enableCom() {
  for (int port = kLowestPort; port <= kHighestPort; ++port) {
    if (selection_.verdictCom(port)) continue;
    QRadioButton* button = portButton(port);
    // An exclusive group keeps one button checked; clear it outside the group.
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(true);
    button->setEnabled(false);
  }
}

void PortDialog::cmdOK_Click() {
  guard("frmToolCom->cmdOK_Click", [&] {
    for (int port = kLowestPort; port <= kHighestPort; ++port) {
      if (!portButton(port)->isChecked()) continue;
      state_.port = port;
      remembered_ = port;
      break;
    }
    writeSetting(state_.settings, key::kCom, std::to_string(state_.port));
  });
  accept();
}

void PortDialog::cmdCancel_Click() {
  state_.port = remembered_;
  reject();
}

}  // namespace q7
