// A language change restarts the program. The running copy asks at most
// once about a changed image, then closes; the new copy starts only after it
// has ended (the program's exit starts it), so the two never share the
// settings file or the serial port. The new copy opens the saved data file
// that was open and takes the window's size, place and state.
#include <QAction>

#include "shell/language_choice.h"
#include "shell/ui/main_window.h"

namespace q7 {
namespace {

constexpr const char* kReopen = "--reopen";
constexpr const char* kWindow = "--window";

}  // namespace

void MainWindow::chooseLanguage(int language) {
  if (language == state_.language) return setLanguageChecks(language);
  // The restart loses the image, so a changed one is offered for saving first.
  if (!files_.offerToSave()) return setLanguageChecks(state_.language);
  setLanguageChecks(language);
  if (!swiLangFace(state_, prompts_, language)) return;
  QStringList arguments;
  std::error_code ec;
  if (std::filesystem::is_regular_file(state_.currentDataPath, ec))
    arguments << kReopen << QString::fromStdString(state_.currentDataPath.string());
  arguments << kWindow << QString::fromLatin1(saveGeometry().toBase64());
  restartArguments_ = arguments;
  state_.quitWithoutAsking = true;
  close();
}

void MainWindow::resume(const QStringList& arguments) {
  for (qsizetype i = 0; i + 1 < arguments.size(); ++i) {
    if (arguments[i] == kWindow)
      restoreGeometry(QByteArray::fromBase64(arguments[i + 1].toLatin1()));
    if (arguments[i] == kReopen) files_.openFile(arguments[i + 1].toStdString());
  }
  showEditState();
}

}  // namespace q7
