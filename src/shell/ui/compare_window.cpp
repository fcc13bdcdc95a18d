#include "shell/ui/compare_window.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "foundation/ui/qt_text.h"

namespace q7 {

CompareWindow::CompareWindow(QWidget* parent) : QDialog(parent), list_(new QPlainTextEdit(this)) {
  setObjectName("frmCompare");
  list_->setObjectName("txtCompare");
  list_->setReadOnly(true);
  list_->setLineWrapMode(QPlainTextEdit::NoWrap);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  resize(560, 400);
}

void CompareWindow::showList(const std::string& title, const std::string& text) {
  setWindowTitle(qs(title));
  list_->setPlainText(qs(text));
  show();
  raise();
}

}  // namespace q7
