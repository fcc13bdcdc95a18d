#pragma once
// The printed document laid out on pages. Pages are landscape, so the
// channel table with all its columns fits the width, on the locale's paper
// (Letter where the locale measures in US units, A4 elsewhere).
#include <QPageSize>
#include <QString>
#include <string>

class QPagedPaintDevice;

namespace q7 {

QPageSize localPaperSize();
// Prints the HTML document onto the pages of `device` (a printer or a PDF writer).
void printDocument(const std::string& html, QPagedPaintDevice& device);
// Writes the document as a PDF file; false when the file could not be written.
bool writePdf(const std::string& html, const QString& path);

}  // namespace q7
