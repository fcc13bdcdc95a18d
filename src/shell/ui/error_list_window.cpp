#include "shell/ui/error_list_window.h"

#include <QCloseEvent>
#include <QListWidget>

#include "foundation/error_report.h"

namespace q7 {

ErrorListWindow::ErrorListWindow(QWidget* parent)
    : QDockWidget("Notice", parent), listShowErr_(new QListWidget(this)) {
  setObjectName("frmShowErr");
  listShowErr_->setObjectName("listShowErr");
  listShowErr_->setSelectionMode(QAbstractItemView::SingleSelection);
  setWidget(listShowErr_);
}

void ErrorListWindow::appendLine(const QString& line) {
  listShowErr_->addItem(line);
}

int ErrorListWindow::entryCount() const {
  return listShowErr_->count();
}

void ErrorListWindow::closeEvent(QCloseEvent* event) {
  listShowErr_->clear();
  errorReporter().clear();
  QDockWidget::closeEvent(event);
}

}  // namespace q7
