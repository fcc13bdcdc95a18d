// A serial number file as the import reads it, and the list items made of it.
#include "file_input.h"
#include "settings/serial_numbers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto serials = q7::readSerialNumbers(q7::fuzz::inputFile(data, size));
  for (std::size_t i = 0; i < serials.size(); ++i)
    q7::serialOfItem(q7::serialItemText(static_cast<int>(i + 1), serials[i]));
  return 0;
}
