#include "settings/option_kinds.h"

#include <bit>

#include "channels/decimal_text.h"
#include "settings/volume_table.h"

namespace q7 {

namespace {

int shiftOf(std::uint8_t mask) {
  return mask == 0 ? 0 : std::countr_zero(mask);
}

bool showsItem(int position, const ControlState& state) {
  return position >= 0 && position < static_cast<int>(state.items.size());
}

}  // namespace

int BitField::read(const CodeplugImage& image) const {
  return image.bits(address, mask) >> shiftOf(mask);
}

void BitField::write(CodeplugImage& image, int value) const {
  image.setBits(address, mask, static_cast<std::uint8_t>(value << shiftOf(mask)));
}

int TableCoding::position(int value) const {
  for (std::size_t p = 0; p < codes_.size(); ++p) {
    if (value >= codes_[p].low && value <= codes_[p].high) return static_cast<int>(p);
  }
  return -1;
}

int TableCoding::value(int position, int) const {
  if (position < 0 || position >= static_cast<int>(codes_.size())) return 0;
  return codes_[static_cast<std::size_t>(position)].written;
}

int VolumeCoding::position(int value) const {
  return volumeDatToSeq(static_cast<std::uint8_t>(value));
}

int VolumeCoding::value(int position, int) const {
  return volumeCode(position);
}

std::vector<std::string> buildItems(const ItemList& items, const CaptionTable& captions) {
  std::vector<std::string> texts;
  for (int row = items.firstRow; row >= 0 && row < items.firstRow + items.rowCount; ++row)
    texts.push_back(captions(row));
  const NumberItems& n = items.numbers;
  const std::string prefix = n.prefixRow >= 0 ? captions(n.prefixRow) + n.joint : n.joint;
  const std::string suffix = n.suffixRow >= 0 ? captions(n.suffixRow) : std::string();
  for (int i = n.first; i <= n.last; ++i)
    texts.push_back(prefix + decimalText(n.scale * i + n.add, n.decimals, TrailingZeros::Kept) +
                    suffix);
  return texts;
}

ControlState listState(const ListOption& option) {
  ControlState state;
  state.kind = ControlKind::List;
  state.frame = option.frame;
  state.labelRow = option.labelRow;
  return state;
}

void loadList(OptionPages& pages, const ListOption& option, std::vector<std::string> items) {
  pages.fill(option.control, std::move(items));
  int value = option.field.read(pages.image());
  if (option.fallback != kNoCheck &&
      !showsItem(option.coding->position(value), pages.control(option.control))) {
    option.field.write(pages.image(), option.fallback);
    value = option.fallback;
  }
  pages.select(option.control, option.coding->position(value));
}

void loadList(OptionPages& pages, const ListOption& option) {
  loadList(pages, option,
           option.itemsFor ? option.itemsFor(pages) : buildItems(option.items, pages.captions()));
}

void writeList(OptionPages& pages, const ListOption& option) {
  const int position = pages.control(option.control).selected;
  const int old = option.field.read(pages.image());
  option.field.write(pages.image(), option.coding->value(position, old));
  if (option.after) option.after(pages, option.control);
}

void loadFlag(OptionPages& pages, const FlagOption& option) {
  const bool bitSet = option.field.read(pages.image()) != 0;
  pages.check(option.control, bitSet != option.inverted);
}

void writeFlag(OptionPages& pages, const FlagOption& option) {
  const bool bitSet = pages.control(option.control).checked != option.inverted;
  option.field.write(pages.image(), bitSet ? 1 : 0);
  if (option.after) option.after(pages, option.control);
}

void addListControl(OptionPages& pages, const ListOption& option) {
  pages.addControl(option.control, listState(option),
                   [option](OptionPages& p) { writeList(p, option); });
}

void addList(OptionPages& pages, const ListOption& option) {
  addListControl(pages, option);
  pages.addLoadStep(option.control, [option](OptionPages& p) { loadList(p, option); });
}

void addFlag(OptionPages& pages, const FlagOption& option) {
  ControlState state;
  state.kind = ControlKind::Check;
  state.frame = option.frame;
  state.labelRow = option.labelRow;
  pages.addControl(option.control, std::move(state),
                   [option](OptionPages& p) { writeFlag(p, option); });
  pages.addLoadStep(option.control, [option](OptionPages& p) { loadFlag(p, option); });
}

}  // namespace q7
