// "q7cli import": a data file built from a fleet file (JSON) over the
// template, or, with --channels, the channels of a CSV table put into the
// template or into --base BASE.dat. Values are set as the windows set them
// and the file is stored as Save stores it. A file with faults writes
// nothing: each fault is one line, and the exit code is 2. With
// --skip-unfit, the rows of a table that do not fit are left out, each
// named on a line of its own, and the rest is imported.
#include <iostream>
#include <memory>
#include <optional>

#include "channels/channel_csv.h"
#include "cli_args.h"
#include "cli_editor.h"
#include "cli_streams.h"
#include "shell/fleet_json.h"
#include "verbs.h"

namespace q7::cli {
namespace {

struct ImportOptions {
  std::string input;
  std::string output;
  std::string base;
  bool channels = false;
  bool skipUnfit = false;
};

void reportLines(const ImportOptions& options, const std::string& prefix,
                 const std::vector<std::string>& lines) {
  for (const std::string& line : lines)
    std::cerr << "q7cli import: " << options.input << ": " << prefix << line << "\n";
}

int reportFaults(const ImportOptions& options, const std::vector<std::string>& faults) {
  reportLines(options, "", faults);
  return kExitUsage;
}

int importFleetFile(const ImportOptions& options, const std::string& text) {
  CliEditor opened(kEnglish);
  const FleetImport built = importFleet(text, opened.state());
  if (!built.faults.empty()) return reportFaults(options, built.faults);
  reportLines(options, "warning: ", built.warnings);
  saveDataFile(options.output, built.image);
  return kExitSuccess;
}

int importChannelTable(const ImportOptions& options, const std::string& text) {
  std::optional<CliEditor> opened;
  if (options.base.empty())
    opened.emplace(kEnglish);
  else
    opened.emplace(options.base, kEnglish);
  ChannelGrid& grid = opened->editor().grid();
  const ChannelImport imported =
      importChannelsCsv(text, grid, grid.layout(),
                        options.skipUnfit ? UnfitRows::kLeaveOut : UnfitRows::kRefuseTable);
  reportLines(options, "", imported.notes);
  if (!imported.entered) return reportFaults(options, imported.faults);
  reportLines(options, "left out: ", imported.faults);
  opened->editor().storeChannels();
  saveDataFile(options.output, opened->state().image);
  return kExitSuccess;
}

int runImport(const ImportOptions& options) {
  const std::string text = readTextFile(options.input);
  const int code =
      options.channels ? importChannelTable(options, text) : importFleetFile(options, text);
  if (code == kExitSuccess) std::cerr << "Saved: " << shownName(options.output, true) << "\n";
  return code;
}

}  // namespace

Verb declareImport(CLI::App& app) {
  auto options = std::make_shared<ImportOptions>();
  CLI::App* verb =
      addVerb(app, "import", "build a data file from a fleet file (JSON) or a CSV channel table");
  verb->add_option("file", options->input, "the JSON (or CSV) file (- reads standard input)")
      ->type_name("IN")
      ->required();
  addOutputOption(*verb, options->output, "the data file to write", "OUT.dat");
  CLI::Option* channels =
      verb->add_flag("--channels", options->channels, "the file is a CSV channel table");
  verb->add_option("--base", options->base, "the data file whose channels the table replaces")
      ->type_name("BASE.dat")
      ->needs(channels);
  verb->add_flag("--skip-unfit", options->skipUnfit,
                 "import the rows of the table that fit, naming each row left out")
      ->needs(channels);
  return {verb, [options] { return runImport(*options); }};
}

}  // namespace q7::cli
