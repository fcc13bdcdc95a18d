#include "comm/ui/qt_serial_link.h"

#include <unistd.h>

#include <QEventLoop>
#include <QTimer>
#include <thread>

#include "comm/comm_caption_rows.h"
#include "comm/port_claim.h"
#include "comm/port_names.h"
#include "foundation/error_report.h"
#include "foundation/profile_file.h"

namespace q7 {
namespace {

// A wait looks at the stop request at least this often.
constexpr Millis kStopCheck{20};

Millis remaining(TimePoint deadline) {
  return std::chrono::ceil<Millis>(deadline - std::chrono::steady_clock::now());
}

// Runs the event loop until `signal` of `port` fires or `limit` passes.
template <class Signal>
void runEventsUntil(QSerialPort& port, Signal signal, Millis limit) {
  QEventLoop loop;
  QObject::connect(&port, signal, &loop, &QEventLoop::quit);
  QTimer::singleShot(static_cast<int>(limit.count()), Qt::PreciseTimer, &loop, &QEventLoop::quit);
  loop.exec();
}

// Keeps the window live for `duration` while the port's own notifications wait:
// bytes arriving meanwhile stay in the system's buffer and are read at once after.
void runWindowEventsOnly(Millis duration) {
  QEventLoop loop;
  QTimer::singleShot(static_cast<int>(duration.count()), Qt::PreciseTimer, &loop,
                     &QEventLoop::quit);
  loop.exec(QEventLoop::ExcludeSocketNotifiers);
}

// Caption rows of the reasons an open gives.
constexpr qint64 kReadBufferLimit = 4096;

}  // namespace

QtSerialLink::QtSerialLink(std::function<std::string(int)> deviceOf)
    : deviceOf_(std::move(deviceOf)) {
  QObject::connect(&port_, &QSerialPort::errorOccurred, [this](QSerialPort::SerialPortError e) {
    if (e == QSerialPort::ResourceError) lineLost_ = true;
  });
}

void QtSerialLink::open(int port) {
  close();
  const std::string device = deviceOf_(port);
  if (device.empty()) throw Failure(err::kDeviceUnavailable, "COM" + std::to_string(port));
  port_.setPortName(QString::fromStdString(device));
  port_.setBaudRate(QSerialPort::Baud9600);
  port_.setDataBits(QSerialPort::Data8);
  port_.setParity(QSerialPort::NoParity);
  port_.setStopBits(QSerialPort::OneStop);
  port_.setFlowControl(QSerialPort::NoFlowControl);
  port_.setReadBufferSize(kReadBufferLimit);
  lineLost_ = false;
  if (!port_.open(QIODevice::ReadWrite)) failOpen(device);
  const PortClaim claim = claimPort(port_.handle());
  if (claim != PortClaim::Taken) {
    port_.close();
    refuse(device, err::kPathAccess,
           claim == PortClaim::InUse ? row::kPortInUse : row::kNotASerialPort);
  }
}

// Qt reports a port another program holds as a permission error: a device
// the user may open is in use, only one the user may not is a permission matter.
void QtSerialLink::failOpen(const std::string& device) {
  if (port_.error() == QSerialPort::DeviceNotFoundError)
    throw Failure(err::kDeviceUnavailable, device);
  if (port_.error() != QSerialPort::PermissionError)
    throw Failure(err::kFileNotFound, device + ": " + port_.errorString().toStdString());
  if (::access(device.c_str(), R_OK | W_OK) == 0) refuse(device, err::kPathAccess, row::kPortInUse);
  refuse(device, err::kPermission, row::kJoinDialout);
}

void QtSerialLink::refuse(const std::string& device, int number, int reasonRow) {
  throw Failure(number, device + ": " + (*captions_)(reasonRow));
}

void QtSerialLink::close() {
  if (!port_.isOpen()) return;
  releasePort(port_.handle());
  port_.close();
}

void QtSerialLink::clearOutput() {
  if (port_.isOpen()) port_.clear(QSerialPort::Output);
}

void QtSerialLink::clearInput() {
  if (!port_.isOpen()) return;
  port_.clear(QSerialPort::Input);
  port_.readAll();
}

void QtSerialLink::send(std::span<const std::uint8_t> bytes) {
  const auto written =
      port_.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
  if (written != static_cast<qint64>(bytes.size()))
    throw Failure(err::kDeviceIo, port_.errorString().toStdString());
}

std::size_t QtSerialLink::outputCount() {
  return static_cast<std::size_t>(port_.bytesToWrite());
}

std::size_t QtSerialLink::inputCount() {
  return static_cast<std::size_t>(port_.bytesAvailable());
}

Bytes QtSerialLink::readAll() {
  const QByteArray data = port_.readAll();
  return Bytes(data.begin(), data.end());
}

bool QtSerialLink::waitForInput(std::size_t count, TimePoint deadline, const StopFlag& stop) {
  while (inputCount() < count) {
    const Millis left = remaining(deadline);
    if (stop || left <= Millis(0) || !lineAlive()) return false;
    const std::size_t before = inputCount();
    runEventsUntil(port_, &QSerialPort::readyRead, std::min(left, kStopCheck));
    // A reply that has started trickles in at the line's speed: the missing
    // bytes cannot be there before they had time to cross the wire, so keep
    // the window live for that long instead of waking for every byte.
    const std::size_t arrived = inputCount();
    if (arrived > before && arrived < count) {
      const Millis wire(static_cast<long>(count - arrived) * kByteMicros / 1000 + 1);
      runWindowEventsOnly(std::min({remaining(deadline), kStopCheck, wire}));
    }
  }
  return true;
}

bool QtSerialLink::waitForSent(TimePoint deadline) {
  while (outputCount() > 0) {
    const Millis left = remaining(deadline);
    if (left <= Millis(0) || !lineAlive()) return false;
    runEventsUntil(port_, &QSerialPort::bytesWritten, std::min(left, kStopCheck));
  }
  return true;
}

// A line that has gone away (cable pulled, device gone) brings nothing more.
bool QtSerialLink::lineAlive() const {
  return port_.isOpen() && !lineLost_;
}

TimePoint QtWaitClock::now() {
  return std::chrono::steady_clock::now();
}

void QtWaitClock::wait(Millis duration) {
  const TimePoint end = now() + duration;
  while (now() < end) {
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(std::max(Millis(1), remaining(end)).count()),
                       Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
  }
}

void QtWaitClock::sleep(Millis duration) {
  std::this_thread::sleep_for(duration);
}

std::function<std::string(int)> systemPortDevices(const ProfileFile& settings) {
  return [&settings](int port) { return portDevice(port, settings, listSerialDevices()); };
}

}  // namespace q7
