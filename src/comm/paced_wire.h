#pragma once
// The timing of a serial wire for the radio simulator: at a given baud rate
// each byte takes ten bit times (start, eight data bits, stop), in each
// direction one after the other. Bytes handed in at once arrive one byte time
// apart; reply bytes leave no earlier than asked and one byte time apart.
// A rate of 0 means no pacing at all.
#include <deque>
#include <optional>
#include <span>
#include <utility>

#include "comm/serial_link.h"

namespace q7 {

class PacedWire {
 public:
  explicit PacedWire(int baud);

  // Bytes that entered the wire towards the radio at `now`.
  void arrive(TimePoint now, std::span<const std::uint8_t> bytes);
  // Bytes that have fully arrived by `now`, each with its arrival time.
  std::vector<std::pair<TimePoint, std::uint8_t>> arrived(TimePoint now);
  // Reply bytes to go out, the first one starting no earlier than `earliest`.
  void depart(TimePoint earliest, std::span<const std::uint8_t> bytes);
  // Reply bytes whose time on the wire is over by `now`.
  Bytes departed(TimePoint now);
  // The next moment something arrives or departs.
  std::optional<TimePoint> nextEvent() const;
  std::chrono::nanoseconds byteTime() const { return byteTime_; }

 private:
  using Queue = std::deque<std::pair<TimePoint, std::uint8_t>>;
  static void schedule(Queue& queue, TimePoint& free, TimePoint start,
                       std::chrono::nanoseconds step, std::span<const std::uint8_t> bytes);
  std::chrono::nanoseconds byteTime_;
  Queue incoming_;
  Queue outgoing_;
  TimePoint incomingFree_{};
  TimePoint outgoingFree_{};
};

}  // namespace q7
