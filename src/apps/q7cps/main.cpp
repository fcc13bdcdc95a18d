// The desktop programming tool: one main window over the shared state.
#include <QApplication>

#include "app_identity.h"
#include "foundation/app_state.h"
#include "foundation/ui/qt_prompts.h"
#include "foundation/user_folders.h"
#include "qt_translations.h"
#include "shell/ui/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  q7::setApplicationIdentity(app);
  q7::AppState state;
  state.useLocations(
      q7::prepareFileLocations(QCoreApplication::applicationDirPath().toStdString()));
  q7::QtPrompts prompts;
  q7::MainWindow window(state, prompts);
  prompts.setParent(&window);
  // A failed start still shows the window, with the error list.
  if (window.start() == q7::StartupOutcome::CloseAtOnce) return 0;
  q7::installQtTranslations(app, state.language);
  window.show();
  return app.exec();
}
