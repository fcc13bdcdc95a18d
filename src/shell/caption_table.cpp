#include "shell/caption_table.h"

namespace q7 {
namespace {

constexpr CaptionRow kCaptionRows[] = {
#include "shell/captions/channels.inc"
#include "shell/captions/comm.inc"
#include "shell/captions/dealer.inc"
#include "shell/captions/edit.inc"
#include "shell/captions/fleet.inc"
#include "shell/captions/settings.inc"
#include "shell/captions/shell.inc"
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
