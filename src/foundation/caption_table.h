#pragma once
// The caption table: the language-dependent texts by row, filled once per run
// for the interface language. The row number is a text's identity; rows
// 0..445 are the radio's classic set, the rows after them this program's own.
#include <array>
#include <span>
#include <string>

namespace q7 {

enum Language : int { kSimplifiedChinese = 1, kTraditionalChinese = 2, kEnglish = 3 };

// Any value outside 1..3 counts as English.
int normalizeLanguage(int language);

struct CaptionRow {
  int row;
  const char* simplified;
  const char* traditional;
  const char* english;
};

// Every row the program assigns, all languages (the source of the table).
std::span<const CaptionRow> captionRows();

class CaptionTable {
 public:
  static constexpr int kRows = 800;
  explicit CaptionTable(int language = kEnglish);

  int language() const { return language_; }
  // The row's text; empty for a row this language does not assign.
  const std::string& operator()(int row) const;

 private:
  int language_;
  std::array<std::string, kRows> rows_;
};

}  // namespace q7
