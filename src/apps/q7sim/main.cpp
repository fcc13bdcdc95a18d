// q7sim: a radio on a pseudo-terminal, for trying the programming tool
// without hardware. Prints the terminal's path, serves until SIGINT/SIGTERM.
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "foundation/codeplug_image.h"
#include "foundation/memory_map.h"
#include "pty_radio.h"
#include "sim_options.h"

namespace {

std::atomic<bool> gStop{false};

void onSignal(int) {
  gStop = true;
}

q7::RadioSimulator makeRadio(const q7::sim::SimOptions& o) {
  q7::RadioSimulator radio;
  if (!o.image.empty()) {
    q7::CodeplugImage image;
    image.loadFileLayout(q7::readImageFile(o.image, q7::kDataFileSize));
    std::copy_n(image.bytes().begin(), q7::kRadioSize, radio.memory().begin());
  }
  if (o.radioClass) radio.memory()[q7::map::kClassByte] = static_cast<std::uint8_t>(*o.radioClass);
  if (o.radioVersion)
    radio.memory()[q7::map::kVersionByte] = static_cast<std::uint8_t>(*o.radioVersion);
  if (o.pair) radio.declarePair(*o.pair);
  radio.faults() = o.faults;
  return radio;
}

void finish(const q7::sim::SimOptions& o, const q7::RadioSimulator& radio,
            const q7::sim::LineStats& stats) {
  if (!o.save.empty()) {
    q7::CodeplugImage image;
    std::copy(radio.memory().begin(), radio.memory().end(), image.bytes().begin());
    q7::writeDataFile(o.save, image);
  }
  if (!o.stats.empty()) {
    std::ofstream(o.stats) << "{\"bytesToRadio\": " << stats.bytesToRadio
                           << ", \"bytesFromRadio\": " << stats.bytesFromRadio
                           << ", \"frames\": " << radio.frames()
                           << ", \"closingFrames\": " << radio.closingFrames() << "}\n";
  }
  if (!o.link.empty()) std::filesystem::remove(o.link);
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app(
      "q7sim: plays a TARN Q7 radio on a pseudo-terminal and prints the terminal's path, "
      "so that q7cps and q7cli can read and write it without a radio. It serves until "
      "it is interrupted (SIGINT or SIGTERM).",
      "q7sim");
  app.set_version_flag("--version", "q7sim " Q7_VERSION);
  q7::sim::SimOptions options;
  q7::sim::declareSimOptions(app, options);
  try {
    app.parse(argc, argv);
  } catch (const CLI::Success& e) {  // --help or --version, printed on stdout
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    std::cerr << "q7sim: " << e.what() << " (q7sim --help lists the options)\n";
    return 2;
  }
  try {
    q7::RadioSimulator radio = makeRadio(options);
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    q7::sim::PtyRadio line(radio, options.baud, options.replyDelay);
    if (!options.link.empty()) {
      std::filesystem::remove(options.link);
      std::filesystem::create_symlink(line.devicePath(), options.link);
    }
    std::cout << line.devicePath() << std::endl;
    line.serve(gStop);
    finish(options, radio, line.stats());
    return 0;
  } catch (const std::exception& e) {
    std::cerr << "q7sim: " << e.what() << "\n";
    return 2;
  }
}
