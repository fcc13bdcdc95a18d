#include "foundation/codeplug_image.h"

#include <algorithm>
#include <fstream>
#include <string_view>

#include "foundation/atomic_file.h"
#include "foundation/error_report.h"
#include "foundation/file_kind.h"

namespace q7 {

CodeplugImage::CodeplugImage(std::size_t highestIndex)
    : bytes_(std::max(highestIndex + 1, kDataFileSize), 0) {}

std::uint16_t CodeplugImage::word(std::size_t address) const {
  return static_cast<std::uint16_t>((*this)[address] | ((*this)[address + 1] << 8));
}

void CodeplugImage::setWord(std::size_t address, std::uint16_t value) {
  (*this)[address] = static_cast<std::uint8_t>(value & 0xFF);
  (*this)[address + 1] = static_cast<std::uint8_t>(value >> 8);
}

std::vector<std::uint8_t> packBcd(std::uint32_t value, int digits, ByteOrder order) {
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(digits / 2));
  for (auto b = bytes.rbegin(); b != bytes.rend(); ++b) {
    *b = static_cast<std::uint8_t>((value / 10 % 10) << 4 | value % 10);
    value /= 100;
  }
  if (order == ByteOrder::LowFirst) std::reverse(bytes.begin(), bytes.end());
  return bytes;
}

std::uint32_t CodeplugImage::bcd(std::size_t address, int digits, ByteOrder order) const {
  const std::size_t count = static_cast<std::size_t>(digits / 2);
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint8_t byte = at(address + (order == ByteOrder::HighFirst ? i : count - 1 - i));
    value = value * 100 + (byte >> 4) * 10 + (byte & 0x0F);
  }
  return value;
}

bool CodeplugImage::isBcd(std::size_t address, int digits) const {
  for (std::size_t i = 0; i < static_cast<std::size_t>(digits / 2); ++i) {
    const std::uint8_t byte = at(address + i);
    if ((byte >> 4) > 9 || (byte & 0x0F) > 9) return false;
  }
  return true;
}

void CodeplugImage::setBcd(std::size_t address, int digits, std::uint32_t value, ByteOrder order) {
  const auto packed = packBcd(value, digits, order);
  for (std::size_t i = 0; i < packed.size(); ++i) bytes_.at(address + i) = packed[i];
}

void CodeplugImage::setBits(std::size_t address, std::uint8_t mask, std::uint8_t bits) {
  std::uint8_t& byte = bytes_.at(address);
  byte = static_cast<std::uint8_t>((byte & ~mask) | (bits & mask));
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
  if (const FileKind kind = recognizeFile(bytes); kind != FileKind::kDataFile)
    throw NotADataFile(kind, path.string());
  if (bytes.size() < kDataFileSize) throw Failure(err::kInvalidFileFormat, path.string());
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
