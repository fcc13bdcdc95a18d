#pragma once
// Channel plans: CSV tables in the channel table's columns, shipped in the
// folder "plans" beside the program, put into the image through the paste
// of channel_paste.h.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace q7 {

inline constexpr const char* kPlansFolderName = "plans";

struct ChannelPlan {
  std::string name;  // the file name without ".csv"
  std::filesystem::path file;
};

// The plans of <programFolder>/plans, by name; none when the folder is missing.
std::vector<ChannelPlan> shippedPlans(const std::filesystem::path& programFolder);
// The plan's text; nullopt when it cannot be read.
std::optional<std::string> readPlan(const ChannelPlan& plan);

}  // namespace q7
