#pragma once
// What a file a user hands the program holds, found from its bytes alone:
// a data file (the radio's image), a fleet file (a JSON object), a channel
// table (delimited text with a Location or Frequency column) or other text.
// Whatever is not a data file must never be opened as one nor reach a radio.
#include <cstdint>
#include <span>
#include <string>

#include "foundation/error_report.h"

namespace q7 {

enum class FileKind { kDataFile, kFleetFile, kChannelTable, kText };

// Text is valid UTF-8 (after an optional byte order mark) with no control
// bytes but tab, CR and LF; a fleet file is text whose first character
// other than white space is '{'; a channel table is text whose first line
// that is not a '#' remark names a Location or a Frequency column, or whose
// first field is a channel number followed by a separator; other text has a
// line break or is shorter than a data file. Any other bytes are a data file
// (its length is checked where it is read). `bytes` may be the file's first
// part only: a character cut at its end counts as text.
FileKind recognizeFile(std::span<const std::uint8_t> bytes);
FileKind recognizeFile(const std::string& bytes);

// What readImageFile throws for a file that holds something else; its
// number is err::kInvalidFileFormat, so a caller that looks no further takes
// it as a wrong file.
class NotADataFile : public Failure {
 public:
  NotADataFile(FileKind kind, std::string path)
      : Failure(err::kInvalidFileFormat, std::move(path)), kind_(kind) {}
  FileKind kind() const { return kind_; }

 private:
  FileKind kind_;
};

}  // namespace q7
