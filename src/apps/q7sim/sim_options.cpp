#include "sim_options.h"

#include <functional>
#include <stdexcept>

namespace q7::sim {
namespace {

int number(const std::string& text, int base) {
  std::size_t used = 0;
  int value = -1;
  try {
    value = std::stoi(text, &used, base);
  } catch (const std::logic_error&) {
    used = 0;
  }
  if (used != text.size() || value < 0)
    throw CLI::ValidationError("not a " + std::string(base == 16 ? "hexadecimal " : "") +
                               "number: " + text);
  return value;
}

int byteOf(const std::string& text) {
  const int value = number(text, 16);
  if (value > 0xFF) throw CLI::ValidationError("not a byte (00..FF): " + text);
  return value;
}

CommandPair pairOf(const std::string& text) {
  const std::size_t comma = text.find(',');
  if (comma == std::string::npos) throw CLI::ValidationError("--pair wants RR,WW: " + text);
  return {static_cast<std::uint8_t>(byteOf(text.substr(0, comma))),
          static_cast<std::uint8_t>(byteOf(text.substr(comma + 1)))};
}

// One option with a value: its name, the value's name in the help, what it
// does, and how the text sets it.
struct ValueOption {
  const char* name;
  const char* typeName;
  const char* description;
  std::function<void(SimOptions&, const std::string&)> set;
};

const ValueOption kValueOptions[] = {
    {"--link", "PATH", "also make PATH a symbolic link to the terminal device",
     [](SimOptions& o, const std::string& v) { o.link = v; }},
    {"--image", "FILE.dat", "load the radio's memory from this data file (else it is erased)",
     [](SimOptions& o, const std::string& v) { o.image = v; }},
    {"--save", "FILE.dat", "write the radio's memory to this data file at the end",
     [](SimOptions& o, const std::string& v) { o.save = v; }},
    {"--stats", "FILE", "write the byte counts of each direction to this JSON file at the end",
     [](SimOptions& o, const std::string& v) { o.stats = v; }},
    {"--baud", "N", "pace the wire at N baud (default 9600; 0: no pacing)",
     [](SimOptions& o, const std::string& v) { o.baud = number(v, 10); }},
    {"--class", "N", "the radio class the simulator reports",
     [](SimOptions& o, const std::string& v) { o.radioClass = number(v, 10); }},
    {"--radio-version", "HEX", "the radio version byte the simulator reports",
     [](SimOptions& o, const std::string& v) { o.radioVersion = byteOf(v); }},
    {"--pair", "RR,WW", "the command bytes taken for reading and writing, in hexadecimal",
     [](SimOptions& o, const std::string& v) { o.pair = pairOf(v); }},
    {"--ignore-frame", "K", "frame K is not heard, once",
     [](SimOptions& o, const std::string& v) { o.faults.ignoreFrame = number(v, 10); }},
    {"--corrupt-frame", "K", "the reply to frame K arrives with its first byte inverted",
     [](SimOptions& o, const std::string& v) { o.faults.corruptFrame = number(v, 10); }},
    {"--corrupt-write", "HEX", "a byte written to address HEX is stored inverted",
     [](SimOptions& o, const std::string& v) { o.faults.corruptWrite = number(v, 16); }},
    {"--stop-after", "K", "frames after K are not heard",
     [](SimOptions& o, const std::string& v) { o.faults.stopAfterFrame = number(v, 10); }},
    {"--hangup-after", "K", "the line goes dead after frame K",
     [](SimOptions& o, const std::string& v) { o.faults.hangUpAfterFrame = number(v, 10); }},
    {"--reply-delay", "MS", "wait MS milliseconds before each reply",
     [](SimOptions& o, const std::string& v) { o.replyDelay = Millis(number(v, 10)); }},
};

}  // namespace

void declareSimOptions(CLI::App& app, SimOptions& options) {
  for (const ValueOption& option : kValueOptions) {
    app.add_option_function<std::string>(
           option.name, [&options, &option](const std::string& v) { option.set(options, v); },
           option.description)
        ->type_name(option.typeName);
  }
  app.add_flag("--mute", options.faults.mute, "never answer");
}

}  // namespace q7::sim
