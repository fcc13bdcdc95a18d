#include "foundation/error_report.h"

#include "foundation/quiet_reports.h"

#include <chrono>
#include <cstdint>
#include <ctime>
#include <map>

namespace q7 {
namespace {

const std::map<long, const char*>& descriptionTable() {
  static const std::map<long, const char*> table = {
#include "foundation/error_descriptions.inc"
  };
  return table;
}

// English words for the failure numbers our own failures carry.
const std::map<long, const char*>& englishTable() {
  static const std::map<long, const char*> table = {
      {err::kInvalidCall, "invalid call"},
      {err::kOverflow, "a value too large"},
      {err::kIndexRange, "a value out of range"},
      {err::kTypeMismatch, "a value of the wrong kind"},
      {err::kInternal, "internal failure"},
      {err::kFileNotFound, "not found"},
      {err::kDeviceIo, "input/output error"},
      {err::kDiskFull, "the disk is full"},
      {err::kPermission, "permission refused"},
      {err::kPathAccess, "the file cannot be used"},
      {err::kPathNotFound, "the folder does not exist"},
      {err::kDeviceName, "a device, not a file"},
      {err::kInvalidFileFormat, "not a data file"},
  };
  return table;
}

std::string nowText() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
  return text;
}

// Numbers that fit 16 bits are shown as the 16-bit value; larger component
// failure numbers are shown whole rather than wrapped into a wrong number.
long shownNumber(long number) {
  if (number >= INT16_MIN && number <= INT16_MAX) return static_cast<std::int16_t>(number);
  return number;
}

}  // namespace

FailureRecord currentFailureRecord() {
  try {
    throw;
  } catch (const Failure& failure) {
    return {failure.number(), failure.source()};
  } catch (const std::out_of_range& e) {
    return {err::kIndexRange, e.what()};
  } catch (const std::exception& e) {
    return {err::kInternal, e.what()};
  } catch (...) {
    return {err::kInternal, "unknown failure"};
  }
}

std::string errorDescription(long number) {
  const auto& table = descriptionTable();
  const auto it = table.find(number);
  return it == table.end() ? std::string() : std::string(it->second);
}

std::string englishReason(const FailureRecord& record) {
  const auto found = englishTable().find(record.number);
  const std::string what = found == englishTable().end()
                               ? "failure " + std::to_string(record.number)
                               : std::string(found->second);
  return record.source.empty() ? what : what + ": " + record.source;
}

std::string separatorLine(const std::string& timeText) {
  return "---------" + timeText + "--------";
}

std::string detailLine(std::string_view location, const FailureRecord& record) {
  const long number = shownNumber(record.number);
  const std::string numberText = number < 0 ? std::to_string(number) : " " + std::to_string(number);
  return std::string("    ") + "     错误:  " + std::string(location) +
         "     出错号:  " + numberText + "     出错点:  " + record.source +
         "     出错描述:  " + errorDescription(number);
}

namespace {
thread_local int quietDepth = 0;
}  // namespace

QuietReports::QuietReports() {
  ++quietDepth;
}

QuietReports::~QuietReports() {
  --quietDepth;
}

bool QuietReports::active() {
  return quietDepth > 0;
}

void ErrorReporter::report(std::string_view location, const FailureRecord& record) {
  if (QuietReports::active()) return;
  const std::string separator = separatorLine(clock_ ? clock_() : nowText());
  const std::string detail = detailLine(location, record);
  {
    const std::lock_guard<std::mutex> lock(lock_);
    lines_.push_back(separator);
    lines_.push_back(detail);
    reports_.push_back({std::string(location), record});
    lastByThread_[std::this_thread::get_id()] = reports_.back();
  }
  if (!listener_) return;
  listener_(separator);
  listener_(detail);
}

std::vector<std::string> ErrorReporter::lines() const {
  const std::lock_guard<std::mutex> lock(lock_);
  return lines_;
}

void ErrorReporter::clear() {
  const std::lock_guard<std::mutex> lock(lock_);
  lines_.clear();
  reports_.clear();
  lastByThread_.erase(std::this_thread::get_id());
}

std::string ErrorReporter::lastOnThisThread() const {
  const std::lock_guard<std::mutex> lock(lock_);
  const auto found = lastByThread_.find(std::this_thread::get_id());
  if (found == lastByThread_.end()) return {};
  return detailLine(found->second.location, found->second.record);
}

std::optional<FailureReport> ErrorReporter::lastReportOnThisThread() const {
  const std::lock_guard<std::mutex> lock(lock_);
  const auto found = lastByThread_.find(std::this_thread::get_id());
  if (found == lastByThread_.end()) return std::nullopt;
  return found->second;
}

std::vector<FailureReport> ErrorReporter::reports() const {
  const std::lock_guard<std::mutex> lock(lock_);
  return reports_;
}

void ErrorReporter::forgetThisThread() {
  const std::lock_guard<std::mutex> lock(lock_);
  lastByThread_.erase(std::this_thread::get_id());
}

ErrorReporter& errorReporter() {
  static ErrorReporter reporter;
  return reporter;
}

}  // namespace q7
