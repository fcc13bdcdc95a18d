// The desktop programming tool: one main window over the shared state.
#include <unistd.h>

#include <QApplication>
#include <cerrno>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "app_identity.h"
#include "command_line.h"
#include "foundation/app_state.h"
#include "foundation/ui/qt_prompts.h"
#include "foundation/user_folders.h"
#include "pdf_command.h"
#include "qt_translations.h"
#include "shell/ui/main_window.h"

namespace {

// Replaces this process by a new copy of the program; returns only when that failed.
int startAgain(const std::string& program, const std::vector<std::string>& arguments) {
  std::vector<char*> argv = {const_cast<char*>(program.c_str())};
  for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  execv(program.c_str(), argv.data());
  std::cerr << "q7cps: cannot start again: " << std::strerror(errno) << "\n";
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  q7::describeProgram();
  const q7::CommandLine line = q7::parseCommandLine(q7::commandArguments(argc, argv));
  if (line.endsAtOnce) return q7::endAtOnce(line);
  if (!line.pdfFile.isEmpty()) {
    // No window and no display: the pages are drawn off screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return q7::writePdfFromTerminal(line.dataFile, line.pdfFile);
  }
  std::string program;
  std::vector<std::string> again;
  int status = 0;
  {
    QApplication app(argc, argv);
    q7::setApplicationIdentity(app);
    q7::AppState state;
    state.useLocations(
        q7::prepareFileLocations(QCoreApplication::applicationDirPath().toStdString()));
    q7::QtPrompts prompts;
    q7::MainWindow window(state, prompts);
    prompts.setParent(&window);
    // A failed start still shows the window, with the error list.
    const q7::StartupOutcome outcome = window.start();
    if (outcome == q7::StartupOutcome::CloseAtOnce) return 0;
    q7::installQtTranslations(app, state.language);
    if (outcome == q7::StartupOutcome::Started) window.resume(QCoreApplication::arguments());
    window.show();
    if (outcome == q7::StartupOutcome::Started && !line.dataFile.isEmpty())
      window.openWhenStarted(line.dataFile.toStdString());
    status = app.exec();
    program = QCoreApplication::applicationFilePath().toStdString();
    if (const auto arguments = window.restartArguments())
      for (const QString& a : *arguments) again.push_back(a.toStdString());
  }
  // After a language change the new copy starts only now, once this one has
  // closed its windows, its port and the settings file.
  if (!again.empty()) return startAgain(program, again);
  return status;
}
