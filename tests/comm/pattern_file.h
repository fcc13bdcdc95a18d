#pragma once
// Files for the tests that drive q7cli against q7sim: a file's bytes, and a
// data file whose every radio byte differs from its neighbours.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "foundation/codeplug_image.h"
#include "support/temp_dir.h"

namespace q7::test {

inline std::vector<std::uint8_t> fileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::string fileBytesText(const std::filesystem::path& path) {
  const auto bytes = fileBytes(path);
  return {bytes.begin(), bytes.end()};
}

// A data file whose every radio byte is distinct from its neighbours, with a
// valid model, a plausible band (400-470 MHz) and key bytes the write leaves as they are.
inline std::filesystem::path patternFile(const TempDir& dir) {
  CodeplugImage image;
  for (std::size_t i = 0; i < kRadioSize; ++i) image[i] = static_cast<std::uint8_t>(i * 13 + 7);
  const std::uint8_t fixed[] = {0x01, 0x02, 0x03, 0x04};
  std::copy(std::begin(fixed), std::end(fixed), image.bytes().begin() + 0x360);
  image[0x367] |= 0x01;
  image[0x379] = 0;  // the one model there is
  image[0x37A] = 0x40;
  image[0x37B] = 0x00;
  image[0x37C] = 0x47;
  image[0x37D] = 0x00;
  const auto path = dir / "pattern.dat";
  writeDataFile(path, image);
  return path;
}

}  // namespace q7::test
