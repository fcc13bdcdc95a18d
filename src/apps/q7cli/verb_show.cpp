// "q7cli show": what the desktop program shows of a data file right after
// opening it, as plain text or JSON. The file is not changed.
#include <iostream>
#include <stdexcept>

#include "cli_editor.h"
#include "shell/codeplug_report.h"
#include "verbs.h"

namespace q7::cli {

int runShow(const CliArgs& args) {
  if (args.positional.size() != 1) throw std::invalid_argument("one FILE.dat is needed");
  const auto json = args.option("--json");
  CliEditor opened(args.positional[0], languageOption(args));
  const ReportValue report = codeplugReport(opened.editor(), opened.state());
  std::cout << (json ? toJson(report) : toPlainText(report));
  return 0;
}

}  // namespace q7::cli
