#pragma once
// The traffic log of the communication window: every byte sent to or received
// from the radio, as hex lines, plus the protocol's own notes. The log clears
// itself once more than 3000 lines have gathered, so it never grows without
// bound. A sink (the window's list, a trace file) sees every change.
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace q7 {

enum class Direction { Received, Sent };

// The lines one frame gives: "Tx: " or "Rx: " and bytes 0..3, then 16 bytes
// per line behind seven spaces, a last partial line behind four spaces.
std::vector<std::string> formatTraffic(Direction direction, std::span<const std::uint8_t> bytes);

class TrafficLog {
 public:
  static constexpr int kClearAbove = 3000;

  struct Sink {
    std::function<void(const std::string& line)> added;
    std::function<void()> cleared;
  };

  void setSink(Sink sink) { sink_ = std::move(sink); }
  // "Not Show Course": nothing at all is logged while set.
  void setSuppressed(bool suppressed) { suppressed_ = suppressed; }
  bool suppressed() const { return suppressed_; }

  void frame(Direction direction, std::span<const std::uint8_t> bytes);
  void note(const std::string& line);
  void clear();

  const std::vector<std::string>& lines() const { return lines_; }
  int lineCounter() const { return counter_; }

 private:
  void append(const std::string& line);
  Sink sink_;
  bool suppressed_ = false;
  int counter_ = 0;
  std::vector<std::string> lines_;
};

}  // namespace q7
