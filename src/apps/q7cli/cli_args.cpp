#include "cli_args.h"

#include <unistd.h>

#include <filesystem>

#include "cli_streams.h"
#include "comm/port_names.h"
#include "foundation/memory_map.h"
#include "foundation/profile_file.h"

namespace q7::cli {
namespace {

// Empty when `text` is a radio address in hexadecimal, else why not.
std::string checkAddress(const std::string& text) {
  long value = 0;
  if (!parseHex(text, value)) return "not a hexadecimal address: " + text;
  if (value < 0 || value > map::kHighestAddress)
    return "past the radio's memory (000..3FF): " + text;
  return {};
}

// Empty when `text` may name a port: a port number of the list, or a device path.
std::string checkPort(const std::string& text) {
  if (text.empty())
    return "the port is empty: give a port number (\"q7cli ports\" lists them) or a serial "
           "device path";
  if (text.find_first_not_of("0123456789") != std::string::npos) return {};
  const auto digits = text.find_first_not_of('0');
  const std::string number = digits == std::string::npos ? "0" : text.substr(digits);
  if (number.size() <= 2 && std::stoi(number) >= kLowestPort && std::stoi(number) <= kHighestPort)
    return {};
  return "port " + text + " is out of range: port numbers are " + std::to_string(kLowestPort) +
         " to " + std::to_string(kHighestPort) + " (\"q7cli ports\" lists them)";
}

// A stream or a device is written where it stands; a file needs a folder it can be saved in.
std::string checkOutputFile(const std::string& text) {
  namespace fs = std::filesystem;
  if (streamDescriptor(text, true)) return {};
  const fs::path path(text);
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  if (fs::is_directory(status)) return text + " is a folder";
  if (fs::exists(status) && !fs::is_regular_file(status)) return {};
  const fs::path folder = path.parent_path().empty() ? fs::path(".") : path.parent_path();
  if (!fs::is_directory(folder, ec)) return "no such folder: " + folder.string();
  if (::access(folder.c_str(), W_OK) != 0) return "cannot write into the folder " + folder.string();
  return {};
}

void addAddress(CLI::App& verb, const std::string& name, std::optional<long>& target,
                const std::string& description) {
  verb.add_option_function<std::string>(
          name,
          [&target](const std::string& text) {
            long value = 0;
            parseHex(text, value);
            target = value;
          },
          description)
      ->type_name("HEX")
      ->check(CLI::Validator([](std::string& text) { return checkAddress(text); }, "", "address"));
}

}  // namespace

const char* const kHelpFooter =
    "P is a port number (see \"q7cli ports\") or a serial device path.\n"
    "Exit status: 0 success, 1 transfer failed, 2 usage or file error,\n"
    "3 written but the read-back differs, 130 stopped.";

CLI::App* addVerb(CLI::App& app, const std::string& name, const std::string& description) {
  CLI::App* verb = app.add_subcommand(name, description);
  verb->footer(kHelpFooter);
  return verb;
}

void addRadioOptions(CLI::App& verb, RadioOptions& options, PortCount ports) {
  CLI::Option* port =
      verb.add_option("--port", options.ports,
                      ports == PortCount::One ? "port number or serial device"
                                              : "port number or serial device; with --serials "
                                                "it may be given again for more ports at once")
          ->type_name("P")
          ->check(CLI::Validator([](std::string& text) { return checkPort(text); }, "", "port"))
          ->allow_extra_args(false)  // one value each time, so FILE is not taken for a port
          ->required();
  if (ports == PortCount::One) port->expected(1);
  addAddress(verb, "--start", options.start, "first address of the range (default: settings)");
  addAddress(verb, "--end", options.end, "last address of the range (default: settings)");
  verb.add_option("--trace", options.trace, "write the traffic log to FILE")
      ->type_name("FILE")
      ->check(outputFile());
  verb.add_flag("--no-backup", options.noBackup, "keep no backup of the radio's memory");
  verb.add_option("--backup-folder", options.backupFolder,
                  "where backups go (default: Data/Backups beside the program)")
      ->type_name("DIR");
}

void addVerifyOption(CLI::App& verb, RadioOptions& options) {
  verb.add_flag("--no-verify", options.noVerify, "skip the read-back check after the write");
}

void addOutputOption(CLI::App& verb, std::string& output, const std::string& description,
                     const std::string& typeName) {
  verb.add_option("-o,--output", output, description + " (- for standard output)")
      ->type_name(typeName)
      ->required()
      ->check(outputFile());
}

const CLI::Validator& outputFile() {
  static const CLI::Validator validator([](std::string& text) { return checkOutputFile(text); }, "",
                                        "output file");
  return validator;
}

void saveDataFile(const std::string& path, const CodeplugImage& image) {
  const auto file = image.toFileLayout();
  writeOutput(path, std::string_view(reinterpret_cast<const char*>(file.data()), file.size()));
}

void saveTextFile(const std::string& path, const std::string& text) {
  writeOutput(path, text);
}

std::string readTextFile(const std::string& path) {
  return readInput(path);
}

}  // namespace q7::cli
