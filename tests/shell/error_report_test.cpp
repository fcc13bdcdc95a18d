#include "shell/error_report.h"

#include <gtest/gtest.h>

namespace q7 {
namespace {

TEST(ErrorReport, DetailLineJoinsLabelsWithoutFurtherSeparators) {
  EXPECT_EQ(detailLine("mdifrmMain->OpenFile", {53, "C:\\a.dat"}),
            "         错误:  mdifrmMain->OpenFile     出错号:   53     出错点:  C:\\a.dat"
            "     出错描述:  文件找不到");
  EXPECT_EQ(detailLine("x->y", {1004, "src"}),
            "         错误:  x->y     出错号:   1004     出错点:  src     出错描述:  ");
  EXPECT_EQ(detailLine("x->y", {-5, "s"}),
            "         错误:  x->y     出错号:  -5     出错点:  s     出错描述:  ");
}

TEST(ErrorReport, DescriptionTableHasAllRows) {
  EXPECT_EQ(errorDescription(3), "没有返回的GoSub");
  EXPECT_EQ(errorDescription(76), "找不到路径");
  EXPECT_EQ(errorDescription(31037), "从文件读出时出错");
  EXPECT_EQ(errorDescription(2), "");
}

TEST(ErrorReport, GuardReportsTwoLinesAndTheFailureNumber) {
  ErrorReporter& reporter = errorReporter();
  reporter.clear();
  reporter.setClock([] { return std::string("2026-01-02 03:04:05"); });
  std::vector<std::string> seen;
  reporter.setListener([&](const std::string& line) { seen.push_back(line); });
  EXPECT_TRUE(guard("a->b", [] {}));
  EXPECT_FALSE(guard("mdifrmMain->OpenFile", [] { throw Failure(err::kFileNotFound, "disk"); }));
  EXPECT_FALSE(guard("a->c", [] { throw std::runtime_error("boom"); }));
  ASSERT_EQ(reporter.lines().size(), 4u);
  EXPECT_EQ(reporter.lines()[0], "---------2026-01-02 03:04:05--------");
  EXPECT_NE(reporter.lines()[1].find("出错号:   53"), std::string::npos);
  EXPECT_NE(reporter.lines()[3].find("出错号:   51     出错点:  boom"), std::string::npos);
  EXPECT_EQ(seen, reporter.lines());
  reporter.setListener(nullptr);
  reporter.setClock(nullptr);
  reporter.clear();
}

}  // namespace
}  // namespace q7
