#include "foundation/file_kind.h"

#include "foundation/codeplug_image.h"

#include <algorithm>
#include <string_view>

namespace q7 {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The length of the UTF-8 sequence a lead byte starts; 0 for a byte no sequence starts with.
int sequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

bool isTextByte(unsigned char byte) {
  return byte >= 0x20 ? byte != 0x7F : byte == '\t' || byte == '\r' || byte == '\n';
}

bool isText(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const int length = sequenceLength(lead);
    if (length == 0) return false;
    if (i + static_cast<std::size_t>(length) > text.size()) return true;  // cut at the end
    if (length == 1 && !isTextByte(lead)) return false;
    for (int k = 1; k < length; ++k)
      if ((static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]) & 0xC0) != 0x80)
        return false;
    i += static_cast<std::size_t>(length);
  }
  return true;
}

std::string_view firstLine(std::string_view text) {
  while (text.starts_with('#') || text.starts_with('\n') || text.starts_with('\r')) {
    const std::size_t end = text.find('\n');
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
  }
  return text.substr(0, text.find_first_of("\r\n"));
}

bool isChannelTable(std::string_view text) {
  const std::string_view line = firstLine(text);
  if (line.find("Location") != std::string_view::npos ||
      line.find("Frequency") != std::string_view::npos)
    return true;
  const std::size_t separator = line.find_first_of(",\t");
  const std::string_view first = line.substr(0, separator);
  return separator != std::string_view::npos && !first.empty() &&
         std::all_of(first.begin(), first.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

FileKind recognizeFile(std::span<const std::uint8_t> bytes) {
  std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  if (text.empty() || !isText(text)) return FileKind::kDataFile;
  const std::size_t start = text.find_first_not_of(" \t\r\n");
  if (start != std::string_view::npos && text[start] == '{') return FileKind::kFleetFile;
  if (isChannelTable(text)) return FileKind::kChannelTable;
  // Text is lines; a data file's length of printable bytes without a line
  // break may still be an image (a file of one repeated byte opens as it
  // always has).
  const bool lines = text.find('\n') != std::string_view::npos;
  return lines || bytes.size() < kDataFileSize ? FileKind::kText : FileKind::kDataFile;
}

FileKind recognizeFile(const std::string& bytes) {
  return recognizeFile(
      std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
}

}  // namespace q7
