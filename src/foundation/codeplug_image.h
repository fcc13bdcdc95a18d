#pragma once
// The codeplug image: the radio's 1 KiB configuration memory, indexed by radio
// address (0x000..0x3FF), with spare room up to index 1039 for the data file
// layout. A data file (.dat) is 1040 bytes: the identifier "QM5128", image
// bytes 6..15, sixteen 0xFF bytes, then radio addresses 0x010..0x3FF, so that
// file offset = address + 16 for the radio's own bytes.
#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace q7 {

inline constexpr std::size_t kRadioSize = 1024;     // radio addresses 0x000..0x3FF
inline constexpr std::size_t kDataFileSize = 1040;  // data file and minimum image size
inline constexpr std::size_t kFileHeaderSize = 16;
inline constexpr std::array<std::uint8_t, 6> kFileIdentifier = {'Q', 'M', '5', '1', '2', '8'};

// The order of the bytes of a multi-byte number in the image or a frame.
enum class ByteOrder { LowFirst, HighFirst };

// `value` as `digits` packed BCD digits in digits / 2 bytes, in the given
// order; digits beyond `digits` are dropped.
std::vector<std::uint8_t> packBcd(std::uint32_t value, int digits, ByteOrder order);

class CodeplugImage {
 public:
  // An image with indices 0..highestIndex (never fewer than 1040 bytes).
  explicit CodeplugImage(std::size_t highestIndex = kDataFileSize - 1);

  std::uint8_t& operator[](std::size_t index) { return bytes_.at(index); }
  std::uint8_t operator[](std::size_t index) const { return bytes_.at(index); }
  std::uint8_t at(std::size_t index) const { return bytes_.at(index); }
  std::size_t size() const { return bytes_.size(); }
  std::span<std::uint8_t> bytes() { return bytes_; }
  std::span<const std::uint8_t> bytes() const { return bytes_; }

  // 16-bit value stored low byte first.
  std::uint16_t word(std::size_t address) const;
  void setWord(std::size_t address, std::uint16_t value);

  // A number of `digits` packed BCD digits (two a byte, high nibble first in
  // each byte) from `digits` / 2 bytes at `address` in the given order. The
  // digits are weighted as they stand, also nibbles above 9; isBcd tells
  // whether every nibble is a decimal digit.
  std::uint32_t bcd(std::size_t address, int digits, ByteOrder order) const;
  bool isBcd(std::size_t address, int digits) const;
  void setBcd(std::size_t address, int digits, std::uint32_t value, ByteOrder order);

  // The bits of `mask` at `address`, in place; setBits changes only those bits.
  std::uint8_t bits(std::size_t address, std::uint8_t mask) const { return at(address) & mask; }
  void setBits(std::size_t address, std::uint8_t mask, std::uint8_t bits);

  // Replaces the content with the file bytes (in file layout) and moves them
  // into image layout: indices 16..1023 take file offsets 32..1039.
  void loadFileLayout(std::span<const std::uint8_t> fileBytes);
  // The 1040 bytes a data file holds for this image; the image is not touched.
  std::vector<std::uint8_t> toFileLayout() const;
  // What a successful save leaves in the image: the identifier in 0..5 and a
  // copy of 1008..1023 in the spare bytes 1024..1039.
  void markSaved();

  bool operator==(const CodeplugImage&) const = default;

 private:
  std::vector<std::uint8_t> bytes_;
};

// Reads a data, template or defaults file: its first `count` bytes. Throws
// Failure (file not found; path access for anything but a regular file, such
// as a folder, a pipe or a device) when it cannot be read and a Failure
// numbered 321 (invalid file format) when it is shorter than a data file.
std::vector<std::uint8_t> readImageFile(const std::filesystem::path& path, std::size_t count);
// Writes the data file for `image` in one step; throws Failure on any failure,
// leaving the old file as it was.
void writeDataFile(const std::filesystem::path& path, const CodeplugImage& image);

}  // namespace q7
