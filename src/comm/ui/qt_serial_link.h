#pragma once
// The serial line of the windows, through QSerialPort: 9600 baud, 8N1, no
// flow control. Every wait runs the event loop, so the window stays live and
// the stop box and the close button act in the middle of an exchange. Only a
// terminal device is opened, and only while no other program holds it.
#include <QSerialPort>
#include <functional>
#include <string>

#include "comm/serial_link.h"
#include "foundation/caption_table.h"

namespace q7 {

class QtSerialLink : public SerialLink {
 public:
  // `deviceOf` names the port's device: "COM3" on Windows, "/dev/ttyUSB0" on Linux.
  explicit QtSerialLink(std::function<std::string(int)> deviceOf);
  // The language of the reasons a failed open gives; English until set.
  void useCaptions(const CaptionTable& captions) { captions_ = &captions; }

  void open(int port) override;
  void close() override;
  bool isOpen() const override { return port_.isOpen(); }
  void clearOutput() override;
  void clearInput() override;
  void send(std::span<const std::uint8_t> bytes) override;
  std::size_t outputCount() override;
  std::size_t inputCount() override;
  Bytes readAll() override;
  bool waitForInput(std::size_t count, TimePoint deadline, const StopFlag& stop) override;
  bool waitForSent(TimePoint deadline) override;

 private:
  bool lineAlive() const;
  [[noreturn]] void refuse(const std::string& device, int number, int reasonRow);
  [[noreturn]] void failOpen(const std::string& device);

  CaptionTable english_{kEnglish};
  const CaptionTable* captions_ = &english_;
  std::function<std::string(int)> deviceOf_;
  QSerialPort port_;
  bool lineLost_ = false;
};

// Time for the windows: waiting runs the event loop.
class QtWaitClock : public WaitClock {
 public:
  TimePoint now() override;
  void wait(Millis duration) override;
  void sleep(Millis duration) override;
};

// Port number to device for this system, from the settings file's "Ports"
// section or the list of serial devices.
std::function<std::string(int)> systemPortDevices(const class ProfileFile& settings);

}  // namespace q7
