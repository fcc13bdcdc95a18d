#pragma once
// A PDF read back as text (pdftotext, from poppler-utils), and the checks that
// it holds what the printed pages of a data file must hold.
#include <gtest/gtest.h>

#include <QString>
#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "channels/grid_layout.h"
#include "shell/codeplug_report.h"
#include "support/opened_file.h"

namespace q7::test {

inline std::string pdfText(const std::filesystem::path& pdf) {
  const std::string command = "pdftotext -enc UTF-8 '" + pdf.string() + "' - 2>&1";
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  std::string text;
  std::array<char, 4096> buffer{};
  while (pipe && fgets(buffer.data(), static_cast<int>(buffer.size()), pipe.get()))
    text += buffer.data();
  // The PDF's text maps some glyphs to compatibility characters (ligatures
  // such as "ﬀ", CJK radicals such as "⽤"); a reader compares the letters.
  return QString::fromStdString(text).normalized(QString::NormalizationForm_KC).toStdString();
}

// Every used channel's RX and TX frequency as the grid shows them, and every
// option by the name the command line's report gives it.
inline void expectChannelsAndOptions(const std::string& text, const std::filesystem::path& file) {
  OpenedFile opened(file, kEnglish);
  const ChannelGrid& grid = opened.editor.grid();
  int used = 0;
  for (int channel = 1; channel <= grid.rows(); ++channel) {
    for (int column : {1, 2}) {
      const std::string& frequency = grid.cell(channel, column).text;
      if (frequency.empty()) continue;
      ++used;
      EXPECT_NE(text.find(frequency), std::string::npos) << channel << " " << frequency;
    }
  }
  EXPECT_GT(used, 0);
  const ReportValue report = codeplugReport(opened.editor, opened.state);
  for (const auto& [name, value] : report.at("options").members())
    EXPECT_NE(text.find(name), std::string::npos) << name;
}

}  // namespace q7::test
