#include "settings/key_page.h"

#include <array>
#include <memory>

#include "settings/flag_scope.h"
#include "settings/option_kinds.h"
#include "settings/page_list.h"
#include "settings/settings_caption_rows.h"

namespace q7 {

namespace {

constexpr const char* kFrame = "fraSysSet2";
// The text of function code c is caption row row::kFirstKeyFunction + c.
constexpr int kFunctionCount = 31;

// The function codes a list offers, in list order: never 14, 24, 25, 29 or 30,
// and code 9 (squelch off momentary) for a long press only.
template <std::size_t N>
constexpr std::array<CodeRange, N> offered(bool longPress) {
  std::array<CodeRange, N> codes{};
  std::size_t p = 0;
  for (int code = 0; code < kFunctionCount; ++code) {
    const bool never = code == 14 || code == 24 || code == 25 || code == 29 || code == 30;
    if (never || (code == 9 && !longPress)) continue;
    codes[p++] = {code, code, code};
  }
  return codes;
}

constexpr auto kShortPress = offered<25>(false);
constexpr auto kLongPress = offered<26>(true);
const TableCoding kShortCoding{kShortPress};
const TableCoding kLongCoding{kLongPress};

template <const auto& codes>
std::vector<std::string> functionItems(const OptionPages& pages) {
  std::vector<std::string> items;
  for (const CodeRange& code : codes)
    items.push_back(pages.captions()(row::kFirstKeyFunction + code.written));
  return items;
}

// A function byte the list does not offer is reset to "1--Off" on loading.
const ListOption kKeyLists[] = {
    {.control = "listSk1Short",
     .frame = kFrame,
     .labelRow = 227,
     .field = {0x360},
     .itemsFor = functionItems<kShortPress>,
     .coding = &kShortCoding,
     .fallback = 0},
    {.control = "listSk1Long",
     .frame = kFrame,
     .labelRow = 228,
     .field = {0x361},
     .itemsFor = functionItems<kLongPress>,
     .coding = &kLongCoding,
     .fallback = 0},
    {.control = "listSk2Short",
     .frame = kFrame,
     .labelRow = 229,
     .field = {0x362},
     .itemsFor = functionItems<kShortPress>,
     .coding = &kShortCoding,
     .fallback = 0},
    {.control = "listSk2Long",
     .frame = kFrame,
     .labelRow = 230,
     .field = {0x363},
     .itemsFor = functionItems<kLongPress>,
     .coding = &kLongCoding,
     .fallback = 0},
};

// Hold times 0.00s .. 12.75s in steps of 50 ms; the byte is the step count.
const ListOption kHoldTimes[] = {
    {.control = "cboSk1LongTime",
     .frame = kFrame,
     .labelRow = 393,
     .field = {0x365},
     .items = {.numbers = {.first = 0, .last = 255, .scale = 5, .decimals = 2, .suffixRow = 395}}},
    {.control = "cboSk2LongTime",
     .frame = kFrame,
     .labelRow = 394,
     .field = {0x366},
     .items = {.numbers = {.first = 0, .last = 255, .scale = 5, .decimals = 2, .suffixRow = 395}}},
};

// One busy flag for the four key lists: the handler selects its item again to
// keep it highlighted, and the flag stops that selection from running it twice.
void addKeyList(OptionPages& pages, const ListOption& list, const std::shared_ptr<bool>& busy) {
  pages.addControl(list.control, listState(list), [option = list, busy](OptionPages& p) {
    if (*busy) return;
    const FlagScope guard(*busy);
    writeList(p, option);
    p.select(option.control, p.control(option.control).selected);
  });
  pages.addLoadStep(list.control, [&list](OptionPages& p) { loadList(p, list); });
}

}  // namespace

void addKeyPage(OptionPages& pages) {
  const auto busy = std::make_shared<bool>(false);
  for (const ListOption& list : kKeyLists) addKeyList(pages, list, busy);
  for (const ListOption& option : kHoldTimes) addList(pages, option);
}

void commitKeyLists(OptionPages& pages) {
  for (const ListOption& list : kKeyLists) {
    const int selected = pages.control(list.control).selected;
    if (selected >= 0) pages.select(list.control, selected);
  }
}

}  // namespace q7
