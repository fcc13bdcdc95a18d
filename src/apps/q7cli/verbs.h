#pragma once
// The verbs of q7cli. Each verb lives in its own file and is listed once in
// the verb table; adding a verb means adding its file and one table line.
#include <span>

#include "cli_args.h"

namespace q7::cli {

struct Verb {
  const char* name;
  const char* usage;  // the arguments after the verb's name
  int (*run)(const CliArgs& args);
};

std::span<const Verb> verbs();

int runPorts(const CliArgs& args);
int runRead(const CliArgs& args);
int runWrite(const CliArgs& args);
int runShow(const CliArgs& args);
int runNormalize(const CliArgs& args);

}  // namespace q7::cli
