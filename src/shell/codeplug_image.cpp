#include "shell/codeplug_image.h"

#include <algorithm>
#include <fstream>
#include <string_view>

#include "shell/atomic_file.h"
#include "shell/error_report.h"

namespace q7 {

inline constexpr int kInvalidFileFormat = 321;

CodeplugImage::CodeplugImage(std::size_t highestIndex)
    : bytes_(std::max(highestIndex + 1, kDataFileSize), 0) {}

std::uint16_t CodeplugImage::word(std::size_t address) const {
  return static_cast<std::uint16_t>((*this)[address] | ((*this)[address + 1] << 8));
}

void CodeplugImage::setWord(std::size_t address, std::uint16_t value) {
  (*this)[address] = static_cast<std::uint8_t>(value & 0xFF);
  (*this)[address + 1] = static_cast<std::uint8_t>(value >> 8);
}

void CodeplugImage::loadFileLayout(std::span<const std::uint8_t> fileBytes) {
  const std::size_t count = std::min(fileBytes.size(), bytes_.size());
  std::copy_n(fileBytes.begin(), count, bytes_.begin());
  std::copy(bytes_.begin() + 2 * kFileHeaderSize, bytes_.begin() + kDataFileSize,
            bytes_.begin() + kFileHeaderSize);
}

std::vector<std::uint8_t> CodeplugImage::toFileLayout() const {
  std::vector<std::uint8_t> file(kDataFileSize, 0xFF);
  std::copy(kFileIdentifier.begin(), kFileIdentifier.end(), file.begin());
  std::copy(bytes_.begin() + kFileIdentifier.size(), bytes_.begin() + kFileHeaderSize,
            file.begin() + kFileIdentifier.size());
  std::copy(bytes_.begin() + kFileHeaderSize, bytes_.begin() + kRadioSize,
            file.begin() + 2 * kFileHeaderSize);
  return file;
}

void CodeplugImage::markSaved() {
  std::copy(kFileIdentifier.begin(), kFileIdentifier.end(), bytes_.begin());
  std::copy(bytes_.begin() + kRadioSize - kFileHeaderSize, bytes_.begin() + kRadioSize,
            bytes_.begin() + kRadioSize);
}

std::vector<std::uint8_t> readImageFile(const std::filesystem::path& path, std::size_t count) {
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) throw Failure(err::kFileNotFound, path.string());
  // Only a regular file is a data file: a pipe or a device could block the
  // read or never end it.
  if (!std::filesystem::is_regular_file(path, ec)) throw Failure(err::kPathAccess, path.string());
  std::ifstream in(path, std::ios::binary);
  if (!in) throw Failure(err::kPermission, path.string());
  std::vector<std::uint8_t> bytes(count);
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(count));
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  if (bytes.size() < kDataFileSize) throw Failure(kInvalidFileFormat, path.string());
  return bytes;
}

void writeDataFile(const std::filesystem::path& path, const CodeplugImage& image) {
  const auto file = image.toFileLayout();
  const std::string_view content(reinterpret_cast<const char*>(file.data()), file.size());
  if (const int failure = writeFileAtomically(path, content)) {
    throw Failure(failure, path.string());
  }
}

}  // namespace q7
