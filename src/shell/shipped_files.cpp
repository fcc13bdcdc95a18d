#include "shell/shipped_files.h"

namespace q7 {
namespace {

constexpr std::uint8_t kSettings[] = {
#include "shipped/corvane.def.inc"
};

constexpr std::uint8_t kTemplate[] = {
#include "shipped/dhcpqec.def.inc"
};

}  // namespace

std::string builtInSettings() {
  return std::string(std::begin(kSettings), std::end(kSettings));
}

std::span<const std::uint8_t> builtInTemplate() {
  return kTemplate;
}

}  // namespace q7
