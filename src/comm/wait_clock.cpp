#include "comm/wait_clock.h"

#include <thread>

namespace q7 {

TimePoint SystemClock::now() {
  return std::chrono::steady_clock::now();
}

void SystemClock::wait(Millis duration) {
  std::this_thread::sleep_for(duration);
}

void SystemClock::sleep(Millis duration) {
  std::this_thread::sleep_for(duration);
}

}  // namespace q7
