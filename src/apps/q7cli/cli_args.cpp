#include "cli_args.h"

#include <algorithm>
#include <stdexcept>
#include <string_view>

#include "shell/profile_file.h"

namespace q7::cli {
namespace {

// Options that stand alone, without a value.
constexpr std::string_view kFlagOptions[] = {"--json"};

bool isFlagOption(std::string_view word) {
  return std::find(std::begin(kFlagOptions), std::end(kFlagOptions), word) !=
         std::end(kFlagOptions);
}

}  // namespace

std::optional<std::string> CliArgs::option(const std::string& name) const {
  const auto found = options.find(name);
  if (found == options.end()) return std::nullopt;
  return found->second;
}

CliArgs parseArgs(int argc, char** argv, int first) {
  CliArgs args;
  for (int i = first; i < argc; ++i) {
    const std::string word = argv[i];
    if (word.size() < 2 || word[0] != '-') {
      args.positional.push_back(word);
      continue;
    }
    if (isFlagOption(word)) {
      args.options[word] = "";
      continue;
    }
    if (i + 1 >= argc) throw std::invalid_argument(word + " needs a value");
    args.options[word] = argv[++i];
  }
  return args;
}

std::optional<long> hexOption(const CliArgs& args, const std::string& name) {
  const auto text = args.option(name);
  if (!text) return std::nullopt;
  long value = 0;
  if (!parseHex(*text, value)) throw std::invalid_argument(name + " wants a hexadecimal address");
  return value;
}

}  // namespace q7::cli
