// A data file opened as the desktop program opens it: the loader, the display
// refresh with its corrections and the report of every channel and option.
// The program itself (settings, captions, characters, template, channel
// window) is set up once per process, as start-up does it once per run.
#include "file_input.h"
#include "shell/codeplug_report.h"
#include "support/opened_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static q7::test::OpenedFile program(q7::kEnglish);
  const auto path = q7::fuzz::inputFile(data, size);
  try {
    program.open(path);
    q7::toJson(q7::codeplugReport(program.editor, program.state));
  } catch (const q7::Failure&) {
    // Refused as no data file: what a user sees for such a file.
  }
  return 0;
}
