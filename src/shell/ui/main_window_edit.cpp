// The main window's Edit menu: every change the user makes to the image (in
// the grid, on the option pages, in their dialogs, in the memory view) is
// kept as a step once the input that made it has been handled, so Undo and
// Redo can walk back to the last Open, New or radio read. The title carries
// an asterisk while the image differs from the one last opened, read, saved
// or written.
#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QTimer>

#include "channels/ui/channel_window.h"
#include "comm/ui/comm_window.h"
#include "foundation/error_report.h"
#include "foundation/shared_caption_rows.h"
#include "foundation/ui/qt_text.h"
#include "shell/ui/main_window.h"

namespace q7 {
namespace {

constexpr const char* kChangedMark = " *";

// The input that may have changed something the user sees.
bool mayChangeTheImage(QEvent::Type type) {
  switch (type) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
      return true;
    default:
      return false;
  }
}

}  // namespace

void MainWindow::watchUserInput() {
  qApp->installEventFilter(this);
}

// The change is looked for once the event loop has handled the input and
// what the input queued: the grid ends an edit closed by Enter in a queued
// call, so the look waits for one more turn of the loop.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (takeHelpKey(event)) return true;
  if (mayChangeTheImage(event->type()) && !changeCheckQueued_) {
    changeCheckQueued_ = true;
    QTimer::singleShot(0, this,
                       [this] { QTimer::singleShot(0, this, [this] { recordUserChange(); }); });
  }
  return QMainWindow::eventFilter(watched, event);
}

// Nothing is kept while a transfer is filling the image or before the
// channel window exists.
void MainWindow::recordUserChange() {
  changeCheckQueued_ = false;
  if (!frmChMem_ || (frmCommun_ && frmCommun_->busy())) return;
  guard("mdifrmMain->RecordChange", [&] { files_.recordEdit(); });
  showEditState();
}

void MainWindow::restoreDefaults() {
  files_.restoreDefaults();
  showEditState();
}

void MainWindow::toggleLock(const char* location) {
  lock_.toggle(location);
  showEditState();
}

// The locked grid and pages take no edit, and no step back or forward either.
void MainWindow::undo() {
  if (state_.locked()) return;
  frmChMem_->commitPendingEdit();
  files_.recordEdit();
  files_.undo();
  showEditState();
}

void MainWindow::redo() {
  if (state_.locked()) return;
  files_.redo();
  showEditState();
}

void MainWindow::showEditState() {
  const bool editable = !state_.locked();
  action("mnuUndo")->setEnabled(editable && files_.canUndo());
  action("mnuRedo")->setEnabled(editable && files_.canRedo());
  showTitle();
}

void MainWindow::showTitle() {
  const bool changed = frmChMem_ && files_.changedSinceMarked();
  setWindowTitle(qs(state_.caption(row::kTitle)) + (changed ? kChangedMark : ""));
}

}  // namespace q7
