#pragma once
// A small tree of named values for the reports of the command line, written
// either as indented plain text or as a JSON object. Objects keep their
// members in the order they were added.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace q7 {

class ReportValue {
 public:
  enum class Kind { Text, Number, Flag, Object, List };

  static ReportValue text(std::string value);
  static ReportValue number(long long value);
  static ReportValue flag(bool value);
  static ReportValue object();
  static ReportValue list();

  // Adds a named member (objects) or an item (lists, where the name is unused).
  ReportValue& add(std::string name, ReportValue value);
  ReportValue& append(ReportValue item) { return add({}, std::move(item)); }

  Kind kind() const { return kind_; }
  bool isScalar() const { return kind_ != Kind::Object && kind_ != Kind::List; }
  const std::vector<std::pair<std::string, ReportValue>>& members() const { return members_; }
  // The member of that name; throws std::out_of_range when there is none.
  const ReportValue& at(std::string_view name) const;
  const ReportValue& at(std::size_t index) const { return members_.at(index).second; }
  const std::string& textValue() const { return text_; }
  long long numberValue() const { return number_; }
  bool flagValue() const { return flag_; }

 private:
  explicit ReportValue(Kind kind) : kind_(kind) {}

  Kind kind_;
  std::string text_;
  long long number_ = 0;
  bool flag_ = false;
  std::vector<std::pair<std::string, ReportValue>> members_;
};

// A JSON string literal: quotes, backslashes and control characters escaped,
// everything else (UTF-8 included) kept as it is.
std::string jsonQuoted(std::string_view text);

// Pretty-printed JSON, two blanks per level, ending in a line break.
std::string toJson(const ReportValue& value);

// Indented "name: value" lines; list items are named by their number from 1.
// An object of scalars takes one line of "name=value" pairs. Texts that would
// be ambiguous bare (empty, edge blanks, control characters, quotes, and in
// a line of pairs any blank or "=") are written as JSON strings.
std::string toPlainText(const ReportValue& value);

}  // namespace q7
