#pragma once
// File -> Open Channel Plan...: the list of the shipped channel plans, one
// chosen by a double-click or OK.
#include <QDialog>
#include <optional>
#include <vector>

#include "channels/channel_plans.h"
#include "foundation/app_state.h"

class QListWidget;

namespace q7 {

class PlanDialog : public QDialog {
  Q_OBJECT
 public:
  PlanDialog(const AppState& state, const std::vector<ChannelPlan>& plans,
             QWidget* parent = nullptr);

  // The plan chosen in the list ("lstPlans"); nullopt when none is.
  std::optional<std::size_t> chosen() const;

 private:
  QListWidget* list_;
};

// The plan the user chose; nullopt when cancelled.
std::optional<ChannelPlan> choosePlan(QWidget* parent, const AppState& state,
                                      const std::vector<ChannelPlan>& plans);

}  // namespace q7
