#pragma once
// An in-process radio on the end of a fake serial line, with a hand-driven
// clock: replies arrive `replyDelay` after the frame that caused them, waits
// move the clock instead of sleeping, so time-outs cost no real time.
#include <deque>
#include <functional>
#include <utility>

#include "comm/radio_simulator.h"
#include "comm/serial_link.h"
#include "foundation/error_report.h"

namespace q7::test {

class ManualClock : public WaitClock {
 public:
  TimePoint now() override { return now_; }
  void wait(Millis duration) override { now_ += duration; }
  void sleep(Millis duration) override { now_ += duration; }
  Millis elapsed() const { return std::chrono::duration_cast<Millis>(now_ - TimePoint{}); }

 private:
  TimePoint now_{};
};

class FakeRadioLink : public SerialLink {
 public:
  FakeRadioLink(RadioSimulator& radio, ManualClock& clock) : radio_(radio), clock_(clock) {}

  Millis replyDelay{5};
  bool openFails = false;
  int opens = 0;
  int closes = 0;
  std::vector<Bytes> sent;
  // Called at the start of every receive wait (a test may press the stop box here).
  std::function<void()> onWait;
  // Called with every frame once it is sent.
  std::function<void(const Bytes&)> onSend;

  void open(int port) override {
    if (openFails) throw Failure(err::kDeviceIo, "COM" + std::to_string(port));
    ++opens;
    open_ = true;
  }
  void close() override {
    ++closes;
    open_ = false;
  }
  bool isOpen() const override { return open_; }
  void clearOutput() override {}
  void clearInput() override {
    while (!incoming_.empty() && incoming_.front().first <= clock_.now()) incoming_.pop_front();
  }
  void send(std::span<const std::uint8_t> bytes) override {
    sent.emplace_back(bytes.begin(), bytes.end());
    if (onSend) onSend(sent.back());
    for (std::uint8_t b : radio_.receive(bytes))
      incoming_.emplace_back(clock_.now() + replyDelay, b);
  }
  std::size_t outputCount() override { return 0; }
  std::size_t inputCount() override {
    std::size_t n = 0;
    while (n < incoming_.size() && incoming_[n].first <= clock_.now()) ++n;
    return n;
  }
  Bytes readAll() override {
    Bytes bytes;
    for (std::size_t n = inputCount(); n > 0; --n) {
      bytes.push_back(incoming_.front().second);
      incoming_.pop_front();
    }
    return bytes;
  }
  bool waitForInput(std::size_t count, TimePoint deadline, const StopFlag& stop) override {
    if (onWait) onWait();
    const bool coming = incoming_.size() >= count;
    if (coming && incoming_[count - 1].first <= clock_.now()) return true;
    if (coming && !stop && incoming_[count - 1].first <= deadline) {
      clock_.wait(std::max(Millis(0), std::chrono::duration_cast<Millis>(
                                          incoming_[count - 1].first - clock_.now())));
      return true;
    }
    if (!stop && deadline > clock_.now())
      clock_.wait(std::chrono::duration_cast<Millis>(deadline - clock_.now()));
    return false;
  }
  bool waitForSent(TimePoint) override { return true; }

 private:
  RadioSimulator& radio_;
  ManualClock& clock_;
  bool open_ = false;
  std::deque<std::pair<TimePoint, std::uint8_t>> incoming_;
};

}  // namespace q7::test
