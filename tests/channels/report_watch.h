#pragma once
// Watches the error list: which locations were reported after it was made.
#include <string>
#include <string_view>
#include <vector>

#include "foundation/error_report.h"

namespace q7::test {

class ReportWatch {
 public:
  ReportWatch() : start_(errorReporter().lines().size()) {}

  // The locations reported since the watch began, oldest first.
  std::vector<std::string> locations() const {
    static constexpr std::string_view kBefore = "     错误:  ";
    static constexpr std::string_view kAfter = "     出错号:  ";
    std::vector<std::string> found;
    const auto& lines = errorReporter().lines();
    for (std::size_t i = start_; i < lines.size(); ++i) {
      const auto from = lines[i].find(kBefore);
      const auto to = lines[i].find(kAfter);
      if (from == std::string::npos || to == std::string::npos) continue;
      found.push_back(lines[i].substr(from + kBefore.size(), to - from - kBefore.size()));
    }
    return found;
  }

 private:
  std::size_t start_;
};

}  // namespace q7::test
