#include "foundation/error_report.h"
#include "foundation/quiet_reports.h"

#include <gtest/gtest.h>

#include <thread>

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

// Transfers on several ports report side by side: every report is listed,
// and each thread names its own newest failure, not another port's.
TEST(ErrorReport, EachThreadKeepsItsOwnNewestReport) {
  ErrorReporter reporter;
  constexpr int kThreads = 4;
  constexpr int kReportsEach = 200;
  std::vector<std::string> last(kThreads);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      for (int n = 0; n < kReportsEach; ++n)
        reporter.report("port->" + std::to_string(t), {err::kDeviceIo, std::to_string(n)});
      last[t] = reporter.lastOnThisThread();
    });
  }
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(reporter.lines().size(), 2u * kThreads * kReportsEach);
  for (int t = 0; t < kThreads; ++t) {
    EXPECT_NE(last[t].find("port->" + std::to_string(t) + " "), std::string::npos) << last[t];
    EXPECT_NE(last[t].find("出错点:  " + std::to_string(kReportsEach - 1) + " "), std::string::npos)
        << last[t];
  }
  EXPECT_EQ(reporter.lastOnThisThread(), "");
  reporter.report("main->x", {err::kDeviceIo, "here"});
  EXPECT_NE(reporter.lastOnThisThread().find("main->x"), std::string::npos);
  reporter.forgetThisThread();
  EXPECT_EQ(reporter.lastOnThisThread(), "");
}

// Reports are dropped while the thread that makes them is quiet, and only then.
TEST(ErrorReport, QuietReportsSilenceTheirOwnThreadOnly) {
  ErrorReporter reporter;
  {
    const QuietReports quiet;
    reporter.report("aside->a", {err::kFileNotFound, "x"});
    { const QuietReports deeper; }
    reporter.report("aside->b", {err::kFileNotFound, "x"});
    std::thread([&] { reporter.report("other->c", {err::kDeviceIo, "y"}); }).join();
  }
  reporter.report("main->d", {err::kFileNotFound, "z"});
  const auto lines = reporter.lines();
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_NE(lines[1].find("other->c"), std::string::npos);
  EXPECT_NE(lines[3].find("main->d"), std::string::npos);
}

}  // namespace
}  // namespace q7
