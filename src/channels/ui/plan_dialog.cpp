#include "channels/ui/plan_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "channels/row_caption_rows.h"
#include "channels/ui/ok_cancel_buttons.h"
#include "foundation/ui/qt_text.h"

namespace q7 {

PlanDialog::PlanDialog(const AppState& state, const std::vector<ChannelPlan>& plans,
                       QWidget* parent)
    : QDialog(parent), list_(new QListWidget(this)) {
  setObjectName("frmChannelPlans");
  setWindowTitle(qs(state.caption(row::kChannelPlans)));
  auto* layout = new QVBoxLayout(this);
  auto* label = new QLabel(qs(state.caption(row::kChoosePlan)), this);
  label->setWordWrap(true);
  layout->addWidget(label);
  list_->setObjectName("lstPlans");
  for (const ChannelPlan& plan : plans) list_->addItem(qs(plan.name));
  list_->setCurrentRow(0);
  layout->addWidget(list_);
  auto* buttons = okCancelButtons(this, state);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(list_, &QListWidget::itemActivated, this, &QDialog::accept);
  layout->addWidget(buttons);
}

std::optional<std::size_t> PlanDialog::chosen() const {
  const int row = list_->currentRow();
  if (row < 0) return std::nullopt;
  return static_cast<std::size_t>(row);
}

std::optional<ChannelPlan> choosePlan(QWidget* parent, const AppState& state,
                                      const std::vector<ChannelPlan>& plans) {
  PlanDialog dialog(state, plans, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const auto chosen = dialog.chosen();
  if (!chosen || *chosen >= plans.size()) return std::nullopt;
  return plans[*chosen];
}

}  // namespace q7
