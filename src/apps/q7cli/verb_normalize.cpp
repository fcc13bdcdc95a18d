// "q7cli normalize": the data file the desktop program saves right after
// opening FILE.dat: every correction the display refresh makes, then the
// channel table encoded into the image, then the file written in one step.
// A file that cannot be opened writes nothing.
#include <iostream>
#include <memory>

#include "cli_args.h"
#include "cli_editor.h"
#include "cli_streams.h"
#include "verbs.h"

namespace q7::cli {
namespace {

struct NormalizeOptions {
  std::string input;
  std::string output;
};

int runNormalize(const NormalizeOptions& options) {
  CliEditor opened(options.input, kEnglish);
  opened.editor().storeChannels();
  saveDataFile(options.output, opened.state().image);
  std::cerr << "Saved: " << shownName(options.output, true) << "\n";
  return kExitSuccess;
}

}  // namespace

Verb declareNormalize(CLI::App& app) {
  auto options = std::make_shared<NormalizeOptions>();
  CLI::App* verb =
      addVerb(app, "normalize", "save a data file as the desktop program saves it after opening");
  verb->add_option("file", options->input, "the data file (- reads standard input)")
      ->type_name("FILE.dat")
      ->required();
  addOutputOption(*verb, options->output, "the data file to write", "OUT.dat");
  return {verb, [options] { return runNormalize(*options); }};
}

}  // namespace q7::cli
