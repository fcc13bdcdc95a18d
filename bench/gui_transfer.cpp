// Drives the communication window offscreen for the transfer benchmark:
//   q7bench_gui read DEVICE OUT.dat | write DEVICE IN.dat
// A full read or write of 0x000-0x3FF, exactly as the window's buttons run it.
// Prints the wall and CPU seconds from the button press to the end of the
// transfer ("wall=S cpu=S"), so Qt's own start-up is not counted.
#include <sys/resource.h>

#include <QApplication>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "comm/ui/comm_window.h"
#include "foundation/app_state.h"
#include "foundation/editor_views.h"
#include "foundation/ui/qt_prompts.h"

namespace {

// The benchmark measures the transfer alone: no editors around it.
class NoEditors : public q7::EditorViews {
 public:
  void commitPendingEdit() override {}
  void storeChannels() override {}
  void showImage() override {}
  void showNewImage() override {}
  void applyLock(bool) override {}
  void deleteAllChannels() override {}
};

// Counts what would be shown to the user; any message means the transfer failed.
class CountingPrompts : public q7::QtPrompts {
 public:
  int messages = 0;
  void tell(const std::string&, const std::string& text, q7::PromptIcon) override {
    std::fprintf(stderr, "%s\n", text.c_str());
    ++messages;
  }
};

double cpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc != 4) {
    std::fprintf(stderr, "usage: q7bench_gui read|write DEVICE FILE.dat\n");
    return 2;
  }
  const std::string verb = argv[1];
  const std::filesystem::path file = argv[3];
  const auto settings = std::filesystem::temp_directory_path() / "q7bench_gui.def";
  q7::AppState state;
  state.settings = q7::ProfileFile(settings);
  state.settings.write("Ports", "1", argv[2]);
  // The bare transfer is timed: no backup read before it, no read-back after it.
  state.settings.write("Setting", "Backups", "0");
  state.settings.write("Setting", "Verify", "0");
  state.port = 1;
  state.ranges = {0x3FF, 0, 0x3FF, 0, 0x3FF, 0, 0x3FF, "03FF", "0000", "03FF", "0000", "03FF"};
  NoEditors views;
  CountingPrompts prompts;
  q7::CommWindow window(state, prompts, views);
  if (verb == "write") state.image.loadFileLayout(q7::readImageFile(file, q7::kDataFileSize));
  const auto start = std::chrono::steady_clock::now();
  const double cpuStart = cpuSeconds();
  if (verb == "write") {
    window.cmdWrite_Click();
  } else {
    window.cmdRead_Click();
  }
  const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
  std::printf("wall=%.3f cpu=%.3f\n", wall.count(), cpuSeconds() - cpuStart);
  if (verb == "read" && prompts.messages == 0) q7::writeDataFile(file, state.image);
  std::filesystem::remove(settings);
  return prompts.messages == 0 ? 0 : 1;
}
