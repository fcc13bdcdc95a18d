#pragma once
// Work done aside, such as opening a file only to compare it, reports nothing
// the user did not do: while a QuietReports lives, the error reporter drops
// the reports of the thread that made it.
namespace q7 {

class QuietReports {
 public:
  QuietReports();
  ~QuietReports();
  QuietReports(const QuietReports&) = delete;
  QuietReports& operator=(const QuietReports&) = delete;

  // True while the calling thread has a QuietReports.
  static bool active();
};

}  // namespace q7
