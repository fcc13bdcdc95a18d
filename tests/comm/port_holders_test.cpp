// Who holds a serial device, found in the system's open-file tables, the
// words that name the holders with a hint for the usual ones, and the stable
// names a device has under a by-id folder.
#include "comm/port_holders.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <fstream>

#include "support/temp_dir.h"

namespace q7 {
namespace {

// A terminal device of the test (a pty) that a child process keeps open.
class HeldTerminal {
 public:
  HeldTerminal() {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) return;
    device_ = ::ptsname(master_);
    int ready[2];
    if (::pipe(ready) != 0) return;
    holder_ = ::fork();
    if (holder_ == 0) {
      const bool opened = ::open(device_.c_str(), O_RDWR | O_NOCTTY) >= 0;
      if (!opened || ::write(ready[1], "x", 1) != 1) ::_exit(1);
      ::pause();
      ::_exit(0);
    }
    ::close(ready[1]);
    char byte = 0;
    // The child holds the device from here on; without its byte it failed.
    if (::read(ready[0], &byte, 1) != 1) holder_ = -1;
    ::close(ready[0]);
  }
  ~HeldTerminal() {
    if (holder_ > 0) {
      ::kill(holder_, SIGKILL);
      ::waitpid(holder_, nullptr, 0);
    }
    if (master_ >= 0) ::close(master_);
  }
  HeldTerminal(const HeldTerminal&) = delete;
  HeldTerminal& operator=(const HeldTerminal&) = delete;

  const std::string& device() const { return device_; }
  pid_t holder() const { return holder_; }

 private:
  int master_ = -1;
  std::string device_;
  pid_t holder_ = -1;
};

TEST(PortHolders, AProcessThatHasTheDeviceOpenIsFoundByPidAndName) {
  const HeldTerminal held;
  ASSERT_GT(held.holder(), 0);
  const auto holders = portHolders(held.device());
  ASSERT_EQ(holders.size(), 1u);
  EXPECT_EQ(holders[0].pid, held.holder());
  EXPECT_EQ(holders[0].program, "q7core_tests");
}

TEST(PortHolders, NoHolderForAFreeDeviceOrAPathThatIsNoDevice) {
  const test::TempDir dir;
  std::ofstream(dir / "file") << "x";
  EXPECT_TRUE(portHolders(dir / "file").empty());
  EXPECT_TRUE(portHolders(dir / "missing").empty());
  const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
  ASSERT_GE(master, 0);
  ASSERT_EQ(::grantpt(master), 0);
  ASSERT_EQ(::unlockpt(master), 0);
  EXPECT_TRUE(portHolders(::ptsname(master)).empty());
  ::close(master);
}

struct InUseCase {
  std::vector<PortHolder> holders;
  const char* text;
};

const InUseCase kInUse[] = {
    {{}, "in use by another program"},
    {{{4711, "minicom"}}, "in use by minicom (pid 4711)"},
    {{{812, "ModemManager"}},
     "in use by ModemManager (pid 812); the modem manager probes new serial ports: stop it for "
     "the cable with \"sudo systemctl stop ModemManager\""},
    {{{377, "brltty"}, {901, "cat"}},
     "in use by brltty (pid 377), cat (pid 901); the braille display service claims CH340 cables: "
     "stop it with \"sudo systemctl stop brltty-udev.service brltty.service\", or remove the "
     "brltty package"},
};

TEST(PortHolders, TheHoldersAreNamedWithAHintForTheUsualOnes) {
  for (const InUseCase& c : kInUse) EXPECT_EQ(inUseText(c.holders), c.text);
}

TEST(PortHolders, StableNamesAreTheByIdLinksThatLeadToTheDevice) {
  const test::TempDir dir;
  std::ofstream(dir / "ttyUSB0") << "";
  std::ofstream(dir / "ttyUSB1") << "";
  std::filesystem::create_directory(dir / "by-id");
  const auto byId = dir / "by-id";
  std::filesystem::create_symlink("../ttyUSB0", byId / "usb-1a86_USB_Serial-if00-port0");
  std::filesystem::create_symlink("../ttyUSB1", byId / "usb-FTDI_FT232R_A1B2-if00-port0");
  std::filesystem::create_symlink("../ttyUSB0", byId / "usb-1a86_USB_Serial-if01-port0");
  std::filesystem::create_symlink("../gone", byId / "usb-dangling");
  EXPECT_EQ(stableNames(dir / "ttyUSB0", byId),
            (std::vector<std::string>{(byId / "usb-1a86_USB_Serial-if00-port0").string(),
                                      (byId / "usb-1a86_USB_Serial-if01-port0").string()}));
  EXPECT_EQ(stableNames(byId / "usb-FTDI_FT232R_A1B2-if00-port0", byId),
            (std::vector<std::string>{(byId / "usb-FTDI_FT232R_A1B2-if00-port0").string()}));
  EXPECT_TRUE(stableNames(dir / "missing", byId).empty());
  EXPECT_TRUE(stableNames(dir / "ttyUSB0", dir / "no-such-folder").empty());
}

}  // namespace
}  // namespace q7
