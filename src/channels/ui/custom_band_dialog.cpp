#include "channels/ui/custom_band_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "channels/channel_caption_rows.h"
#include "foundation/error_report.h"
#include "foundation/ui/qt_text.h"

namespace q7 {
namespace {

constexpr const char* kFirstMin = "120";
constexpr const char* kFirstMax = "520";

}  // namespace

CustomBandDialog::CustomBandDialog(AppState& state, ShellCommands& shell, BandLimits& band,
                                   QWidget* parent)
    : QDialog(parent),
      state_(state),
      shell_(shell),
      band_(band),
      lblFreMin_(new QLabel(this)),
      lblFreMax_(new QLabel(this)),
      txtFreMin_(new QLineEdit(this)),
      txtFreMax_(new QLineEdit(this)),
      cmdOk_(new QPushButton(this)),
      cmdCancel_(new QPushButton(this)) {
  setObjectName("frmCustomFre");
  setModal(true);
  lblFreMin_->setObjectName("lblFreMin");
  lblFreMax_->setObjectName("lblFreMax");
  txtFreMin_->setObjectName("txtFreMin");
  txtFreMax_->setObjectName("txtFreMax");
  cmdOk_->setObjectName("cmdOK");
  cmdCancel_->setObjectName("cmdCancel");
  auto* layout = new QGridLayout(this);
  layout->addWidget(lblFreMin_, 0, 0);
  layout->addWidget(txtFreMin_, 0, 1);
  layout->addWidget(lblFreMax_, 1, 0);
  layout->addWidget(txtFreMax_, 1, 1);
  layout->addWidget(cmdOk_, 2, 0);
  layout->addWidget(cmdCancel_, 2, 1);
  cmdOk_->setDefault(true);
  connect(cmdOk_, &QPushButton::clicked, this, &CustomBandDialog::cmdOkClick);
  connect(cmdCancel_, &QPushButton::clicked, this, &CustomBandDialog::cmdCancelClick);
}

void CustomBandDialog::formLoad() {
  guard("frmCustomFre->Form_Load", [&] {
    initFace();
    txtFreMin_->setText(mstrFreMin_.isEmpty() ? kFirstMin : mstrFreMin_);
    txtFreMax_->setText(mstrFreMax_.isEmpty() ? kFirstMax : mstrFreMax_);
  });
}

void CustomBandDialog::initFace() {
  guard("frmCustomFre->InitFace", [&] {
    setWindowTitle(qs(state_.caption(row::kCustomTitle)));
    lblFreMin_->setText(qs(state_.caption(row::kFreMin)));
    lblFreMax_->setText(qs(state_.caption(row::kFreMax)));
    cmdOk_->setText(qs(state_.caption(row::kOk)));
    cmdCancel_->setText(qs(state_.caption(row::kCancel)));
  });
}

void CustomBandDialog::cmdOkClick() {
  CustomBand custom{kWidestCustomBand, kFirstMin, kFirstMax};
  guard("frmCustomFre->cmdOK_Click", [&] {
    shell_.newFileSol();
    shell_.useDefaultDataPath();
    custom = acceptCustomBand(ss(txtFreMin_->text()), ss(txtFreMax_->text()));
  });
  band_ = custom.limits;
  mstrFreMin_ = qs(custom.minText);
  mstrFreMax_ = qs(custom.maxText);
  txtFreMin_->setText(mstrFreMin_);
  txtFreMax_->setText(mstrFreMax_);
  accept();
}

void CustomBandDialog::cmdCancelClick() {
  guard("frmCustomFre->cmdCancel_Click", [&] { reject(); });
}

}  // namespace q7
