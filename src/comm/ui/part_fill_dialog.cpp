#include "comm/ui/part_fill_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "comm/comm_caption_rows.h"
#include "comm/hex_text.h"
#include "comm/memory_grid.h"
#include "comm/ui/control_names.h"
#include "comm/ui/memory_view.h"
#include "foundation/error_report.h"
#include "foundation/shared_caption_rows.h"
#include "foundation/ui/qt_text.h"
#include "foundation/ui/wheel_guard.h"

namespace q7 {
namespace {

constexpr FillBase kBases[] = {FillBase::Hex, FillBase::Decimal, FillBase::Binary};

}  // namespace

PartFillDialog::PartFillDialog(AppState& state, Prompts& prompts, MemoryView& view, QWidget* parent)
    : QDialog(parent),
      state_(state),
      prompts_(prompts),
      view_(view),
      txtFillData_(new QLineEdit("FF", this)),
      cboFillData_(new QComboBox(this)),
      txtStartAddr_(new QLineEdit(this)),
      txtEndAddr_(new QLineEdit(this)),
      cmdFillData_(new QPushButton("Fill", this)) {
  setObjectName("frmPartFill");
  nameControls({{txtFillData_, "txtFillData"},
                {cboFillData_, "cboFillData"},
                {txtStartAddr_, "txtStartAddr"},
                {txtEndAddr_, "txtEndAddr"},
                {cmdFillData_, "cmdFillData"}});
  setModal(true);
  cboFillData_->addItems({"H", "D", "B"});
  guardWheel(cboFillData_);
  auto* grid = new QGridLayout(this);
  grid->addWidget(new QLabel("Fill Data", this), 0, 0);
  grid->addWidget(txtFillData_, 0, 1);
  grid->addWidget(cboFillData_, 0, 2);
  grid->addWidget(new QLabel("Start Addr", this), 1, 0);
  grid->addWidget(txtStartAddr_, 1, 1);
  grid->addWidget(new QLabel("H", this), 1, 2);
  grid->addWidget(new QLabel("End Addr", this), 2, 0);
  grid->addWidget(txtEndAddr_, 2, 1);
  grid->addWidget(new QLabel("H", this), 2, 2);
  grid->addWidget(cmdFillData_, 3, 1);
  cboFillData_->setCurrentIndex(0);
  txtStartAddr_->setText(qs(formatAddress(static_cast<unsigned>(state_.ranges.fillStart))));
  txtEndAddr_->setText(qs(formatAddress(static_cast<unsigned>(state_.ranges.fillEnd))));
  // Each address field keeps its last hexadecimal value for the next opening.
  for (auto [field, kept] : {std::pair{txtStartAddr_, &MemoryRanges::fillStart},
                             std::pair{txtEndAddr_, &MemoryRanges::fillEnd}}) {
    connect(field, &QLineEdit::textChanged, this, [this, kept](const QString& text) {
      long value = 0;
      if (parseHex(ss(text), value)) state_.ranges.*kept = value;
    });
  }
  connect(cmdFillData_, &QPushButton::clicked, this, &PartFillDialog::cmdFillData_Click);
}

long PartFillDialog::hexAddress(const QLineEdit* field) {
  long value = 0;
  if (!parseHex(ss(field->text()), value)) throw Failure(err::kTypeMismatch, ss(field->text()));
  return value;
}

void PartFillDialog::cmdFillData_Click() {
  guard("frmPartFill->cmdFillData_Click", [&] {
    const FillBase base = kBases[std::max(0, cboFillData_->currentIndex())];
    const std::optional<int> value = fillValue(ss(txtFillData_->text()), base);
    if (!value) {
      prompts_.tell(state_.caption(row::kNotice), state_.caption(row::kFillValueRefused),
                    PromptIcon::Exclamation);
      return;
    }
    // An address that is not hexadecimal is a reported error, not a fault of the value.
    const long start = hexAddress(txtStartAddr_), end = hexAddress(txtEndAddr_);
    if (start > end) return;
    fillImage(state_.image, start, end, *value);
    // The filled bytes are stored already; the other cells are not the user's edit.
    view_.showBytes(start, std::min(end, gridHighestAddress(state_.ranges.tableMax)));
  });
}

}  // namespace q7
