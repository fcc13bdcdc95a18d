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
// Where a transfer stopped ("%1" stands for the percentage) and what the
// radio holds after it; the word for a port whose device is gone.
inline constexpr int kStoppedInRead = 640;
inline constexpr int kStoppedInBackupRead = 641;
inline constexpr int kStoppedInWrite = 642;
inline constexpr int kStoppedAfterBlocks = 643;
inline constexpr int kStoppedInReadBack = 644;
inline constexpr int kNothingWritten = 645;
inline constexpr int kPartlyWritten = 646;
inline constexpr int kWrittenNotVerified = 647;
inline constexpr int kPortDeviceAbsent = 648;
}  // namespace q7::row
