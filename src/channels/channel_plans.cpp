#include "channels/channel_plans.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace q7 {

std::vector<ChannelPlan> shippedPlans(const std::filesystem::path& programFolder) {
  std::vector<ChannelPlan> plans;
  std::error_code ec;
  for (const auto& entry :
       std::filesystem::directory_iterator(programFolder / kPlansFolderName, ec)) {
    if (entry.is_regular_file(ec) && entry.path().extension() == ".csv")
      plans.push_back({entry.path().stem().string(), entry.path()});
  }
  std::ranges::sort(plans, {}, &ChannelPlan::name);
  return plans;
}

std::optional<std::string> readPlan(const ChannelPlan& plan) {
  std::ifstream file(plan.file, std::ios::binary);
  if (!file.is_open()) return std::nullopt;
  std::ostringstream text;
  text << file.rdbuf();
  if (file.bad()) return std::nullopt;
  return text.str();
}

}  // namespace q7
