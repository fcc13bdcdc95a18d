#pragma once
// The fuzzer's bytes as a file, for readers that take a path: one file per
// process in the temp folder, rewritten for every input.
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "foundation/error_report.h"

namespace q7::fuzz {

inline std::filesystem::path inputFile(const std::uint8_t* data, std::size_t size) {
  static const std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("q7fuzz-" + std::to_string(::getpid()));
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  // What earlier inputs reported is of no interest to this one.
  errorReporter().clear();
  return path;
}

}  // namespace q7::fuzz
