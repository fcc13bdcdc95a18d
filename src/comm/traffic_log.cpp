#include "comm/traffic_log.h"

#include <algorithm>

#include "comm/hex_text.h"

namespace q7 {
namespace {

constexpr std::size_t kFirstLineBytes = 4;
constexpr std::size_t kFullLineBytes = 16;

std::string joinBytes(std::span<const std::uint8_t> bytes) {
  std::string text;
  for (std::uint8_t b : bytes) text += formatByte(b) + " ";
  return text;
}

}  // namespace

std::vector<std::string> formatTraffic(Direction direction, std::span<const std::uint8_t> bytes) {
  const std::string prefix = direction == Direction::Received ? "Rx: " : "Tx: ";
  std::vector<std::string> lines;
  lines.push_back(prefix + joinBytes(bytes.first(std::min(bytes.size(), kFirstLineBytes))));
  for (std::size_t at = kFirstLineBytes; at < bytes.size(); at += kFullLineBytes) {
    const std::size_t count = std::min(kFullLineBytes, bytes.size() - at);
    const char* indent = count == kFullLineBytes ? "       " : "    ";
    lines.push_back(indent + joinBytes(bytes.subspan(at, count)));
  }
  return lines;
}

void TrafficLog::frame(Direction direction, std::span<const std::uint8_t> bytes) {
  if (suppressed_) return;
  if (counter_ > kClearAbove) clear();
  for (const std::string& line : formatTraffic(direction, bytes)) append(line);
}

void TrafficLog::note(const std::string& line) {
  if (!suppressed_) append(line);
}

void TrafficLog::clear() {
  lines_.clear();
  counter_ = 0;
  if (sink_.cleared) sink_.cleared();
}

void TrafficLog::append(const std::string& line) {
  lines_.push_back(line);
  ++counter_;
  if (sink_.added) sink_.added(line);
}

}  // namespace q7
