#include "foundation/caption_table.h"

namespace q7 {
namespace {

constexpr CaptionRow kCaptionRows[] = {
#include "foundation/captions/channels.inc"
#include "foundation/captions/comm.inc"
#include "foundation/captions/dealer.inc"
#include "foundation/captions/edit.inc"
#include "foundation/captions/fleet.inc"
#include "foundation/captions/grid.inc"
#include "foundation/captions/rows.inc"
#include "foundation/captions/settings.inc"
#include "foundation/captions/shell.inc"
};

}  // namespace

int normalizeLanguage(int language) {
  return language >= kSimplifiedChinese && language <= kEnglish ? language : kEnglish;
}

std::span<const CaptionRow> captionRows() {
  return kCaptionRows;
}

CaptionTable::CaptionTable(int language) : language_(normalizeLanguage(language)) {
  for (const CaptionRow& row : kCaptionRows) {
    const char* text = language_ == kSimplifiedChinese    ? row.simplified
                       : language_ == kTraditionalChinese ? row.traditional
                                                          : row.english;
    if (row.row >= 0 && row.row < kRows && text) rows_[row.row] = text;
  }
}

const std::string& CaptionTable::operator()(int row) const {
  static const std::string empty;
  return row >= 0 && row < kRows ? rows_[row] : empty;
}

}  // namespace q7
