// The Help menu: the user guide at the section of the window in front, and
// the folder of the backups.
#include <QApplication>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QTabWidget>
#include <QUrl>

#include "channels/ui/channel_window.h"
#include "comm/backup_store.h"
#include "foundation/error_report.h"
#include "foundation/shared_caption_rows.h"
#include "foundation/ui/qt_text.h"
#include "shell/help_topics.h"
#include "shell/language_choice.h"
#include "shell/shell_caption_rows.h"
#include "shell/ui/help_window.h"
#include "shell/ui/main_window.h"

namespace q7 {

void MainWindow::help() {
  guard("mdifrmMain->Help", [&] {
    QWidget* front = QApplication::activeModalWidget();
    if (!front) front = QApplication::activeWindow();
    if (qobject_cast<HelpWindow*>(front)) return;
    const bool here = !front || front == this;
    const std::string section = helpSection(here ? std::string() : ss(front->objectName()),
                                            here ? focusedOptionPage() : -1);
    auto* window = new HelpWindow(qs(state_.caption(row::kUserGuideTitle)), here ? this : front);
    window->showSection(helpDocument(state_.programFolder, state_.language), section);
    window->show();
    window->raise();
  });
}

// The option page whose controls hold the focus; -1 when it is elsewhere.
int MainWindow::focusedOptionPage() const {
  const auto* tabs = frmChMem_ ? frmChMem_->findChild<QTabWidget*>("sstabSetMode") : nullptr;
  const QWidget* focus = QApplication::focusWidget();
  return tabs && focus && tabs->isAncestorOf(focus) ? tabs->currentIndex() : -1;
}

bool MainWindow::takeHelpKey(QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier) return false;
  const QWidget* front = QApplication::activeWindow();
  if (!front || front == this || qobject_cast<const HelpWindow*>(front)) return false;
  help();
  return true;
}

// The folder is made when no backup has been kept yet, so the file manager
// has something to show; without one, the dealer is told where it is.
void MainWindow::openBackupsFolder() {
  const auto folder = state_.dataFolderPath() / kBackupFolderName;
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (QDesktopServices::openUrl(QUrl::fromLocalFile(qs(folder.string())))) return;
  prompts_.tell(state_.caption(row::kNotice),
                state_.caption(row::kNoFileManager) + "\n" + folder.string(),
                PromptIcon::Information);
}

}  // namespace q7
