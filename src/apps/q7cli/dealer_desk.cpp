#include "dealer_desk.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <iostream>

#include "cli_interrupt.h"

namespace q7::cli {
namespace {

// How often the main thread looks for Ctrl+C while no question waits.
constexpr auto kInterruptCheck = std::chrono::milliseconds(50);

}  // namespace

bool DealerDesk::ask(const std::string& question) {
  Question mine{question};
  std::unique_lock<std::mutex> lock(lock_);
  if (closed_) return false;
  waiting_.push_back(&mine);
  changed_.notify_all();
  changed_.wait(lock, [&] { return mine.answered; });
  return mine.yes;
}

void DealerDesk::say(const std::string& text) {
  const std::lock_guard<std::mutex> lock(printing_);
  std::cerr << text << std::flush;
}

void DealerDesk::portDone() {
  const std::lock_guard<std::mutex> lock(lock_);
  ++portsDone_;
  changed_.notify_all();
}

void DealerDesk::serve(int ports) {
  std::unique_lock<std::mutex> lock(lock_);
  while (portsDone_ < ports) {
    if (InterruptScope::interrupted() && !interruptTold_) {
      close();
      interruptTold_ = true;
      // With one port its progress bar may hold the line: the note takes a line of its own.
      say(std::string(ports == 1 ? "\n" : "") +
          "Ctrl+C: the batch ends once the radios in hand are done; Ctrl+C again stops them\n");
    }
    if (!waiting_.empty()) {
      answerFront(lock);
      continue;
    }
    changed_.wait_for(lock, kInterruptCheck);
  }
}

// Reads the dealer's answer without holding the lock, so the ports in hand
// can go on logging and finishing.
void DealerDesk::answerFront(std::unique_lock<std::mutex>& lock) {
  Question* front = waiting_.front();
  lock.unlock();
  say(front->text);
  const bool entered = readLine();
  lock.lock();
  if (!entered || InterruptScope::interrupted()) return close();
  waiting_.pop_front();
  front->answered = true;
  front->yes = true;
  changed_.notify_all();
}

// Standard input is watched rather than waited on, so that Ctrl+C pressed
// just before the wait began still ends it.
bool DealerDesk::readLine() {
  for (;;) {
    const auto end = typed_.find('\n');
    if (end != std::string::npos) {
      typed_.erase(0, end + 1);
      return true;
    }
    if (InterruptScope::interrupted()) return false;
    pollfd input{STDIN_FILENO, POLLIN, 0};
    if (::poll(&input, 1, static_cast<int>(kInterruptCheck.count())) <= 0) continue;
    char chunk[256];
    const ssize_t n = ::read(STDIN_FILENO, chunk, sizeof chunk);
    if (n == 0 || (n < 0 && errno != EINTR && errno != EAGAIN)) return false;
    if (n > 0) typed_.append(chunk, static_cast<std::size_t>(n));
  }
}

void DealerDesk::close() {
  closed_ = true;
  for (Question* question : waiting_) question->answered = true;
  waiting_.clear();
  changed_.notify_all();
}

}  // namespace q7::cli
