#include "settings/ui/ptt_id_pause_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QPushButton>
#include <QRadioButton>

#include "foundation/error_report.h"
#include "foundation/ui/qt_text.h"
#include "settings/option_pages.h"
#include "settings/settings_caption_rows.h"

namespace q7 {

namespace {

constexpr int kColumns = 4;

}  // namespace

PttIdPauseDialog::PttIdPauseDialog(CodeplugImage& image, const CaptionTable& captions,
                                   QWidget* parent)
    : QDialog(parent),
      channels_(image),
      chkSelectAll_(new QRadioButton(this)),
      chkSelectNone_(new QRadioButton(this)),
      cmdOK_(new QPushButton(this)) {
  setObjectName("frmPttIdPauseChSet");
  setModal(true);
  auto* layout = new QGridLayout(this);
  for (int i = 0; i < kPttIdPauseChannels; ++i) {
    auto* box = new QCheckBox(this);
    box->setObjectName(qs(elementName("chkPttIdPauseChSet", i)));
    chkPttIdPauseChSet_[static_cast<std::size_t>(i)] = box;
    layout->addWidget(box, i / kColumns, i % kColumns);
    connect(box, &QCheckBox::toggled, this, [this, i](bool checked) {
      guard("frmPttIdPauseChSet->chkPttIdPauseChSet_Click",
            [&] { channels_.channelBoxClicked(i, checked); });
    });
  }
  // The model decides which option is chosen; the buttons do not exclude each other by themselves.
  chkSelectAll_->setObjectName("chkSelectAll");
  chkSelectNone_->setObjectName("chkSelectNone");
  chkSelectAll_->setAutoExclusive(false);
  chkSelectNone_->setAutoExclusive(false);
  cmdOK_->setObjectName("cmdOK");
  const int below = kPttIdPauseChannels / kColumns;
  layout->addWidget(chkSelectAll_, below, 0);
  layout->addWidget(chkSelectNone_, below, 1);
  layout->addWidget(cmdOK_, below, kColumns - 1);

  // A click on an option already chosen unchooses a button that is not
  // exclusive; the model chooses it again and sets every box once more.
  connect(chkSelectAll_, &QRadioButton::clicked, this, [this] {
    guard("frmPttIdPauseChSet->chkSelectAll_Click", [&] { channels_.chooseAll(); });
  });
  connect(chkSelectNone_, &QRadioButton::clicked, this, [this] {
    guard("frmPttIdPauseChSet->chkSelectNone_Click", [&] { channels_.chooseNone(); });
  });
  connect(cmdOK_, &QPushButton::clicked, this,
          [this] { guard("frmPttIdPauseChSet->cmdOK_Click", [&] { accept(); }); });
  channels_.setListener([this] { showModel(); });
  guard("frmPttIdPauseChSet->Form_Load", [&] { initFace(captions); });
  showChannels();
}

void PttIdPauseDialog::initFace(const CaptionTable& captions) {
  setWindowTitle(qs(captions(row::kPttIdPauseTitle)));
  for (int i = 0; i < kPttIdPauseChannels; ++i) {
    chkPttIdPauseChSet_[static_cast<std::size_t>(i)]->setText(
        qs(captions(row::kPttIdPauseChannel) + " " + std::to_string(i + 1)));
  }
  chkSelectAll_->setText(qs(captions(row::kSelectAll)));
  chkSelectNone_->setText(qs(captions(row::kSelectNone)));
  cmdOK_->setText(qs(captions(row::kPttIdPauseOk)));
}

void PttIdPauseDialog::showChannels() {
  guard("frmPttIdPauseChSet->PttIdPauseChSet", [&] { channels_.pttIdPauseChSet(); });
}

void PttIdPauseDialog::showModel() {
  for (int i = 0; i < kPttIdPauseChannels; ++i) {
    chkPttIdPauseChSet_[static_cast<std::size_t>(i)]->setChecked(channels_.box(i));
  }
  chkSelectAll_->setChecked(channels_.selectAll());
  chkSelectNone_->setChecked(channels_.selectNone());
}

}  // namespace q7
