#include "shell/report_value.h"

#include <gtest/gtest.h>

namespace q7 {
namespace {

TEST(JsonQuoted, EscapesWhatJsonForbidsAndKeepsTheRest) {
  const struct {
    std::string in;
    std::string out;
  } cases[] = {
      {"", R"("")"},
      {"Off", R"("Off")"},
      {"say \"hi\"", R"("say \"hi\"")"},
      {"C:\\Data", R"("C:\\Data")"},
      {"a\r\nb\tc", R"("a\r\nb\tc")"},
      {std::string("\x01\x1F", 2), R"("\u0001\u001f")"},
      {std::string("nul\0x", 5), R"("nul\u0000x")"},
      {"信道 / 無", "\"信道 / 無\""},
      // A byte that is no UTF-8 becomes U+FFFD rather than invalid JSON.
      {"A\xFF", "\"A\xEF\xBF\xBD\""},
  };
  for (const auto& c : cases) EXPECT_EQ(jsonQuoted(c.in), c.out) << c.in;
}

ReportValue sample() {
  return ReportValue::object()
      .add("band", ReportValue::object()
                       .add("text", ReportValue::text("400 - 470 MHz"))
                       .add("lower", ReportValue::number(40000000)))
      .add(
          "lines",
          ReportValue::list().append(ReportValue::text("HELLO")).append(ReportValue::text(" edge")))
      .add("empty", ReportValue::list())
      .add("on", ReportValue::flag(true));
}

TEST(ReportValue, JsonNestsObjectsAndListsInOrder) {
  EXPECT_EQ(toJson(sample()),
            "{\n"
            "  \"band\": {\n"
            "    \"text\": \"400 - 470 MHz\",\n"
            "    \"lower\": 40000000\n"
            "  },\n"
            "  \"lines\": [\n"
            "    \"HELLO\",\n"
            "    \" edge\"\n"
            "  ],\n"
            "  \"empty\": [],\n"
            "  \"on\": true\n"
            "}\n");
}

TEST(ReportValue, PlainTextPutsScalarObjectsOnOneLineAndQuotesAmbiguousTexts) {
  EXPECT_EQ(toPlainText(sample()),
            "band: text=\"400 - 470 MHz\" lower=40000000\n"
            "lines:\n"
            "  1: HELLO\n"
            "  2: \" edge\"\n"
            "empty:\n"
            "on: true\n");
}

TEST(ReportValue, MembersAreFoundByNameAndScalarsTakeNone) {
  const ReportValue report = sample();
  EXPECT_EQ(report.at("band").at("lower").numberValue(), 40000000);
  EXPECT_EQ(report.at("lines").at(1).textValue(), " edge");
  EXPECT_THROW(report.at("missing"), std::out_of_range);
  ReportValue scalar = ReportValue::number(1);
  EXPECT_THROW(scalar.append(ReportValue::number(2)), std::logic_error);
}

}  // namespace
}  // namespace q7
