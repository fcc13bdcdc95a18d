#include "radio_batch.h"

#include <pthread.h>
#include <signal.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "batch_log.h"
#include "channels/radio_charset.h"
#include "cli_editor.h"
#include "dealer_desk.h"
#include "foundation/caption_table.h"
#include "radio_write.h"
#include "settings/serial_numbers.h"

namespace q7::cli {
namespace {

// The serial numbers of the file, handed out in order, each once, until
// they run out, Ctrl+C is pressed or the queue is closed.
class SerialQueue {
 public:
  explicit SerialQueue(std::size_t count) : count_(count) {}
  std::optional<std::size_t> take() {
    const std::lock_guard<std::mutex> lock(lock_);
    if (closed_ || InterruptScope::interrupted() || next_ >= count_) return std::nullopt;
    return next_++;
  }
  void close() {
    const std::lock_guard<std::mutex> lock(lock_);
    closed_ = true;
  }

 private:
  std::mutex lock_;
  std::size_t count_;
  std::size_t next_ = 0;
  bool closed_ = false;
};

struct Tally {
  std::atomic<int> written{0};
  std::atomic<int> failed{0};
  std::atomic<int> differing{0};
  std::atomic<bool> logLost{false};

  void add(const RadioWriteResult& radio) {
    if (radio.exitCode == kExitTransferFailed || radio.exitCode == kExitStopped)
      ++failed;
    else
      ++written;
    if (radio.exitCode == kExitNotVerified) ++differing;
  }
};

struct Batch {
  const BatchPlan& plan;
  SerialQueue queue;
  DealerDesk desk;
  std::optional<BatchLog> log;  // opened once the data file has opened for every port
  Tally tally;

  bool onePort() const { return plan.radio.ports.size() == 1; }
  // "3 of 10 (serial SN0003)"
  std::string radioName(std::size_t index, const std::string& serial) const {
    return std::to_string(index + 1) + " of " + std::to_string(plan.serials.size()) + " (serial " +
           serial + ")";
  }
};

// What the port's radio shows in information line 1, without the blanks
// that pad it.
std::string storedSerial(const CodeplugImage& image) {
  const std::string line = decodeInfoLine(image, 1);
  return line.substr(0, line.find_last_not_of(' ') + 1);
}

// Every line of `text` behind "port P: ".
std::string portLines(const std::string& port, const std::string& text) {
  std::istringstream lines(text);
  std::string prefixed;
  for (std::string line; std::getline(lines, line);)
    prefixed += "port " + port + ": " + line + "\n";
  return prefixed;
}

std::string outcomeLine(const RadioWriteResult& radio) {
  if (radio.result != "written") return radio.result;
  return radio.verify == "skipped" ? "written, not verified" : "written, " + radio.verify;
}

class PortWorker {
 public:
  PortWorker(Batch& batch, std::string port) : batch_(batch), port_(std::move(port)) {
    opened_ = std::make_unique<CliEditor>(batch.plan.dataFile, kEnglish);
    setSerialNumbers(opened_->editor().pages(), batch.plan.serials);
  }

  void run() {
    bool ask = batch_.onePort();
    for (auto index = batch_.queue.take(); index; index = batch_.queue.take()) {
      chooseSerial(opened_->editor().pages(), static_cast<int>(*index));
      const std::string serial = storedSerial(opened_->state().image);
      if (ask && !batch_.desk.ask(question(*index, serial))) break;
      ask = true;
      writeOne(*index, serial);
    }
    batch_.desk.portDone();
  }

 private:
  std::string question(std::size_t index, const std::string& serial) const {
    const std::string radio = batch_.radioName(index, serial);
    if (batch_.onePort()) return "Connect radio " + radio + " and press Enter\n";
    return "Port " + port_ + ": connect radio " + radio + " and press Enter\n";
  }

  void writeOne(std::size_t index, const std::string& serial) {
    const std::string radio = batch_.radioName(index, serial);
    std::ostringstream buffer;
    const RadioOutput output = batch_.onePort() ? RadioOutput{} : RadioOutput{&buffer, false};
    if (!batch_.onePort()) batch_.desk.say(portLines(port_, "writing radio " + radio));
    RadioWriteResult result;
    try {
      result = writeRadio(*opened_, batch_.plan.dataFile, batch_.plan.radio, port_, output);
    } catch (const std::exception& e) {
      result = {kExitTransferFailed, std::string("failed: ") + e.what(), "skipped"};
    }
    // A radio no log records is not followed by another.
    if (!batch_.log->add(port_, serial, result)) {
      batch_.tally.logLost = true;
      batch_.queue.close();
      batch_.desk.say("q7cli write: cannot add to the log " + batch_.log->path().string() +
                      "; no further radio is written\n");
    }
    batch_.tally.add(result);
    std::string said = buffer.str() + "Radio " + radio + ": " + outcomeLine(result) + "\n";
    batch_.desk.say(batch_.onePort() ? said : portLines(port_, said));
  }

  Batch& batch_;
  std::string port_;
  std::unique_ptr<CliEditor> opened_;
};

void checkPorts(const std::vector<std::string>& ports, const RadioOptions& radio) {
  if (ports.size() > static_cast<std::size_t>(kMostTransfersAtOnce))
    throw std::invalid_argument("at most " + std::to_string(kMostTransfersAtOnce) + " ports");
  std::set<std::string> seen;
  for (const std::string& port : ports)
    if (!seen.insert(port).second) throw std::invalid_argument("port " + port + " is given twice");
  if (ports.size() > 1 && !radio.trace.empty())
    throw std::invalid_argument("--trace takes one port");
}

// The ports' threads take neither Ctrl+C nor SIGTERM: the main thread takes
// them, so that they end its wait for the dealer's Enter.
std::vector<std::thread> startPorts(std::vector<std::unique_ptr<PortWorker>>& workers) {
  sigset_t blocked, previous;
  sigemptyset(&blocked);
  sigaddset(&blocked, SIGINT);
  sigaddset(&blocked, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &blocked, &previous);
  std::vector<std::thread> threads;
  for (auto& worker : workers) threads.emplace_back([&worker] { worker->run(); });
  pthread_sigmask(SIG_SETMASK, &previous, nullptr);
  return threads;
}

std::string summary(const Batch& batch) {
  std::string text = "Batch: " + std::to_string(batch.tally.written.load()) + " of " +
                     std::to_string(batch.plan.serials.size()) + " radios written";
  if (batch.tally.differing > 0)
    text += ", " + std::to_string(batch.tally.differing.load()) + " differ after the write";
  if (batch.tally.failed > 0) text += ", " + std::to_string(batch.tally.failed.load()) + " failed";
  if (InterruptScope::interrupted()) text += "; stopped (Ctrl+C)";
  return text + "; log: " + batch.plan.log.string() + "\n";
}

// 0 only when every radio of the file was written (and verified, where verify is on).
int exitCode(const Batch& batch) {
  if (InterruptScope::interrupted()) return kExitStopped;
  if (batch.tally.logLost) return kExitUsage;
  const auto written = static_cast<std::size_t>(batch.tally.written.load());
  if (batch.tally.failed > 0 || written < batch.plan.serials.size()) return kExitTransferFailed;
  return batch.tally.differing > 0 ? kExitNotVerified : kExitSuccess;
}

}  // namespace

int runBatch(const BatchPlan& plan) {
  checkPorts(plan.radio.ports, plan.radio);
  // A range that ends before it starts ends the batch here, before any port is opened.
  transferRanges(plan.radio, programSettings(), true);
  BatchPlan started = plan;
  if (!started.radio.trace.empty()) {
    std::ofstream(started.radio.trace, std::ios::trunc);
    started.radio.appendTrace = true;
  }
  const InterruptScope interrupts(2);
  Batch batch{started, SerialQueue(started.serials.size()), {}, {}, {}};
  std::vector<std::unique_ptr<PortWorker>> workers;
  for (const std::string& port : started.radio.ports)
    workers.push_back(std::make_unique<PortWorker>(batch, port));
  batch.log.emplace(started.log);
  std::vector<std::thread> threads = startPorts(workers);
  batch.desk.serve(static_cast<int>(threads.size()));
  for (std::thread& thread : threads) thread.join();
  batch.desk.say(summary(batch));
  return exitCode(batch);
}

}  // namespace q7::cli
