// "q7cli export": a data file as a fleet file (JSON, every channel and every
// option by name) or, with --channels, its channels as a CSV table. The data
// file is opened as the desktop program opens it; it is not changed.
#include <iostream>
#include <memory>

#include "channels/channel_csv.h"
#include "cli_args.h"
#include "cli_editor.h"
#include "cli_streams.h"
#include "shell/fleet_json.h"
#include "verbs.h"

namespace q7::cli {
namespace {

struct ExportOptions {
  std::string input;
  std::string output;
  bool channels = false;
};

int runExport(const ExportOptions& options) {
  CliEditor opened(options.input, kEnglish);
  const ChannelGrid& grid = opened.editor().grid();
  const std::string text = options.channels ? exportChannelsCsv(grid, grid.layout())
                                            : exportFleet(opened.editor(), opened.state());
  saveTextFile(options.output, text);
  std::cerr << "Saved: " << shownName(options.output, true) << "\n";
  return kExitSuccess;
}

}  // namespace

Verb declareExport(CLI::App& app) {
  auto options = std::make_shared<ExportOptions>();
  CLI::App* verb = addVerb(app, "export", "write a data file as a fleet file (JSON) or CSV");
  verb->add_option("file", options->input, "the data file (- reads standard input)")
      ->type_name("FILE.dat")
      ->required();
  addOutputOption(*verb, options->output, "the JSON (or CSV) file to write", "OUT");
  verb->add_flag("--channels", options->channels, "only the channels, as a CSV table");
  return {verb, [options] { return runExport(*options); }};
}

}  // namespace q7::cli
