#include "shell/report_value.h"

#include <algorithm>
#include <nlohmann/json.hpp>
#include <stdexcept>

namespace q7 {
namespace {

std::string indent(int level) {
  return std::string(static_cast<std::size_t>(level) * 2, ' ');
}

// In a line of name=value pairs a blank or "=" would run into the next pair.
bool needsQuotes(std::string_view text, bool inPairs) {
  if (text.empty() || text.front() == ' ' || text.back() == ' ') return true;
  return std::any_of(text.begin(), text.end(), [inPairs](char c) {
    return static_cast<unsigned char>(c) < 0x20 || c == '"' || c == '\\' ||
           (inPairs && (c == ' ' || c == '='));
  });
}

using Json = nlohmann::ordered_json;

constexpr int kJsonIndent = 2;

// Text that is not UTF-8 (bytes of a radio's own character set) is kept
// readable: each such byte becomes U+FFFD instead of failing the report.
std::string dumped(const Json& json, int spaces = -1) {
  return json.dump(spaces, ' ', false, Json::error_handler_t::replace);
}

Json jsonOf(const ReportValue& value) {
  switch (value.kind()) {
    case ReportValue::Kind::Text:
      return value.textValue();
    case ReportValue::Kind::Number:
      return value.numberValue();
    case ReportValue::Kind::Flag:
      return value.flagValue();
    case ReportValue::Kind::Object: {
      Json object = Json::object();
      for (const auto& [name, member] : value.members()) object[name] = jsonOf(member);
      return object;
    }
    case ReportValue::Kind::List: {
      Json list = Json::array();
      for (const auto& [name, member] : value.members()) list.push_back(jsonOf(member));
      return list;
    }
  }
  return nullptr;
}

std::string scalarText(const ReportValue& value, bool inPairs) {
  if (value.kind() != ReportValue::Kind::Text) return dumped(jsonOf(value));
  const std::string& text = value.textValue();
  return needsQuotes(text, inPairs) ? jsonQuoted(text) : text;
}

bool allScalar(const ReportValue& value) {
  return std::all_of(value.members().begin(), value.members().end(),
                     [](const auto& member) { return member.second.isScalar(); });
}

std::string memberLabel(const ReportValue& parent, std::size_t index, const std::string& name) {
  return parent.kind() == ReportValue::Kind::List ? std::to_string(index + 1) : name;
}

void writeText(const ReportValue& value, int level, std::string& out) {
  const auto& members = value.members();
  for (std::size_t i = 0; i < members.size(); ++i) {
    const ReportValue& member = members[i].second;
    out += indent(level) + memberLabel(value, i, members[i].first) + ":";
    if (member.isScalar()) {
      out += " " + scalarText(member, false) + "\n";
    } else if (member.kind() == ReportValue::Kind::Object && allScalar(member)) {
      for (const auto& [name, field] : member.members())
        out += " " + name + "=" + scalarText(field, true);
      out += "\n";
    } else {
      out += "\n";
      writeText(member, level + 1, out);
    }
  }
}

}  // namespace

ReportValue ReportValue::text(std::string value) {
  ReportValue v(Kind::Text);
  v.text_ = std::move(value);
  return v;
}

ReportValue ReportValue::number(long long value) {
  ReportValue v(Kind::Number);
  v.number_ = value;
  return v;
}

ReportValue ReportValue::flag(bool value) {
  ReportValue v(Kind::Flag);
  v.flag_ = value;
  return v;
}

ReportValue ReportValue::object() {
  return ReportValue(Kind::Object);
}

ReportValue ReportValue::list() {
  return ReportValue(Kind::List);
}

ReportValue& ReportValue::add(std::string name, ReportValue value) {
  if (isScalar()) throw std::logic_error("a scalar report value has no members");
  members_.emplace_back(std::move(name), std::move(value));
  return *this;
}

const ReportValue& ReportValue::at(std::string_view name) const {
  const auto found = std::find_if(members_.begin(), members_.end(),
                                  [&](const auto& member) { return member.first == name; });
  if (found == members_.end()) throw std::out_of_range("no report member " + std::string(name));
  return found->second;
}

std::string jsonQuoted(std::string_view text) {
  return dumped(nlohmann::json(std::string(text)));
}

std::string toJson(const ReportValue& value) {
  return dumped(jsonOf(value), kJsonIndent) + "\n";
}

std::string toPlainText(const ReportValue& value) {
  std::string out;
  if (value.isScalar()) return scalarText(value, false) + "\n";
  writeText(value, 0, out);
  return out;
}

}  // namespace q7
