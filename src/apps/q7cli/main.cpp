// q7cli: the radio programming tool on the command line. "q7cli VERB ...".
// A command line that is not understood ends with one line and exit code 2
// before any port or file is opened.
#include <algorithm>
#include <csignal>
#include <cstring>
#include <iostream>
#include <stdexcept>
#include <vector>

#include "cli_args.h"
#include "cli_streams.h"
#include "verbs.h"

namespace {

bool isVerb(const std::vector<q7::cli::Verb>& declared, const std::string& word) {
  return std::any_of(declared.begin(), declared.end(),
                     [&](const q7::cli::Verb& verb) { return verb.command->get_name() == word; });
}

// The first word before the verb that is neither a verb nor an option of
// the program itself, else empty.
std::string firstUnknownWord(const CLI::App& app, const std::vector<q7::cli::Verb>& declared,
                             int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string word = argv[i];
    if (word.starts_with('-')) {
      if (!app.get_option_no_throw(word.substr(0, word.find('=')))) return word;
      continue;
    }
    return isVerb(declared, word) ? std::string() : word;
  }
  return {};
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

// What went to standard output through the stream reached it, or the run
// ends as a failed save does.
int checkedStandardOutput(int code) {
  std::cout.flush();
  if (std::cout) return code;
  std::cerr << "q7cli: cannot write to standard output: " << std::strerror(errno) << "\n";
  return q7::cli::kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
  // A closed pipe on standard output is a failed write that is reported, not a silent end.
  std::signal(SIGPIPE, SIG_IGN);
  CLI::App app("q7cli: reads, writes and shows the memory of the radio.", "q7cli");
  app.set_version_flag("--version", "q7cli " Q7_VERSION);
  app.set_help_all_flag("--help-all", "print the help of every verb");
  app.footer(q7::cli::kHelpFooter);
  app.require_subcommand(1);
  app.fallthrough();  // --quiet may also follow the verb
  bool quiet = false;
  app.add_flag("-q,--quiet", quiet, "say nothing but failures and the final result line");
  std::vector<q7::cli::Verb> declared;
  for (const q7::cli::DeclareVerb declare : q7::cli::verbs()) declared.push_back(declare(app));
  if (const std::string unknown = firstUnknownWord(app, declared, argc, argv); !unknown.empty()) {
    std::cerr << "q7cli: unknown " << (unknown.starts_with('-') ? "option " : "verb ") << unknown
              << " (q7cli --help lists the verbs and options)\n";
    return q7::cli::kExitUsage;
  }
  try {
    app.parse(argc, argv);
  } catch (const CLI::Success& e) {  // --help or --version, printed on stdout
    return checkedStandardOutput(app.exit(e));
  } catch (const CLI::ParseError& e) {
    std::cerr << "q7cli: " << e.what() << " (q7cli --help lists the verbs and options)\n";
    return q7::cli::kExitUsage;
  }
  q7::cli::setQuiet(quiet);
  return checkedStandardOutput(runParsed(declared));
}
