#include "command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

namespace q7 {
namespace {

constexpr int kUsageError = 2;
// Options the application object takes itself (-platform xcb, -style fusion):
// accepted here and left to it.
// The copy a language change starts also gets the data file to open again and
// the window's geometry (MainWindow::resume): accepted, not listed.
constexpr const char* kPassedOptions[] = {"platform",        "style",  "platformtheme",
                                          "qwindowgeometry", "reopen", "window"};

CommandLine usageError(const QString& text) {
  return {.endsAtOnce = true, .exitStatus = kUsageError, .message = "q7cps: " + text};
}

}  // namespace

void describeProgram() {
  QCoreApplication::setApplicationName("q7cps");
  QCoreApplication::setApplicationVersion(Q7_VERSION);
}

CommandLine parseCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      "Programming tool for TARN Q7 hand-held radios: reads, edits, prints and writes the\n"
      "channels and options of a radio or of a data file.");
  const QCommandLineOption help({"h", "help"}, "Displays this help.");
  parser.addOption(help);
  const QCommandLineOption version = parser.addVersionOption();
  const QCommandLineOption pdf(
      "pdf", "Write the pages File > Print would print of FILE.dat to OUT.pdf, without a window.",
      "OUT.pdf");
  parser.addOption(pdf);
  parser.addPositionalArgument("FILE.dat", "A data file to open once the window has started.",
                               "[FILE.dat]");
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  for (const char* name : kPassedOptions) {
    QCommandLineOption passed(name, "", "value");
    passed.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(passed);
  }
  if (!parser.parse(arguments)) return usageError(parser.errorText());
  if (parser.isSet(help)) {
    const QString name = QCoreApplication::applicationName();
    return {.endsAtOnce = true, .message = parser.helpText().replace("<executable_name>", name)};
  }
  if (parser.isSet(version)) {
    return {.endsAtOnce = true,
            .message = QCoreApplication::applicationName() + " " +
                       QCoreApplication::applicationVersion() + "\n"};
  }
  const QStringList files = parser.positionalArguments();
  if (files.size() > 1) return usageError("one data file at most");
  CommandLine line{.pdfFile = parser.value(pdf)};
  if (!files.isEmpty()) line.dataFile = QFileInfo(files.first()).absoluteFilePath();
  if (parser.isSet(pdf) && line.pdfFile.isEmpty()) return usageError("--pdf needs a file name");
  if (parser.isSet(pdf) && line.dataFile.isEmpty()) return usageError("--pdf needs a data file");
  return line;
}

QStringList commandArguments(int argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  return arguments;
}

int endAtOnce(const CommandLine& line) {
  std::FILE* stream = line.exitStatus == 0 ? stdout : stderr;
  QString text = line.message;
  if (!text.endsWith('\n')) text += '\n';
  std::fputs(text.toLocal8Bit().constData(), stream);
  return line.exitStatus;
}

}  // namespace q7
