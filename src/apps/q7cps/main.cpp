// The desktop programming tool: one main window over the shared state.
#include <QApplication>

#include "command_line.h"
#include "foundation/app_state.h"
#include "foundation/ui/qt_prompts.h"
#include "foundation/ui/standard_folders.h"
#include "pdf_command.h"
#include "qt_translations.h"
#include "shell/ui/main_window.h"

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
  QApplication app(argc, argv);
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
  window.show();
  if (outcome == q7::StartupOutcome::Started && !line.dataFile.isEmpty())
    window.openWhenStarted(line.dataFile.toStdString());
  return app.exec();
}
