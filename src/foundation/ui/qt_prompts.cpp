#include "foundation/ui/qt_prompts.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

#include "foundation/ui/qt_text.h"

namespace q7 {
namespace {

QMessageBox::Icon qtIcon(PromptIcon icon) {
  switch (icon) {
    case PromptIcon::Question:
      return QMessageBox::Question;
    case PromptIcon::Critical:
      return QMessageBox::Critical;
    case PromptIcon::Exclamation:
      return QMessageBox::Warning;
    case PromptIcon::Information:
      return QMessageBox::Information;
    case PromptIcon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

std::optional<std::string> chosen(const QString& name) {
  if (name.isEmpty()) return std::nullopt;
  return ss(name);
}

}  // namespace

QString qtFileFilter(const std::string& filter) {
  const QStringList parts = qs(filter).split('|');
  QStringList filters;
  // Qt separates the patterns of one filter with spaces.
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    filters << parts[i] + " (" + QString(parts[i + 1]).replace(';', ' ') + ")";
  }
  return filters.join(";;");
}

bool QtPrompts::askYesNo(const std::string& title, const std::string& text, PromptIcon icon) {
  QMessageBox box(qtIcon(icon), qs(title), qs(text), QMessageBox::Yes | QMessageBox::No, parent_);
  return box.exec() == QMessageBox::Yes;
}

bool QtPrompts::askOkCancel(const std::string& title, const std::string& text, PromptIcon icon) {
  QMessageBox box(qtIcon(icon), qs(title), qs(text), QMessageBox::Ok | QMessageBox::Cancel,
                  parent_);
  return box.exec() == QMessageBox::Ok;
}

void QtPrompts::tell(const std::string& title, const std::string& text, PromptIcon icon) {
  QMessageBox box(qtIcon(icon), qs(title), qs(text), QMessageBox::Ok, parent_);
  box.exec();
}

std::optional<std::string> QtPrompts::openFileName(const std::string& filter,
                                                   const std::string& initialDir) {
  return chosen(
      QFileDialog::getOpenFileName(parent_, QString(), qs(initialDir), qtFileFilter(filter)));
}

std::optional<std::string> QtPrompts::saveFileName(const std::string& filter,
                                                   const std::string& initialDir,
                                                   const std::string& defaultExtension) {
  QFileDialog dialog(parent_, QString(), qs(initialDir), qtFileFilter(filter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(qs(defaultExtension));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return chosen(dialog.selectedFiles().first());
}

}  // namespace q7
