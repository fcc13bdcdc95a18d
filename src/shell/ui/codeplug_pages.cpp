#include "shell/ui/codeplug_pages.h"

#include <QLocale>
#include <QPageLayout>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

#include "foundation/ui/qt_text.h"

namespace q7 {
namespace {

constexpr int kPointSize = 9;
constexpr int kPdfResolution = 300;
// The document keeps a margin of its own inside the page's.
constexpr QMarginsF kMargins(5, 5, 5, 5);  // millimetres

}  // namespace

QPageSize localPaperSize() {
  const bool us = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
  return QPageSize(us ? QPageSize::Letter : QPageSize::A4);
}

void printDocument(const std::string& html, QPagedPaintDevice& device) {
  QTextDocument document;
  QFont font = document.defaultFont();
  font.setPointSize(kPointSize);
  document.setDefaultFont(font);
  document.setHtml(qs(html));
  document.print(&device);
}

// The file is replaced only once the whole document is written.
bool writePdf(const std::string& html, const QString& path) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  {
    QPdfWriter writer(&file);
    writer.setPageSize(localPaperSize());
    writer.setPageOrientation(QPageLayout::Landscape);
    writer.setResolution(kPdfResolution);
    writer.setPageMargins(kMargins, QPageLayout::Millimeter);
    printDocument(html, writer);
  }
  return file.size() > 0 && file.commit();
}

}  // namespace q7
