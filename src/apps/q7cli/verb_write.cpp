// "q7cli write": a data file into the radio, sending what the desktop program
// sends after opening the file and choosing Write: the file is opened in the
// editor (with the refresh's corrections), the channel table and the key
// lists are committed when the port is open, and the band is the one the
// editor selected from the file. Before the write the radio's memory is read
// and kept as a backup; after it the written range is read back and compared.
// With --serials it writes a batch of radios, one serial number each.
#include <memory>

#include "batch_log.h"
#include "cli_editor.h"
#include "radio_batch.h"
#include "radio_write.h"
#include "settings/serial_numbers.h"
#include "verbs.h"

namespace q7::cli {
namespace {

struct WriteOptions {
  RadioOptions radio;
  std::string input;
  std::string serials;
  std::string log;
};

int runBatchWrite(const WriteOptions& options) {
  CliEditor{options.input, kEnglish};  // a file that is no data file ends here, before any port

  BatchPlan plan{
      options.input, readSerialNumbers(options.serials),
      options.log.empty() ? defaultBatchLog(options.input) : std::filesystem::path(options.log),
      options.radio};
  if (plan.serials.empty())
    throw std::invalid_argument("no serial numbers in " + options.serials +
                                " (section [SerialNo], keys 1, 2, ...)");
  return runBatch(plan);
}

int runWrite(const WriteOptions& options) {
  if (!options.serials.empty()) return runBatchWrite(options);
  if (options.radio.ports.size() > 1)
    throw std::invalid_argument("--port is given once, unless --serials names a batch");
  const InterruptScope interrupts(1);
  CliEditor opened(options.input, kEnglish);
  return writeRadio(opened, options.input, options.radio, options.radio.ports.front()).exitCode;
}

}  // namespace

Verb declareWrite(CLI::App& app) {
  auto options = std::make_shared<WriteOptions>();
  CLI::App* verb = addVerb(app, "write", "write a data file into the radio");
  addRadioOptions(*verb, options->radio, PortCount::Several);
  addVerifyOption(*verb, options->radio);
  verb->add_option("file", options->input, "the data file to write into the radio")
      ->type_name("FILE.dat")
      ->required();
  CLI::Option* serials =
      verb->add_option("--serials", options->serials,
                       "a batch: one radio per serial number of FILE ([SerialNo] 1=..., 2=...), "
                       "each in information line 1")
          ->type_name("FILE")
          ->check(CLI::Validator(CLI::ExistingFile).description(""));
  verb->add_option("--log", options->log,
                   "the batch's log (CSV; default: batch-log.csv beside the data file)")
      ->type_name("FILE.csv")
      ->check(outputFile())
      ->needs(serials);
  return {verb, [options] { return runWrite(*options); }};
}

}  // namespace q7::cli
