#pragma once
// The list of what differs between two images, in a small window with a
// read-only text view; created on first use and shown again with new text.
#include <QDialog>
#include <string>

class QPlainTextEdit;

namespace q7 {

class CompareWindow : public QDialog {
  Q_OBJECT
 public:
  explicit CompareWindow(QWidget* parent = nullptr);

  void showList(const std::string& title, const std::string& text);
  QPlainTextEdit* list() const { return list_; }

 private:
  QPlainTextEdit* list_;
};

}  // namespace q7
