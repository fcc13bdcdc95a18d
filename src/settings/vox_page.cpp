#include "settings/vox_page.h"

#include <cmath>

#include "settings/option_kinds.h"
#include "settings/page_list.h"
#include "settings/settings_caption_rows.h"
#include "settings/validity_marker.h"

namespace q7 {

namespace {

constexpr const char* kFrame = "fraSysSet3";
constexpr const char* kLevelArray = "cboVoxCmpDat";
constexpr const char* kDefaultButton = "cmdVoxCmpDefault";
constexpr int kLowestCalibratedFirstLevel = 20;

const ListOption kLists[] = {
    {.control = "cboVoxLevel",
     .frame = kFrame,
     .labelRow = 231,
     .field = {0x13A},
     .items = {.firstRow = 295, .rowCount = 1, .numbers = {.first = 1, .last = 10}},
     .fallback = 0},
    {.control = "cboVoxDly",
     .frame = kFrame,
     .labelRow = 232,
     .field = {0x13B},
     .items = {.firstRow = 296, .rowCount = 6},
     .fallback = 3},
    {.control = "cboVoxRxForbid",
     .frame = kFrame,
     .labelRow = 233,
     .field = {0x138, bit(0)},
     .items = {.firstRow = 302, .rowCount = 2}},
};

const FlagOption kFlags[] = {
    {.control = "chkAnVoxOnOff", .frame = kFrame, .labelRow = 234, .field = {0x36C, bit(3)}},
    {.control = "chkNoMicEnableVox", .frame = kFrame, .labelRow = 397, .field = {0x36A, bit(7)}},
};

void levelChosen(OptionPages& pages, std::string_view control) {
  pages.setToolTip(control, voxLevelTip(pages.control(control).selected));
}

ListOption levelOption(int q) {
  return {.control = elementName(kLevelArray, q),
          .frame = kFrame,
          .labelRow = 401,
          .field = {static_cast<std::uint16_t>(kVoxLevelBase + static_cast<std::size_t>(q))},
          .after = levelChosen};
}

void restoreFactoryLevels(OptionPages& pages) {
  for (int q = 1; q <= kVoxLevels; ++q)
    pages.select(elementName(kLevelArray, q), kFactoryVoxLevels[static_cast<std::size_t>(q - 1)]);
  pages.image()[kVoxLevelMarker] = kBlockInUse;
}

// Valid levels are shown (a level above 180 becomes 180); without the marker
// the factory levels are written.
void loadLevels(OptionPages& pages) {
  if (pages.image()[kVoxLevelMarker] != kBlockInUse) {
    restoreFactoryLevels(pages);
    return;
  }
  for (int q = 1; q <= kVoxLevels; ++q) {
    std::uint8_t& level = pages.image()[kVoxLevelBase + static_cast<std::size_t>(q)];
    if (level > kHighestVoxLevel) level = kHighestVoxLevel;
    pages.select(elementName(kLevelArray, q), level);
  }
}

// The ten level lists hold "0" .. "180" from the start; each is labelled with
// its level number ("1" .. "10" in English, "1级" .. "10级" in Chinese).
void addLevels(OptionPages& pages) {
  const ItemList items{.numbers = {.first = 0, .last = kHighestVoxLevel}};
  for (int q = 1; q <= kVoxLevels; ++q) {
    const ListOption option = levelOption(q);
    ControlState state = listState(option);
    state.label = std::to_string(q) + pages.captions()(row::kVoxLevelSuffix);
    pages.addControl(option.control, std::move(state),
                     [option](OptionPages& p) { writeList(p, option); });
    pages.fill(option.control, buildItems(items, pages.captions()));
  }
  pages.addLoadStep(kLevelArray, loadLevels);

  ControlState button;
  button.kind = ControlKind::Button;
  button.frame = kFrame;
  button.labelRow = 403;
  pages.addControl(kDefaultButton, std::move(button), restoreFactoryLevels);
}

}  // namespace

std::string voxLevelTip(int level) {
  return std::to_string(std::lround(level / 255.0 * 3300)) + "mv";
}

void checkVoxCalibration(OptionPages& pages) {
  const CodeplugImage& image = pages.image();
  if (image[kVoxLevelBase + 1] < kLowestCalibratedFirstLevel ||
      image[kVoxLevelBase + kVoxLevels] > kHighestVoxLevel)
    restoreFactoryLevels(pages);
}

void addVoxPage(OptionPages& pages) {
  for (const ListOption& option : kLists) addList(pages, option);
  for (const FlagOption& option : kFlags) addFlag(pages, option);
  addLevels(pages);
}

}  // namespace q7
