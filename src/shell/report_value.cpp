#include "shell/report_value.h"

#include <algorithm>
#include <cstdio>
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

std::string scalarJson(const ReportValue& value) {
  switch (value.kind()) {
    case ReportValue::Kind::Text:
      return jsonQuoted(value.textValue());
    case ReportValue::Kind::Number:
      return std::to_string(value.numberValue());
    default:
      return value.flagValue() ? "true" : "false";
  }
}

std::string scalarText(const ReportValue& value, bool inPairs) {
  if (value.kind() != ReportValue::Kind::Text) return scalarJson(value);
  const std::string& text = value.textValue();
  return needsQuotes(text, inPairs) ? jsonQuoted(text) : text;
}

void writeJson(const ReportValue& value, int level, std::string& out) {
  if (value.isScalar()) {
    out += scalarJson(value);
    return;
  }
  const bool isObject = value.kind() == ReportValue::Kind::Object;
  out += isObject ? '{' : '[';
  bool first = true;
  for (const auto& [name, member] : value.members()) {
    out += first ? "\n" : ",\n";
    first = false;
    out += indent(level + 1);
    if (isObject) out += jsonQuoted(name) + ": ";
    writeJson(member, level + 1, out);
  }
  if (!first) out += "\n" + indent(level);
  out += isObject ? '}' : ']';
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
  std::string out = "\"";
  for (const char c : text) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\b':
        out += "\\b";
        break;
      case '\f':
        out += "\\f";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(c));
          out += escaped;
        } else {
          out += c;
        }
    }
  }
  return out + "\"";
}

std::string toJson(const ReportValue& value) {
  std::string out;
  writeJson(value, 0, out);
  return out + "\n";
}

std::string toPlainText(const ReportValue& value) {
  std::string out;
  if (value.isScalar()) return scalarText(value, false) + "\n";
  writeText(value, 0, out);
  return out;
}

}  // namespace q7
