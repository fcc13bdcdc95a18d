#pragma once
// The simulated radio on a pseudo-terminal: takes bytes from the terminal at
// wire speed, lets the radio answer each frame, and sends the answers back at
// wire speed, until a stop signal or a hang-up fault.
#include <atomic>
#include <string>

#include "comm/paced_wire.h"
#include "comm/radio_simulator.h"

namespace q7::sim {

struct LineStats {
  long bytesToRadio = 0;
  long bytesFromRadio = 0;
};

class PtyRadio {
 public:
  PtyRadio(RadioSimulator& radio, int baud, Millis replyDelay);
  ~PtyRadio();
  PtyRadio(const PtyRadio&) = delete;
  PtyRadio& operator=(const PtyRadio&) = delete;

  // Path of the terminal device the programming tool opens.
  const std::string& devicePath() const { return device_; }
  // Serves the line until `stop` is set or the radio hangs up.
  void serve(const std::atomic<bool>& stop);
  const LineStats& stats() const { return stats_; }

 private:
  void deliver(TimePoint now);
  void answer(TimePoint now);
  void take(TimePoint now);
  void hangUp();

  RadioSimulator& radio_;
  PacedWire wire_;
  Millis replyDelay_;
  int master_ = -1;
  int keepOpen_ = -1;  // our own hold on the terminal, so it outlives each client
  std::string device_;
  LineStats stats_;
};

}  // namespace q7::sim
