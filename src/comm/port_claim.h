#pragma once
// Taking a serial device for one program alone, on its open descriptor and
// before a byte is sent: only a character device that is a terminal is a
// serial port (a data file or /dev/zero given by mistake is left untouched),
// and the device is held exclusively (TIOCEXCL against other opens, a
// non-blocking flock against other programs that lock their ports), so that
// two programs cannot corrupt each other's transfer.
#include <string>

namespace q7 {

enum class PortClaim { Taken, NotASerialPort, InUse };

PortClaim claimPort(int fd);
// Lets go of the exclusive hold before the descriptor is closed, so that the
// next program (the desktop after q7cli, say) may open the device again.
void releasePort(int fd);

// The words for a refused claim, after the device's name.
std::string claimFailureText(PortClaim claim);

// The English reason of a failed open() of `device` with `error`; a refused
// permission says what to do about it.
std::string openFailureText(const std::string& device, int error);

}  // namespace q7
