#include "comm/port_claim.h"

#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "comm/port_holders.h"

namespace q7 {

PortClaim claimPort(int fd) {
  struct stat status {};
  if (fstat(fd, &status) != 0 || !S_ISCHR(status.st_mode) || !isatty(fd))
    return PortClaim::NotASerialPort;
  if (ioctl(fd, TIOCEXCL) != 0) return PortClaim::InUse;
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ioctl(fd, TIOCNXCL);
    return PortClaim::InUse;
  }
  return PortClaim::Taken;
}

void releasePort(int fd) {
  ioctl(fd, TIOCNXCL);
  flock(fd, LOCK_UN);
}

std::string claimFailureText(PortClaim claim) {
  return claim == PortClaim::InUse ? "in use by another program"
                                   : "not a serial port (a terminal device)";
}

std::string openFailureText(const std::string& device, int error) {
  if (error == EBUSY) return device + ": " + inUseText(portHolders(device));
  std::string text = device + ": " + std::strerror(error);
  if (error == EACCES || error == EPERM)
    text +=
        " (the user needs the right to use serial ports: add the user to the dialout group"
        " with \"sudo usermod -aG dialout $USER\", then log in again; once the package is"
        " installed, its udev rule gives the logged-in user USB programming cables)";
  return text;
}

}  // namespace q7
