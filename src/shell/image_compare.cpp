#include "shell/image_compare.h"

#include <cstdio>
#include <map>

#include "foundation/quiet_reports.h"
#include "shell/codeplug_editor.h"
#include "shell/codeplug_report.h"

namespace q7 {
namespace {

using Path = std::vector<std::string>;

// A report entry as the windows show one value: a list or grid cell (text),
// a check box (checked).
bool isShownValue(const ReportValue& value) {
  if (value.kind() != ReportValue::Kind::Object) return false;
  bool shown = false;
  for (const auto& [name, member] : value.members()) {
    if (!member.isScalar()) return false;
    if (name == "text" || name == "checked")
      shown = true;
    else if (name != "position" && name != "caption")
      return false;
  }
  return shown;
}

void flatten(const ReportValue& value, Path& path,
             std::vector<std::pair<Path, const ReportValue*>>& out) {
  if (value.isScalar() || isShownValue(value)) {
    out.emplace_back(path, &value);
    return;
  }
  const bool list = value.kind() == ReportValue::Kind::List;
  for (std::size_t i = 0; i < value.members().size(); ++i) {
    const auto& [name, member] = value.members()[i];
    path.push_back(list ? std::to_string(i + 1) : name);
    flatten(member, path, out);
    path.pop_back();
  }
}

std::vector<std::pair<Path, const ReportValue*>> entries(const ReportValue& report) {
  std::vector<std::pair<Path, const ReportValue*>> out;
  Path path;
  flatten(report, path, out);
  return out;
}

std::string scalarText(const ReportValue& value) {
  switch (value.kind()) {
    case ReportValue::Kind::Number:
      return std::to_string(value.numberValue());
    case ReportValue::Kind::Flag:
      return value.flagValue() ? "on" : "off";
    default:
      return value.textValue();
  }
}

std::string valueText(const ReportValue& value, const ReportValue& other) {
  if (value.isScalar()) return scalarText(value);
  for (const auto& [name, member] : value.members())
    if (name == "checked") return member.flagValue() ? "on" : "off";
  const std::string& text = value.at("text").textValue();
  if (text != other.at("text").textValue()) return text;
  return "position " + std::to_string(value.at("position").numberValue());
}

// An empty value shows as "" so that the line still reads as old -> new.
std::string shownText(const std::string& text) {
  return text.empty() ? "\"\"" : text;
}

const std::map<std::string, std::string>& channelFields() {
  static const std::map<std::string, std::string> fields = {
      {"rx", "RX frequency"}, {"tx", "TX frequency"}, {"rxTone", "RX tone"}, {"txTone", "TX tone"}};
  return fields;
}

const std::map<std::string, std::string>& bandFields() {
  static const std::map<std::string, std::string> fields = {
      {"text", "band"}, {"lower", "band lower limit"}, {"upper", "band upper limit"}};
  return fields;
}

std::string found(const std::map<std::string, std::string>& names, const std::string& key) {
  const auto at = names.find(key);
  return at == names.end() ? std::string() : at->second;
}

class Namer {
 public:
  Namer(const OptionPages& pages, const AppState& state) : pages_(pages), state_(state) {}

  // The entry's name as a person reads it; empty for entries only the
  // program needs (the band's list position).
  std::string operator()(const Path& p, const ReportValue& value) const {
    const std::string& top = p[0];
    if (top == "model") return "model";
    if (top == "band") return found(bandFields(), p[1]);
    if (top == "channels" && p.size() == 3)
      return "channel " + p[1] + " " + found(channelFields(), p[2]);
    if (top == "channels") return "channel " + p[1] + " " + value.at("caption").textValue();
    if (top == "infoLines") return "information line " + p[1];
    if (top == "options") return optionName(p[1]);
    if (top == "twoTone") return "two-tone record " + p[1] + " " + p[2];
    if (top == "volume" && p.size() == 1 + 1) return "volume table in use";
    if (top == "volume") return "volume step " + p[2] + (p[3] == "code" ? " code" : "");
    return {};
  }

 private:
  std::string optionName(const std::string& control) const {
    const ControlState& state = pages_.control(control);
    std::string label = state.labelRow >= 0 ? state_.caption(state.labelRow) : state.label;
    return label.empty() ? control : label + " (" + control + ")";
  }

  const OptionPages& pages_;
  const AppState& state_;
};

// Both images opened in one editor, as Open after Open.
class Opener {
 public:
  explicit Opener(const AppState& like) : state_(like), editor_(state_) { editor_.initialise(); }
  ReportValue report(const CodeplugImage& image) {
    state_.image = image;
    editor_.showImage();
    return codeplugReport(editor_, state_);
  }
  const OptionPages& pages() const { return editor_.pages(); }
  const AppState& state() const { return state_; }

 private:
  AppState state_;
  CodeplugEditor editor_;
};

std::vector<NamedChange> namedChanges(const ReportValue& a, const ReportValue& b,
                                      const Namer& name) {
  const auto before = entries(a);
  const auto after = entries(b);
  std::vector<NamedChange> changes;
  for (std::size_t i = 0; i < before.size() && i < after.size(); ++i) {
    const auto& [path, old] = before[i];
    const ReportValue& now = *after[i].second;
    if (toJson(*old) == toJson(now)) continue;
    const std::string label = name(path, *old);
    if (!label.empty()) changes.push_back({label, valueText(*old, now), valueText(now, *old)});
  }
  return changes;
}

}  // namespace

ImageDifferences compareImages(const AppState& like, const CodeplugImage& before,
                               const CodeplugImage& after) {
  // Both images, and each single byte tried, are opened only to be compared.
  const QuietReports quiet;
  Opener opener(like);
  const ReportValue a = opener.report(before);
  const ReportValue b = opener.report(after);
  ImageDifferences differences;
  differences.fields = namedChanges(a, b, Namer(opener.pages(), opener.state()));
  const std::string shownBefore = toJson(a);
  for (std::size_t at = 0; at < kRadioSize; ++at) {
    if (before[at] == after[at]) continue;
    CodeplugImage one = before;
    one[at] = after[at];
    if (toJson(opener.report(one)) == shownBefore)
      differences.bytes.push_back({static_cast<int>(at), before[at], after[at]});
  }
  return differences;
}

std::string toPlainText(const ImageDifferences& differences) {
  std::string text;
  for (const NamedChange& c : differences.fields)
    text += c.name + " " + shownText(c.before) + " -> " + shownText(c.after) + "\n";
  for (const ByteChange& c : differences.bytes) {
    char line[32];
    std::snprintf(line, sizeof line, "0x%03X %02X -> %02X\n", c.address, c.before, c.after);
    text += line;
  }
  return text;
}

ReportValue toReport(const ImageDifferences& differences) {
  ReportValue fields = ReportValue::list();
  for (const NamedChange& c : differences.fields)
    fields.append(ReportValue::object()
                      .add("name", ReportValue::text(c.name))
                      .add("before", ReportValue::text(c.before))
                      .add("after", ReportValue::text(c.after)));
  ReportValue bytes = ReportValue::list();
  for (const ByteChange& c : differences.bytes)
    bytes.append(ReportValue::object()
                     .add("address", ReportValue::number(c.address))
                     .add("before", ReportValue::number(c.before))
                     .add("after", ReportValue::number(c.after)));
  return ReportValue::object().add("fields", std::move(fields)).add("bytes", std::move(bytes));
}

}  // namespace q7
