// "q7cli normalize": the data file the desktop program saves right after
// opening FILE.dat: every correction the display refresh makes, then the
// channel table encoded into the image, then the file written in one step.
// A file that cannot be opened writes nothing.
#include <iostream>
#include <stdexcept>

#include "cli_editor.h"
#include "shell/error_report.h"
#include "verbs.h"

namespace q7::cli {

int runNormalize(const CliArgs& args) {
  if (args.positional.size() != 1) throw std::invalid_argument("one FILE.dat is needed");
  const auto output = args.option("-o");
  if (!output) throw std::invalid_argument("-o OUT.dat is missing");
  CliEditor opened(args.positional[0], kEnglish);
  opened.editor().storeChannels();
  try {
    writeDataFile(*output, opened.state().image);
  } catch (const Failure&) {
    throw std::runtime_error("cannot write " + *output);
  }
  std::cerr << "Saved: " << *output << "\n";
  return 0;
}

}  // namespace q7::cli
