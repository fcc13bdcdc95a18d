// A data file opened as the desktop program opens it: the loader, the display
// refresh with its corrections and the report of every channel and option.
#include "file_input.h"
#include "shell/codeplug_report.h"
#include "support/opened_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto path = q7::fuzz::inputFile(data, size);
  try {
    q7::test::OpenedFile opened(path, q7::kEnglish);
    q7::toJson(q7::codeplugReport(opened.editor, opened.state));
  } catch (const q7::Failure&) {
    // Refused as no data file: what a user sees for such a file.
  }
  return 0;
}
