#include "shell/codeplug_print.h"

#include <map>
#include <sstream>

#include "channels/channel_caption_rows.h"
#include "foundation/shared_caption_rows.h"
#include "settings/page_list.h"
#include "shell/codeplug_report.h"
#include "shell/file_menu_caption_rows.h"

namespace q7 {
namespace {

// The channel table's many columns fit a landscape page in a smaller size.
constexpr int kChannelPointSize = 7;

// Each option page under its tab's caption, in tab order.
struct PrintedPage {
  PageRegistration add;
  int captionRow;
};
constexpr PrintedPage kPrintedPages[] = {
    {addCommonPage, 201},  {addKeyPage, 202},  {addVoxPage, 203},     {addScanPage, 204},
    {addBatteryPage, 350}, {addDtmfPage, 205}, {addTwoTonePage, 200}, {addEmbeddedMsgPage, 206},
};

std::string escaped(const std::string& text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

class Document {
 public:
  explicit Document(const AppState& state) : state_(state) {}

  void heading(int level, const std::string& text) {
    out_ << "<h" << level << ">" << escaped(text) << "</h" << level << ">\n";
  }
  void paragraph(const std::string& text) { out_ << "<p>" << escaped(text) << "</p>\n"; }
  // A table across the page; `pointSize` above zero sets a size of its own.
  void openTable(int pointSize = 0) {
    out_ << "<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\" width=\"100%\"";
    if (pointSize > 0) out_ << " style=\"font-size:" << pointSize << "pt\"";
    out_ << ">\n";
  }
  void closeTable() { out_ << "</table>\n"; }
  // Header cells, or cells that wrap, or cells kept whole (frequencies, tones).
  enum class Cells { Header, Wrapping, Whole };
  void row(const std::vector<std::string>& cells, Cells kind = Cells::Wrapping) {
    const char* open = kind == Cells::Header  ? "<th>"
                       : kind == Cells::Whole ? "<td style=\"white-space:nowrap\">"
                                              : "<td>";
    const char* close = kind == Cells::Header ? "</th>" : "</td>";
    out_ << "<tr>";
    for (const std::string& cell : cells) out_ << open << escaped(cell) << close;
    out_ << "</tr>\n";
  }
  const std::string& caption(int row) const { return state_.caption(row); }
  std::string text() const {
    return "<html><head><meta charset=\"utf-8\"></head><body>\n" + out_.str() + "</body></html>\n";
  }

 private:
  const AppState& state_;
  std::ostringstream out_;
};

void addHeader(Document& doc, const ReportValue& report, const std::filesystem::path& file) {
  doc.heading(1, doc.caption(row::kModelName));
  doc.paragraph(doc.caption(row::kFileName) + " " + file.string());
  doc.paragraph(doc.caption(row::kModelType) + ": " + report.at("model").at("text").textValue());
  doc.paragraph(doc.caption(row::kFrequency) + ": " + report.at("band").at("text").textValue());
}

void addChannels(Document& doc, const ChannelGrid& grid) {
  doc.heading(2, doc.caption(row::kPrintedChannels));
  doc.openTable(kChannelPointSize);
  const auto& captions = grid.layout().captions;
  doc.row({captions.begin(), captions.begin() + grid.columns() + 1}, Document::Cells::Header);
  for (int channel = 1; channel <= grid.rows(); ++channel) {
    std::vector<std::string> cells{std::to_string(channel)};
    for (int c = 1; c <= grid.columns(); ++c) cells.push_back(grid.cell(channel, c).text);
    doc.row(cells, Document::Cells::Whole);
  }
  doc.closeTable();
}

std::string optionValue(const Document& doc, const ReportValue& option) {
  for (const auto& [name, value] : option.members()) {
    if (name == "checked")
      return doc.caption(value.flagValue() ? row::kPrintedYes : row::kPrintedNo);
    if (name == "text") return value.textValue();
  }
  return {};
}

std::string optionLabel(const Document& doc, const ControlState& control) {
  return control.labelRow >= 0 ? doc.caption(control.labelRow) : control.label;
}

// The controls each page adds, learnt from a model of that page alone.
std::vector<std::string> pageControls(PageRegistration add, const CaptionTable& captions) {
  CodeplugImage scratch;
  const PageRegistration only[] = {add};
  return OptionPages(scratch, captions, only).controlNames();
}

void addOptionPages(Document& doc, const OptionPages& pages, const ReportValue& options,
                    const CaptionTable& captions) {
  std::map<std::string, const ReportValue*, std::less<>> reported;
  for (const auto& [name, value] : options.members()) reported[name] = &value;
  doc.heading(2, doc.caption(row::kPrintedOptions));
  for (const PrintedPage& page : kPrintedPages) {
    doc.heading(3, doc.caption(page.captionRow));
    doc.openTable();
    doc.row({doc.caption(row::kPrintedSetting), doc.caption(row::kPrintedName),
             doc.caption(row::kPrintedValue)},
            Document::Cells::Header);
    for (const std::string& name : pageControls(page.add, captions)) {
      const auto it = reported.find(name);
      if (it == reported.end()) continue;
      doc.row({optionLabel(doc, pages.control(name)), name, optionValue(doc, *it->second)});
    }
    doc.closeTable();
  }
}

// A list of records as a table headed by the members' names.
void addRecords(Document& doc, int captionRow, const ReportValue& records) {
  doc.heading(3, doc.caption(captionRow));
  doc.openTable();
  std::vector<std::string> header{"#"};
  for (const auto& [name, value] : records.at(0).members()) header.push_back(name);
  doc.row(header, Document::Cells::Header);
  for (std::size_t i = 0; i < records.members().size(); ++i) {
    std::vector<std::string> cells{std::to_string(i + 1)};
    for (const auto& [name, value] : records.at(i).members())
      cells.push_back(value.kind() == ReportValue::Kind::Number
                          ? std::to_string(value.numberValue())
                          : value.textValue());
    doc.row(cells);
  }
  doc.closeTable();
}

void addInfoLines(Document& doc, const ReportValue& lines) {
  doc.heading(3, doc.caption(row::kPrintedInfoLines));
  doc.openTable();
  for (std::size_t i = 0; i < lines.members().size(); ++i)
    doc.row({std::to_string(i + 1), lines.at(i).textValue()});
  doc.closeTable();
}

void addVolume(Document& doc, const ReportValue& volume) {
  addRecords(doc, row::kPrintedVolume, volume.at("steps"));
  doc.paragraph("useThisSet: " + doc.caption(volume.at("useThisSet").flagValue()
                                                 ? row::kPrintedYes
                                                 : row::kPrintedNo));
}

}  // namespace

std::string codeplugDocument(const CodeplugEditor& editor, const AppState& state,
                             const std::filesystem::path& file) {
  const ReportValue report = codeplugReport(editor, state);
  Document doc(state);
  addHeader(doc, report, file);
  addChannels(doc, editor.grid());
  addOptionPages(doc, editor.pages(), report.at("options"), state.captions);
  addInfoLines(doc, report.at("infoLines"));
  addRecords(doc, row::kPrintedTwoTone, report.at("twoTone"));
  addVolume(doc, report.at("volume"));
  return doc.text();
}

std::string imageDocument(const AppState& state, const CodeplugImage& image,
                          const std::filesystem::path& file) {
  AppState copy = state;
  CodeplugEditor editor(copy);
  editor.initialise();
  copy.image = image;
  editor.showImage();
  return codeplugDocument(editor, copy, file);
}

}  // namespace q7
