// q7cli: the radio programming tool on the command line. "q7cli VERB ...".
// A command line that is not understood ends with one line and exit code 2
// before any port or file is opened.
#include <iostream>
#include <stdexcept>
#include <vector>

#include "cli_args.h"
#include "verbs.h"

namespace {

int runParsed(const std::vector<q7::cli::Verb>& declared) {
  for (const q7::cli::Verb& verb : declared) {
    if (!verb.command->parsed()) continue;
    try {
      return verb.run();
    } catch (const std::exception& e) {
      std::cerr << "q7cli " << verb.command->get_name() << ": " << e.what() << "\n";
      return q7::cli::kExitUsage;
    }
  }
  return q7::cli::kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app("q7cli: reads, writes and shows the memory of the radio.", "q7cli");
  app.set_version_flag("--version", "q7cli " Q7_VERSION);
  app.footer(q7::cli::kHelpFooter);
  app.require_subcommand(1);
  std::vector<q7::cli::Verb> declared;
  for (const q7::cli::DeclareVerb declare : q7::cli::verbs()) declared.push_back(declare(app));
  try {
    app.parse(argc, argv);
  } catch (const CLI::Success& e) {  // --help or --version, printed on stdout
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    std::cerr << "q7cli: " << e.what() << " (q7cli --help lists the verbs and options)\n";
    return q7::cli::kExitUsage;
  }
  return runParsed(declared);
}
