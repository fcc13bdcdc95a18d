#pragma once
// q7cps's command line: a data file to open once the window has started, or
// --pdf to write that file's pages as a PDF without a window; --help and
// --version answer without a display.
#include <QString>
#include <QStringList>

namespace q7 {

struct CommandLine {
  QString dataFile{};  // absolute; empty: none named
  QString pdfFile{};   // empty: the window starts
  // The program ends at once with this status: after --help or --version
  // (`message` on standard output) or a usage error (`message` on standard error).
  bool endsAtOnce = false;
  int exitStatus = 0;
  QString message{};
};

// Application name and version, for --version and the window.
void describeProgram();
// `arguments` start with the program's own name.
CommandLine parseCommandLine(const QStringList& arguments);
QStringList commandArguments(int argc, char** argv);
// Writes the message where it belongs and gives the exit status.
int endAtOnce(const CommandLine& line);

}  // namespace q7
