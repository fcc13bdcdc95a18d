#pragma once
// The verbs of q7cli. Each verb lives in its own file, declares its command
// and options on the program's command line and hands back what runs it;
// adding a verb means adding its file and one table line.
#include <CLI/CLI.hpp>
#include <functional>
#include <span>

namespace q7::cli {

struct Verb {
  CLI::App* command;
  std::function<int()> run;  // after a successful parse; returns the exit code
};

using DeclareVerb = Verb (*)(CLI::App& app);

std::span<const DeclareVerb> verbs();

Verb declarePorts(CLI::App& app);
Verb declareRead(CLI::App& app);
Verb declareWrite(CLI::App& app);
Verb declareShow(CLI::App& app);
Verb declareNormalize(CLI::App& app);
Verb declareDiff(CLI::App& app);
Verb declareExport(CLI::App& app);
Verb declareImport(CLI::App& app);

}  // namespace q7::cli
