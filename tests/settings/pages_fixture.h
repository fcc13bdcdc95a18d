#pragma once
// The option pages over an image of the test's own, in English: every page,
// or the pages a test names.
#include <gtest/gtest.h>

#include <cstdint>
#include <span>
#include <string>

#include "settings/option_pages.h"
#include "settings/page_list.h"

namespace q7::test {

struct Pages {
  CodeplugImage image;
  CaptionTable captions{kEnglish};
  OptionPages pages;

  explicit Pages(std::uint8_t fill = 0x00) : pages(image, captions) { fillWith(fill); }
  Pages(std::uint8_t fill, std::span<const PageRegistration> registrations)
      : pages(image, captions, registrations) {
    fillWith(fill);
  }
  // The item a list shows; "" without a selection.
  std::string shown(const std::string& list) const {
    const ControlState& state = pages.control(list);
    return state.selected < 0 ? std::string()
                              : state.items.at(static_cast<std::size_t>(state.selected));
  }

 private:
  void fillWith(std::uint8_t fill) {
    for (std::uint8_t& b : image.bytes()) b = fill;
  }
};

// One byte as loading finds it: the list shows `shown` and the byte reads
// `after` once the pages were loaded.
struct LoadCase {
  const char* control;
  std::uint16_t address;
  std::uint8_t stored;
  const char* shown;
  std::uint8_t after;
};

// Each case on fresh pages of its own.
template <class Fixture = Pages>
void expectLoads(std::span<const LoadCase> cases) {
  for (const LoadCase& c : cases) {
    Fixture t;
    t.image[c.address] = c.stored;
    t.pages.initOpt();
    EXPECT_EQ(t.shown(c.control), c.shown) << c.control << " " << int(c.stored);
    EXPECT_EQ(t.image[c.address], c.after) << c.control << " " << int(c.stored);
  }
}

}  // namespace q7::test
