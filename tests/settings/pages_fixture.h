#pragma once
// The option pages of every page over an image of the test's own, in English.
#include <cstdint>
#include <string>

#include "settings/option_pages.h"

namespace q7::test {

struct Pages {
  CodeplugImage image;
  CaptionTable captions{kEnglish};
  OptionPages pages{image, captions};

  explicit Pages(std::uint8_t fill = 0x00) {
    for (std::uint8_t& b : image.bytes()) b = fill;
  }
  // The item a list shows; "" without a selection.
  std::string shown(const std::string& list) const {
    const ControlState& state = pages.control(list);
    return state.selected < 0 ? std::string()
                              : state.items.at(static_cast<std::size_t>(state.selected));
  }
};

}  // namespace q7::test
