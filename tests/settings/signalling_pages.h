#pragma once
// The DTMF, two-tone and Embedded Msg pages over an image of the test's own,
// in English.
#include <cstdint>
#include <string>
#include <vector>

#include "pages_fixture.h"

namespace q7::test {

inline constexpr PageRegistration kSignallingPages[] = {addDtmfPage, addTwoTonePage,
                                                        addEmbeddedMsgPage};

struct SignallingPages : Pages {
  explicit SignallingPages(std::uint8_t fill = 0x00) : Pages(fill, kSignallingPages) {}
  const std::string& text(const std::string& box) const { return pages.control(box).text; }
  // The position of an item text in a list (-1 when absent).
  int positionOf(const std::string& list, const std::string& item) const {
    const auto& items = pages.control(list).items;
    for (std::size_t i = 0; i < items.size(); ++i) {
      if (items[i] == item) return static_cast<int>(i);
    }
    return -1;
  }
  void chooseItem(const std::string& list, const std::string& item) {
    pages.choose(list, positionOf(list, item));
  }
  std::vector<int> bytes(std::size_t address, std::size_t count) const {
    std::vector<int> out;
    for (std::size_t i = 0; i < count; ++i) out.push_back(image[address + i]);
    return out;
  }
};

}  // namespace q7::test
