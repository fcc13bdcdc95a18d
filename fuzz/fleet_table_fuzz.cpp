// The fleet-file and channel-table readers as "q7cli import" runs them: the
// input as a fleet file (JSON) built over the template, and as a CSV channel
// table typed into the channel grid. The program is set up once per process.
#include <string>

#include "channels/channel_csv.h"
#include "foundation/error_report.h"
#include "shell/fleet_json.h"
#include "support/opened_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static q7::test::OpenedFile program(q7::kEnglish);
  q7::errorReporter().clear();  // what earlier inputs reported is of no interest
  const std::string text(reinterpret_cast<const char*>(data), size);
  q7::importFleet(text, program.state);
  q7::ChannelGrid& grid = program.editor.grid();
  q7::importChannelsCsv(text, grid, grid.layout());
  return 0;
}
