#pragma once
// Caption rows of the transfers' messages and of the serial link's errors.
namespace q7::row {
inline constexpr int kCommunicationFailed = 79;
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
