#pragma once
// Time for the protocol: a millisecond clock, the short pauses between
// exchanges (`DelayNms`, which keeps the window responsive) and plain sleeps.
#include <chrono>

namespace q7 {

using TimePoint = std::chrono::steady_clock::time_point;
using Millis = std::chrono::milliseconds;

class WaitClock {
 public:
  virtual ~WaitClock() = default;
  virtual TimePoint now() = 0;
  // Waits `duration`, letting the user interface work meanwhile.
  virtual void wait(Millis duration) = 0;
  // Waits `duration` without attending to anything else.
  virtual void sleep(Millis duration) = 0;

  // The protocol's delay: at least ms + 2 milliseconds.
  void delayNms(int ms) { wait(Millis(ms + 2)); }
};

// Real time; waiting and sleeping both block the calling thread.
class SystemClock : public WaitClock {
 public:
  TimePoint now() override;
  void wait(Millis duration) override;
  void sleep(Millis duration) override;
};

}  // namespace q7
