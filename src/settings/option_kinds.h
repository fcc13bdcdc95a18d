#pragma once
// The storage kinds of the option pages, described as data and applied by
// generic code. Most options are a list whose position is stored in a run of
// bits (plain, plus a constant, through a table, one-hot, nibble) or a check box
// bound to one bit (some inverted). A page describes each of its options once
// in a table of ListOption and FlagOption rows and adds them to the model.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "settings/option_pages.h"

namespace q7 {

// A run of bits of one image byte; the value is read and written shifted down
// to bit 0, and the byte's other bits are never changed.
struct BitField {
  std::uint16_t address = 0;
  std::uint8_t mask = 0xFF;

  int read(const CodeplugImage& image) const;
  void write(CodeplugImage& image, int value) const;
};

// The mask of bit n (bit 0 the least significant).
constexpr std::uint8_t bit(int n) {
  return static_cast<std::uint8_t>(1u << n);
}

// How a list position is stored in its bit field.
class Coding {
 public:
  virtual ~Coding() = default;
  // The list position a stored value shows; -1 when it shows none.
  virtual int position(int value) const = 0;
  // The value to store for a position; `old` is the value stored before.
  virtual int value(int position, int old) const = 0;
};

// Stored value = position + offset.
class OffsetCoding : public Coding {
 public:
  explicit constexpr OffsetCoding(int offset) : offset_(offset) {}
  int position(int value) const override { return value - offset_; }
  int value(int position, int) const override { return position + offset_; }

 private:
  int offset_;
};

inline const OffsetCoding kPlainPosition{0};

// Position p is stored as codes[p].written and shown for every stored value in
// codes[p].low..codes[p].high; a position outside the table stores 0.
struct CodeRange {
  int written;
  int low;
  int high;
};

class TableCoding : public Coding {
 public:
  explicit constexpr TableCoding(std::span<const CodeRange> codes) : codes_(codes) {}
  int position(int value) const override;
  int value(int position, int old) const override;

 private:
  std::span<const CodeRange> codes_;
};

// Volumes: position p of the loudness scale is stored as the code at p of the
// volume sequence table.
class VolumeCoding : public Coding {
 public:
  int position(int value) const override;
  int value(int position, int old) const override;
};

inline const VolumeCoding kVolumeCoding;

// Numbered items: for n = first..last the number (scale·n + add) / 10^decimals
// with that many decimals, after the caption text prefixRow and `joint`, and
// before the caption text suffixRow (row -1 = nothing).
struct NumberItems {
  int first = 0;
  int last = -1;
  int scale = 1;
  int add = 0;
  int decimals = 0;
  int prefixRow = -1;
  const char* joint = "";
  int suffixRow = -1;
};

// A list's items: the caption rows firstRow .. firstRow + rowCount - 1, then
// the numbered items.
struct ItemList {
  int firstRow = -1;
  int rowCount = 0;
  NumberItems numbers{};
};

std::vector<std::string> buildItems(const ItemList& items, const CaptionTable& captions);

// The loading rule of an option without a validity check.
inline constexpr int kNoCheck = -1;

// Runs after an option's handler has written the image: the dependencies of
// the option (other controls enabled, values copied, tool tips).
using AfterWrite = void (*)(OptionPages& pages, std::string_view control);

// Items that depend on more than the captions (on the stored value, on a code table).
using ItemsFor = std::vector<std::string> (*)(const OptionPages& pages);

// A drop-down or list box. On loading, a stored value that shows no item of the
// list is replaced by `fallback` (written into the image) unless it is kNoCheck.
struct ListOption {
  std::string control;
  const char* frame = "";
  int labelRow = -1;
  BitField field{};
  ItemList items{};
  ItemsFor itemsFor = nullptr;  // replaces `items` when set
  const Coding* coding = &kPlainPosition;
  int fallback = kNoCheck;
  AfterWrite after = nullptr;
};

// A check box bound to one bit: checked = bit set, or bit clear when inverted.
struct FlagOption {
  std::string control;
  const char* frame = "";
  int labelRow = -1;
  BitField field{};
  bool inverted = false;
  AfterWrite after = nullptr;
};

// Adds the control with its handler and its load step (named after the control).
void addList(OptionPages& pages, const ListOption& option);
void addFlag(OptionPages& pages, const FlagOption& option);
// Adds only the control and its handler, for pages that load it themselves.
void addListControl(OptionPages& pages, const ListOption& option);

// The pieces, for pages with special loading or handlers.
ControlState listState(const ListOption& option);
void loadList(OptionPages& pages, const ListOption& option, std::vector<std::string> items);
void loadList(OptionPages& pages, const ListOption& option);
void writeList(OptionPages& pages, const ListOption& option);
void loadFlag(OptionPages& pages, const FlagOption& option);
void writeFlag(OptionPages& pages, const FlagOption& option);

}  // namespace q7
