#pragma once
// Failure reporting. Every command and handler runs its body through
// `guard`, which catches whatever the body throws, records it in the error
// list under the command's fixed location text ("mdifrmMain->OpenFile") and
// lets the program go on. The error list keeps a separator line and a detail
// line per report; a listener (the error list window) is told of each line.
// Transfers on several ports may report at once: the list is kept under a
// lock, and each thread's newest detail line is kept for that thread.
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace q7 {

// Failure numbers of the description table that our own failures carry.
namespace err {
inline constexpr int kInvalidCall = 5;
inline constexpr int kOverflow = 6;
inline constexpr int kIndexRange = 9;
inline constexpr int kTypeMismatch = 13;
inline constexpr int kInternal = 51;
inline constexpr int kFileNotFound = 53;
inline constexpr int kDeviceIo = 57;
inline constexpr int kDiskFull = 61;
inline constexpr int kPermission = 70;
inline constexpr int kPathAccess = 75;
inline constexpr int kPathNotFound = 76;
inline constexpr int kDeviceName = 320;  // a character device named as a file
inline constexpr int kInvalidFileFormat = 321;
}  // namespace err

// A failure of our own: the description table's number and the failing component.
class Failure : public std::runtime_error {
 public:
  Failure(int number, std::string source)
      : std::runtime_error(source), number_(number), source_(std::move(source)) {}
  int number() const { return number_; }
  const std::string& source() const { return source_; }

 private:
  int number_;
  std::string source_;
};

struct FailureRecord {
  long number = err::kInternal;
  std::string source;
};

// One report as made: where it was caught and what failed.
struct FailureReport {
  std::string location;
  FailureRecord record;
};

// The record of the exception being handled (call only inside a catch block).
FailureRecord currentFailureRecord();

// Chinese description of a failure number; empty when the number is unknown.
std::string errorDescription(long number);

// A report in English words for the command line: what failed, and the
// failure's own text when it has one ("input/output error: the radio hung up").
std::string englishReason(const FailureRecord& record);

// "---------" + time + "--------"
std::string separatorLine(const std::string& timeText);
// The detail line of one report.
std::string detailLine(std::string_view location, const FailureRecord& record);

class ErrorReporter {
 public:
  using Listener = std::function<void(const std::string& line)>;

  void report(std::string_view location, const FailureRecord& record);
  std::vector<std::string> lines() const;
  // The list window was closed: its entries are gone and the count restarts.
  void clear();
  // The detail line of the newest report the calling thread made since it
  // last called clear() or forgetThisThread(); empty when none.
  std::string lastOnThisThread() const;
  // The same report as made, for a line in other words than the list's.
  std::optional<FailureReport> lastReportOnThisThread() const;
  // Every report since the last clear(), oldest first.
  std::vector<FailureReport> reports() const;
  void forgetThisThread();
  void setListener(Listener listener) { listener_ = std::move(listener); }
  // Time text source, replaceable so tests get a fixed stamp.
  void setClock(std::function<std::string()> clock) { clock_ = std::move(clock); }

 private:
  mutable std::mutex lock_;
  std::vector<std::string> lines_;
  std::vector<FailureReport> reports_;
  std::map<std::thread::id, FailureReport> lastByThread_;
  Listener listener_;
  std::function<std::string()> clock_;
};

// The program's one reporter.
ErrorReporter& errorReporter();

// Runs `body`; on any exception reports it under `location` and returns false.
template <class Body>
bool guard(std::string_view location, Body&& body) {
  try {
    body();
    return true;
  } catch (...) {
    errorReporter().report(location, currentFailureRecord());
    return false;
  }
}

}  // namespace q7
