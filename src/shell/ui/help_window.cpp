#include "shell/ui/help_window.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "foundation/ui/qt_text.h"

namespace q7 {

HelpWindow::HelpWindow(const QString& title, QWidget* parent)
    : QDialog(parent), txtGuide_(new QTextBrowser(this)) {
  setObjectName("frmHelp");
  setWindowTitle(title);
  setAttribute(Qt::WA_DeleteOnClose);
  txtGuide_->setObjectName("txtGuide");
  txtGuide_->setOpenExternalLinks(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(txtGuide_);
  resize(860, 680);
}

bool HelpWindow::showSection(const std::filesystem::path& guide, const std::string& anchor) {
  const QString file = qs(guide.string());
  anchor_ = qs(anchor);
  if (!QFileInfo(file).isReadable()) {
    txtGuide_->setPlainText(file);
    return false;
  }
  QUrl url = QUrl::fromLocalFile(file);
  url.setFragment(anchor_);
  txtGuide_->setSource(url);
  txtGuide_->scrollToAnchor(anchor_);
  return true;
}

}  // namespace q7
