#pragma once
// What differs between two images, named as the windows show them: the two
// images' reports (the report "show" prints) compared entry by entry, then the
// bytes whose difference no entry of the report shows, as addresses with
// their old and new byte.
#include <string>
#include <vector>

#include "foundation/app_state.h"
#include "foundation/codeplug_image.h"
#include "shell/report_value.h"

namespace q7 {

struct NamedChange {
  std::string name;  // "channel 3 RX frequency", "Time-out Timer[s]"
  std::string before;
  std::string after;
};

struct ByteChange {
  int address;
  std::uint8_t before;
  std::uint8_t after;
};

struct ImageDifferences {
  std::vector<NamedChange> fields;
  std::vector<ByteChange> bytes;
  bool empty() const { return fields.empty() && bytes.empty(); }
};

// Opens both images as the desktop program opens a file, over the settings,
// captions and template of `like`, and compares what they show. Opening them
// reports nothing to the error list.
ImageDifferences compareImages(const AppState& like, const CodeplugImage& before,
                               const CodeplugImage& after);

// One line per change: "name old -> new", then "0x1A5 12 -> 34".
std::string toPlainText(const ImageDifferences& differences);
// {"fields": [{"name", "before", "after"}...], "bytes": [{"address", ...}]}.
ReportValue toReport(const ImageDifferences& differences);

}  // namespace q7
