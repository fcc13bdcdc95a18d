// q7cli: the radio programming tool on the command line. "q7cli VERB ...".
// A command line that is not understood ends with one line and exit code 2
// before any port or file is opened.
#include <algorithm>
#include <iostream>
#include <stdexcept>
#include <vector>

#include "cli_args.h"
#include "verbs.h"

namespace {

bool isVerb(const std::vector<q7::cli::Verb>& declared, const std::string& word) {
  return std::any_of(declared.begin(), declared.end(),
                     [&](const q7::cli::Verb& verb) { return verb.command->get_name() == word; });
}

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
  if (argc > 1 && argv[1][0] != '-' && !isVerb(declared, argv[1])) {
    std::cerr << "q7cli: unknown verb " << argv[1] << " (q7cli --help lists the verbs)\n";
    return q7::cli::kExitUsage;
  }
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
