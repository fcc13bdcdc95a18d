#include "pty_radio.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace q7::sim {
namespace {

constexpr auto kIdleWait = std::chrono::milliseconds(200);

void makeRaw(int fd) {
  termios tio{};
  if (tcgetattr(fd, &tio) != 0) return;
  cfmakeraw(&tio);
  tcsetattr(fd, TCSANOW, &tio);
}

[[noreturn]] void fail(const char* what) {
  throw std::runtime_error(std::string(what) + ": " + std::strerror(errno));
}

TimePoint now() {
  return std::chrono::steady_clock::now();
}

}  // namespace

PtyRadio::PtyRadio(RadioSimulator& radio, int baud, Millis replyDelay)
    : radio_(radio), wire_(baud), replyDelay_(replyDelay) {
  master_ = posix_openpt(O_RDWR | O_NOCTTY);
  if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) fail("pseudo-terminal");
  device_ = ptsname(master_);
  // Raw on both sides: no echo of the radio's answers, no line editing.
  makeRaw(master_);
  keepOpen_ = ::open(device_.c_str(), O_RDWR | O_NOCTTY);
  if (keepOpen_ < 0) fail(device_.c_str());
  makeRaw(keepOpen_);
  fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
}

PtyRadio::~PtyRadio() {
  hangUp();
}

void PtyRadio::hangUp() {
  if (keepOpen_ >= 0) ::close(keepOpen_);
  if (master_ >= 0) ::close(master_);
  keepOpen_ = master_ = -1;
}

void PtyRadio::serve(const std::atomic<bool>& stop) {
  while (!stop) {
    deliver(now());
    answer(now());
    if (radio_.hungUp() && !wire_.nextEvent()) return hangUp();
    const TimePoint wake = wire_.nextEvent().value_or(now() + kIdleWait);
    const auto wait = std::max(std::chrono::nanoseconds(0), wake - now());
    timespec timeout{static_cast<time_t>(wait.count() / 1'000'000'000),
                     static_cast<long>(wait.count() % 1'000'000'000)};
    pollfd p{master_, POLLIN, 0};
    if (ppoll(&p, 1, &timeout, nullptr) > 0 && (p.revents & POLLIN)) take(now());
  }
}

void PtyRadio::take(TimePoint at) {
  std::uint8_t chunk[1024];
  const ssize_t n = ::read(master_, chunk, sizeof chunk);
  if (n <= 0) return;
  stats_.bytesToRadio += n;
  wire_.arrive(at, std::span(chunk, static_cast<std::size_t>(n)));
}

void PtyRadio::answer(TimePoint at) {
  for (const auto& [arrival, byte] : wire_.arrived(at)) {
    const Bytes reply = radio_.receive(std::span(&byte, 1));
    if (!reply.empty()) wire_.depart(arrival + replyDelay_, reply);
  }
}

void PtyRadio::deliver(TimePoint at) {
  const Bytes out = wire_.departed(at);
  std::span<const std::uint8_t> rest(out);
  while (!rest.empty()) {
    const ssize_t n = ::write(master_, rest.data(), rest.size());
    if (n > 0) {
      rest = rest.subspan(static_cast<std::size_t>(n));
      stats_.bytesFromRadio += n;
    } else if (n < 0 && errno != EAGAIN && errno != EINTR) {
      return;
    } else {
      pollfd p{master_, POLLOUT, 0};
      ::poll(&p, 1, 10);
    }
  }
}

}  // namespace q7::sim
