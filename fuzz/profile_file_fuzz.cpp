// The settings file read key by key as start-up reads it: its health, a
// setting, a number within bounds and whole sections (the tone list).
#include "file_input.h"
#include "foundation/profile_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const q7::ProfileFile settings(q7::fuzz::inputFile(data, size));
  settings.health();
  settings.read("Setting", "Language", "3");
  settings.readNumber("Setting", "COM", 1, 10, 1, 16);
  settings.section("CTCSS_LIST");
  settings.section("ChInfo");
  return 0;
}
