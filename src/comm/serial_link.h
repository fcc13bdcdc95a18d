#pragma once
// The serial line to the radio, reduced to the operations the protocol needs:
// open and close, clear either buffer, send, the two buffer counts, read all
// waiting bytes, and two blocking waits that end as soon as their condition
// holds, at a deadline, or at a stop request.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "comm/wait_clock.h"

namespace q7 {

using Bytes = std::vector<std::uint8_t>;

// One byte on the line at 9600 baud, 8N1 (ten bits), in microseconds.
inline constexpr long kByteMicros = 10 * 1000000 / 9600;

namespace err {
// The failure number of an open whose port has no device present (the cable
// pulled, say): the user hears of it in plain words, the error list does not.
inline constexpr int kDeviceUnavailable = 68;
}  // namespace err

// Set by the user (stop box, window close, Ctrl+C); every receive wait ends
// at once while it is set.
using StopFlag = std::atomic<bool>;

class SerialLink {
 public:
  virtual ~SerialLink() = default;

  // Opens port number `port` at 9600 baud, 8N1, no flow control, binary.
  // Throws Failure when the port cannot be opened.
  virtual void open(int port) = 0;
  virtual void close() = 0;
  virtual bool isOpen() const = 0;

  virtual void clearOutput() = 0;
  virtual void clearInput() = 0;
  virtual void send(std::span<const std::uint8_t> bytes) = 0;
  // Bytes queued but not yet on the wire.
  virtual std::size_t outputCount() = 0;
  // Bytes received and not yet read.
  virtual std::size_t inputCount() = 0;
  // Every waiting byte; empties the receive buffer.
  virtual Bytes readAll() = 0;

  // True once at least `count` bytes are waiting; false at the deadline or
  // (when fewer are waiting) as soon as `stop` is set.
  virtual bool waitForInput(std::size_t count, TimePoint deadline, const StopFlag& stop) = 0;
  // True once the transmit buffer is empty; false at the deadline.
  virtual bool waitForSent(TimePoint deadline) = 0;
};

}  // namespace q7
