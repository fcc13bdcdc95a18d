#include "cli_interrupt.h"

#include <array>
#include <csignal>
#include <stdexcept>

namespace q7::cli {
namespace {

constexpr std::size_t kSlots = kMostTransfersAtOnce;

std::atomic<int> gInterrupts{0};
std::atomic<int> gPatience{1};
std::array<std::atomic<StopFlag*>, kSlots> gStops{};

void stopAll() {
  for (auto& slot : gStops)
    if (StopFlag* stop = slot.load()) *stop = true;
}

// Only lock-free atomics: safe in a signal handler.
void onInterrupt(int) {
  if (++gInterrupts >= gPatience) stopAll();
}

void handle(int signal, void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = 0;  // no restart: a read of the terminal ends with the interrupt
  sigaction(signal, &action, nullptr);
}

}  // namespace

InterruptScope::InterruptScope(int patience) {
  gInterrupts = 0;
  gPatience = patience;
  handle(SIGINT, onInterrupt);
  handle(SIGTERM, onInterrupt);
}

InterruptScope::~InterruptScope() {
  handle(SIGINT, SIG_DFL);
  handle(SIGTERM, SIG_DFL);
}

bool InterruptScope::interrupted() {
  return gInterrupts > 0;
}

StopOnInterrupt::StopOnInterrupt(StopFlag& stop) {
  for (std::size_t i = 0; i < kSlots && slot_ < 0; ++i) {
    StopFlag* empty = nullptr;
    if (gStops[i].compare_exchange_strong(empty, &stop)) slot_ = static_cast<int>(i);
  }
  if (slot_ < 0) throw std::invalid_argument("too many ports at once");
  if (gInterrupts >= gPatience) stop = true;
}

StopOnInterrupt::~StopOnInterrupt() {
  gStops[static_cast<std::size_t>(slot_)] = nullptr;
}

}  // namespace q7::cli
