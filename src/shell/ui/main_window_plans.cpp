// File -> Open Channel Plan...: a shipped channel plan chosen from a list goes
// into the image from the current channel down, as a paste does, in one
// undo step.
#include "channels/channel_plans.h"
#include "channels/row_caption_rows.h"
#include "channels/ui/channel_window.h"
#include "channels/ui/plan_dialog.h"
#include "foundation/shared_caption_rows.h"
#include "shell/ui/main_window.h"

namespace q7 {

void MainWindow::openChannelPlan() {
  const std::string& notice = state_.caption(row::kNotice);
  const auto plans = shippedPlans(state_.programFolder);
  if (plans.empty()) {
    const auto folder = state_.programFolder / kPlansFolderName;
    return prompts_.tell(notice, state_.caption(row::kNoPlans) + "\n" + folder.string(),
                         PromptIcon::Exclamation);
  }
  const auto plan = choosePlan(this, state_, plans);
  if (!plan) return;
  const auto text = readPlan(*plan);
  if (!text)
    return prompts_.tell(notice, state_.caption(row::kPlanNotRead) + "\n" + plan->file.string(),
                         PromptIcon::Exclamation);
  frmChMem_->pasteChannels(*text, prompts_);
  files_.recordEdit();
  showEditState();
}

}  // namespace q7
