#pragma once
// One radio's write as "q7cli write" does it: the opened data file sent with
// the desktop program's hooks, the radio's memory backed up first and the
// written range read back after, as the settings and options say. A batch
// writes each of its radios this way.
#include <string>

#include "cli_editor.h"
#include "cli_radio.h"

namespace q7::cli {

// How the write of one radio ended, in the batch log's words.
struct RadioWriteResult {
  int exitCode = kExitSuccess;
  std::string result;  // "written" or "failed: " and the cause
  std::string verify;  // "verified", "differs at 0x..." or "skipped"
};

// Writes the image of `opened` (the data file `fileName`) into the radio on
// `port`, telling `output` how it goes.
RadioWriteResult writeRadio(CliEditor& opened, const std::string& fileName,
                            const RadioOptions& options, const std::string& port,
                            RadioOutput output = {});

}  // namespace q7::cli
