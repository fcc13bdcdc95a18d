#pragma once
// The serial line through a POSIX terminal device (a USB cable adapter, a
// built-in port, or the pseudo-terminal of the radio simulator): 9600 baud,
// 8 data bits, no parity, 1 stop bit, no flow control, raw bytes. Only a
// terminal device is opened, and only while no other program holds it. Waits sleep
// in poll() until bytes arrive, so a transfer runs at wire speed without
// spinning.
#include <functional>
#include <string>

#include "comm/serial_link.h"

namespace q7 {

class PosixSerialLink : public SerialLink {
 public:
  // `deviceOf` names the device of a port number ("/dev/ttyUSB0").
  explicit PosixSerialLink(std::function<std::string(int)> deviceOf);
  ~PosixSerialLink() override;
  PosixSerialLink(const PosixSerialLink&) = delete;
  PosixSerialLink& operator=(const PosixSerialLink&) = delete;

  void open(int port) override;
  void close() override;
  bool isOpen() const override { return fd_ >= 0; }
  void clearOutput() override;
  void clearInput() override;
  void send(std::span<const std::uint8_t> bytes) override;
  std::size_t outputCount() override;
  std::size_t inputCount() override;
  Bytes readAll() override;
  bool waitForInput(std::size_t count, TimePoint deadline, const StopFlag& stop) override;
  bool waitForSent(TimePoint deadline) override;

  // Why the last open failed or the line went away, in words for the user.
  const std::string& lastError() const { return lastError_; }

 private:
  // Moves waiting bytes into the buffer until it holds `wanted`; false once
  // the line has hung up.
  bool pump(std::size_t wanted);
  [[noreturn]] void fail(int number, const std::string& reason);

  std::function<std::string(int)> deviceOf_;
  int fd_ = -1;
  Bytes buffer_;
  std::string lastError_;
};

}  // namespace q7
