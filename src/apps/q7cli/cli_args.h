#pragma once
// What the q7cli verbs share on their command lines: the exit codes, the
// options of a transfer (port, range, trace) and the checks of the files a
// verb will write, all declared on the verb's CLI11 command so that a wrong
// command line ends before anything is opened.
#include <CLI/CLI.hpp>
#include <optional>
#include <string>
#include <vector>

#include "foundation/codeplug_image.h"

namespace q7::cli {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitTransferFailed = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitNotVerified = 3;
inline constexpr int kExitStopped = 130;

// The help text's last lines: what P means and the exit codes.
extern const char* const kHelpFooter;

struct RadioOptions {
  std::vector<std::string> ports;  // one, or several for a batch
  std::optional<long> start;
  std::optional<long> end;
  std::string trace;
  bool appendTrace = false;  // each radio of a batch adds its traffic
  bool noBackup = false;
  bool noVerify = false;
  std::string backupFolder;
};

// A verb's command, with the help footer.
CLI::App* addVerb(CLI::App& app, const std::string& name, const std::string& description);

// Whether --port may be given several times.
enum class PortCount { One, Several };

// --port P (required), --start HEX and --end HEX (000..3FF), --trace FILE,
// --no-backup and --backup-folder DIR.
void addRadioOptions(CLI::App& verb, RadioOptions& options, PortCount ports = PortCount::One);
// --no-verify: a write without the read-back check.
void addVerifyOption(CLI::App& verb, RadioOptions& options);

// A file the verb will write: "-" (standard output), a stream or a device
// written where it stands, or a file whose folder exists and is writable.
const CLI::Validator& outputFile();
// The verb's required -o/--output file, checked as outputFile().
void addOutputOption(CLI::App& verb, std::string& output, const std::string& description,
                     const std::string& typeName);

// Saves `image` as the data file `path` (an output as cli_streams.h takes
// it); a failure throws std::runtime_error with one line that names the
// path and the cause.
void saveDataFile(const std::string& path, const CodeplugImage& image);
// Writes a text output; a failure throws as saveDataFile does.
void saveTextFile(const std::string& path, const std::string& text);
// The whole of a regular file or of standard input ("-"); throws
// std::runtime_error with one line ("radio.json: no such file") when it
// cannot be read.
std::string readTextFile(const std::string& path);

}  // namespace q7::cli
