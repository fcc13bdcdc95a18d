#pragma once
// Who holds a serial device, and the stable names of the devices. The
// programs that keep a port open are found in the system's open-file tables
// (/proc/<pid>/fd), so that a port "in use" names its holder; for the two
// usual holders of a new cable (a braille display service that claims
// CH340 adapters and the modem manager that probes new serial ports) one
// line says what to do. The stable names are the links under
// /dev/serial/by-id/, which stay the same when cables are replugged.
#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

namespace q7 {

struct PortHolder {
  pid_t pid = 0;
  std::string program;  // the process's name, as /proc/<pid>/comm gives it
};

// The processes other than this one that have `device` open, by pid.
// `proc` is the process table's folder.
std::vector<PortHolder> portHolders(const std::filesystem::path& device,
                                    const std::filesystem::path& proc = "/proc");

// "in use by ModemManager (pid 812)" for the holders found, with a hint for
// a usual holder; "in use by another program" when none is found (another
// user's process, say).
std::string inUseText(const std::vector<PortHolder>& holders);

inline constexpr const char* kSerialById = "/dev/serial/by-id";

// The stable names under `byId` that lead to `device`, sorted.
std::vector<std::string> stableNames(const std::filesystem::path& device,
                                     const std::filesystem::path& byId = kSerialById);

}  // namespace q7
