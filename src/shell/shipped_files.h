#pragma once
// Copies of the files shipped beside the program, built into it: the settings
// file laid down when none exists, and the blank template that stands in when
// the template file is missing.
#include <cstdint>
#include <span>
#include <string>

namespace q7 {

std::string builtInSettings();
std::span<const std::uint8_t> builtInTemplate();

}  // namespace q7
