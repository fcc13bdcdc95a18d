#include "comm/posix_serial_link.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <thread>
#include <utility>

#include "comm/port_claim.h"
#include "comm/port_holders.h"
#include "foundation/error_report.h"

namespace q7 {
namespace {

// A wait re-checks the stop request at least this often.
constexpr Millis kStopCheck{50};
// At most this many bytes are taken in at a time beyond what a wait asks for
// (a reply frame is far shorter), so a line that never stops talking cannot
// fill the memory.
constexpr std::size_t kReadLimit = 512;
// What a read or a write of a line whose far end has gone says.
constexpr const char* kHungUp = "the line hung up (cable unplugged or device gone)";

Millis remaining(TimePoint deadline) {
  return std::chrono::ceil<Millis>(deadline - std::chrono::steady_clock::now());
}

void setLine(int fd) {
  termios tio{};
  if (tcgetattr(fd, &tio) != 0) return;  // not a terminal the driver can set: leave it
  cfmakeraw(&tio);
  cfsetispeed(&tio, B9600);
  cfsetospeed(&tio, B9600);
  tio.c_cflag &= ~(CSIZE | PARENB | CSTOPB | CRTSCTS);
  tio.c_cflag |= CS8 | CLOCAL | CREAD;
  tio.c_iflag &= ~(IXON | IXOFF | IXANY);
  tcsetattr(fd, TCSANOW, &tio);
}

}  // namespace

PosixSerialLink::PosixSerialLink(std::function<std::string(int)> deviceOf)
    : deviceOf_(std::move(deviceOf)) {}

PosixSerialLink::~PosixSerialLink() {
  close();
}

void PosixSerialLink::open(int port) {
  close();
  const std::string device = deviceOf_(port);
  if (device.empty())
    fail(err::kFileNotFound, "COM" + std::to_string(port) + ": no such serial port");
  fd_ = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
  if (fd_ < 0) {
    const int error = errno;
    fail(error == EACCES || error == EPERM ? err::kPermission : err::kFileNotFound,
         openFailureText(device, error));
  }
  const PortClaim claim = claimPort(fd_);
  if (claim != PortClaim::Taken) {
    ::close(fd_);
    fd_ = -1;
    fail(err::kPathAccess, device + ": " +
                               (claim == PortClaim::InUse ? inUseText(portHolders(device))
                                                          : claimFailureText(claim)));
  }
  setLine(fd_);
  tcflush(fd_, TCIOFLUSH);
  buffer_.clear();
  lastError_.clear();
}

void PosixSerialLink::fail(int number, const std::string& reason) {
  lastError_ = reason;
  throw Failure(number, reason);
}

void PosixSerialLink::close() {
  if (fd_ >= 0) {
    releasePort(fd_);
    ::close(fd_);
  }
  fd_ = -1;
  buffer_.clear();
}

void PosixSerialLink::clearOutput() {
  if (fd_ >= 0) tcflush(fd_, TCOFLUSH);
}

void PosixSerialLink::clearInput() {
  if (fd_ >= 0) tcflush(fd_, TCIFLUSH);
  buffer_.clear();
}

void PosixSerialLink::send(std::span<const std::uint8_t> bytes) {
  if (fd_ < 0) throw Failure(err::kDeviceIo, "the port is not open");
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
    if (n > 0) {
      bytes = bytes.subspan(static_cast<std::size_t>(n));
    } else if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
      pollfd p{fd_, POLLOUT, 0};
      ::poll(&p, 1, static_cast<int>(kStopCheck.count()));
    } else if (errno == EIO || errno == ENXIO || errno == ENODEV) {
      // The far end is gone: the same cause a read of a hung-up line names.
      throw Failure(err::kDeviceIo, std::string("serial write: ") + kHungUp);
    } else {
      throw Failure(err::kDeviceIo, std::string("serial write: ") + std::strerror(errno));
    }
  }
}

std::size_t PosixSerialLink::outputCount() {
  int queued = 0;
  if (fd_ < 0 || ioctl(fd_, TIOCOUTQ, &queued) != 0) return 0;
  return static_cast<std::size_t>(std::max(queued, 0));
}

bool PosixSerialLink::pump(std::size_t wanted) {
  if (fd_ < 0) return false;
  std::uint8_t chunk[512];
  while (buffer_.size() < wanted) {
    const std::size_t room = std::min(sizeof chunk, wanted - buffer_.size());
    const ssize_t n = ::read(fd_, chunk, room);
    if (n > 0) {
      buffer_.insert(buffer_.end(), chunk, chunk + n);
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && errno == EAGAIN) return true;
    lastError_ = kHungUp;
    return false;
  }
  return true;
}

std::size_t PosixSerialLink::inputCount() {
  pump(buffer_.size() + kReadLimit);
  return buffer_.size();
}

Bytes PosixSerialLink::readAll() {
  pump(buffer_.size() + kReadLimit);
  return std::exchange(buffer_, {});
}

bool PosixSerialLink::waitForInput(std::size_t count, TimePoint deadline, const StopFlag& stop) {
  for (;;) {
    const std::size_t before = buffer_.size();
    const bool alive = pump(count);
    if (buffer_.size() >= count) return true;
    const Millis left = remaining(deadline);
    // A hung-up line will bring nothing more: the wait ends as a time-out at once.
    if (!alive || stop || left <= Millis(0)) return false;
    // A reply that has started trickles in at the line's speed: the missing
    // bytes cannot be there before they had time to cross the wire, so wait
    // that long at once instead of waking for every byte.
    if (buffer_.size() > before) {
      const Millis wire((count - buffer_.size()) * kByteMicros / 1000 + 1);
      std::this_thread::sleep_for(std::min({left, kStopCheck, wire}));
      continue;
    }
    pollfd p{fd_, POLLIN, 0};
    ::poll(&p, 1, static_cast<int>(std::min(left, kStopCheck).count()));
  }
}

bool PosixSerialLink::waitForSent(TimePoint deadline) {
  for (;;) {
    const std::size_t queued = outputCount();
    if (queued == 0) return true;
    const Millis left = remaining(deadline);
    if (left <= Millis(0)) return false;
    // About one millisecond a byte at 9600 baud.
    std::this_thread::sleep_for(std::min(left, Millis(static_cast<long>(queued))));
  }
}

}  // namespace q7
