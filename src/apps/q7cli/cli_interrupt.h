#pragma once
// Ctrl+C (SIGINT) and SIGTERM while a verb runs. Every interrupt is counted;
// once the count reaches the verb's patience the transfers in hand are told
// to stop. A single read or write stops at the first interrupt; a batch of
// radios lets the radios in hand finish at the first one (it only stops
// handing out radios) and stops them at the second.
#include "comm/serial_link.h"

namespace q7::cli {

// Transfers that can be stopped at once: the most ports a batch takes.
inline constexpr int kMostTransfersAtOnce = 64;

class InterruptScope {
 public:
  // Installs the handlers; `patience` interrupts stop the transfers in hand.
  // A read waiting for a line of input ends at every interrupt.
  explicit InterruptScope(int patience);
  ~InterruptScope();  // the default handlers again
  InterruptScope(const InterruptScope&) = delete;
  InterruptScope& operator=(const InterruptScope&) = delete;

  static bool interrupted();
};

// Holds a transfer's stop flag where the handler finds it, for as long as it
// lives. A flag held after the patience ran out is set at once.
class StopOnInterrupt {
 public:
  explicit StopOnInterrupt(StopFlag& stop);
  ~StopOnInterrupt();
  StopOnInterrupt(const StopOnInterrupt&) = delete;
  StopOnInterrupt& operator=(const StopOnInterrupt&) = delete;

 private:
  int slot_ = -1;
};

}  // namespace q7::cli
