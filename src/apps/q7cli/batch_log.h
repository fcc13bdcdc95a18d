#pragma once
// The log of a batch of radios: a CSV file with a line per radio
// (time,port,serial,result,verify), the time in ISO 8601 local time with
// its offset from UTC. A new or empty file gets the header line first; an
// existing log is added to. Radios written side by side log through one
// lock, and every line is on disk before the next radio starts.
#include <chrono>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <string>

#include "radio_write.h"

namespace q7::cli {

// The log's name when --log is not given: batch-log.csv beside the data file.
std::filesystem::path defaultBatchLog(const std::filesystem::path& dataFile);

// "2026-12-09T13:05:07+01:00"
std::string isoLocalTime(std::chrono::system_clock::time_point when);

// A CSV field: quoted, with its quotes doubled, when it holds a comma, a
// quote or a line break.
std::string csvField(const std::string& text);

class BatchLog {
 public:
  // Throws std::runtime_error when the file cannot be written.
  explicit BatchLog(const std::filesystem::path& path);

  // False when the line could not be written (a full disk, say).
  bool add(const std::string& port, const std::string& serial, const RadioWriteResult& radio);
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
  std::mutex lock_;
  std::ofstream file_;
};

}  // namespace q7::cli
