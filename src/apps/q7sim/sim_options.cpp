#include "sim_options.h"

#include <functional>
#include <map>
#include <stdexcept>

namespace q7::sim {
namespace {

int number(const std::string& text, int base = 10) {
  std::size_t used = 0;
  const int value = std::stoi(text, &used, base);
  if (used != text.size() || value < 0) throw std::invalid_argument("not a number: " + text);
  return value;
}

CommandPair pairOf(const std::string& text) {
  const std::size_t comma = text.find(',');
  if (comma == std::string::npos) throw std::invalid_argument("--pair wants RR,WW");
  const int read = number(text.substr(0, comma), 16);
  const int write = number(text.substr(comma + 1), 16);
  if (read > 0xFF || write > 0xFF) throw std::invalid_argument("--pair bytes are 00..FF");
  return {static_cast<std::uint8_t>(read), static_cast<std::uint8_t>(write)};
}

using Setter = std::function<void(SimOptions&, const std::string&)>;

const std::map<std::string, Setter>& valueOptions() {
  static const std::map<std::string, Setter> options = {
      {"--link", [](SimOptions& o, const std::string& v) { o.link = v; }},
      {"--image", [](SimOptions& o, const std::string& v) { o.image = v; }},
      {"--save", [](SimOptions& o, const std::string& v) { o.save = v; }},
      {"--stats", [](SimOptions& o, const std::string& v) { o.stats = v; }},
      {"--baud", [](SimOptions& o, const std::string& v) { o.baud = number(v); }},
      {"--class", [](SimOptions& o, const std::string& v) { o.radioClass = number(v); }},
      {"--version", [](SimOptions& o, const std::string& v) { o.version = number(v, 16); }},
      {"--pair", [](SimOptions& o, const std::string& v) { o.pair = pairOf(v); }},
      {"--ignore-frame",
       [](SimOptions& o, const std::string& v) { o.faults.ignoreFrame = number(v); }},
      {"--corrupt-frame",
       [](SimOptions& o, const std::string& v) { o.faults.corruptFrame = number(v); }},
      {"--corrupt-write",
       [](SimOptions& o, const std::string& v) { o.faults.corruptWrite = number(v, 16); }},
      {"--stop-after",
       [](SimOptions& o, const std::string& v) { o.faults.stopAfterFrame = number(v); }},
      {"--hangup-after",
       [](SimOptions& o, const std::string& v) { o.faults.hangUpAfterFrame = number(v); }},
      {"--reply-delay",
       [](SimOptions& o, const std::string& v) { o.replyDelay = Millis(number(v)); }},
  };
  return options;
}

}  // namespace

const char* const kSimUsage =
    "usage: q7sim [--link PATH] [--image FILE.dat] [--save FILE.dat] [--stats FILE]\n"
    "             [--baud N] [--class N] [--version HEX] [--pair RR,WW]\n"
    "             [--mute] [--ignore-frame K] [--corrupt-frame K] [--stop-after K]\n"
    "             [--hangup-after K] [--reply-delay MS] [--corrupt-write HEX]\n"
    "Plays a radio on a pseudo-terminal and prints the terminal's path.\n";

SimOptions parseSimOptions(int argc, char** argv) {
  SimOptions options;
  for (int i = 1; i < argc; ++i) {
    const std::string name = argv[i];
    if (name == "--mute") {
      options.faults.mute = true;
      continue;
    }
    const auto option = valueOptions().find(name);
    if (option == valueOptions().end()) throw std::invalid_argument("unknown option " + name);
    if (i + 1 >= argc) throw std::invalid_argument(name + " needs a value");
    try {
      option->second(options, argv[++i]);
    } catch (const std::logic_error&) {
      throw std::invalid_argument("bad value for " + name + ": " + argv[i]);
    }
  }
  return options;
}

}  // namespace q7::sim
