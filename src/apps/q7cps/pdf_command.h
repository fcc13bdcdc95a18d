#pragma once
// q7cps --pdf OUT.pdf FILE.dat: the file opened as File > Open opens it, in
// the interface language of the settings file, and its printed pages written
// as a PDF, all without a window. Messages go to standard error.
#include <QString>

namespace q7 {

// The exit status: 0 when the PDF was written.
int writePdfFromTerminal(const QString& dataFile, const QString& pdfFile);

}  // namespace q7
