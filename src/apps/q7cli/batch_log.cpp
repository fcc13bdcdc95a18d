#include "batch_log.h"

#include <ctime>
#include <stdexcept>

namespace q7::cli {

std::filesystem::path defaultBatchLog(const std::filesystem::path& dataFile) {
  return dataFile.parent_path() / "batch-log.csv";
}

std::string isoLocalTime(std::chrono::system_clock::time_point when) {
  const std::time_t seconds = std::chrono::system_clock::to_time_t(when);
  std::tm local{};
  localtime_r(&seconds, &local);
  char text[40];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S%z", &local);
  std::string stamp = text;
  stamp.insert(stamp.size() - 2, ":");  // +0100 -> +01:00
  return stamp;
}

std::string csvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

BatchLog::BatchLog(const std::filesystem::path& path) : path_(path) {
  std::error_code ec;
  const bool fresh =
      !std::filesystem::exists(path, ec) || std::filesystem::file_size(path, ec) == 0;
  file_.open(path, std::ios::app);
  if (!file_) throw std::runtime_error("cannot write the log " + path.string());
  if (fresh) file_ << "time,port,serial,result,verify\n" << std::flush;
}

bool BatchLog::add(const std::string& port, const std::string& serial,
                   const RadioWriteResult& radio) {
  const std::lock_guard<std::mutex> lock(lock_);
  file_ << isoLocalTime(std::chrono::system_clock::now()) << ',' << csvField(port) << ','
        << csvField(serial) << ',' << csvField(radio.result) << ',' << csvField(radio.verify)
        << '\n'
        << std::flush;
  return static_cast<bool>(file_);
}

}  // namespace q7::cli
