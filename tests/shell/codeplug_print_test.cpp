#include "shell/codeplug_print.h"

#include <gtest/gtest.h>

#include "shell/codeplug_report.h"
#include "support/opened_file.h"

namespace q7 {
namespace {

const std::filesystem::path kSample = std::filesystem::path(Q7_DATA_DIR) / "Data" / "Sample.dat";

bool holds(const std::string& document, const std::string& text) {
  return document.find(text) != std::string::npos;
}

TEST(CodeplugPrintTest, EveryChannelAndOptionInTheInterfaceLanguage) {
  struct Case {
    int language;
    const char* channels;
    const char* commonPage;
    const char* batteryPage;
    const char* yes;
  };
  const Case cases[] = {
      {kSimplifiedChinese, "<h2>信道</h2>", "<h3>通用设置</h3>", "<h3>电池</h3>", "<td>是</td>"},
      {kTraditionalChinese, "<h2>信道</h2>", "<h3>通用設置</h3>", "<h3>電池</h3>", "<td>是</td>"},
      {kEnglish, "<h2>Channels</h2>", "<h3>Common Set</h3>", "<h3>Battery</h3>", "<td>Yes</td>"},
  };
  for (const Case& c : cases) {
    test::OpenedFile opened(kSample, c.language);
    const std::string document = codeplugDocument(opened.editor, opened.state, kSample);
    for (const char* text : {c.channels, c.commonPage, c.batteryPage, c.yes})
      EXPECT_TRUE(holds(document, text)) << c.language << " " << text;
    EXPECT_TRUE(holds(document, "<p>" + opened.state.caption(85) + " " + kSample.string()));
    const ChannelGrid& grid = opened.editor.grid();
    for (int channel = 1; channel <= grid.rows(); ++channel) {
      const std::string cell = "<td style=\"white-space:nowrap\">";
      std::string row = "<tr>" + cell + std::to_string(channel) + "</td>";
      for (int column = 1; column <= grid.columns(); ++column)
        row += cell + grid.cell(channel, column).text + "</td>";
      EXPECT_TRUE(holds(document, row + "</tr>")) << row;
    }
    const ReportValue report = codeplugReport(opened.editor, opened.state);
    for (const auto& [name, value] : report.at("options").members())
      EXPECT_TRUE(holds(document, "<td>" + name + "</td>")) << name;
  }
}

TEST(CodeplugPrintTest, TextIsEscapedForTheDocument) {
  test::OpenedFile opened(kSample, kEnglish);
  const std::string document =
      codeplugDocument(opened.editor, opened.state, "/tmp/a&b<c>\"d\".dat");
  EXPECT_TRUE(holds(document, "/tmp/a&amp;b&lt;c&gt;&quot;d&quot;.dat"));
  EXPECT_FALSE(holds(document, "a&b"));
}

// The image is shown by an editor of its own: the caller's state stays as it
// was, and the pages are those of the file opened in an editor.
TEST(CodeplugPrintTest, AnImageIsPrintedAsItsOpenedFile) {
  test::OpenedFile opened(kSample, kTraditionalChinese);
  test::OpenedFile blank(std::filesystem::path(Q7_DATA_DIR) / "dhcpqec.def", kTraditionalChinese);
  const CodeplugImage before = blank.state.image;
  EXPECT_EQ(imageDocument(blank.state, opened.opened, kSample),
            codeplugDocument(opened.editor, opened.state, kSample));
  EXPECT_EQ(blank.state.image, before);
}

}  // namespace
}  // namespace q7
