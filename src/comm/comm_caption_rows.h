#pragma once
// Caption rows of the communication and port windows, the transfers' messages
// and the serial link's errors.
namespace q7::row {
inline constexpr int kPortTitle = 60;
inline constexpr int kPortFrame = 61;
inline constexpr int kPortLabel = 62;
inline constexpr int kPortOk = 63;
inline constexpr int kPortCancel = 64;
inline constexpr int kCommunicationFailed = 79;
inline constexpr int kReadButton = 100;
inline constexpr int kWriteButton = 101;
inline constexpr int kCommWindowTitle = 102;
inline constexpr int kCommProgressFrame = 156;
inline constexpr int kReadingNow = 164;
inline constexpr int kReadSuccessful = 165;
inline constexpr int kReadFailed = 166;
inline constexpr int kWriteStatus = 168;
inline constexpr int kReceiveFailed = 175;
inline constexpr int kFillValueRefused = 176;
inline constexpr int kPortInUse = 455;
inline constexpr int kNotASerialPort = 456;
inline constexpr int kJoinDialout = 457;
}  // namespace q7::row
