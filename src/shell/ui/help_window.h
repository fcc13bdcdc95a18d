#pragma once
// The user guide inside the program: the guide of the interface language in
// a text browser, opened at the section of the window in front. No web
// browser or desktop launcher is needed.
#include <QDialog>
#include <filesystem>
#include <string>

class QTextBrowser;

namespace q7 {

class HelpWindow : public QDialog {
  Q_OBJECT
 public:
  HelpWindow(const QString& title, QWidget* parent);

  // Shows `guide` scrolled to the section `anchor`; false when the guide
  // cannot be read (the window then says where it looked).
  bool showSection(const std::filesystem::path& guide, const std::string& anchor);
  QString currentAnchor() const { return anchor_; }
  QTextBrowser* browser() const { return txtGuide_; }

 private:
  QTextBrowser* txtGuide_;
  QString anchor_;
};

}  // namespace q7
