#pragma once
// Arguments of one q7cli verb: positional words and "--name value" options.
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace q7::cli {

struct CliArgs {
  std::vector<std::string> positional;
  std::map<std::string, std::string> options;

  std::optional<std::string> option(const std::string& name) const;
};

// Every word starting with "-" is an option name followed by its value, but
// for the flags that stand alone ("--json"), which take an empty value.
// Throws std::invalid_argument for an option without a value.
CliArgs parseArgs(int argc, char** argv, int first);

// A hexadecimal address option ("--start 3F0"); nullopt when absent; throws
// std::invalid_argument when it is not hexadecimal.
std::optional<long> hexOption(const CliArgs& args, const std::string& name);

}  // namespace q7::cli
