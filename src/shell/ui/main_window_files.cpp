// The file menu's recent files, printing and PDF export, and the file named
// on the command line.
#include <QMenu>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTimer>

#include "channels/ui/channel_window.h"
#include "foundation/error_report.h"
#include "foundation/shared_caption_rows.h"
#include "foundation/ui/qt_text.h"
#include "shell/codeplug_print.h"
#include "shell/file_menu_caption_rows.h"
#include "shell/recent_files.h"
#include "shell/ui/codeplug_pages.h"
#include "shell/ui/main_window.h"

namespace q7 {
namespace {

// A menu entry shows "&" doubled, or it would take it for a mnemonic.
QString menuText(int number, const std::filesystem::path& file) {
  return QString("&%1 %2").arg(number).arg(qs(file.string()).replace('&', "&&"));
}

void preparePrinter(QPrinter& printer) {
  printer.setPageSize(localPaperSize());
  printer.setPageOrientation(QPageLayout::Landscape);
}

}  // namespace

void MainWindow::buildRecentMenu() {
  auto* recent = new QMenu(this);
  recent->setObjectName("mnuFileRecent");
  recent->menuAction()->setObjectName("mnuFileRecent");
  menus_["mnuFileRecent"] = recent;
  menus_.at("mnuFile")->insertMenu(action("mnuFileSave"), recent);
  connect(recent, &QMenu::aboutToShow, this, &MainWindow::showRecentFiles);
}

void MainWindow::showRecentFiles() {
  QMenu* menu = menus_.at("mnuFileRecent");
  menu->clear();
  std::vector<std::filesystem::path> files;
  guard("mdifrmMain->mnuFileRecent_Click",
        [&] { files = RecentFiles(state_.settings).existing(); });
  if (files.empty()) menu->addAction(qs(state_.caption(row::kNoRecentFiles)))->setEnabled(false);
  int number = 0;
  for (const auto& file : files) {
    QAction* entry = menu->addAction(menuText(++number, file));
    connect(entry, &QAction::triggered, this, [this, path = file.string()] {
      guard("mdifrmMain->mnuFileRecent_Click", [&] { files_.openRecent(path); });
    });
  }
}

void MainWindow::openWhenStarted(const std::string& path) {
  QTimer::singleShot(0, this, [this, path] { files_.openFile(path); });
}

std::string MainWindow::printedDocument() {
  if (frmChMem_) frmChMem_->commitPendingEdit();
  return imageDocument(state_, files_.pendingImage(), state_.currentDataPath);
}

void MainWindow::printImage() {
  QPrinter printer;
  preparePrinter(printer);
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  printDocument(printedDocument(), printer);
}

void MainWindow::previewImage() {
  QPrinter printer;
  preparePrinter(printer);
  const std::string document = printedDocument();
  QPrintPreviewDialog dialog(&printer, this);
  connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
          [&document](QPrinter* pages) { printDocument(document, *pages); });
  dialog.exec();
}

// The dialog offers the user's data file's name with ".pdf".
void MainWindow::exportPdf() {
  std::filesystem::path offered = files_.saveAsStart();
  if (files_.holdsUserFile()) offered.replace_extension(".pdf");
  const auto chosen =
      prompts_.saveFileName(state_.caption(row::kPdfFilter), offered.string(), "pdf");
  if (!chosen || chosen->empty()) return;
  if (!writePdf(printedDocument(), qs(*chosen))) {
    prompts_.tell(state_.caption(row::kNotice), state_.caption(row::kPdfFailed) + *chosen,
                  PromptIcon::Critical);
  }
}

}  // namespace q7
