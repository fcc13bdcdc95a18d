// Two-tone settings (fraSysSet7, inside the model information frame): three
// general options and the two grids of the two-tone records. Each grid cell is
// a text control named after the grid's TextMatrix ("vsfgGridTwoTone(1)(3,2)").
#include "settings/two_tone_page.h"
#include "settings/option_kinds.h"
#include "settings/page_list.h"
#include "settings/settings_caption_rows.h"
#include "settings/two_tone.h"

namespace q7 {

namespace {

constexpr const char* kFrame = "fraSysSet7";

const ListOption kLists[] = {
    {.control = "cboTtPreCarTime",
     .frame = kFrame,
     .labelRow = row::kFirstDigitDelay,
     .field = {0x3E4},
     .items = {.numbers = {.first = 0, .last = 255, .scale = 20}}},
    {.control = "cboTtAutoRstTimer",
     .frame = kFrame,
     .labelRow = row::kAutoResetTimer,
     .field = {0x3DE},
     .items = {.firstRow = 295,
               .rowCount = 1,
               .numbers = {.first = 1, .last = 255, .suffixRow = 294}}},
};

const FlagOption kBeep{
    .control = "chkTtBeep", .frame = kFrame, .labelRow = row::kSideTone, .field = {0x3DF, bit(0)}};

// Runs a function for every editable cell: grid, row 1..8, column 1..5.
template <class Visit>
void forEachCell(Visit&& visit) {
  for (int grid = 0; grid < kTwoToneGrids; ++grid) {
    for (int row = 1; row <= kTwoToneRowsPerGrid; ++row) {
      for (int column = kToneAFreColumn; column <= kIntervalColumn; ++column) {
        visit(grid, row, column);
      }
    }
  }
}

std::string& tableCell(TwoToneTable& table, int grid, int row, int column) {
  return table[static_cast<std::size_t>(twoToneRecord(grid, row) - 1)]
              [static_cast<std::size_t>(column)];
}

void showTable(OptionPages& pages, TwoToneTable& table) {
  forEachCell([&](int grid, int row, int column) {
    pages.setText(twoToneCellName(grid, row, column), tableCell(table, grid, row, column));
  });
}

// vsfgGridTwoTone_AfterEdit: validates and stores all sixteen records, then
// shows the cells as stored. Loading fills cells without this handler.
void afterEdit(OptionPages& pages) {
  if (pages.loading()) return;
  TwoToneTable table;
  forEachCell([&](int grid, int row, int column) {
    tableCell(table, grid, row, column) = pages.control(twoToneCellName(grid, row, column)).text;
  });
  storeTwoToneTable(pages.image(), table);
  showTable(pages, table);
}

void loadGrids(OptionPages& pages) {
  TwoToneTable table = loadTwoToneTable(pages.image());
  showTable(pages, table);
}

}  // namespace

std::string twoToneCellName(int grid, int row, int column) {
  return elementName("vsfgGridTwoTone", grid) + "(" + std::to_string(row) + "," +
         std::to_string(column) + ")";
}

void addTwoTonePage(OptionPages& pages) {
  for (const ListOption& option : kLists) addList(pages, option);
  addFlag(pages, kBeep);
  forEachCell([&](int grid, int row, int column) {
    ControlState cell;
    cell.kind = ControlKind::Text;
    cell.frame = kFrame;
    pages.addControl(twoToneCellName(grid, row, column), std::move(cell), afterEdit);
  });
  pages.addLoadStep("vsfgGridTwoTone", loadGrids);
}

}  // namespace q7
