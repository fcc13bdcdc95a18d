// q7cli: the radio programming tool on the command line. "q7cli VERB ...".
#include <iostream>
#include <stdexcept>
#include <string>

#include "verbs.h"

namespace {

int usage() {
  std::cerr << "usage:\n";
  for (const q7::cli::Verb& verb : q7::cli::verbs())
    std::cerr << "  q7cli " << verb.name << (*verb.usage ? " " : "") << verb.usage << "\n";
  std::cerr << "P is a port number or a device path.\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return usage();
  const std::string name = argv[1];
  for (const q7::cli::Verb& verb : q7::cli::verbs()) {
    if (name != verb.name) continue;
    try {
      return verb.run(q7::cli::parseArgs(argc, argv, 2));
    } catch (const std::exception& e) {
      std::cerr << "q7cli " << name << ": " << e.what() << "\n";
      return 2;
    }
  }
  std::cerr << "q7cli: unknown verb " << name << "\n";
  return usage();
}
