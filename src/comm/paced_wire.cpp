#include "comm/paced_wire.h"

#include <algorithm>

namespace q7 {

PacedWire::PacedWire(int baud)
    : byteTime_(baud > 0 ? std::chrono::nanoseconds(10'000'000'000LL / baud)
                         : std::chrono::nanoseconds(0)) {}

void PacedWire::schedule(Queue& queue, TimePoint& free, TimePoint start,
                         std::chrono::nanoseconds step, std::span<const std::uint8_t> bytes) {
  TimePoint at = std::max(start, free);
  for (std::uint8_t b : bytes) {
    at += step;
    queue.emplace_back(at, b);
  }
  free = at;
}

void PacedWire::arrive(TimePoint now, std::span<const std::uint8_t> bytes) {
  schedule(incoming_, incomingFree_, now, byteTime_, bytes);
}

void PacedWire::depart(TimePoint earliest, std::span<const std::uint8_t> bytes) {
  schedule(outgoing_, outgoingFree_, earliest, byteTime_, bytes);
}

std::vector<std::pair<TimePoint, std::uint8_t>> PacedWire::arrived(TimePoint now) {
  std::vector<std::pair<TimePoint, std::uint8_t>> done;
  while (!incoming_.empty() && incoming_.front().first <= now) {
    done.push_back(incoming_.front());
    incoming_.pop_front();
  }
  return done;
}

Bytes PacedWire::departed(TimePoint now) {
  Bytes done;
  while (!outgoing_.empty() && outgoing_.front().first <= now) {
    done.push_back(outgoing_.front().second);
    outgoing_.pop_front();
  }
  return done;
}

std::optional<TimePoint> PacedWire::nextEvent() const {
  std::optional<TimePoint> next;
  for (const Queue* q : {&incoming_, &outgoing_})
    if (!q->empty() && (!next || q->front().first < *next)) next = q->front().first;
  return next;
}

}  // namespace q7
