#include "channels/channel_paste.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "channels/rows_fixture.h"
#include "support/scripted_prompts.h"

namespace q7 {
namespace {

class Paste : public test::RowsFixture {
 protected:
  Paste() { state.captions = CaptionTable(kEnglish); }

  PasteOutcome paste(const std::string& text, int first) {
    return pasteChannels(state, grid, prompts, text, first);
  }
  // The cells of a channel the user sees, all columns.
  std::vector<std::string> shownRow(int n) const {
    std::vector<std::string> cells;
    for (int c = 1; c <= grid.columns(); ++c) cells.push_back(text(n, c));
    return cells;
  }

  test::ScriptedPrompts prompts;
};

std::string withoutFirstLine(const std::string& text) {
  return text.substr(text.find('\n') + 1);
}

std::string replaced(std::string text, char from, char to) {
  std::ranges::replace(text, from, to);
  return text;
}

TEST_F(Paste, CopyWritesTheHeaderAndTheSelectedChannelsTabSeparated) {
  makeChannels(test::firstChannels(4));
  const std::string copied = copyChannels(state, grid, {3, 1}, TextSeparator::kTab);
  const auto lines = std::count(copied.begin(), copied.end(), '\n');
  EXPECT_EQ(lines, 3);
  EXPECT_EQ(copied.rfind("Location\tName\tFrequency\tDuplex\tOffset\tTone\t", 0), 0u) << copied;
  EXPECT_NE(copied.find("\n1\t\t440.012500\t+\t5.000000\t"), std::string::npos) << copied;
  EXPECT_NE(copied.find("\n3\t\t440.037500\t+\t5.000000\t"), std::string::npos) << copied;
  EXPECT_EQ(copied.find(','), std::string::npos);
  const std::string comma = copyChannels(state, grid, {1, 3}, TextSeparator::kComma);
  EXPECT_EQ(replaced(comma, ',', '\t'), copied);
}

struct RoundTrip {
  const char* name;
  std::function<std::string(const std::string& tabbed)> form;
};

const RoundTrip kForms[] = {
    {"tab-separated with its header", [](const std::string& t) { return t; }},
    {"tab-separated without a header", [](const std::string& t) { return withoutFirstLine(t); }},
    {"comma-separated", [](const std::string& t) { return replaced(t, '\t', ','); }},
    {"a text editor's LF lines",
     [](const std::string& t) {
       std::string lf = t;
       std::erase(lf, '\r');
       return lf;
     }},
};

TEST_F(Paste, CopiedChannelsLandFromTheFirstChannelDownInEveryForm) {
  makeChannels(test::firstChannels(3));
  const std::string copied = copyChannels(state, grid, {1, 2, 3}, TextSeparator::kTab);
  const auto expected = std::vector{shownRow(1), shownRow(2), shownRow(3)};
  for (const RoundTrip& form : kForms) {
    SCOPED_TRACE(form.name);
    for (int n = 10; n <= 12; ++n) grid.delOneChannel(n);
    const PasteOutcome outcome = paste(form.form(copied), 10);
    EXPECT_TRUE(outcome.faults.empty());
    EXPECT_EQ(outcome.edit.changedRows, (std::vector<int>{10, 11, 12}));
    EXPECT_EQ(outcome.edit.selection, (ChannelSelection{10, 11, 12}));
    for (int i = 0; i < 3; ++i) EXPECT_EQ(shownRow(10 + i), expected[static_cast<std::size_t>(i)]);
  }
  EXPECT_TRUE(prompts.questions.empty());
  EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(Paste, ASpreadsheetsQuotedFieldsAndCrLfLinesArePasted) {
  const std::string sheet =
      "\"Location\"\t\"Frequency\"\t\"Mode\"\t\"Comment\"\r\n"
      "\"7\"\t\"446.006250\"\t\"NFM\"\t\"gate, north\"\r\n"
      "\"1\"\t\"446.018750\"\t\"FM\"\t\"said \"\"hi\"\"\"\r\n";
  const PasteOutcome outcome = paste(sheet, 4);
  EXPECT_TRUE(outcome.faults.empty());
  EXPECT_EQ(text(4, col::kRx), "446.00625");  // in the text's order: its Location is ignored
  EXPECT_EQ(text(4, 5), "Narrow");
  EXPECT_EQ(text(5, col::kRx), "446.01875");
  EXPECT_EQ(text(5, 5), "Wide");
  EXPECT_EQ(text(7, col::kRx), "");
}

TEST_F(Paste, RowsThatDoNotFitAreListedOnceAndTheOthersApplied) {
  const std::string text =
      "Location,Frequency,Power\n"
      "1,446.1,Low\n"
      "2,500.0,Low\n"
      "3,446.2,Medium\n"
      "4,446.3,High\n"
      "5,446.4,High\n";
  const PasteOutcome outcome = paste(text, 14);
  EXPECT_EQ(this->text(14, col::kRx), "446.1");
  EXPECT_EQ(this->text(15, col::kRx), "");
  EXPECT_EQ(this->text(16, col::kRx), "");
  ASSERT_EQ(outcome.faults.size(), 4u);
  EXPECT_EQ(outcome.faults[0].rfind("Row 3, channel 15: ", 0), 0u) << outcome.faults[0];
  EXPECT_NE(outcome.faults[0].find("500.0"), std::string::npos) << outcome.faults[0];
  EXPECT_EQ(outcome.faults[1].rfind("Row 4, channel 16: ", 0), 0u) << outcome.faults[1];
  EXPECT_NE(outcome.faults[1].find("Medium"), std::string::npos) << outcome.faults[1];
  EXPECT_EQ(outcome.faults[2], "Row 5, channel 17: past the last channel");
  EXPECT_EQ(outcome.faults[3], "Row 6, channel 18: past the last channel");
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].text, "These rows were not taken:\n" + outcome.faults[0] + "\n" +
                                          outcome.faults[1] + "\n" + outcome.faults[2] + "\n" +
                                          outcome.faults[3]);
  EXPECT_EQ(outcome.edit.changedRows, (std::vector<int>{14}));
}

TEST_F(Paste, PastingOverChannelsInUseAsksFirst) {
  makeChannels(test::firstChannels(3));
  const std::string text = "Location,Frequency\n1,446.1\n2,446.2\n";
  const CodeplugImage before = state.image;
  const PasteOutcome declined = paste(text, 3);
  EXPECT_TRUE(declined.declined);
  EXPECT_EQ(state.image, before);
  ASSERT_EQ(prompts.questions.size(), 1u);
  EXPECT_EQ(prompts.questions[0].text, "These channels in use will be overwritten. Go on?\n3");

  prompts.answers = {true};
  const PasteOutcome accepted = paste(text, 3);
  EXPECT_FALSE(accepted.declined);
  EXPECT_EQ(this->text(3, col::kRx), "446.1");
  EXPECT_EQ(this->text(4, col::kRx), "446.2");
  EXPECT_EQ(prompts.questions.size(), 2u);
}

TEST_F(Paste, AnEmptyRowEmptiesItsChannelAndNothingElseIsLost) {
  makeChannels(test::firstChannels(3));
  const std::string copied = copyChannels(state, grid, {1, 4, 3}, TextSeparator::kTab);
  prompts.answers = {true};
  paste(copied, 2);
  EXPECT_EQ(text(2, col::kRx), "440.0125");
  EXPECT_EQ(text(3, col::kRx), "440.0375");
  EXPECT_EQ(text(4, col::kRx), "");  // channel 4 was empty
  EXPECT_EQ(text(1, col::kRx), "440.0125");
}

TEST_F(Paste, NothingToPasteAndALockedGridAreTold) {
  paste("\r\n", 1);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].text, "The text holds no channel rows.");
  state.lockState = kLockedText;
  const PasteOutcome locked = paste("Location,Frequency\n1,446.1\n", 1);
  EXPECT_EQ(locked.edit.refusal, RowRefusal::kLocked);
  ASSERT_EQ(prompts.messages.size(), 2u);
  EXPECT_EQ(prompts.messages[1].text,
            "The channel interface is locked; unlock it to change channels.");
  EXPECT_EQ(text(1, col::kRx), "");
}

}  // namespace
}  // namespace q7
