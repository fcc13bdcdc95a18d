// "q7cli show": what the desktop program shows of a data file right after
// opening it, as plain text or JSON. The file is not changed.
#include <memory>

#include "cli_args.h"
#include "cli_editor.h"
#include "shell/codeplug_report.h"
#include "verbs.h"

namespace q7::cli {
namespace {

struct ShowOptions {
  std::string input;
  bool json = false;
  int language = kEnglish;
};

int runShow(const ShowOptions& options) {
  CliEditor opened(options.input, options.language);
  const ReportValue report = codeplugReport(opened.editor(), opened.state());
  saveTextFile("-", options.json ? toJson(report) : toPlainText(report));
  return kExitSuccess;
}

}  // namespace

Verb declareShow(CLI::App& app) {
  auto options = std::make_shared<ShowOptions>();
  CLI::App* verb = addVerb(app, "show", "show the channels and every option of a data file");
  verb->add_option("file", options->input, "the data file (- reads standard input)")
      ->type_name("FILE.dat")
      ->required();
  verb->add_flag("--json", options->json, "as JSON");
  verb->add_option("--lang", options->language, "1 Simplified Chinese, 2 Traditional, 3 English")
      ->check(CLI::Range(1, 3));
  return {verb, [options] { return runShow(*options); }};
}

}  // namespace q7::cli
